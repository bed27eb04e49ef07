#include "platform/ui/Buttons.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "platform/ui/Bitmap.h"
#include "platform/ui/ExtCtrls.h"

// ---- TSpeedButton ---------------------------------------------------------------------

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FWidth = 23;
    FHeight = 22;
    FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks, csOpaque};
    FGlyph = TBitmap::Create();
    FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton()
{
    FGlyph->Free();
}

void TSpeedButton::SetGroupIndex(int value)
{
    FGroupIndex = value;
    UpdateExclusive();
}

void TSpeedButton::SetFlat(bool value)
{
    FFlat = value;
    Invalidate();
}

void TSpeedButton::SetDown(bool value)
{
    if (FGroupIndex == 0)
        value = false;
    if (value == FDown)
        return;
    if (FDown && !value && !FAllowAllUp)
        return;
    FDown = value;
    FState = value ? bsExclusive : bsUp;
    Invalidate();
    if (value)
        UpdateExclusive();
}

void TSpeedButton::UpdateExclusive()
{
    if (FGroupIndex == 0 || !FParent || !FDown)
        return;
    for (int i = 0; i < FParent->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(FParent->Controls(i));
        if (!other || other == this || other->FGroupIndex != FGroupIndex || !other->FDown)
            continue;
        other->FDown = false;
        other->FState = bsUp;
        other->Invalidate();
    }
}

void TSpeedButton::Click()
{
    TGraphicControl::Click();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && FEnabled) {
        if (!FDown) {
            FState = bsDown;
            Invalidate();
        }
        FDragging = true;
    }
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging)
        return;
    const TButtonState state = PtInRect(ClientRect(), {X, Y}) ? (FDown ? bsExclusive : bsDown)
                                                               : (FDown ? bsExclusive : bsUp);
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging)
        return;
    FDragging = false;
    const bool doClick = PtInRect(ClientRect(), {X, Y});
    if (FGroupIndex == 0) {
        FState = bsUp;
        Invalidate();
    } else if (doClick) {
        SetDown(!FDown);
        FState = FDown ? bsExclusive : bsUp;
        Invalidate();
    } else {
        FState = FDown ? bsExclusive : bsUp;
        Invalidate();
    }
    if (doClick)
        Click();
}

void TSpeedButton::Paint()
{
    TCanvas& canvas = *Canvas();
    const TRect r = ClientRect();
    const bool pressed = FState == bsDown || FState == bsExclusive;
    canvas.Brush().SetColor(FState == bsExclusive ? cl3DLight : clBtnFace);
    canvas.FillRect(r);
    if (!FFlat || pressed) {
        TRect frame = r;
        if (pressed)
            Frame3D(canvas, frame, clBtnShadow, clBtnHighlight, 1);
        else
            Frame3D(canvas, frame, clBtnHighlight, clBtnShadow, 1);
    }
    const int shift = pressed ? 1 : 0;
    int glyphWidth = 0;
    if (!FGlyph->Empty())
        glyphWidth = FGlyph->Width() + (FText.empty() ? 0 : 4);
    QPainter* p = canvas.Handle();
    p->setFont(FFont->ToQFont());
    const int textWidth = FText.empty() ? 0 : p->fontMetrics().horizontalAdvance(QString::fromStdString(FText));
    int x = (r.Width() - glyphWidth - textWidth) / 2 + shift;
    if (!FGlyph->Empty()) {
        canvas.Draw(x, (r.Height() - FGlyph->Height()) / 2 + shift, *FGlyph);
        x += glyphWidth;
    }
    if (!FText.empty()) {
        p->setPen(ToQColor(FEnabled ? FFont->Color() : clGrayText));
        p->drawText(QRect(x, shift, textWidth + 1, r.Height()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                    QString::fromStdString(FText));
    }
}

// ---- TBitBtn --------------------------------------------------------------------------

namespace {

// The standard glyph of a kind, drawn rather than loaded.
QPixmap KindGlyph(TBitBtnKind kind)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    auto pen = [&](QColor color) {
        QPen result(color, 2.2);
        result.setCapStyle(Qt::RoundCap);
        result.setJoinStyle(Qt::RoundJoin);
        p.setPen(result);
    };
    switch (kind) {
    case bkOK:
    case bkYes:
    case bkAll:
        pen(QColor(0, 128, 0));
        p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
        break;
    case bkCancel:
    case bkNo:
    case bkAbort:
        pen(QColor(200, 0, 0));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    case bkHelp:
        pen(QColor(0, 0, 160));
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
        break;
    case bkRetry:
    case bkIgnore:
    case bkClose:
        pen(QColor(0, 0, 128));
        p.drawArc(QRectF(3, 3, 10, 10), 30 * 16, 300 * 16);
        break;
    case bkCustom:
        break;
    }
    return pixmap;
}

struct KindInfo {
    const char* caption;
    TModalResult result;
};

KindInfo InfoOf(TBitBtnKind kind)
{
    switch (kind) {
    case bkOK: return {"OK", mrOk};
    case bkCancel: return {"Cancel", mrCancel};
    case bkHelp: return {"&Help", mrNone};
    case bkYes: return {"&Yes", mrYes};
    case bkNo: return {"&No", mrNo};
    case bkClose: return {"&Close", mrNone};
    case bkAbort: return {"Abort", mrAbort};
    case bkRetry: return {"&Retry", mrRetry};
    case bkIgnore: return {"&Ignore", mrIgnore};
    case bkAll: return {"&All", mrAll};
    default: return {"", mrNone};
    }
}

} // namespace

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner)
{
    FGlyph = TBitmap::Create();
    FGlyph->OnChange = [this](TObject*) { UpdateIcon(); };
}

TBitBtn::~TBitBtn()
{
    FGlyph->Free();
}

void TBitBtn::SetKind(TBitBtnKind value)
{
    FKind = value;
    if (value != bkCustom) {
        const KindInfo info = InfoOf(value);
        SetCaption(info.caption);
        SetModalResult(info.result);
        SetDefault(value == bkOK || value == bkYes);
        SetCancel(value == bkCancel || value == bkNo);
    }
    UpdateIcon();
}

void TBitBtn::InitWidget()
{
    TButton::InitWidget();
    UpdateIcon();
}

void TBitBtn::UpdateIcon()
{
    if (!FHandle)
        return;
    auto* button = static_cast<QPushButton*>(FHandle);
    if (!FGlyph->Empty())
        button->setIcon(QIcon(QPixmap::fromImage(FGlyph->DrawImage())));
    else if (FKind != bkCustom)
        button->setIcon(QIcon(KindGlyph(FKind)));
    else
        button->setIcon(QIcon());
}
