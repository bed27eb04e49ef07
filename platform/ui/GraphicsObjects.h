#pragma once
// Font, pen and brush: the drawing attributes of a canvas and of controls.
#include <string>

#include "platform/core/Persistent.h"
#include "platform/core/Set.h"
#include "platform/ui/Colors.h"

class QFont;

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

// Screen resolution the library works at; font sizes in points convert with it.
constexpr int ScreenPixelsPerInch = 96;

// A font by family name, size and style. Height is the character height in
// pixels, negative as the class library stores it; Size is in points at 96 DPI.
// Families that this machine lacks map onto the DejaVu families.
class TFont : public TPersistent {
    VN_CLASS(TFont, TPersistent)

public:
    TFont();

    const std::string& Name() const { return FName; }
    void SetName(const std::string& value);
    int Size() const;
    void SetSize(int points);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);

    void Assign(const TPersistent* source) override;
    void Assign(const TFont& source) { Assign(static_cast<const TPersistent*>(&source)); }
    bool SameAs(const TFont& other) const;
    // Called after every change of an attribute.
    TNotifyEvent OnChange;

    QFont ToQFont() const;

private:
    void Changed();
    std::string FName;
    int FHeight;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
};

// The Qt family that stands in for a family name of the class library.
std::string MapFontFamily(const std::string& name);

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen : public TPersistent {
    VN_CLASS(TPen, TPersistent)

public:
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    int Width() const { return FWidth; }
    void SetWidth(int value) { FWidth = value < 1 ? 1 : value; }
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value) { FStyle = value; }
    void Assign(const TPersistent* source) override;

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TPersistent {
    VN_CLASS(TBrush, TPersistent)

public:
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle value) { FStyle = value; }
    void Assign(const TPersistent* source) override;

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};
