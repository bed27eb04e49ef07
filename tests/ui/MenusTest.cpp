// Popup menus: item properties, sub-menus, the test hook, windowless
// controls starting drags.
#include "UiFixture.h"

#include "platform/ui/DragDrop.h"
#include "platform/ui/Menus.h"
#include "platform/ui/StdCtrls.h"

namespace {

TMenuItem* AddItem(TPopupMenu* menu, TMenuItem* parent, const std::string& caption)
{
    TMenuItem* item = TMenuItem::Create(menu);
    item->SetCaption(caption);
    (parent ? parent : menu->Items())->Add(item);
    return item;
}

using Menus = UiFixture;

TEST_F(Menus, ShownItemsIncludeSubMenusAndSeparatorsAndClicksAreQueued)
{
    TPopupMenu* menu = TPopupMenu::Create(Form);
    menu->SetAutoHotkeys(maManual);
    std::vector<std::string> clicked;
    TMenuItem* add = AddItem(menu, nullptr, "Add Table");
    add->OnClick = [&](TObject* sender) { clicked.push_back(static_cast<TMenuItem*>(sender)->Caption()); };
    TMenuItem* unions = AddItem(menu, nullptr, "Union");
    TMenuItem* remove = AddItem(menu, unions, "Remove");
    remove->SetEnabled(false);
    TMenuItem* enclose = AddItem(menu, unions, "Enclose With Brackets");
    enclose->SetChecked(true);
    enclose->SetTag(42);
    enclose->OnClick = [&](TObject* sender) { clicked.push_back(std::to_string(static_cast<TComponent*>(sender)->Tag())); };
    AddItem(menu, nullptr, "-");
    TMenuItem* hidden = AddItem(menu, nullptr, "Hidden");
    hidden->SetVisible(false);

    menu->Popup(10, 10);
    ASSERT_EQ(ShownPopupMenu(), menu);
    EXPECT_EQ(ShownPopupItems(), (std::vector<std::string>{"Add Table", "Union", "Union|Remove",
                                                           "Union|Enclose With Brackets", "-"}));
    EXPECT_THROW(ClickShownPopupItem("Union|Remove"), EInvalidOperation);
    EXPECT_THROW(ClickShownPopupItem("Nothing"), EInvalidOperation);
    ClickShownPopupItem("Union|Enclose With Brackets");
    EXPECT_TRUE(clicked.empty());
    Application->ProcessMessages();
    EXPECT_EQ(clicked, (std::vector<std::string>{"42"}));

    // Clearing the items frees them; a click queued for a freed item is dropped.
    menu->Popup(10, 10);
    ClickShownPopupItem("Add Table");
    menu->Items()->Clear();
    Application->ProcessMessages();
    EXPECT_EQ(clicked.size(), 1u);
    EXPECT_EQ(menu->Items()->Count(), 0);
}

TEST_F(Menus, AWindowlessControlWithAutomaticDragStartsADragOnPress)
{
    TLabel* bracket = TLabel::Create(Form);
    bracket->SetCaption("(");
    bracket->SetBounds(10, 10, 10, 20);
    bracket->SetDragMode(dmAutomatic);
    bracket->SetParent(Form);
    int downs = 0;
    bracket->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    Press(Form, {12, 15});
    EXPECT_EQ(TDragManager::Instance().Source(), bracket);
    EXPECT_EQ(downs, 0);
    Release(Form, {12, 15});
    EXPECT_FALSE(TDragManager::Instance().Dragging());
}

} // namespace
