// The pieces a diagram editor is built from, working together: windows on a
// scroll box, a windowless line between them placed by custom alignment,
// the line following moves and scrolling, and clicks beside the line
// reaching the area below.
#include "UiFixture.h"

namespace {

class TArea;

// A line from the right edge of one window to the left edge of another.
class TLink : public TGraphicControl {
    VN_CLASS(TLink, TGraphicControl)

public:
    using TGraphicControl::TGraphicControl;
    TForm* From = nullptr;
    TForm* To = nullptr;
    int Downs = 0;

    bool HitTest(int, int Y) override { return std::abs(Y - Height() / 2) <= 6; }

protected:
    void MouseDown(TMouseButton, TShiftState, int, int) override { ++Downs; }
    void Paint() override
    {
        Canvas()->Pen().SetColor(clBlack);
        Canvas()->Polyline({{0, Height() / 2}, {Width(), Height() / 2}});
    }
};

class TArea : public TScrollBox {
    VN_CLASS(TArea, TScrollBox)

public:
    using TScrollBox::TScrollBox;
    int Downs = 0;

protected:
    void CustomAlignPosition(TControl* Control, int& NewLeft, int& NewTop, int& NewWidth, int& NewHeight, TRect&,
                             const TAlignInfo&) override
    {
        auto* link = dynamic_cast<TLink*>(Control);
        if (!link || !link->From || !link->To)
            return;
        const TRect a = link->From->BoundsRect();
        const TRect b = link->To->BoundsRect();
        NewLeft = a.Right;
        NewWidth = std::max(1, b.Left - a.Right);
        NewTop = a.Top + 20 - 10;
        NewHeight = 20;
    }
    void MouseDown(TMouseButton, TShiftState, int, int) override { ++Downs; }
};

// A window that asks its parent to realign after every move.
class TWindow : public TForm {
    VN_CLASS(TWindow, TForm)

public:
    using TForm::TForm;

protected:
    void WindowPosChanged() override
    {
        if (Parent())
            Parent()->Realign();
    }
};

TForm* Window(TArea* area, TRect bounds)
{
    TWindow* window = TWindow::Create(area);
    window->SetBorderStyle(bsSizeToolWin);
    window->SetBoundsRect(bounds);
    window->SetParent(area);
    window->Show();
    return window;
}

using WorkArea = UiFixture;

TEST_F(WorkArea, ALineFollowsItsWindowsThroughMovesAndScrolling)
{
    TArea* area = TArea::Create(Form);
    area->SetBorderStyle(bsNone);
    area->SetBounds(0, 0, 300, 200);
    area->SetParent(Form);
    TForm* left = Window(area, Bounds(10, 10, 80, 60));
    TForm* right = Window(area, Bounds(150, 10, 80, 60));
    TLink* link = TLink::Create(area);
    link->From = left;
    link->To = right;
    link->SetAlign(alCustom);
    link->SetParent(area);
    link->SendToBack();
    EXPECT_EQ(link->BoundsRect(), Rect(90, 20, 150, 40));

    right->SetLeft(200);
    EXPECT_EQ(link->BoundsRect(), Rect(90, 20, 200, 40));

    // A window moved beyond the edge makes the area scroll; scrolling moves
    // windows and line together.
    right->SetTop(400);
    ASSERT_TRUE(area->VertScrollBar().IsScrollBarVisible());
    area->VertScrollBar().SetPosition(50);
    EXPECT_EQ(left->Top(), -40);
    EXPECT_EQ(link->Top(), -30);

    // Clicks: on the line, and six pixels beside it within its box.
    area->VertScrollBar().SetPosition(0);
    Click(area, {120, 30});
    EXPECT_EQ(link->Downs, 1);
    EXPECT_EQ(area->Downs, 0);
    Click(area, {120, 22});
    EXPECT_EQ(link->Downs, 1);
    EXPECT_EQ(area->Downs, 1);
}

} // namespace
