#include "UiFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

void UiFixture::SetUp()
{
    Application->SetErrorSink([this](const std::string& message) { Errors.push_back(message); });
    Application->SetModalHook(nullptr);
    Form = TForm::Create(nullptr);
    Form->SetBounds(100, 100, 400, 300);
    Form->SetCaption("Test");
    Form->Show();
    Application->ProcessMessages();
}

void UiFixture::TearDown()
{
    FreeAndNil(Form);
    Application->ProcessMessages();
    Application->SetModalHook(nullptr);
    Application->ResetErrorSink();
}

namespace {

void SendMouse(TWinControl* control, QEvent::Type type, TPoint p, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QWidget* widget = control->ClientHandle();
    const QPointF local(p.X, p.Y);
    const TPoint screen = control->ClientToScreen(p);
    QMouseEvent event(type, local, QPointF(screen.X, screen.Y), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

void UiFixture::Press(TWinControl* control, TPoint p, Qt::MouseButton button)
{
    SendMouse(control, QEvent::MouseButtonPress, p, button, button);
}

void UiFixture::Move(TWinControl* control, TPoint p, Qt::MouseButtons buttons)
{
    SendMouse(control, QEvent::MouseMove, p, Qt::NoButton, buttons);
}

void UiFixture::Release(TWinControl* control, TPoint p, Qt::MouseButton button)
{
    SendMouse(control, QEvent::MouseButtonRelease, p, button, Qt::NoButton);
}

void UiFixture::Click(TWinControl* control, TPoint p, Qt::MouseButton button)
{
    Press(control, p, button);
    Release(control, p, button);
}

void UiFixture::DoubleClick(TWinControl* control, TPoint p)
{
    Click(control, p);
    SendMouse(control, QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
    Release(control, p);
}

void UiFixture::Key(TWinControl* control, int qtKey, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
    QApplication::sendEvent(control->ClientHandle(), &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
    QApplication::sendEvent(control->ClientHandle(), &release);
}
