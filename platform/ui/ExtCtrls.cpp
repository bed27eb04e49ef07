#include "platform/ui/ExtCtrls.h"

#include <QFontMetrics>
#include <QPainter>

#include "platform/ui/Picture.h"

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width)
{
    QPainter* p = canvas.Handle();
    for (int i = 0; i < width && !rect.IsEmpty(); ++i) {
        p->fillRect(QRect(rect.Left, rect.Top, rect.Width() - 1, 1), ToQColor(topColor));
        p->fillRect(QRect(rect.Left, rect.Top, 1, rect.Height() - 1), ToQColor(topColor));
        p->fillRect(QRect(rect.Left, rect.Bottom - 1, rect.Width(), 1), ToQColor(bottomColor));
        p->fillRect(QRect(rect.Right - 1, rect.Top, 1, rect.Height()), ToQColor(bottomColor));
        rect = InflateRect(rect, -1, -1);
    }
}

// ---- TCustomPanel ---------------------------------------------------------------------

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    FWidth = 185;
    FHeight = 41;
    FColor = clBtnFace;
    FParentColor = false;
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Include(csOpaque);
}

void TCustomPanel::SetBevelInner(TBevelCut value)
{
    if (value == FBevelInner)
        return;
    FBevelInner = value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut value)
{
    if (value == FBevelOuter)
        return;
    FBevelOuter = value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int value)
{
    if (value == FBevelWidth)
        return;
    FBevelWidth = value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    NonClientChanged();
}

void TCustomPanel::SetAlignment(TAlignment value)
{
    FAlignment = value;
    Invalidate();
}

TRect TCustomPanel::NonClientInsets() const
{
    const int edge = ControlBorderWidth(FBorderStyle, FCtl3D);
    return {edge, edge, edge, edge};
}

void TCustomPanel::AdjustClientRect(TRect& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    Rect = InflateRect(Rect, -FBorderWidth, -FBorderWidth);
    int bevel = 0;
    if (FBevelOuter != bvNone)
        bevel += FBevelWidth;
    if (FBevelInner != bvNone)
        bevel += FBevelWidth;
    Rect = InflateRect(Rect, -bevel, -bevel);
}

void TCustomPanel::Paint()
{
    TCanvas& canvas = *Canvas();
    TRect rect = ClientRect();
    auto colors = [](TBevelCut bevel, TColor& top, TColor& bottom) {
        top = bevel == bvLowered ? clBtnShadow : clBtnHighlight;
        bottom = bevel == bvLowered ? clBtnHighlight : clBtnShadow;
    };
    TColor top = clBtnHighlight;
    TColor bottom = clBtnShadow;
    if (FBevelOuter != bvNone) {
        colors(FBevelOuter, top, bottom);
        Frame3D(canvas, rect, top, bottom, FBevelWidth);
    }
    Frame3D(canvas, rect, FColor, FColor, FBorderWidth);
    if (FBevelInner != bvNone) {
        colors(FBevelInner, top, bottom);
        Frame3D(canvas, rect, top, bottom, FBevelWidth);
    }
    canvas.Brush().SetColor(FColor);
    canvas.FillRect(rect);
    if (!FText.empty()) {
        QPainter* p = canvas.Handle();
        p->setFont(FFont->ToQFont());
        p->setPen(ToQColor(FFont->Color()));
        const int align = FAlignment == taLeftJustify ? Qt::AlignLeft : FAlignment == taRightJustify ? Qt::AlignRight
                                                                                                       : Qt::AlignHCenter;
        p->drawText(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()),
                    align | Qt::AlignVCenter | Qt::TextSingleLine, QString::fromStdString(FText));
    }
}

void TCustomPanel::PaintNonClient(TCanvas& Canvas)
{
    DrawControlBorder(Canvas, Rect(0, 0, FWidth, FHeight), FBorderStyle, FCtl3D);
}

// ---- TSplitter ------------------------------------------------------------------------

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FAlign = alLeft;
    FWidth = 3;
    FHeight = 100;
}

void TSplitter::SetBeveled(bool value)
{
    FBeveled = value;
    Invalidate();
}

TControl* TSplitter::FindResizedControl() const
{
    if (!FParent)
        return nullptr;
    TPoint p{FLeft, FTop};
    switch (FAlign) {
    case alLeft: --p.X; break;
    case alRight: p.X += FWidth; break;
    case alTop: --p.Y; break;
    case alBottom: p.Y += FHeight; break;
    default: return nullptr;
    }
    for (int i = 0; i < FParent->ControlCount(); ++i) {
        TControl* c = FParent->Controls(i);
        if (c == this || !c->Visible() || !c->Enabled() || c->Align() != FAlign)
            continue;
        TRect r = c->BoundsRect();
        if (r.Width() == 0)
            r.Right = r.Left + 1;
        if (r.Height() == 0)
            r.Bottom = r.Top + 1;
        if (PtInRect(r, p))
            return c;
    }
    return nullptr;
}

void TSplitter::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.Brush().SetColor(FColor);
    canvas.FillRect(ClientRect());
    if (FBeveled) {
        TRect r = ClientRect();
        Frame3D(canvas, r, clBtnHighlight, clBtnShadow, 1);
    }
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    FResized = FindResizedControl();
    FDownPos = ClientToScreen({X, Y});
    if (FResized)
        FOldSize = FAlign == alLeft || FAlign == alRight ? FResized->Width() : FResized->Height();
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FResized || !Shift.Contains(ssLeft))
        return;
    const TPoint screen = ClientToScreen({X, Y});
    int split = 0;
    switch (FAlign) {
    case alLeft: split = screen.X - FDownPos.X; break;
    case alRight: split = FDownPos.X - screen.X; break;
    case alTop: split = screen.Y - FDownPos.Y; break;
    case alBottom: split = FDownPos.Y - screen.Y; break;
    default: return;
    }
    // The new size stays between the minimum and what leaves the other side
    // its minimum too.
    const bool horizontal = FAlign == alLeft || FAlign == alRight;
    const int available = horizontal ? FParent->ClientWidth() - FWidth : FParent->ClientHeight() - FHeight;
    const int maxSize = std::max(FMinSize, available - FMinSize);
    const int size = std::clamp(FOldSize + split, FMinSize, maxSize);
    if (horizontal)
        FResized->SetWidth(size);
    else
        FResized->SetHeight(size);
    if (FParent)
        FParent->Realign();
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (FResized && Button == mbLeft) {
        FResized = nullptr;
        if (OnMoved)
            OnMoved(this);
    }
}

// ---- TImage ---------------------------------------------------------------------------

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FWidth = 105;
    FHeight = 105;
    FPicture = TPicture::Create();
    FPicture->OnChange = [this](TObject*) {
        AdjustSize();
        Invalidate();
    };
}

TImage::~TImage()
{
    FPicture->Free();
}

void TImage::SetStretch(bool value)
{
    FStretch = value;
    Invalidate();
}

void TImage::SetCenter(bool value)
{
    FCenter = value;
    Invalidate();
}

void TImage::SetTransparent(bool value)
{
    FTransparent = value;
    if (!FPicture->Empty())
        FPicture->Bitmap().SetTransparent(value);
    Invalidate();
}

void TImage::AdjustSize()
{
    if (FAutoSize && !FPicture->Empty())
        SetBounds(FLeft, FTop, FPicture->Width(), FPicture->Height());
}

void TImage::Paint()
{
    if (FPicture->Empty())
        return;
    TCanvas& canvas = *Canvas();
    TBitmap& bitmap = FPicture->Bitmap();
    if (FStretch) {
        canvas.StretchDraw(ClientRect(), bitmap);
    } else if (FCenter) {
        canvas.Draw((FWidth - bitmap.Width()) / 2, (FHeight - bitmap.Height()) / 2, bitmap);
    } else {
        canvas.Draw(0, 0, bitmap);
    }
}
