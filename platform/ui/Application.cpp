#include "platform/ui/Application.h"

#include <QDesktopServices>
#include <QFont>
#include <QUrl>
#include <QMessageBox>
#include <QPalette>
#include <QStyleFactory>
#include <cstdio>
#include <exception>

#include "platform/ui/Colors.h"
#include "platform/ui/DispatchGuard.h"
#include "platform/ui/Forms.h"
#include "platform/ui/GraphicsObjects.h"

namespace {

int gDispatchDepth = 0;

void DefaultErrorSink(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    if (!qApp || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    auto* box = new QMessageBox(QMessageBox::Critical, QString::fromStdString(Application->Title()),
                                QString::fromStdString(message), QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QPalette FixedPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, ToQColor(clBtnFace));
    palette.setColor(QPalette::WindowText, ToQColor(clWindowText));
    palette.setColor(QPalette::Base, ToQColor(clWindow));
    palette.setColor(QPalette::AlternateBase, ToQColor(clBtnFace));
    palette.setColor(QPalette::Text, ToQColor(clWindowText));
    palette.setColor(QPalette::Button, ToQColor(clBtnFace));
    palette.setColor(QPalette::ButtonText, ToQColor(clBtnText));
    palette.setColor(QPalette::Highlight, ToQColor(clHighlight));
    palette.setColor(QPalette::HighlightedText, ToQColor(clHighlightText));
    palette.setColor(QPalette::Light, ToQColor(clBtnHighlight));
    palette.setColor(QPalette::Midlight, ToQColor(cl3DLight));
    palette.setColor(QPalette::Mid, ToQColor(clBtnShadow));
    palette.setColor(QPalette::Dark, ToQColor(clBtnShadow));
    palette.setColor(QPalette::Shadow, ToQColor(cl3DDkShadow));
    palette.setColor(QPalette::ToolTipBase, ToQColor(clInfoBk));
    palette.setColor(QPalette::ToolTipText, ToQColor(clInfoText));
    palette.setColor(QPalette::Disabled, QPalette::Text, ToQColor(clGrayText));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, ToQColor(clGrayText));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, ToQColor(clGrayText));
    return palette;
}

} // namespace

TDispatchGuard::TDispatchGuard() { ++gDispatchDepth; }
TDispatchGuard::~TDispatchGuard() { --gDispatchDepth; }

int EventDispatchDepth()
{
    return gDispatchDepth;
}

TApplication* TApplicationRef::operator->() const
{
    static TApplication* const instance = TApplication::Create(nullptr);
    return instance;
}

TApplicationRef::operator TApplication*() const
{
    return operator->();
}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner), FErrorSink(DefaultErrorSink) {}

void TApplication::ResetErrorSink()
{
    FErrorSink = DefaultErrorSink;
}

void TApplication::ProcessMessages()
{
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (gDispatchDepth == 0)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TApplication::HandleMessage()
{
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void TApplication::HandleException(TObject* Sender)
{
    if (!std::current_exception())
        return;
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const Exception& e) {
        if (OnException)
            OnException(Sender, e);
        else
            ShowException(e.Message());
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException("Unknown exception");
    }
}

void TApplication::ShowException(const std::string& message)
{
    if (FErrorSink)
        FErrorSink(message);
}

void TApplication::ShellOpen(const std::string& target)
{
    if (FShellOpener) {
        FShellOpener(target);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(target)));
}

void TApplication::SetMainForm(TCustomForm* form)
{
    if (form == FMainForm)
        return;
    if (FMainForm)
        RemoveFreeNotification(FMainForm);
    FMainForm = form;
    if (form)
        FreeNotification(form);
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent == FMainForm)
        FMainForm = nullptr;
    inherited::Notification(AComponent, Operation);
}

void CallGuarded(TObject* sender, const std::function<void()>& handler)
{
    TDispatchGuard guard;
    try {
        handler();
    } catch (...) {
        Application->HandleException(sender);
    }
}

TGuiApplication::TGuiApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    setPalette(FixedPalette());
    TFont defaultFont;
    setFont(defaultFont.ToQFont());
    setEffectEnabled(Qt::UI_AnimateMenu, false);
    setEffectEnabled(Qt::UI_FadeMenu, false);
    setEffectEnabled(Qt::UI_AnimateCombo, false);
    setEffectEnabled(Qt::UI_AnimateTooltip, false);
    setEffectEnabled(Qt::UI_FadeTooltip, false);
    // Caption bars show whether the focus is inside their form.
    connect(this, &QApplication::focusChanged, this, [](QWidget* old, QWidget* now) {
        for (QWidget* w : {old, now})
            for (TControl* c = FindControl(w); c; c = c->Parent())
                if (auto* form = dynamic_cast<TCustomForm*>(c); form && form->HandleAllocated())
                    form->Handle()->update();
    });
}

TGuiApplication::~TGuiApplication()
{
    Application->DestroyComponents();
    sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool TGuiApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        Application->HandleException(nullptr);
        return false;
    }
}
