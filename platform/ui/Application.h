#pragma once
// The application object: message processing, exception reporting at the Qt
// boundary, the main form and the test hooks of modal forms.
#include <functional>
#include <string>

#include <QApplication>

#include "platform/core/Component.h"
#include "platform/core/Events.h"

class TCustomForm;
class Exception;

class TApplication : public TComponent {
    VN_CLASS(TApplication, TComponent)

public:
    explicit TApplication(TComponent* AOwner = nullptr);

    // Delivers every queued event and posted message, then any widget whose
    // deletion was deferred (unless an event is being dispatched).
    void ProcessMessages();
    // Waits for and handles at least one event (the body of a modal loop).
    void HandleMessage();

    // Reports the exception being handled (call from inside a catch block):
    // EAbort is silent; OnException handles the rest when assigned, else the
    // error sink shows the message.
    void HandleException(TObject* Sender);
    void ShowException(const std::string& message);

    // Receives the message of every reported exception. The default shows a
    // message box without blocking; tests replace it to collect the messages.
    using TErrorSink = std::function<void(const std::string& message)>;
    void SetErrorSink(TErrorSink sink) { FErrorSink = std::move(sink); }
    void ResetErrorSink();

    // Plays the user's part while a form is shown modally: called on every
    // pass of the modal loop until the form's ModalResult is set. Without a
    // hook the loop waits for real input.
    using TModalHook = std::function<void(TCustomForm& form)>;
    void SetModalHook(TModalHook hook) { FModalHook = std::move(hook); }
    const TModalHook& ModalHook() const { return FModalHook; }

    // Asks the desktop to open a document or web address (a link label's
    // text). Tests replace the opener; the default hands the target to the
    // desktop's URL handler.
    using TShellOpener = std::function<void(const std::string& target)>;
    void SetShellOpener(TShellOpener opener) { FShellOpener = std::move(opener); }
    void ShellOpen(const std::string& target);

    TCustomForm* MainForm() const { return FMainForm; }
    void SetMainForm(TCustomForm* form);
    bool Terminated() const { return FTerminated; }
    void Terminate() { FTerminated = true; }
    // The name shown in message boxes.
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }

    void Notification(TComponent* AComponent, TOperation Operation) override;

    TEvent<void(TObject* Sender, const Exception& E)> OnException;

private:
    TErrorSink FErrorSink;
    TModalHook FModalHook;
    TShellOpener FShellOpener;
    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
    std::string FTitle = "vnQueryBuilder";
};

// The process-wide application object, reached as Application->...; it is
// created on first use and needs no QApplication to exist.
struct TApplicationRef {
    TApplication* operator->() const;
    operator TApplication*() const;
};
inline constexpr TApplicationRef Application{};

// The Qt application of a GUI program: fixed style, palette and fonts, and a
// last guard that turns exceptions escaping event delivery into reports.
// Frees the forms the application object owns before Qt goes away.
class TGuiApplication : public QApplication {
public:
    TGuiApplication(int& argc, char** argv);
    ~TGuiApplication() override;
    bool notify(QObject* receiver, QEvent* event) override;
};

// Number of our event handlers currently running (a widget released while
// this is not zero is deleted later, by the event loop).
int EventDispatchDepth();

// Runs handler, reporting any exception through Application->HandleException.
void CallGuarded(TObject* sender, const std::function<void()>& handler);
