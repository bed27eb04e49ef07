#pragma once
// The in-process drag manager: a drag starts at a source control (at once or
// after the mouse moved past a threshold), follows the mouse (or a script)
// from target to target with enter/move/leave notices in the target's client
// coordinates, and drops only on a target whose last DragOver accepted.
#include "platform/ui/Geometry.h"

class TControl;

class TDragManager {
public:
    static TDragManager& Instance();

    // Starts dragging source; with immediate false the drag waits until the
    // cursor moved more than threshold pixels from where it is now.
    void BeginDrag(TControl* source, bool immediate, int threshold);
    // Moves the drag to a screen point: finds the target under it and sends
    // the notices. A pending drag starts once past its threshold.
    void DragTo(TPoint screen);
    // Ends the drag: with drop true and an accepting target, the target gets
    // DragDrop; the source always gets DoEndDrag (target null when no drop).
    void EndDrag(bool drop);

    // A drag is pending or active.
    bool Dragging() const { return FSource != nullptr; }
    // A drag is active (past its threshold).
    bool Active() const { return FSource && FStarted; }
    TControl* Source() const { return FSource; }
    TControl* Target() const { return FTarget; }
    bool Accepted() const { return FAccepted; }

    // The control under a screen point, as a drop target: the deepest shown
    // windowed control, or the graphic child of it that the hit test accepts.
    static TControl* FindDragTarget(TPoint screen, bool allowDisabled = false);

    // Called when a control is freed, so the drag forgets it.
    void ControlDestroyed(TControl* control);

private:
    void Start();
    TControl* FSource = nullptr;
    TControl* FTarget = nullptr;
    bool FStarted = false;
    bool FAccepted = false;
    int FThreshold = 0;
    TPoint FStartPos;
    TPoint FPos;
};
