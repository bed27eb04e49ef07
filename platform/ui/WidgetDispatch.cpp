#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include "platform/ui/Application.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DispatchGuard.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Forms.h"
#include "platform/ui/KeyMapping.h"
#include "platform/ui/WidgetBridge.h"

QEvent::Type TMessageEvent::EventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

namespace {

// Native Qt controls do their own input handling after ours; our own widgets
// consume their events (Qt would pass an ignored event on to the parent).
bool IsNative(IControlWidget* w)
{
    return w->Role() == TWidgetRole::Whole && !dynamic_cast<TCustomControl*>(w->Control());
}

TPoint LocalPoint(const QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    return {p.x(), p.y()};
}

// A point on the frame widget (caption and border included) in screen coordinates.
TPoint FrameToScreen(TWinControl* control, TPoint local)
{
    const TRect ins = control->NonClientInsets();
    const TPoint origin = control->ClientOrigin();
    return {origin.X - ins.Left + local.X, origin.Y - ins.Top + local.Y};
}

TMouseButton ToButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
    }
}

// The control a client-area point belongs to: a graphic child under the
// point, or the windowed control itself.
TControl* TargetAt(TWinControl* control, TPoint p)
{
    if (TControl* graphic = control->ControlAtPos(p, false))
        return graphic;
    return control;
}

// Whether target still exists after a handler ran: the windowed control is
// alive (its widget still knows it), and a windowless target is still one
// of its children (a freed child has left the list).
bool Alive(IControlWidget* w, TWinControl* control, TControl* target)
{
    if (!w->Control())
        return false;
    if (target == control)
        return true;
    for (int i = 0; i < control->ControlCount(); ++i)
        if (control->Controls(i) == target)
            return true;
    return false;
}

TPoint ToTarget(TWinControl* control, TControl* target, TPoint p)
{
    if (target == control)
        return p;
    return {p.X - target->Left(), p.Y - target->Top()};
}

// The state of a frame drag (moving by the caption or sizing by an edge).
struct TFrameTrack {
    TWinControl* Control = nullptr;
    int Hit = HTNOWHERE;
    TPoint Start;
    TRect StartBounds;
};
TFrameTrack gFrameTrack;

} // namespace

void TWidgetDispatch::Paint(IControlWidget* w, QPaintEvent*, const Inherited& inherited)
{
    TWinControl* control = w->Control();
    CallGuarded(control, [&] {
        if (w->Role() == TWidgetRole::Frame) {
            QPainter painter(dynamic_cast<QWidget*>(w));
            TCanvas canvas(&painter);
            canvas.Font().Assign(control->Font());
            control->PaintNonClient(canvas);
            return;
        }
        // Native Qt controls paint themselves; ours paint through PaintWindow.
        const bool native = w->Role() == TWidgetRole::Whole && !dynamic_cast<TCustomControl*>(control);
        if (native) {
            inherited();
            if (control->FControls.empty())
                return;
        }
        QPainter painter(dynamic_cast<QWidget*>(w));
        TCanvas canvas(&painter);
        canvas.Font().Assign(control->Font());
        if (!native) {
            control->Perform(WM_ERASEBKGND, reinterpret_cast<intptr_t>(&canvas));
            TCanvas windowCanvas(&painter);
            windowCanvas.Font().Assign(control->Font());
            windowCanvas.Brush().SetColor(control->Color());
            control->PaintWindow(windowCanvas);
        }
        control->PaintControls(canvas);
    });
}

void TWidgetDispatch::MousePress(IControlWidget* w, QMouseEvent* e, const Inherited& inherited)
{
    TWinControl* control = w->Control();
    const bool native = IsNative(w);
    const TPoint local = LocalPoint(e);
    TShiftState shift = ShiftStateOf(e->modifiers(), e->buttons());
    const TMouseButton button = ToButton(e->button());
    bool passOn = true;
    CallGuarded(control, [&] {
        if (w->Role() == TWidgetRole::Frame) {
            const TPoint screen = FrameToScreen(control, local);
            Mouse->SetCursorPos(screen);
            const int hit = control->NonClientHitTest(local);
            const unsigned msg = button == mbRight ? WM_NCRBUTTONDOWN : WM_NCLBUTTONDOWN;
            control->Perform(msg, hit, PointToLParam(screen));
            return;
        }
        Mouse->SetCursorPos(control->ClientToScreen(local));
        if (TDragManager::Instance().Dragging())
            return;
        TControl* target = TargetAt(control, local);
        control->FMouseCapture = target;
        const TPoint p = ToTarget(control, target, local);
        if (button == mbLeft && target->DragMode() == dmAutomatic) {
            target->BeginAutoDrag();
            passOn = false;
            return;
        }
        if (button == mbLeft && target->ControlStyle().Contains(csClickEvents)) {
            TControlState state = target->ControlState();
            target->SetControlState(state.Include(csClicked));
        }
        target->MouseDown(button, shift, p.X, p.Y);
    });
    e->accept();
    if (passOn && native && w->Control())
        inherited();
}

void TWidgetDispatch::MouseMove(IControlWidget* w, QMouseEvent* e, const Inherited& inherited)
{
    TWinControl* control = w->Control();
    const bool native = IsNative(w);
    const TPoint local = LocalPoint(e);
    const TShiftState shift = ShiftStateOf(e->modifiers(), e->buttons());
    CallGuarded(control, [&] {
        if (w->Role() == TWidgetRole::Frame) {
            if (gFrameTrack.Control != control || !(e->buttons() & Qt::LeftButton))
                return;
            const TPoint screen = FrameToScreen(control, local);
            Mouse->SetCursorPos(screen);
            const int dx = screen.X - gFrameTrack.Start.X;
            const int dy = screen.Y - gFrameTrack.Start.Y;
            TRect b = gFrameTrack.StartBounds;
            switch (gFrameTrack.Hit) {
            case HTCAPTION: b = OffsetRect(b, dx, dy); break;
            case HTLEFT: b.Left += dx; break;
            case HTRIGHT: b.Right += dx; break;
            case HTTOP: b.Top += dy; break;
            case HTBOTTOM: b.Bottom += dy; break;
            case HTTOPLEFT: b.Left += dx; b.Top += dy; break;
            case HTTOPRIGHT: b.Right += dx; b.Top += dy; break;
            case HTBOTTOMLEFT: b.Left += dx; b.Bottom += dy; break;
            case HTBOTTOMRIGHT: b.Right += dx; b.Bottom += dy; break;
            default: return;
            }
            control->SetBounds(b.Left, b.Top, b.Width(), b.Height());
            return;
        }
        const TPoint screen = control->ClientToScreen(local);
        Mouse->SetCursorPos(screen);
        if (TDragManager::Instance().Dragging()) {
            TDragManager::Instance().DragTo(screen);
            return;
        }
        TControl* target = control->FMouseCapture && (e->buttons() != Qt::NoButton) ? control->FMouseCapture
                                                                                     : TargetAt(control, local);
        const TPoint p = ToTarget(control, target, local);
        target->MouseMove(shift, p.X, p.Y);
    });
    e->accept();
    if (native && w->Control())
        inherited();
}

void TWidgetDispatch::MouseRelease(IControlWidget* w, QMouseEvent* e, const Inherited& inherited)
{
    TWinControl* control = w->Control();
    const bool native = IsNative(w);
    const TPoint local = LocalPoint(e);
    // The released button is no longer part of the shift state.
    const TShiftState shift = ShiftStateOf(e->modifiers(), e->buttons());
    const TMouseButton button = ToButton(e->button());
    bool passOn = true;
    CallGuarded(control, [&] {
        if (w->Role() == TWidgetRole::Frame) {
            const TPoint screen = FrameToScreen(control, local);
            Mouse->SetCursorPos(screen);
            const int hit = control->NonClientHitTest(local);
            const bool wasClose = gFrameTrack.Control == control && gFrameTrack.Hit == HTCLOSE;
            if (gFrameTrack.Control == control)
                gFrameTrack = {};
            const unsigned msg = button == mbRight ? WM_NCRBUTTONUP : WM_NCLBUTTONUP;
            control->Perform(msg, hit, PointToLParam(screen));
            if (wasClose && hit == HTCLOSE && w->Control())
                control->Perform(WM_CLOSE);
            return;
        }
        const TPoint screen = control->ClientToScreen(local);
        Mouse->SetCursorPos(screen);
        if (TDragManager::Instance().Dragging()) {
            TDragManager::Instance().DragTo(screen);
            TDragManager::Instance().EndDrag(true);
            passOn = false;
            return;
        }
        TControl* target = control->FMouseCapture ? control->FMouseCapture : TargetAt(control, local);
        control->FMouseCapture = nullptr;
        const TPoint p = ToTarget(control, target, local);
        const bool clicked = target->ControlState().Contains(csClicked);
        if (clicked) {
            TControlState state = target->ControlState();
            target->SetControlState(state.Exclude(csClicked));
        }
        // Every handler may free the target; check before the next one.
        target->MouseUp(button, shift, p.X, p.Y);
        if (!Alive(w, control, target))
            return;
        if (clicked && button == mbLeft && PtInRect(target->ClientRect(), p))
            target->Click();
        if (button == mbRight && Alive(w, control, target)) {
            for (TControl* c = target; c; c = c->Parent())
                if (c->ContextPopupAt(screen))
                    break;
        }
    });
    e->accept();
    if (passOn && native && w->Control())
        inherited();
}

void TWidgetDispatch::MouseDoubleClick(IControlWidget* w, QMouseEvent* e, const Inherited& inherited)
{
    TWinControl* control = w->Control();
    const bool native = IsNative(w);
    const TPoint local = LocalPoint(e);
    const TShiftState shift = ShiftStateOf(e->modifiers(), e->buttons());
    const TMouseButton button = ToButton(e->button());
    bool asPress = false;
    CallGuarded(control, [&] {
        if (w->Role() == TWidgetRole::Frame) {
            const TPoint screen = FrameToScreen(control, local);
            if (button == mbLeft)
                control->Perform(WM_NCLBUTTONDBLCLK, control->NonClientHitTest(local), PointToLParam(screen));
            return;
        }
        TControl* target = TargetAt(control, local);
        if (!target->ControlStyle().Contains(csDoubleClicks)) {
            asPress = true;
            return;
        }
        control->FMouseCapture = target;
        const TPoint p = ToTarget(control, target, local);
        if (target->ControlStyle().Contains(csClickEvents))
            target->DblClick();
        if (!Alive(w, control, target))
            return;
        TShiftState doubled = shift;
        target->MouseDown(button, doubled.Include(ssDouble), p.X, p.Y);
    });
    e->accept();
    if (asPress && w->Control()) {
        // Without the double-click style the second press is a plain press,
        // for native controls too.
        QMouseEvent press(QEvent::MouseButtonPress, e->position(), e->globalPosition(), e->button(), e->buttons(),
                          e->modifiers());
        QApplication::sendEvent(dynamic_cast<QWidget*>(w), &press);
        return;
    }
    if (native && w->Control())
        inherited();
}

void TWidgetDispatch::KeyPress(IControlWidget* w, QKeyEvent* e, const Inherited& inherited)
{
    TWinControl* control = w->Control();
    bool passOn = true;
    CallGuarded(control, [&] {
        const uint16_t vk = VirtualKeyOf(e);
        if (vk == VK_ESCAPE && TDragManager::Instance().Dragging()) {
            TDragManager::Instance().EndDrag(false);
            passOn = false;
            return;
        }
        uint16_t key = vk;
        const auto shiftBits = static_cast<intptr_t>(ShiftStateOf(e->modifiers()).Bits());
        // A form with KeyPreview sees the key before the focused control.
        TCustomForm* form = GetParentForm(control);
        if (key != 0 && form && form != control && form->KeyPreview()) {
            TMessage message{WM_KEYDOWN, key, shiftBits, 0};
            form->WndProc(message);
            key = static_cast<uint16_t>(message.WParam);
            if (!w->Control() || key == 0) {
                passOn = false;
                return;
            }
        }
        if (key != 0) {
            TMessage message{WM_KEYDOWN, key, shiftBits, 0};
            control->WndProc(message);
            key = static_cast<uint16_t>(message.WParam);
        }
        if (!w->Control() || (vk != 0 && key == 0)) {
            passOn = false;
            return;
        }
        if ((key == VK_RETURN || key == VK_ESCAPE) && !control->WantsKey(key)) {
            if (TCustomForm* form = GetParentForm(control)) {
                if (form->DialogKey(key)) {
                    passOn = false;
                    return;
                }
            }
        }
        const QByteArray text = e->text().toUtf8();
        if (!text.isEmpty() && static_cast<unsigned char>(text[0]) >= 0x20 && !(e->modifiers() & Qt::ControlModifier)) {
            TMessage message{WM_CHAR, static_cast<unsigned char>(text[0]), 0, 0};
            control->WndProc(message);
            if (!w->Control() || message.WParam == 0)
                passOn = false;
        }
    });
    if (passOn && w->Control())
        inherited();
}

void TWidgetDispatch::KeyRelease(IControlWidget* w, QKeyEvent* e, const Inherited& inherited)
{
    TWinControl* control = w->Control();
    bool passOn = true;
    CallGuarded(control, [&] {
        uint16_t key = VirtualKeyOf(e);
        if (key == 0)
            return;
        TMessage message{WM_KEYUP, key, static_cast<intptr_t>(ShiftStateOf(e->modifiers()).Bits()), 0};
        control->WndProc(message);
        passOn = message.WParam != 0;
    });
    if (passOn && w->Control())
        inherited();
}

void TWidgetDispatch::FocusIn(IControlWidget* w, QFocusEvent*, const Inherited& inherited)
{
    TWinControl* control = w->Control();
    CallGuarded(control, [&] { control->Perform(WM_SETFOCUS); });
    if (w->Control())
        inherited();
}

void TWidgetDispatch::FocusOut(IControlWidget* w, QFocusEvent*, const Inherited& inherited)
{
    TWinControl* control = w->Control();
    CallGuarded(control, [&] {
        control->Perform(WM_KILLFOCUS, reinterpret_cast<intptr_t>(QApplication::focusWidget()));
    });
    if (w->Control())
        inherited();
}

void TWidgetDispatch::Wheel(IControlWidget* w, QWheelEvent* e, const Inherited& inherited)
{
    TWinControl* control = w->Control();
    intptr_t handled = 0;
    CallGuarded(control, [&] { handled = control->Perform(WM_MOUSEWHEEL, e->angleDelta().y()); });
    if (handled)
        e->accept();
    else if (w->Control())
        inherited();
}

bool TWidgetDispatch::Event(IControlWidget* w, QEvent* e)
{
    TWinControl* control = w->Control();
    if (e->type() == TMessageEvent::EventType()) {
        auto* message = static_cast<TMessageEvent*>(e);
        CallGuarded(control, [&] { control->Perform(message->Msg, message->WParam, message->LParam); });
        return true;
    }
    if (e->type() == QEvent::ToolTip && w->Role() != TWidgetRole::Frame) {
        auto* help = static_cast<QHelpEvent*>(e);
        const TPoint p{help->pos().x(), help->pos().y()};
        TControl* target = TargetAt(control, p);
        if (target->ShowHint() && !target->Hint().empty())
            QToolTip::showText(help->globalPos(), QString::fromStdString(target->Hint()), dynamic_cast<QWidget*>(w));
        else
            QToolTip::hideText();
        return true;
    }
    return false;
}

void StartFrameTrack(TWinControl* control, int hit, TPoint screen)
{
    gFrameTrack = {control, hit, screen, control->BoundsRect()};
}

void StopFrameTrack(TWinControl* control)
{
    if (gFrameTrack.Control == control)
        gFrameTrack = {};
}

void PostMessage(TWinControl* control, unsigned msg, intptr_t wParam, intptr_t lParam)
{
    if (QWidget* widget = control->Handle())
        QCoreApplication::postEvent(widget, new TMessageEvent(msg, wParam, lParam));
}

intptr_t SendMessage(TWinControl* control, unsigned msg, intptr_t wParam, intptr_t lParam)
{
    return control->Perform(msg, wParam, lParam);
}
