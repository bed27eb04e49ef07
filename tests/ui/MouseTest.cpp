// Mouse input: the shift state, clicks and double clicks, windowless
// controls hit-tested top-down, context menus.
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

#include "UiFixture.h"

#include "platform/ui/Menus.h"

namespace {

// A windowless control that records its input and hits only near its
// horizontal middle line (like a thin line).
class TLine : public TGraphicControl {
    VN_CLASS(TLine, TGraphicControl)

public:
    using TGraphicControl::TGraphicControl;
    std::vector<std::string> Log;
    TPopupMenu* Menu = nullptr;

    bool HitTest(int, int Y) override { return std::abs(Y - Height() / 2) <= 6; }

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        Log.push_back("down " + std::to_string(Button) + (Shift.Contains(ssLeft) ? " L" : "") +
                      (Shift.Contains(ssRight) ? " R" : "") + (Shift.Contains(ssDouble) ? " D" : "") + " " +
                      std::to_string(X) + "," + std::to_string(Y));
        inherited::MouseDown(Button, Shift, X, Y);
    }
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        Log.push_back("up " + std::to_string(Button) + (Shift.Contains(ssLeft) ? " L" : ""));
        inherited::MouseUp(Button, Shift, X, Y);
    }
    void Click() override { Log.push_back("click"); }
    void DblClick() override { Log.push_back("dblclick"); }
    TPopupMenu* GetPopupMenu() override { return Menu; }
};

class TArea : public TCustomControl {
    VN_CLASS(TArea, TCustomControl)

public:
    using TCustomControl::TCustomControl;
    std::vector<std::string> Log;

protected:
    void MouseDown(TMouseButton, TShiftState, int X, int Y) override
    {
        Log.push_back("area down " + std::to_string(X) + "," + std::to_string(Y));
    }
};

using MouseInput = UiFixture;

TEST_F(MouseInput, ShiftStateCarriesTheButtonsAndClicksFollowARelease)
{
    TArea* area = Place<TArea>(Form, 0, 0, 200, 200);
    TLine* line = Place<TLine>(area, 20, 40, 100, 20);

    Click(area, {30, 50});
    EXPECT_EQ(line->Log, (std::vector<std::string>{"down 0 L 10,10", "up 0", "click"}));

    line->Log.clear();
    Press(area, {30, 50}, Qt::RightButton);
    Release(area, {30, 50}, Qt::RightButton);
    EXPECT_EQ(line->Log, (std::vector<std::string>{"down 1 R 10,10", "up 1"}));
}

TEST_F(MouseInput, ClicksBesideAThinControlFallThroughToWhatLiesBelow)
{
    TArea* area = Place<TArea>(Form, 0, 0, 200, 200);
    TLine* below = Place<TLine>(area, 10, 10, 100, 100);
    TLine* thin = Place<TLine>(area, 10, 40, 100, 40);

    struct Case {
        TPoint at;
        const char* who;
    };
    // thin hits 6 pixels around its middle (y 54..66); below around y 54..66
    // too, since both share the middle line at y = 60.
    const Case cases[] = {
        {{50, 60}, "thin"},
        {{50, 66}, "thin"},
        {{50, 67}, "area"},
        {{50, 45}, "area"},
    };
    for (const Case& test : cases) {
        thin->Log.clear();
        below->Log.clear();
        area->Log.clear();
        Press(area, test.at);
        Release(area, test.at);
        const std::string who = !thin->Log.empty() ? "thin" : !below->Log.empty() ? "below" : "area";
        EXPECT_EQ(who, test.who) << test.at.X << "," << test.at.Y;
    }

    // Sent to the back, the thin control lets the one below take the hit.
    thin->SendToBack();
    thin->Log.clear();
    Click(area, {50, 60});
    EXPECT_TRUE(thin->Log.empty());
    EXPECT_FALSE(below->Log.empty());
}

TEST_F(MouseInput, HintsComeFromTheWindowlessControlUnderTheMouse)
{
    TArea* area = TArea::Create(Form);
    area->SetBounds(0, 0, 200, 200);
    area->SetHint("work area");
    area->SetShowHint(true);
    area->SetParent(Form);
    TLine* glyph = TLine::Create(Form);
    glyph->SetBounds(10, 10, 16, 16);
    glyph->SetHint("union all");
    glyph->SetShowHint(true);
    glyph->SetParent(area);
    const TPoint screen = area->ClientToScreen({18, 18});
    QHelpEvent help(QEvent::ToolTip, QPoint(18, 18), QPoint(screen.X, screen.Y));
    QApplication::sendEvent(area->ClientHandle(), &help);
    EXPECT_EQ(QToolTip::text().toStdString(), "union all");
    QHelpEvent elsewhere(QEvent::ToolTip, QPoint(150, 150), QPoint(screen.X + 130, screen.Y + 130));
    QApplication::sendEvent(area->ClientHandle(), &elsewhere);
    EXPECT_EQ(QToolTip::text().toStdString(), "work area");
}

TEST_F(MouseInput, DoubleClicksBecomePlainClicksWithoutTheStyle)
{
    TArea* area = Place<TArea>(Form, 0, 0, 200, 200);
    TLine* line = Place<TLine>(area, 0, 0, 100, 20);

    DoubleClick(area, {5, 10});
    EXPECT_EQ(line->Log, (std::vector<std::string>{"down 0 L 5,10", "up 0", "click", "dblclick", "down 0 L D 5,10",
                                                   "up 0"}));
    TControlStyle style = line->ControlStyle();
    line->SetControlStyle(style.Exclude(csDoubleClicks));
    line->Log.clear();
    DoubleClick(area, {5, 10});
    EXPECT_EQ(line->Log, (std::vector<std::string>{"down 0 L 5,10", "up 0", "click", "down 0 L 5,10", "up 0",
                                                   "click"}));
}

TEST_F(MouseInput, RightClickShowsTheControlsMenuAndItsItemMayFreeTheControl)
{
    std::vector<std::string> shown;
    TPoint shownAt;
    SetPopupHook([&](TPopupMenu&, TPoint at) {
        shown = ShownPopupItems();
        shownAt = at;
    });
    TArea* area = Place<TArea>(Form, 0, 0, 200, 200);
    TLine* line = TLine::Create(nullptr);
    line->SetBounds(0, 0, 100, 20);
    line->SetParent(area);
    TPopupMenu* menu = TPopupMenu::Create(Form);
    TMenuItem* remove = TMenuItem::Create(menu);
    remove->SetCaption("&Remove");
    remove->OnClick = [line](TObject*) { line->Free(); };
    menu->Items()->Add(remove);
    TMenuItem* edit = TMenuItem::Create(menu);
    edit->SetCaption("Edit...");
    edit->SetDefault(true);
    menu->Items()->Add(edit);
    line->Menu = menu;

    Press(area, {10, 10}, Qt::RightButton);
    Release(area, {10, 10}, Qt::RightButton);
    SetPopupHook(nullptr);
    EXPECT_EQ(shown, (std::vector<std::string>{"&Remove", "Edit..."}));
    EXPECT_EQ(shownAt, area->ClientToScreen({10, 10}));
    ASSERT_EQ(ShownPopupMenu(), menu);

    ClickShownPopupItem("Remove");
    // The handler runs from the event loop, after the menu closed.
    EXPECT_EQ(ShownPopupMenu(), nullptr);
    EXPECT_EQ(area->ControlCount(), 1);
    Application->ProcessMessages();
    EXPECT_EQ(area->ControlCount(), 0);
}

} // namespace
