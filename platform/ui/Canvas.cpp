#include "platform/ui/Canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include "platform/ui/Bitmap.h"

namespace {

QPolygon ToPolygon(const std::vector<TPoint>& points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const TPoint& p : points)
        polygon << QPoint(p.X, p.Y);
    return polygon;
}

Qt::PenStyle ToQtPenStyle(TPenStyle style)
{
    switch (style) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

Qt::BrushStyle ToQtBrushStyle(TBrushStyle style)
{
    switch (style) {
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
    }
}

} // namespace

TCanvas::TCanvas(QPaintDevice* device) : FDevice(device) {}

TCanvas::TCanvas(QPainter* painter) : FPainter(painter)
{
    FPainter->setRenderHint(QPainter::Antialiasing, false);
}

TCanvas::~TCanvas()
{
    ReleaseHandle();
}

QPainter* TCanvas::Handle()
{
    if (!FPainter && FDevice) {
        FOwnPainter = std::make_unique<QPainter>(FDevice);
        FOwnPainter->setRenderHint(QPainter::Antialiasing, false);
        FPainter = FOwnPainter.get();
    }
    return FPainter;
}

void TCanvas::ReleaseHandle()
{
    if (!FOwnPainter)
        return;
    while (FSavedClips > 0) {
        FOwnPainter->restore();
        --FSavedClips;
    }
    FOwnPainter->end();
    FOwnPainter.reset();
    FPainter = nullptr;
}

void TCanvas::ApplyPen()
{
    QPen pen(ToQColor(FPen.Color()));
    pen.setStyle(ToQtPenStyle(FPen.Style()));
    if (FPen.Width() <= 1) {
        // A one-pixel cosmetic pen with flat caps leaves out a line's last
        // point, as the class library's lines do.
        pen.setWidth(0);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
    } else {
        pen.setWidth(FPen.Width());
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    Handle()->setPen(pen);
}

void TCanvas::ApplyBrush()
{
    Handle()->setBrush(QBrush(ToQColor(FBrush.Color()), ToQtBrushStyle(FBrush.Style())));
}

void TCanvas::ApplyFont()
{
    Handle()->setFont(FFont.ToQFont());
    Handle()->setPen(ToQColor(FFont.Color()));
}

void TCanvas::MoveTo(int x, int y)
{
    FPenPos = {x, y};
}

void TCanvas::LineTo(int x, int y)
{
    if (HasPen()) {
        ApplyPen();
        Handle()->drawLine(FPenPos.X, FPenPos.Y, x, y);
    }
    FPenPos = {x, y};
}

void TCanvas::Polyline(const std::vector<TPoint>& points)
{
    if (points.empty())
        return;
    if (HasPen() && points.size() > 1) {
        ApplyPen();
        Handle()->drawPolyline(ToPolygon(points));
    }
}

void TCanvas::Polygon(const std::vector<TPoint>& points)
{
    if (points.size() < 2)
        return;
    QPainter* p = Handle();
    ApplyBrush();
    if (HasPen())
        ApplyPen();
    else
        p->setPen(Qt::NoPen);
    p->drawPolygon(ToPolygon(points), Qt::OddEvenFill);
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    const int w = x2 - x1;
    const int h = y2 - y1;
    if (w <= 0 || h <= 0)
        return;
    QPainter* p = Handle();
    if (HasBrush()) {
        ApplyBrush();
        p->fillRect(QRect(x1, y1, w, h), p->brush());
    }
    if (HasPen()) {
        ApplyPen();
        p->setBrush(Qt::NoBrush);
        p->drawRect(QRect(x1, y1, w - 1, h - 1));
    }
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    const int w = x2 - x1;
    const int h = y2 - y1;
    if (w <= 0 || h <= 0)
        return;
    QPainter* p = Handle();
    ApplyBrush();
    if (HasPen())
        ApplyPen();
    else
        p->setPen(Qt::NoPen);
    p->drawEllipse(QRect(x1, y1, w - 1, h - 1));
}

void TCanvas::FillRect(const TRect& r)
{
    if (r.IsEmpty() || !HasBrush())
        return;
    ApplyBrush();
    Handle()->fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), Handle()->brush());
}

void TCanvas::FrameRect(const TRect& r)
{
    if (r.IsEmpty())
        return;
    const QColor c = ToQColor(FBrush.Color());
    QPainter* p = Handle();
    p->fillRect(QRect(r.Left, r.Top, r.Width(), 1), c);
    p->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), c);
    p->fillRect(QRect(r.Left, r.Top, 1, r.Height()), c);
    p->fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), c);
}

TSize TCanvas::TextExtent(const std::string& text)
{
    const QFontMetrics metrics(FFont.ToQFont());
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    const TSize size = TextExtent(text);
    if (HasBrush())
        FillRect(Bounds(x, y, size.cx, size.cy));
    ApplyFont();
    Handle()->drawText(QRect(x, y, size.cx + 1, size.cy), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                       QString::fromStdString(text));
    FPenPos = {x + size.cx, y};
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text)
{
    if (HasBrush())
        FillRect(r);
    QPainter* p = Handle();
    p->save();
    p->setClipRect(QRect(r.Left, r.Top, r.Width(), r.Height()), Qt::IntersectClip);
    ApplyFont();
    const TSize size = TextExtent(text);
    p->drawText(QRect(x, y, size.cx + 1, size.cy), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                QString::fromStdString(text));
    p->restore();
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic)
{
    if (graphic.Empty())
        return;
    Handle()->drawImage(QPoint(x, y), graphic.DrawImage());
}

void TCanvas::StretchDraw(const TRect& r, const TGraphic& graphic)
{
    if (graphic.Empty() || r.IsEmpty())
        return;
    Handle()->drawImage(QRect(r.Left, r.Top, r.Width(), r.Height()), graphic.DrawImage());
}

TColor TCanvas::Pixel(int x, int y)
{
    QPainter* p = Handle();
    const QPoint at = p->transform().map(QPoint(x, y));
    auto* image = dynamic_cast<QImage*>(p->device());
    if (!image || !image->rect().contains(at))
        return clNone;
    return FromQColor(QColor(image->pixel(at)));
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    Handle()->fillRect(QRect(x, y, 1, 1), ToQColor(color));
}

void TCanvas::SaveClip()
{
    Handle()->save();
    ++FSavedClips;
}

void TCanvas::IntersectClipRect(const TRect& r)
{
    Handle()->setClipRect(QRect(r.Left, r.Top, r.Width(), r.Height()), Qt::IntersectClip);
}

void TCanvas::RestoreClip()
{
    if (FSavedClips == 0)
        return;
    Handle()->restore();
    --FSavedClips;
}

TRect TCanvas::ClipRect()
{
    QPainter* p = Handle();
    QRect r = p->hasClipping() ? p->clipBoundingRect().toAlignedRect()
                               : p->transform().inverted().mapRect(QRect(QPoint(0, 0), QSize(p->device()->width(), p->device()->height())));
    return Bounds(r.x(), r.y(), r.width(), r.height());
}

void TCanvas::MoveOrigin(int dx, int dy)
{
    Handle()->translate(dx, dy);
}
