// Painting order: the control's own face, then its windowless children in
// z-order, and windowed children above them all.
#include "UiFixture.h"

#include "platform/ui/Grab.h"

namespace {

class TFilled : public TGraphicControl {
    VN_CLASS(TFilled, TGraphicControl)

public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        Canvas()->Brush().SetColor(Color());
        Canvas()->FillRect(Rect(0, 0, Width(), Height()));
    }
};

class TBackground : public TScrollBox {
    VN_CLASS(TBackground, TScrollBox)

public:
    using TScrollBox::TScrollBox;
    int Erased = 0;
    void WndProc(TMessage& Message) override
    {
        // Answering the erase message leaves the background to PaintWindow.
        if (Message.Msg == WM_ERASEBKGND) {
            ++Erased;
            Message.Result = 1;
            return;
        }
        inherited::WndProc(Message);
    }

protected:
    void PaintWindow(TCanvas& Canvas) override
    {
        Canvas.Brush().SetColor(clYellow);
        Canvas.FillRect(ClientRect());
    }
};

using Painting = UiFixture;

TEST_F(Painting, WindowlessChildrenLieAboveTheFaceAndBelowWindowedSiblings)
{
    TBackground* area = TBackground::Create(Form);
    area->SetBorderStyle(bsNone);
    area->SetBounds(0, 0, 100, 100);
    area->SetParent(Form);
    TFilled* back = TFilled::Create(Form);
    back->SetColor(clBlue);
    back->SetBounds(10, 10, 40, 40);
    back->SetParent(area);
    TFilled* front = TFilled::Create(Form);
    front->SetColor(clRed);
    front->SetBounds(30, 30, 40, 40);
    front->SetParent(area);
    TCustomControl* window = TCustomControl::Create(Form);
    window->SetColor(clLime);
    window->SetBounds(60, 60, 30, 30);
    window->SetParent(area);

    const QImage picture = GrabControl(area);
    auto at = [&](int x, int y) { return FromQColor(QColor(picture.pixel(x, y))); };
    EXPECT_EQ(at(5, 5), clYellow);
    EXPECT_EQ(at(15, 15), clBlue);
    EXPECT_EQ(at(35, 35), clRed);
    EXPECT_EQ(at(65, 65), clLime);
    EXPECT_GT(area->Erased, 0);

    front->SendToBack();
    const QImage reordered = GrabControl(area);
    EXPECT_EQ(FromQColor(QColor(reordered.pixel(35, 35))), clBlue);
    EXPECT_EQ(GrabControl(back).pixel(2, 2), picture.pixel(12, 12));
}

TEST_F(Painting, AGraphicControlInvalidatesOnlyItsParentsArea)
{
    TFilled* item = TFilled::Create(Form);
    item->SetColor(clRed);
    item->SetBounds(10, 10, 20, 20);
    item->SetParent(Form);
    GrabControl(Form);
    item->SetColor(clBlue);
    EXPECT_EQ(FromQColor(QColor(GrabControl(item).pixel(5, 5))), clBlue);
    item->SetVisible(false);
    EXPECT_EQ(FromQColor(QColor(GrabControl(Form).pixel(Form->NonClientInsets().Left + 15,
                                                        Form->NonClientInsets().Top + 15))),
              ColorToRGB(clBtnFace));
}

} // namespace
