// Scroll boxes, child forms with their frame, modal forms run by the hook.
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "UiFixture.h"

#include "platform/ui/StdCtrls.h"

namespace {

// A child window that snaps its left and top edges to a grid of 5 and keeps
// the opposite edges when sized there; it records its frame messages.
class TSnappingWindow : public TForm {
    VN_CLASS(TSnappingWindow, TForm)

public:
    using TForm::TForm;
    std::vector<std::pair<unsigned, intptr_t>> FrameMessages;
    int Changed = 0;

    void WndProc(TMessage& Message) override
    {
        if (Message.Msg >= WM_NCLBUTTONDOWN && Message.Msg <= WM_NCRBUTTONUP)
            FrameMessages.emplace_back(Message.Msg, Message.WParam);
        inherited::WndProc(Message);
    }

protected:
    void WindowPosChanging(int& ALeft, int& ATop, int& AWidth, int& AHeight) override
    {
        const int dx = ALeft % 5;
        const int dy = ATop % 5;
        ALeft -= dx;
        ATop -= dy;
        if (AWidth != Width())
            AWidth += dx;
        if (AHeight != Height())
            AHeight += dy;
    }
    void WindowPosChanged() override { ++Changed; }
};

using Forms = UiFixture;

TEST_F(Forms, EveryPositionChangeGoesThroughTheHook)
{
    TSnappingWindow* window = TSnappingWindow::Create(Form);
    window->SetBorderStyle(bsSizeToolWin);
    window->SetParent(Form);
    window->SetBounds(10, 10, 100, 80);
    window->Show();
    window->Changed = 0;
    window->SetLeft(13);
    EXPECT_EQ(window->Left(), 10);
    EXPECT_EQ(window->Changed, 0);
    window->SetBounds(23, 17, 100, 80);
    EXPECT_EQ(window->BoundsRect(), Bounds(20, 15, 100, 80));
    EXPECT_EQ(window->Changed, 1);
    // Sizing by the left edge keeps the right edge where it was.
    window->SetBounds(17, 15, 103, 80);
    EXPECT_EQ(window->BoundsRect(), Rect(15, 15, 120, 95));
}

TEST_F(Forms, FramePressesCarryTheirHitCodes)
{
    TSnappingWindow* window = TSnappingWindow::Create(Form);
    window->SetBorderStyle(bsSizeToolWin);
    window->SetParent(Form);
    window->SetBounds(10, 10, 120, 100);
    window->Show();
    const int f = GetSystemMetrics(SM_CXFRAME);
    struct Case {
        QPoint at;
        int hit;
    };
    const Case cases[] = {
        {{50, f + 3}, HTCAPTION},     {{1, 50}, HTLEFT},         {{118, 50}, HTRIGHT},
        {{50, 98}, HTBOTTOM},         {{50, 1}, HTTOP},          {{1, 1}, HTTOPLEFT},
        {{119, 99}, HTBOTTOMRIGHT},   {{120 - f - 6, f + 6}, HTCLOSE},
    };
    QWidget* frame = window->Handle();
    for (const Case& test : cases) {
        window->FrameMessages.clear();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(test.at), QPointF(test.at), Qt::RightButton,
                          Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(frame, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(test.at), QPointF(test.at), Qt::RightButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(frame, &release);
        const std::vector<std::pair<unsigned, intptr_t>> expected{{WM_NCRBUTTONDOWN, test.hit},
                                                                  {WM_NCRBUTTONUP, test.hit}};
        EXPECT_EQ(window->FrameMessages, expected) << test.at.x() << "," << test.at.y();
    }
    // A left double click on the caption arrives as its own message.
    window->FrameMessages.clear();
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(50, f + 3), QPointF(50, f + 3), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &dbl);
    ASSERT_FALSE(window->FrameMessages.empty());
    EXPECT_EQ(window->FrameMessages.front(), (std::pair<unsigned, intptr_t>{WM_NCLBUTTONDBLCLK, HTCAPTION}));
}

TEST_F(Forms, ScrollingMovesTheChildrenAndKeepsScreenPositionsConsistent)
{
    TScrollBox* box = TScrollBox::Create(Form);
    box->SetBorderStyle(bsNone);
    box->SetBounds(0, 0, 200, 150);
    box->SetParent(Form);
    TCustomControl* far = TCustomControl::Create(Form);
    far->SetBounds(300, 400, 50, 50);
    far->SetParent(box);
    TGraphicControl* line = TGraphicControl::Create(Form);
    line->SetBounds(10, 10, 20, 20);
    line->SetParent(box);
    // A custom-aligned control does not extend the scroll range.
    TGraphicControl* custom = TGraphicControl::Create(Form);
    custom->SetBounds(900, 900, 20, 20);
    custom->SetAlign(alCustom);
    custom->SetParent(box);

    ASSERT_TRUE(box->HorzScrollBar().IsScrollBarVisible());
    ASSERT_TRUE(box->VertScrollBar().IsScrollBarVisible());
    EXPECT_EQ(box->HorzScrollBar().Range(), 350);
    EXPECT_EQ(box->VertScrollBar().Range(), 450);
    EXPECT_EQ(box->ClientWidth(), 200 - GetSystemMetrics(SM_CXVSCROLL));

    const TPoint farScreen = far->ClientOrigin();
    box->VertScrollBar().SetPosition(100);
    box->HorzScrollBar().SetPosition(30);
    EXPECT_EQ(far->Top(), 300);
    EXPECT_EQ(far->Left(), 270);
    EXPECT_EQ(line->Top(), -90);
    EXPECT_EQ(far->Top() + box->VertScrollBar().Position(), 400);
    EXPECT_EQ(far->ClientOrigin(), (TPoint{farScreen.X - 30, farScreen.Y - 100}));
    EXPECT_EQ(far->Handle()->geometry().topLeft(), QPoint(270, 300));

    // Positions are clamped to the range.
    box->VertScrollBar().SetPosition(100000);
    EXPECT_EQ(box->VertScrollBar().Position(), 450 - box->ClientHeight());

    // Moving a child extends the range; moving it back shrinks it.
    far->SetLeft(far->Left() + 200);
    EXPECT_EQ(box->HorzScrollBar().Range(), 550);
    far->SetBounds(0, 0, 50, 50);
    EXPECT_FALSE(box->HorzScrollBar().IsScrollBarVisible());
}

TEST_F(Forms, AChildFormHasACaptionAndFrameOutsideItsClientArea)
{
    TForm* window = TForm::Create(Form);
    window->SetBorderStyle(bsSizeToolWin);
    window->SetParent(Form);
    window->SetBounds(10, 20, 120, 100);
    window->Show();
    const int frame = GetSystemMetrics(SM_CXFRAME);
    const int caption = GetSystemMetrics(SM_CYSMCAPTION);
    EXPECT_EQ(window->ClientWidth(), 120 - 2 * frame);
    EXPECT_EQ(window->ClientHeight(), 100 - 2 * frame - caption);
    const TPoint origin = window->ClientOrigin();
    const TPoint parentOrigin = Form->ClientOrigin();
    EXPECT_EQ(origin, (TPoint{parentOrigin.X + 10 + frame, parentOrigin.Y + 20 + frame + caption}));
    window->SetClientHeight(50);
    EXPECT_EQ(window->Height(), 50 + 2 * frame + caption);

    // The close box frees a window whose close action says so, later.
    window->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    window->Close();
    EXPECT_EQ(Form->ControlCount(), 1);
    Application->ProcessMessages();
    EXPECT_EQ(Form->ControlCount(), 0);
}

TEST_F(Forms, DraggingTheCaptionMovesAndTheFrameSizes)
{
    TForm* window = TForm::Create(Form);
    window->SetBorderStyle(bsSizeToolWin);
    window->SetParent(Form);
    window->SetBounds(10, 20, 120, 100);
    window->Show();
    QWidget* frame = window->Handle();
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(at), QPointF(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
        QApplication::sendEvent(frame, &e);
    };
    send(QEvent::MouseButtonPress, {50, 10}, Qt::LeftButton);
    send(QEvent::MouseMove, {60, 15}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {60, 15}, Qt::NoButton);
    EXPECT_EQ(window->BoundsRect(), Bounds(20, 25, 120, 100));

    send(QEvent::MouseButtonPress, {119, 50}, Qt::LeftButton);
    send(QEvent::MouseMove, {139, 50}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {139, 50}, Qt::NoButton);
    EXPECT_EQ(window->BoundsRect(), Bounds(20, 25, 140, 100));
}

TEST_F(Forms, ModalFormReturnsTheResultTheHookSets)
{
    TForm* dialog = TForm::Create(Form);
    dialog->SetBounds(0, 0, 200, 100);
    TButton* ok = TButton::Create(dialog);
    ok->SetParent(dialog);
    ok->SetModalResult(mrOk);
    int passes = 0;
    Application->SetModalHook([&](TCustomForm& form) {
        EXPECT_EQ(&form, dialog);
        EXPECT_TRUE(form.Visible());
        if (++passes == 2)
            ok->Click();
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(passes, 2);
    EXPECT_FALSE(dialog->Visible());

    // Close on a modal form means Cancel.
    Application->SetModalHook([&](TCustomForm& form) { form.Close(); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    dialog->Free();
}

TEST_F(Forms, AnExceptionWhileClosingIsReportedAndKeepsTheFormOpen)
{
    TForm* dialog = TForm::Create(Form);
    bool valid = false;
    dialog->OnCloseQuery = [&](TObject*, bool& canClose) {
        if (!valid)
            throw Exception("Bad logical expression\r\n");
        canClose = true;
    };
    int passes = 0;
    std::vector<TModalResult> seen;
    Application->SetModalHook([&](TCustomForm& form) {
        seen.push_back(form.ModalResult());
        ++passes;
        if (passes == 2)
            valid = true;
        form.SetModalResult(mrOk);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(Errors, (std::vector<std::string>{"Bad logical expression\r\n"}));
    // After the failed close the result was reset and the loop went on.
    EXPECT_EQ(seen, (std::vector<TModalResult>{mrNone, mrNone}));
    dialog->Free();
}

TEST_F(Forms, AModalFormThatIsNeverClosedStopsTheLoop)
{
    TForm* dialog = TForm::Create(Form);
    Application->SetModalHook([](TCustomForm&) {});
    EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
    EXPECT_FALSE(dialog->Visible());
    dialog->Free();
}

TEST_F(Forms, DialogKeysPressTheDefaultAndCancelButtons)
{
    TEdit* edit = TEdit::Create(Form);
    edit->SetParent(Form);
    TButton* ok = TButton::Create(Form);
    ok->SetParent(Form);
    ok->SetDefault(true);
    TButton* cancel = TButton::Create(Form);
    cancel->SetParent(Form);
    cancel->SetCancel(true);
    std::vector<std::string> pressed;
    ok->OnClick = [&](TObject*) { pressed.push_back("ok"); };
    cancel->OnClick = [&](TObject*) { pressed.push_back("cancel"); };
    edit->SetFocus();
    Key(edit, Qt::Key_Return);
    Key(edit, Qt::Key_Escape);
    EXPECT_EQ(pressed, (std::vector<std::string>{"ok", "cancel"}));

    // With KeyPreview the form sees keys first and may consume them.
    Form->SetKeyPreview(true);
    Form->OnKeyDown = [](TObject*, uint16_t& key, TShiftState) {
        if (key == VK_RETURN)
            key = 0;
    };
    Key(edit, Qt::Key_Return);
    EXPECT_EQ(pressed.size(), 2u);
    Form->SetKeyPreview(false);
}

TEST_F(Forms, MainFormCentrePlacesATopLevelForm)
{
    Application->SetMainForm(Form);
    TForm* dialog = TForm::Create(Form);
    dialog->SetBounds(0, 0, 200, 100);
    dialog->SetPosition(poMainFormCenter);
    dialog->Show();
    EXPECT_EQ(dialog->BoundsRect(), Bounds(100 + 100, 100 + 100, 200, 100));
    Application->SetMainForm(nullptr);
}

} // namespace
