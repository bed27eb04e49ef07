#include "platform/ui/DragDrop.h"

#include <QWidget>
#include <cstdlib>

#include "platform/ui/Controls.h"
#include "platform/ui/WidgetBridge.h"

TDragManager& TDragManager::Instance()
{
    static TDragManager manager;
    return manager;
}

void TDragManager::BeginDrag(TControl* source, bool immediate, int threshold)
{
    if (FSource)
        EndDrag(false);
    FSource = source;
    FTarget = nullptr;
    FAccepted = false;
    FStarted = false;
    FThreshold = threshold;
    FStartPos = Mouse->CursorPos();
    FPos = FStartPos;
    if (immediate)
        Start();
}

void TDragManager::Start()
{
    FStarted = true;
    TControl* source = FSource;
    source->DoStartDrag();
    if (FSource == source)
        DragTo(FPos);
}

void TDragManager::DragTo(TPoint screen)
{
    if (!FSource)
        return;
    FPos = screen;
    Mouse->SetCursorPos(screen);
    if (!FStarted) {
        if (std::abs(screen.X - FStartPos.X) <= FThreshold && std::abs(screen.Y - FStartPos.Y) <= FThreshold)
            return;
        Start();
        return;
    }
    TControl* target = FindDragTarget(screen);
    TControl* source = FSource;
    if (target != FTarget && FTarget) {
        TControl* old = FTarget;
        FTarget = nullptr;
        FAccepted = false;
        bool ignored = false;
        const TPoint p = old->ScreenToClient(screen);
        old->DragOver(source, p.X, p.Y, dsDragLeave, ignored);
        if (FSource != source)
            return;
    }
    const TDragState state = target == FTarget ? dsDragMove : dsDragEnter;
    FTarget = target;
    FAccepted = false;
    if (!target)
        return;
    bool accept = false;
    const TPoint p = target->ScreenToClient(screen);
    target->DragOver(source, p.X, p.Y, state, accept);
    if (FSource == source && FTarget == target)
        FAccepted = accept;
}

void TDragManager::EndDrag(bool drop)
{
    if (!FSource)
        return;
    TControl* source = FSource;
    TControl* target = FStarted ? FTarget : nullptr;
    const bool dropped = drop && target && FAccepted;
    const TPoint screen = FPos;
    FSource = nullptr;
    FTarget = nullptr;
    FAccepted = false;
    FStarted = false;
    // Both controls are watched through ControlDestroyed while the handlers
    // run, so a handler that frees one does not leave the other dangling.
    FSource = source;
    FTarget = target;
    TPoint p;
    if (dropped) {
        p = target->ScreenToClient(screen);
        target->DragDrop(source, p.X, p.Y);
    }
    if (FSource) {
        FSource = nullptr;
        TControl* finalTarget = dropped ? FTarget : nullptr;
        FTarget = nullptr;
        source->DoEndDrag(finalTarget, p.X, p.Y);
    }
    FSource = nullptr;
    FTarget = nullptr;
}

void TDragManager::ControlDestroyed(TControl* control)
{
    if (control == FTarget) {
        FTarget = nullptr;
        FAccepted = false;
    }
    if (control == FSource) {
        FSource = nullptr;
        FTarget = nullptr;
        FStarted = false;
        FAccepted = false;
    }
}

TControl* TDragManager::FindDragTarget(TPoint screen, bool allowDisabled)
{
    TWinControl* window = nullptr;
    const auto& tops = TopLevelRegistry();
    for (auto it = tops.rbegin(); it != tops.rend() && !window; ++it) {
        TWinControl* top = *it;
        if (top->HandleAllocated() && top->Handle()->isVisible() && PtInRect(top->BoundsRect(), screen))
            window = top;
    }
    if (!window)
        return nullptr;
    for (;;) {
        const TPoint p = window->ScreenToClient(screen);
        if (!PtInRect(window->ClientRect(), p))
            return window;
        TWinControl* inner = nullptr;
        for (int i = window->ControlCount() - 1; i >= 0 && !inner; --i) {
            TControl* c = window->Controls(i);
            if (!c->IsWindowed())
                break;
            if (c->Visible() && (c->Enabled() || allowDisabled) && PtInRect(c->BoundsRect(), p))
                inner = static_cast<TWinControl*>(c);
        }
        if (!inner) {
            if (TControl* graphic = window->ControlAtPos(p, allowDisabled))
                return graphic;
            return window;
        }
        window = inner;
    }
}
