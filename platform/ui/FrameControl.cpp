#include "platform/ui/FrameControl.h"

#include <QPainter>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

namespace {

void HLine(QPainter* p, int x1, int x2, int y, TColor c)
{
    if (x2 > x1)
        p->fillRect(QRect(x1, y, x2 - x1, 1), ToQColor(c));
}

void VLine(QPainter* p, int x, int y1, int y2, TColor c)
{
    if (y2 > y1)
        p->fillRect(QRect(x, y1, 1, y2 - y1), ToQColor(c));
}

// Top-left lines in one colour, bottom-right lines in another.
void Frame(QPainter* p, const TRect& r, TColor topLeft, TColor bottomRight)
{
    HLine(p, r.Left, r.Right - 1, r.Top, topLeft);
    VLine(p, r.Left, r.Top, r.Bottom - 1, topLeft);
    HLine(p, r.Left, r.Right, r.Bottom - 1, bottomRight);
    VLine(p, r.Right - 1, r.Top, r.Bottom, bottomRight);
}

void DrawCheckMark(QPainter* p, const TRect& box, TColor color)
{
    // Seven columns of three pixels each: down for three columns, then up.
    static const int kRise[7] = {2, 3, 4, 3, 2, 1, 0};
    const int ox = box.Left + (box.Width() - 7) / 2;
    const int oy = box.Top + (box.Height() - 7) / 2;
    for (int c = 0; c < 7; ++c)
        p->fillRect(QRect(ox + c, oy + kRise[c], 1, 3), ToQColor(color));
}

void DrawCheckBox(QPainter* p, const TRect& r, unsigned state)
{
    const bool inactive = state & DFCS_INACTIVE;
    const bool grayed = state & DFCS_BUTTON3STATE;
    const bool pushed = state & DFCS_PUSHED;
    TRect inner = r;
    if (state & DFCS_FLAT) {
        Frame(p, r, clBtnShadow, clBtnShadow);
        inner = InflateRect(r, -1, -1);
    } else {
        Frame(p, r, clBtnShadow, clBtnHighlight);
        Frame(p, InflateRect(r, -1, -1), cl3DDkShadow, cl3DLight);
        inner = InflateRect(r, -2, -2);
    }
    const TColor fill = inactive || pushed || (grayed && (state & DFCS_CHECKED)) ? clBtnFace : clWindow;
    p->fillRect(QRect(inner.Left, inner.Top, inner.Width(), inner.Height()), ToQColor(fill));
    if (state & DFCS_CHECKED)
        DrawCheckMark(p, inner, inactive || grayed ? clBtnShadow : clWindowText);
}

void DrawRadio(QPainter* p, const TRect& r, unsigned state)
{
    p->save();
    p->setRenderHint(QPainter::Antialiasing, true);
    const QRectF box(r.Left + 0.5, r.Top + 0.5, r.Width() - 1.0, r.Height() - 1.0);
    p->setPen(ToQColor(clBtnShadow));
    p->setBrush(ToQColor(state & DFCS_INACTIVE ? clBtnFace : clWindow));
    p->drawEllipse(box);
    if (state & DFCS_CHECKED) {
        p->setPen(Qt::NoPen);
        p->setBrush(ToQColor(state & DFCS_INACTIVE ? clBtnShadow : clWindowText));
        const double c = r.Width() / 2.0;
        p->drawEllipse(QPointF(r.Left + c, r.Top + r.Height() / 2.0), c / 2.6, c / 2.6);
    }
    p->restore();
}

void DrawPushFace(QPainter* p, const TRect& r, unsigned state)
{
    p->fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), ToQColor(clBtnFace));
    if (state & DFCS_PUSHED) {
        Frame(p, r, cl3DDkShadow, clBtnHighlight);
        Frame(p, InflateRect(r, -1, -1), clBtnShadow, cl3DLight);
    } else {
        Frame(p, r, clBtnHighlight, cl3DDkShadow);
        Frame(p, InflateRect(r, -1, -1), cl3DLight, clBtnShadow);
    }
}

void DrawCloseGlyph(QPainter* p, const TRect& r, unsigned state)
{
    DrawPushFace(p, r, state);
    const int size = std::min(r.Width(), r.Height()) - 6;
    if (size < 3)
        return;
    const int ox = r.Left + (r.Width() - size) / 2 + ((state & DFCS_PUSHED) ? 1 : 0);
    const int oy = r.Top + (r.Height() - size) / 2 + ((state & DFCS_PUSHED) ? 1 : 0);
    const QColor c = ToQColor(state & DFCS_INACTIVE ? clGrayText : clBtnText);
    for (int i = 0; i < size; ++i) {
        p->fillRect(QRect(ox + i, oy + i, 2, 1), c);
        p->fillRect(QRect(ox + size - 1 - i - 1, oy + i, 2, 1), c);
    }
}

} // namespace

void DrawFrameControl(TCanvas& canvas, const TRect& rect, unsigned type, unsigned state)
{
    if (rect.IsEmpty())
        return;
    QPainter* p = canvas.Handle();
    if (type == DFC_CAPTION) {
        DrawCloseGlyph(p, rect, state);
        return;
    }
    if (type != DFC_BUTTON)
        return;
    if (state & DFCS_BUTTONPUSH)
        DrawPushFace(p, rect, state);
    else if (state & DFCS_BUTTONRADIO)
        DrawRadio(p, rect, state);
    else
        DrawCheckBox(p, rect, state);
}

void DrawEdgeRaised(TCanvas& canvas, const TRect& rect)
{
    Frame(canvas.Handle(), rect, clBtnHighlight, cl3DDkShadow);
    Frame(canvas.Handle(), InflateRect(rect, -1, -1), cl3DLight, clBtnShadow);
}

void DrawEdgeSunken(TCanvas& canvas, const TRect& rect)
{
    Frame(canvas.Handle(), rect, clBtnShadow, clBtnHighlight);
    Frame(canvas.Handle(), InflateRect(rect, -1, -1), cl3DDkShadow, cl3DLight);
}

int ControlBorderWidth(TBorderStyle style, bool ctl3D)
{
    if (style == bsNone)
        return 0;
    return ctl3D ? 2 : 1;
}

void DrawControlBorder(TCanvas& canvas, const TRect& rect, TBorderStyle style, bool ctl3D)
{
    if (style == bsNone)
        return;
    if (ctl3D) {
        DrawEdgeSunken(canvas, rect);
    } else {
        canvas.Brush().SetColor(clWindowFrame);
        canvas.FrameRect(rect);
    }
}

TBitmap* LoadCheckBoxesBitmap()
{
    TBitmap* sheet = TBitmap::Create();
    sheet->SetSize(4 * CheckGlyphSize, 3 * CheckGlyphSize);
    TCanvas& canvas = sheet->Canvas();
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(Rect(0, 0, sheet->Width(), sheet->Height()));
    static const unsigned kRowStyle[3] = {DFCS_BUTTONCHECK, DFCS_BUTTONRADIO, DFCS_BUTTON3STATE};
    static const unsigned kColumnState[4] = {0, DFCS_CHECKED, DFCS_PUSHED, DFCS_CHECKED | DFCS_PUSHED};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            DrawFrameControl(canvas,
                             Bounds(column * CheckGlyphSize, row * CheckGlyphSize, CheckGlyphSize, CheckGlyphSize),
                             DFC_BUTTON, kRowStyle[row] | kColumnState[column]);
    canvas.ReleaseHandle();
    return sheet;
}
