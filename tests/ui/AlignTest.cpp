// The alignment engine: the class library's order, custom alignment with the
// carried rectangle, anchors, constraints and suspended alignment.
#include "UiFixture.h"

#include "platform/ui/ExtCtrls.h"

namespace {

TControl* Child(TWinControl* parent, TAlign align, TRect bounds, bool windowed = false)
{
    TControl* c = windowed ? static_cast<TControl*>(TCustomControl::Create(parent))
                           : static_cast<TControl*>(TGraphicControl::Create(parent));
    c->SetBoundsRect(bounds);
    c->SetAlign(align);
    c->SetParent(parent);
    return c;
}

using Alignment = UiFixture;

TEST_F(Alignment, EdgesAreTakenTopBottomLeftRightThenClient)
{
    TPanel* panel = TPanel::Create(Form);
    panel->SetBevelOuter(bvNone);
    panel->SetBounds(0, 0, 200, 100);
    panel->SetParent(Form);
    panel->DisableAlign();
    // Created in the reverse of the processing order.
    TControl* client = Child(panel, alClient, Bounds(0, 0, 10, 10));
    TControl* right = Child(panel, alRight, Bounds(0, 0, 30, 10));
    TControl* left = Child(panel, alLeft, Bounds(0, 0, 20, 10));
    TControl* bottom = Child(panel, alBottom, Bounds(0, 0, 10, 15));
    TControl* top = Child(panel, alTop, Bounds(0, 0, 10, 10), true);
    panel->EnableAlign();

    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 200, 10));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, 85, 200, 100));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 10, 20, 85));
    EXPECT_EQ(right->BoundsRect(), Rect(170, 10, 200, 85));
    EXPECT_EQ(client->BoundsRect(), Rect(20, 10, 170, 85));
}

TEST_F(Alignment, BottomControlsStackByTheirBottomEdge)
{
    // A splitter made first with its top at the panel's height, then a pane.
    // The lower bottom edge goes first (nearest the panel's bottom): a pane
    // that starts below the splitter ends at the bottom, one that starts at
    // the top ends above the splitter.
    struct Case {
        int paneTop;
        TRect pane;
        TRect splitter;
    };
    const Case cases[] = {
        {300, Rect(0, 200, 200, 300), Rect(0, 197, 200, 200)},
        {0, Rect(0, 197, 200, 297), Rect(0, 297, 200, 300)},
    };
    for (const Case& test : cases) {
        TPanel* panel = TPanel::Create(Form);
        panel->SetBevelOuter(bvNone);
        panel->SetBounds(0, 0, 200, 300);
        panel->SetParent(Form);
        TControl* filler = Child(panel, alClient, Bounds(0, 0, 10, 10), true);
        TSplitter* splitter = TSplitter::Create(panel);
        splitter->SetAlign(alBottom);
        splitter->SetBounds(0, 300, 200, 3);
        splitter->SetParent(panel);
        TControl* pane = Child(panel, alBottom, Bounds(0, test.paneTop, 200, 100), true);

        EXPECT_EQ(pane->BoundsRect(), test.pane);
        EXPECT_EQ(splitter->BoundsRect(), test.splitter);
        EXPECT_EQ(filler->BoundsRect(), Rect(0, 0, 200, std::min(test.pane.Top, test.splitter.Top)));
        // Realigning keeps the order.
        panel->SetHeight(400);
        EXPECT_EQ(pane->BoundsRect().Bottom, test.pane.Bottom + 100);
        panel->Free();
    }
}

TEST_F(Alignment, SplitterResizesTheControlItLiesAgainst)
{
    TPanel* panel = TPanel::Create(Form);
    panel->SetBevelOuter(bvNone);
    panel->SetBounds(0, 0, 200, 300);
    panel->SetParent(Form);
    TControl* filler = Child(panel, alClient, Bounds(0, 0, 10, 10), true);
    TSplitter* splitter = TSplitter::Create(panel);
    splitter->SetAlign(alBottom);
    splitter->SetBounds(0, 300, 200, 4);
    splitter->SetParent(panel);
    TControl* pane = Child(panel, alBottom, Bounds(0, 300, 200, 100), true);
    ASSERT_EQ(splitter->FindResizedControl(), pane);

    // Dragging the splitter 30 pixels up makes the pane 30 pixels taller.
    Press(panel, {50, 197});
    Move(panel, {50, 167});
    Release(panel, {50, 167});
    EXPECT_EQ(pane->Height(), 130);
    EXPECT_EQ(splitter->Top(), 166);
    EXPECT_EQ(filler->Height(), 166);
}

// Places custom-aligned children side by side in the order of their Tag,
// advancing the align rectangle's left edge.
class TBar : public TCustomControl {
    VN_CLASS(TBar, TCustomControl)

public:
    using TCustomControl::TCustomControl;
    int Positions = 0;

protected:
    bool CustomAlignInsertBefore(TControl* C1, TControl* C2) override { return C1->Tag() < C2->Tag(); }
    void CustomAlignPosition(TControl*, int& NewLeft, int& NewTop, int& NewWidth, int&, TRect& AlignRect,
                             const TAlignInfo& AlignInfo) override
    {
        ++Positions;
        EXPECT_EQ(AlignInfo.Align, alCustom);
        NewLeft = AlignRect.Left;
        NewTop = AlignRect.Top;
        AlignRect.Left += NewWidth;
    }
};

TEST_F(Alignment, CustomAlignmentUsesTheOrderAndCarriesTheRectangle)
{
    TBar* bar = TBar::Create(Form);
    bar->SetBounds(0, 0, 300, 24);
    bar->SetParent(Form);
    bar->DisableAlign();
    const int tags[] = {3, 1, 2};
    std::vector<TControl*> items;
    for (int tag : tags) {
        TControl* c = Child(bar, alCustom, Bounds(0, 0, 10 * tag, 20));
        c->SetTag(tag);
        items.push_back(c);
    }
    bar->EnableAlign();
    // Tag 1 (width 10) first, then tag 2 (20), then tag 3 (30).
    EXPECT_EQ(items[1]->Left(), 0);
    EXPECT_EQ(items[2]->Left(), 10);
    EXPECT_EQ(items[0]->Left(), 30);
}

TEST_F(Alignment, SuspendedAlignmentRunsOnceWhenResumed)
{
    TBar* bar = TBar::Create(Form);
    bar->SetBounds(0, 0, 300, 24);
    bar->SetParent(Form);
    TControl* c = Child(bar, alCustom, Bounds(0, 0, 10, 20));
    bar->Positions = 0;
    bar->DisableAlign();
    bar->DisableAlign();
    c->SetWidth(20);
    bar->Realign();
    bar->EnableAlign();
    EXPECT_EQ(bar->Positions, 0);
    bar->EnableAlign();
    EXPECT_EQ(bar->Positions, 1);
}

TEST_F(Alignment, AnchorsKeepDistancesToTheParentsEdges)
{
    struct Case {
        TAnchors anchors;
        TRect expected;
    };
    const Case cases[] = {
        {{akLeft, akTop}, Rect(10, 10, 60, 30)},
        {{akTop, akRight}, Rect(110, 10, 160, 30)},
        {{akLeft, akTop, akRight}, Rect(10, 10, 160, 30)},
        {{akLeft, akBottom}, Rect(10, 60, 60, 80)},
        {{akLeft, akTop, akRight, akBottom}, Rect(10, 10, 160, 80)},
    };
    for (const Case& test : cases) {
        TPanel* panel = TPanel::Create(Form);
        panel->SetBevelOuter(bvNone);
        panel->SetBounds(0, 0, 100, 50);
        panel->SetParent(Form);
        TControl* c = Child(panel, alNone, Rect(10, 10, 60, 30), true);
        c->SetAnchors(test.anchors);
        panel->SetBounds(0, 0, 200, 100);
        EXPECT_EQ(c->BoundsRect(), test.expected);
        panel->Free();
    }
}

TEST_F(Alignment, ConstraintsLimitAlignedSizesAndGiveBackTheRest)
{
    TPanel* panel = TPanel::Create(Form);
    panel->SetBevelOuter(bvNone);
    panel->SetBounds(0, 0, 200, 100);
    panel->SetParent(Form);
    TControl* top = Child(panel, alTop, Bounds(0, 0, 10, 10), true);
    top->Constraints().SetMaxWidth(150);
    top->Constraints().SetMinHeight(30);
    TControl* client = Child(panel, alClient, Bounds(0, 0, 10, 10));
    panel->Realign();
    EXPECT_EQ(top->Width(), 150);
    EXPECT_EQ(top->Height(), 30);
    EXPECT_EQ(client->Top(), 30);
}

TEST_F(Alignment, PanelBordersAndBevelsShrinkTheAlignRectangle)
{
    TPanel* panel = TPanel::Create(Form);
    panel->SetBounds(0, 0, 100, 60);
    panel->SetBevelOuter(bvRaised);
    panel->SetBevelInner(bvLowered);
    panel->SetBorderWidth(3);
    panel->SetParent(Form);
    TControl* client = Child(panel, alClient, Bounds(0, 0, 10, 10));
    EXPECT_EQ(client->BoundsRect(), Rect(5, 5, 95, 55));

    // A single border is a frame outside the client area.
    panel->SetBorderStyle(bsSingle);
    EXPECT_EQ(panel->ClientWidth(), 96);
    EXPECT_EQ(client->BoundsRect(), Rect(5, 5, 91, 51));
}

} // namespace
