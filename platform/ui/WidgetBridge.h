#pragma once
// The Qt side of a windowed control: widgets that pass their events to the
// control they belong to. A widget forgets its control (Detach) when the
// control releases it, so a late event never reaches a freed control.
#include <functional>
#include <vector>

#include <QContextMenuEvent>
#include <QEvent>
#include <QWidget>

#include "platform/ui/Geometry.h"

class TWinControl;
class QMouseEvent;
class QKeyEvent;
class QPaintEvent;
class QWheelEvent;
class QFocusEvent;
class QHelpEvent;

// Which part of its control a widget shows.
enum class TWidgetRole {
    Frame,  // the outer widget of a control with a frame: the non-client area
    Client, // the client area of a control with a frame
    Whole,  // a widget without a separate frame (native controls)
};

class IControlWidget {
public:
    virtual ~IControlWidget() = default;
    virtual TWinControl* Control() const = 0;
    virtual TWidgetRole Role() const = 0;
    virtual void Detach() = 0;
};

// A queued window message (PostMessage).
class TMessageEvent : public QEvent {
public:
    static QEvent::Type EventType();
    TMessageEvent(unsigned msg, intptr_t wParam, intptr_t lParam)
        : QEvent(EventType()), Msg(msg), WParam(wParam), LParam(lParam) {}
    unsigned Msg;
    intptr_t WParam;
    intptr_t LParam;
};

// Turns widget events into the control's handlers. Each call guards against
// exceptions and against the control being freed while it runs; `inherited`
// runs the widget's own Qt handling when the event is not consumed.
class TWidgetDispatch {
public:
    using Inherited = std::function<void()>;
    static void Paint(IControlWidget* w, QPaintEvent* e, const Inherited& inherited);
    static void MousePress(IControlWidget* w, QMouseEvent* e, const Inherited& inherited);
    static void MouseMove(IControlWidget* w, QMouseEvent* e, const Inherited& inherited);
    static void MouseRelease(IControlWidget* w, QMouseEvent* e, const Inherited& inherited);
    static void MouseDoubleClick(IControlWidget* w, QMouseEvent* e, const Inherited& inherited);
    static void KeyPress(IControlWidget* w, QKeyEvent* e, const Inherited& inherited);
    static void KeyRelease(IControlWidget* w, QKeyEvent* e, const Inherited& inherited);
    static void FocusIn(IControlWidget* w, QFocusEvent* e, const Inherited& inherited);
    static void FocusOut(IControlWidget* w, QFocusEvent* e, const Inherited& inherited);
    static void Wheel(IControlWidget* w, QWheelEvent* e, const Inherited& inherited);
    // Posted messages and tool tips; true when the event was handled.
    static bool Event(IControlWidget* w, QEvent* e);
};

// Moving or sizing a control by its frame, started by the default handling of
// a left press on the frame (hit code) and ended by the release.
void StartFrameTrack(TWinControl* control, int hit, TPoint screen);
void StopFrameTrack(TWinControl* control);

// Top-level windows with a handle, back to front.
std::vector<TWinControl*>& TopLevelRegistry();
// Moves a top-level window to the front of the registry.
void RaiseTopLevel(TWinControl* control);

template <class Base>
class TBridge : public Base, public IControlWidget {
public:
    template <class... A>
    TBridge(TWinControl* control, TWidgetRole role, A&&... args)
        : Base(std::forward<A>(args)...), FControl(control), FRole(role)
    {
    }
    TWinControl* Control() const override { return FControl; }
    TWidgetRole Role() const override { return FRole; }
    void Detach() override { FControl = nullptr; }

protected:
    bool event(QEvent* e) override
    {
        if (FControl && TWidgetDispatch::Event(this, e))
            return true;
        return Base::event(e);
    }
    void paintEvent(QPaintEvent* e) override
    {
        if (FControl)
            TWidgetDispatch::Paint(this, e, [&] { Base::paintEvent(e); });
        else
            Base::paintEvent(e);
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        if (FControl)
            TWidgetDispatch::MousePress(this, e, [&] { Base::mousePressEvent(e); });
        else
            Base::mousePressEvent(e);
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (FControl)
            TWidgetDispatch::MouseMove(this, e, [&] { Base::mouseMoveEvent(e); });
        else
            Base::mouseMoveEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (FControl)
            TWidgetDispatch::MouseRelease(this, e, [&] { Base::mouseReleaseEvent(e); });
        else
            Base::mouseReleaseEvent(e);
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        if (FControl)
            TWidgetDispatch::MouseDoubleClick(this, e, [&] { Base::mouseDoubleClickEvent(e); });
        else
            Base::mouseDoubleClickEvent(e);
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        if (FControl)
            TWidgetDispatch::KeyPress(this, e, [&] { Base::keyPressEvent(e); });
        else
            Base::keyPressEvent(e);
    }
    void keyReleaseEvent(QKeyEvent* e) override
    {
        if (FControl)
            TWidgetDispatch::KeyRelease(this, e, [&] { Base::keyReleaseEvent(e); });
        else
            Base::keyReleaseEvent(e);
    }
    void focusInEvent(QFocusEvent* e) override
    {
        if (FControl)
            TWidgetDispatch::FocusIn(this, e, [&] { Base::focusInEvent(e); });
        else
            Base::focusInEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override
    {
        if (FControl)
            TWidgetDispatch::FocusOut(this, e, [&] { Base::focusOutEvent(e); });
        else
            Base::focusOutEvent(e);
    }
    void wheelEvent(QWheelEvent* e) override
    {
        if (FControl)
            TWidgetDispatch::Wheel(this, e, [&] { Base::wheelEvent(e); });
        else
            Base::wheelEvent(e);
    }
    void contextMenuEvent(QContextMenuEvent* e) override
    {
        // Context menus come from the right-button release (see MouseRelease).
        e->accept();
    }

private:
    TWinControl* FControl;
    TWidgetRole FRole;
};
