// The in-process drag manager: targets, states, acceptance, thresholds,
// windowless sources and targets.
#include "UiFixture.h"

#include "platform/ui/DragDrop.h"

namespace {

// Accepts drops on its left half; records what it is told.
class TTarget : public TCustomControl {
    VN_CLASS(TTarget, TCustomControl)

public:
    using TCustomControl::TCustomControl;
    std::vector<std::string> Log;

    void DragOver(TObject*, int X, int Y, TDragState State, bool& Accept) override
    {
        static const char* names[] = {"enter", "leave", "move"};
        Log.push_back(std::string(names[State]) + " " + std::to_string(X) + "," + std::to_string(Y));
        Accept = X < Width() / 2;
    }
    void DragDrop(TObject*, int X, int Y) override
    {
        Log.push_back("drop " + std::to_string(X) + "," + std::to_string(Y));
    }
};

class TGraphicTarget : public TGraphicControl {
    VN_CLASS(TGraphicTarget, TGraphicControl)

public:
    using TGraphicControl::TGraphicControl;
    int Drops = 0;
    void DragOver(TObject*, int, int, TDragState, bool& Accept) override { Accept = true; }
    void DragDrop(TObject*, int, int) override { ++Drops; }
};

class DragAndDrop : public UiFixture {
protected:
    void SetUp() override
    {
        UiFixture::SetUp();
        Source = TCustomControl::Create(Form);
        Source->SetBounds(0, 0, 50, 50);
        Source->SetParent(Form);
        Target = TTarget::Create(Form);
        Target->SetBounds(100, 0, 100, 100);
        Target->SetParent(Form);
        Source->OnEndDrag = [this](TObject*, TObject* target, int, int) { EndTarget = target; ++EndDrags; };
    }
    TCustomControl* Source = nullptr;
    TTarget* Target = nullptr;
    TObject* EndTarget = reinterpret_cast<TObject*>(1);
    int EndDrags = 0;
};

TEST_F(DragAndDrop, AnAcceptedDropReachesTheTargetInItsClientCoordinates)
{
    Mouse->SetCursorPos(Source->ClientToScreen({10, 10}));
    Source->BeginDrag(true);
    TDragManager& drag = TDragManager::Instance();
    drag.DragTo(Target->ClientToScreen({5, 6}));
    drag.DragTo(Target->ClientToScreen({20, 30}));
    drag.EndDrag(true);
    EXPECT_EQ(Target->Log, (std::vector<std::string>{"enter 5,6", "move 20,30", "drop 20,30"}));
    EXPECT_EQ(EndTarget, Target);
    EXPECT_EQ(EndDrags, 1);
    EXPECT_FALSE(drag.Dragging());
}

TEST_F(DragAndDrop, ARefusedDropIsNotDeliveredAndLeavingIsReported)
{
    Mouse->SetCursorPos(Source->ClientToScreen({10, 10}));
    Source->BeginDrag(true);
    TDragManager& drag = TDragManager::Instance();
    drag.DragTo(Target->ClientToScreen({80, 10}));
    drag.EndDrag(true);
    EXPECT_EQ(Target->Log, (std::vector<std::string>{"enter 80,10"}));
    EXPECT_EQ(EndTarget, nullptr);

    Target->Log.clear();
    Mouse->SetCursorPos(Source->ClientToScreen({10, 10}));
    Source->BeginDrag(true);
    drag.DragTo(Target->ClientToScreen({10, 10}));
    drag.DragTo(Source->ClientToScreen({10, 10}));
    drag.EndDrag(true);
    EXPECT_EQ(Target->Log, (std::vector<std::string>{"enter 10,10", "leave -90,10"}));
}

TEST_F(DragAndDrop, ADelayedDragStartsPastTheThresholdOnly)
{
    Mouse->SetCursorPos(Source->ClientToScreen({10, 10}));
    Source->BeginDrag(false, 5);
    TDragManager& drag = TDragManager::Instance();
    EXPECT_TRUE(drag.Dragging());
    EXPECT_FALSE(drag.Active());
    drag.DragTo(Source->ClientToScreen({15, 15}));
    EXPECT_FALSE(drag.Active());
    drag.DragTo(Source->ClientToScreen({16, 10}));
    EXPECT_TRUE(drag.Active());
    drag.EndDrag(false);
    EXPECT_EQ(EndDrags, 1);
}

TEST_F(DragAndDrop, TheMouseDrivesADragAndWindowlessControlsAreTargets)
{
    TGraphicTarget* glyph = TGraphicTarget::Create(Form);
    glyph->SetBounds(60, 60, 16, 16);
    glyph->SetParent(Form);
    Source->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { Source->BeginDrag(true); };
    Press(Source, {10, 10});
    const TPoint over = Source->ScreenToClient(glyph->ClientToScreen({4, 4}));
    Move(Source, over);
    EXPECT_EQ(TDragManager::Instance().Target(), glyph);
    Release(Source, over);
    EXPECT_EQ(glyph->Drops, 1);
    EXPECT_EQ(EndTarget, glyph);
}

TEST_F(DragAndDrop, FreeingTheTargetDuringTheDragForgetsIt)
{
    Mouse->SetCursorPos(Source->ClientToScreen({10, 10}));
    Source->BeginDrag(true);
    TDragManager& drag = TDragManager::Instance();
    drag.DragTo(Target->ClientToScreen({10, 10}));
    Target->Free();
    EXPECT_EQ(drag.Target(), nullptr);
    drag.EndDrag(true);
    EXPECT_EQ(EndTarget, nullptr);
}

} // namespace
