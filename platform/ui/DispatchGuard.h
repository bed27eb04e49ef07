#pragma once
// Counts our event handlers on the stack while one runs, so that a widget
// released meanwhile is deleted later instead of under Qt's feet.
class TDispatchGuard {
public:
    TDispatchGuard();
    ~TDispatchGuard();
    TDispatchGuard(const TDispatchGuard&) = delete;
    TDispatchGuard& operator=(const TDispatchGuard&) = delete;
};
