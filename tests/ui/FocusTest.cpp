// The input focus: moving it, the notices on both sides, and the in-place
// editor taking its text over when the focus leaves the grid.
#include <QLineEdit>

#include "UiFixture.h"

#include "platform/ui/Grids.h"
#include "platform/ui/StdCtrls.h"

namespace {

// Records the control that receives the focus when it loses it.
class TFocusProbe : public TCustomControl {
    VN_CLASS(TFocusProbe, TCustomControl)

public:
    using TCustomControl::TCustomControl;
    std::vector<TWinControl*> LostTo;
    int Gained = 0;
    void WndProc(TMessage& Message) override
    {
        inherited::WndProc(Message);
        if (Message.Msg == WM_SETFOCUS)
            ++Gained;
        if (Message.Msg == WM_KILLFOCUS)
            LostTo.push_back(FindControl(reinterpret_cast<QWidget*>(Message.WParam)));
    }
};

using Focus = UiFixture;

TEST_F(Focus, KillFocusNamesTheControlThatGetsTheFocus)
{
    TFocusProbe* first = TFocusProbe::Create(Form);
    first->SetParent(Form);
    TEdit* second = TEdit::Create(Form);
    second->SetParent(Form);
    int entered = 0;
    int left = 0;
    first->OnEnter = [&](TObject*) { ++entered; };
    first->OnExit = [&](TObject*) { ++left; };

    first->SetFocus();
    EXPECT_TRUE(first->Focused());
    EXPECT_EQ(first->Gained, 1);
    second->SetFocus();
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(first->LostTo, (std::vector<TWinControl*>{second}));
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);
}

TEST_F(Focus, HiddenOrDisabledControlsRefuseTheFocus)
{
    TFocusProbe* probe = TFocusProbe::Create(Form);
    probe->SetParent(Form);
    probe->SetVisible(false);
    EXPECT_FALSE(probe->CanFocus());
    EXPECT_THROW(probe->SetFocus(), EInvalidOperation);
    probe->SetVisible(true);
    probe->SetEnabled(false);
    EXPECT_FALSE(probe->CanFocus());
    TFocusProbe* unparented = TFocusProbe::Create(nullptr);
    EXPECT_FALSE(unparented->CanFocus());
    unparented->Free();
}

TEST_F(Focus, LeavingTheGridForAnotherControlCommitsTheEditorsText)
{
    TStringGrid* grid = TStringGrid::Create(Form);
    grid->SetBounds(0, 0, 300, 150);
    grid->SetParent(Form);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing, goAlwaysShowEditor});
    TEdit* other = TEdit::Create(Form);
    other->SetBounds(0, 200, 100, 21);
    other->SetParent(Form);
    grid->SetFocus();
    TInplaceEdit* editor = grid->InplaceEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->Focused());
    static_cast<QLineEdit*>(editor->Handle())->setText("typed");
    EXPECT_EQ(grid->Cells(1, 1), "");
    other->SetFocus();
    EXPECT_EQ(grid->Cells(1, 1), "typed");
}

} // namespace
