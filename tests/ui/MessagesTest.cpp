// Posted messages and exceptions that leave event handlers.
#include "UiFixture.h"

#include "platform/ui/StdCtrls.h"

namespace {

// Records the messages it handles; message 1025 raises, 1026 aborts.
class TReceiver : public TCustomControl {
    VN_CLASS(TReceiver, TCustomControl)

public:
    using TCustomControl::TCustomControl;
    std::vector<intptr_t> Received;

    void WndProc(TMessage& Message) override
    {
        switch (Message.Msg) {
        case WM_USER:
            Received.push_back(Message.WParam);
            return;
        case WM_USER + 1:
            throw Exception("No syntax provider!");
        case WM_USER + 2:
            Abort();
        default:
            inherited::WndProc(Message);
        }
    }
};

using Messages = UiFixture;

TEST_F(Messages, PostedMessagesArriveOnlyWhenProcessedAndInOrder)
{
    TReceiver* receiver = TReceiver::Create(nullptr);
    EXPECT_FALSE(receiver->HandleAllocated());
    PostMessage(receiver, WM_USER, 1);
    PostMessage(receiver, WM_USER, 2);
    // Posting created the window; nothing is delivered yet.
    EXPECT_TRUE(receiver->HandleAllocated());
    EXPECT_TRUE(receiver->Received.empty());
    Application->ProcessMessages();
    EXPECT_EQ(receiver->Received, (std::vector<intptr_t>{1, 2}));
    EXPECT_EQ(SendMessage(receiver, WM_USER, 3), 0);
    EXPECT_EQ(receiver->Received.size(), 3u);
    receiver->Free();
}

TEST_F(Messages, AMessageForADestroyedWindowIsDropped)
{
    TReceiver* receiver = TReceiver::Create(Form);
    receiver->SetParent(Form);
    PostMessage(receiver, WM_USER + 1);
    receiver->Free();
    Application->ProcessMessages();
    EXPECT_TRUE(Errors.empty());
}

TEST_F(Messages, ExceptionsLeavingHandlersReachTheErrorSinkAndAbortIsSilent)
{
    TReceiver* receiver = TReceiver::Create(Form);
    receiver->SetParent(Form);
    PostMessage(receiver, WM_USER + 2);
    PostMessage(receiver, WM_USER + 1);
    PostMessage(receiver, WM_USER, 7);
    Application->ProcessMessages();
    EXPECT_EQ(Errors, (std::vector<std::string>{"No syntax provider!"}));
    // The loop went on after the failing handler.
    EXPECT_EQ(receiver->Received, (std::vector<intptr_t>{7}));
}

TEST_F(Messages, ExceptionFromAClickHandlerGoesToOnExceptionWhenAssigned)
{
    TButton* button = TButton::Create(Form);
    button->SetParent(Form);
    button->OnClick = [](TObject*) { throw EConvertError("'x' is not a valid integer value"); };
    TObject* reportedSender = nullptr;
    std::string reported;
    Application->OnException = [&](TObject* sender, const Exception& e) {
        reportedSender = sender;
        reported = e.Message();
    };
    Click(button, {5, 5});
    Application->OnException = nullptr;
    EXPECT_EQ(reported, "'x' is not a valid integer value");
    EXPECT_EQ(reportedSender, button);
    EXPECT_TRUE(Errors.empty());
}

} // namespace
