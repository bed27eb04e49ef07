// Page control, check-list box, speed buttons and the simple controls.
#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "UiFixture.h"

#include "platform/ui/Buttons.h"
#include "platform/ui/CheckLst.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Grab.h"
#include "platform/ui/StdCtrls.h"

namespace {

class TSheet : public TTabSheet {
    VN_CLASS(TSheet, TTabSheet)

public:
    using TTabSheet::TTabSheet;
    int Shown = 0;

protected:
    void DoShow() override
    {
        ++Shown;
        inherited::DoShow();
    }
};

class TListProbe : public TCheckListBox {
    VN_CLASS(TListProbe, TCheckListBox)

public:
    using TCheckListBox::TCheckListBox;
    std::vector<int> Checks;
    int Scrolls = 0;
    void WndProc(TMessage& Message) override
    {
        inherited::WndProc(Message);
        if (Message.Msg == WM_VSCROLL)
            ++Scrolls;
    }

protected:
    void ClickCheck() override { Checks.push_back(ItemIndex()); }
};

using StandardControls = UiFixture;

TEST_F(StandardControls, PageChangeRunsOnlyForTheUsersChoice)
{
    TPageControl* pages = TPageControl::Create(Form);
    pages->SetBounds(0, 0, 300, 200);
    pages->SetParent(Form);
    TSheet* first = TSheet::Create(Form);
    first->SetCaption("Main");
    first->SetPageControl(pages);
    TSheet* second = TSheet::Create(Form);
    second->SetCaption("Sub");
    second->SetPageControl(pages);
    int changes = 0;
    pages->OnChange = [&](TObject*) { ++changes; };

    EXPECT_EQ(pages->ActivePage(), first);
    EXPECT_TRUE(first->Visible());
    EXPECT_FALSE(second->Visible());
    EXPECT_EQ(first->BoundsRect(), pages->DisplayRect());

    pages->SetActivePage(second);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(second->Shown, 1);

    const TRect tab = pages->TabRect(0);
    Click(pages, {tab.Left + 3, tab.Top + 3});
    EXPECT_EQ(pages->ActivePage(), first);
    EXPECT_EQ(changes, 1);

    // Detaching a sheet takes its tab away; the page is still alive.
    second->SetPageControl(nullptr);
    EXPECT_EQ(pages->PageCount(), 1);
    EXPECT_TRUE(pages->TabRect(1).IsEmpty());
    second->SetPageControl(pages);
    EXPECT_EQ(second->PageIndex(), 1);
}

TEST_F(StandardControls, CheckListRowsHaveExactRectanglesAndScroll)
{
    TListProbe* list = TListProbe::Create(Form);
    list->SetBorderStyle(bsNone);
    list->SetParent(Form);
    const int h = list->ItemHeight();
    list->SetBounds(0, 0, 120, 4 * h);
    list->Items()->Add("*");
    for (const char* name : {"Id", "Name", "City", "Country", "Phone"})
        list->Items()->Add(name);

    EXPECT_EQ(list->Items()->IndexOf("NAME"), 2);
    EXPECT_EQ(list->ItemRect(2), Rect(0, 2 * h, list->ClientWidth(), 3 * h));
    EXPECT_EQ(list->ItemAtPos({5, 2 * h + 1}, true), 2);
    EXPECT_EQ(list->ItemAtPos({5, 100 * h}, true), -1);
    EXPECT_EQ(list->ItemAtPos({5, 100 * h}, false), 5);

    list->Perform(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(list->TopIndex(), 1);
    EXPECT_EQ(list->ItemRect(0).Top, -h);
    EXPECT_EQ(list->Scrolls, 1);
    list->SetTopIndex(100);
    EXPECT_EQ(list->TopIndex(), 6 - list->ClientHeight() / h);
    list->SetTopIndex(0);

    // A click on the box toggles it; a click on the text only selects.
    Click(list, {4, h + h / 2});
    EXPECT_TRUE(list->Checked(1));
    EXPECT_EQ(list->Checks, (std::vector<int>{1}));
    Click(list, {60, 2 * h + h / 2});
    EXPECT_FALSE(list->Checked(2));
    EXPECT_EQ(list->ItemIndex(), 2);

    // Check marks move with their strings.
    list->Items()->Insert(0, "first");
    EXPECT_TRUE(list->Checked(2));
    EXPECT_EQ(list->ItemIndex(), 3);
}

TEST_F(StandardControls, SpeedButtonsOfAGroupAreExclusive)
{
    std::vector<TSpeedButton*> buttons;
    for (int i = 0; i < 3; ++i) {
        TSpeedButton* b = TSpeedButton::Create(Form);
        b->SetBounds(i * 30, 0, 30, 24);
        b->SetGroupIndex(1);
        b->SetParent(Form);
        buttons.push_back(b);
    }
    buttons[0]->SetDown(true);
    int clicks = 0;
    buttons[2]->OnClick = [&](TObject*) { ++clicks; };
    Click(Form, {65, 10});
    EXPECT_TRUE(buttons[2]->Down());
    EXPECT_FALSE(buttons[0]->Down());
    EXPECT_EQ(clicks, 1);
    // Without AllowAllUp a down button stays down when clicked again.
    Click(Form, {65, 10});
    EXPECT_TRUE(buttons[2]->Down());
}

TEST_F(StandardControls, CheckBoxClickRunsForCodeAndUser)
{
    TCheckBox* box = TCheckBox::Create(Form);
    box->SetParent(Form);
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    static_cast<QAbstractButton*>(box->Handle())->click();
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(StandardControls, EditAndComboKeepTheirTextInStep)
{
    TEdit* edit = TEdit::Create(Form);
    edit->SetParent(Form);
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    edit->SetText("abc");
    EXPECT_EQ(changes, 1);
    static_cast<QLineEdit*>(edit->Handle())->setText("typed");
    EXPECT_EQ(edit->Text(), "typed");
    EXPECT_EQ(changes, 2);

    TComboBox* combo = TComboBox::Create(Form);
    combo->SetParent(Form);
    combo->Items()->Add("=");
    combo->Items()->Add("<>");
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "<>");
    combo->SetText(">=");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(static_cast<QComboBox*>(combo->Handle())->currentText().toStdString(), ">=");
}

TEST_F(StandardControls, ListViewKeepsItsItemsAndFocus)
{
    TListView* view = TListView::Create(Form);
    view->SetParent(Form);
    view->SetViewStyle(vsList);
    for (const char* name : {"Orders", "Customers"})
        view->Items().Add()->SetCaption(name);
    EXPECT_EQ(view->ItemFocused(), nullptr);
    view->SetItemFocused(view->Items().Item(1));
    EXPECT_EQ(view->ItemFocused()->Caption(), "Customers");
    auto* list = static_cast<QListWidget*>(view->Handle());
    EXPECT_EQ(list->count(), 2);

    // A double click on an entry focuses it and runs OnDblClick.
    int doubleClicks = 0;
    view->OnDblClick = [&](TObject*) { ++doubleClicks; };
    // Mouse input reaches a list through its viewport.
    const QPointF at = list->visualItemRect(list->item(0)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
    }
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(view->ItemFocused(), view->Items().Item(0));
    view->Items().Clear();
    EXPECT_EQ(view->ItemFocused(), nullptr);
}

TEST_F(StandardControls, PicturesShowBevelsAndColours)
{
    TPanel* panel = TPanel::Create(Form);
    panel->SetBounds(0, 0, 60, 40);
    panel->SetColor(clNavy);
    panel->SetParent(Form);
    const QImage picture = GrabControl(panel);
    ASSERT_EQ(picture.size(), QSize(60, 40));
    EXPECT_EQ(FromQColor(QColor(picture.pixel(0, 0))), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(FromQColor(QColor(picture.pixel(59, 39))), ColorToRGB(clBtnShadow));
    EXPECT_EQ(FromQColor(QColor(picture.pixel(30, 20))), clNavy);

    TLabel* label = TLabel::Create(Form);
    label->SetParent(panel);
    label->SetCaption("Alias");
    EXPECT_GT(label->Width(), 10);
    const QImage text = GrabControl(label);
    EXPECT_EQ(text.size(), QSize(label->Width(), label->Height()));
}

} // namespace
