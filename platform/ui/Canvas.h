#pragma once
// A drawing surface over QPainter with the class library's pixel conventions:
// lines omit their last point, rectangles and ellipses exclude the right and
// bottom edges, shapes are not antialiased, polygons use alternate filling.
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Geometry.h"
#include "platform/ui/GraphicsObjects.h"

class QPainter;
class QPaintDevice;
class TGraphic;

class TCanvas {
public:
    // A canvas that paints on a device of its own (a bitmap) and opens its
    // painter when first used.
    explicit TCanvas(QPaintDevice* device);
    // A canvas over a painter that someone else opened (a paint event).
    explicit TCanvas(QPainter* painter);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TFont& Font() { return FFont; }
    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }
    TPoint PenPos() const { return FPenPos; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const std::vector<TPoint>& points);
    void Polygon(const std::vector<TPoint>& points);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    // Fills with the brush, no outline.
    void FillRect(const TRect& r);
    // A one-pixel frame in the brush colour.
    void FrameRect(const TRect& r);

    // Text with its cell's top-left at (x, y); a solid brush fills behind it.
    void TextOut(int x, int y, const std::string& text);
    // Text at (x, y) clipped to r; a solid brush fills r first.
    void TextRect(const TRect& r, int x, int y, const std::string& text);
    TSize TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }

    // Draws a graphic unscaled with its top-left at (x, y), honouring its
    // transparency.
    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const TRect& r, const TGraphic& graphic);

    TColor Pixel(int x, int y);
    void SetPixel(int x, int y, TColor color);

    // Clipping: save the current clip, narrow it, restore the saved one.
    void SaveClip();
    void IntersectClipRect(const TRect& r);
    void RestoreClip();
    TRect ClipRect();

    // Moves the origin: later coordinates are shifted by (dx, dy).
    void MoveOrigin(int dx, int dy);

    QPainter* Handle();
    // Ends the painter this canvas opened, so that its device can be read.
    void ReleaseHandle();

private:
    void ApplyPen();
    void ApplyBrush();
    void ApplyFont();
    bool HasPen() const { return FPen.Style() != psClear; }
    bool HasBrush() const { return FBrush.Style() != bsClear; }

    QPaintDevice* FDevice = nullptr;
    std::unique_ptr<QPainter> FOwnPainter;
    QPainter* FPainter = nullptr;
    int FSavedClips = 0;
    TFont FFont;
    TPen FPen;
    TBrush FBrush;
    TPoint FPenPos;
};
