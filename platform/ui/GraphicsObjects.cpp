#include "platform/ui/GraphicsObjects.h"

#include <QFont>
#include <cstdlib>

namespace {

constexpr const char* kDefaultFontName = "Tahoma";
constexpr int kDefaultFontHeight = -11;

bool SameFamily(const std::string& a, const char* b)
{
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if ((a[i] | 0x20) != (b[i] | 0x20))
            return false;
    return i == a.size() && !b[i];
}

} // namespace

std::string MapFontFamily(const std::string& name)
{
    static const char* const kMono[] = {"Courier New", "Courier", "Consolas", "Lucida Console", "Fixedsys"};
    static const char* const kSerif[] = {"Times New Roman", "Times", "Georgia", "MS Serif"};
    static const char* const kWide[] = {"Arial", "Helvetica", "Verdana", "Arial Black"};
    for (const char* f : kMono)
        if (SameFamily(name, f))
            return "DejaVu Sans Mono";
    for (const char* f : kSerif)
        if (SameFamily(name, f))
            return "DejaVu Serif";
    for (const char* f : kWide)
        if (SameFamily(name, f))
            return "DejaVu Sans";
    if (name.rfind("DejaVu", 0) == 0)
        return name;
    // The dialog fonts ("MS Sans Serif", "Tahoma", "Segoe UI", ...) are narrow;
    // the condensed face keeps layouts designed for them from overflowing.
    return "DejaVu Sans Condensed";
}

TFont::TFont() : FName(kDefaultFontName), FHeight(kDefaultFontHeight) {}

void TFont::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TFont::SetName(const std::string& value)
{
    if (value == FName || value.empty())
        return;
    FName = value;
    Changed();
}

int TFont::Size() const
{
    // Points from pixels, rounded as the class library's MulDiv rounds.
    const int pixels = std::abs(FHeight);
    const int points = (pixels * 72 + ScreenPixelsPerInch / 2) / ScreenPixelsPerInch;
    return FHeight < 0 ? points : -points;
}

void TFont::SetSize(int points)
{
    const int pixels = (std::abs(points) * ScreenPixelsPerInch + 36) / 72;
    SetHeight(points < 0 ? pixels : -pixels);
}

void TFont::SetHeight(int value)
{
    if (value == FHeight || value == 0)
        return;
    FHeight = value;
    Changed();
}

void TFont::SetStyle(TFontStyles value)
{
    if (value == FStyle)
        return;
    FStyle = value;
    Changed();
}

void TFont::SetColor(TColor value)
{
    if (value == FColor)
        return;
    FColor = value;
    Changed();
}

void TFont::Assign(const TPersistent* source)
{
    const auto* font = dynamic_cast<const TFont*>(source);
    if (!font) {
        inherited::Assign(source);
        return;
    }
    if (font == this || SameAs(*font))
        return;
    FName = font->FName;
    FHeight = font->FHeight;
    FStyle = font->FStyle;
    FColor = font->FColor;
    Changed();
}

bool TFont::SameAs(const TFont& other) const
{
    return FName == other.FName && FHeight == other.FHeight && FStyle == other.FStyle && FColor == other.FColor;
}

QFont TFont::ToQFont() const
{
    QFont font(QString::fromStdString(MapFontFamily(FName)));
    // A negative height is the character height; a positive one includes the
    // internal leading, which is about a sixth of the cell for these faces.
    const int pixels = FHeight < 0 ? -FHeight : std::max(1, FHeight * 5 / 6);
    font.setPixelSize(pixels);
    font.setBold(FStyle.Contains(fsBold));
    font.setItalic(FStyle.Contains(fsItalic));
    font.setUnderline(FStyle.Contains(fsUnderline));
    font.setStrikeOut(FStyle.Contains(fsStrikeOut));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    return font;
}

void TPen::Assign(const TPersistent* source)
{
    const auto* pen = dynamic_cast<const TPen*>(source);
    if (!pen) {
        inherited::Assign(source);
        return;
    }
    FColor = pen->FColor;
    FWidth = pen->FWidth;
    FStyle = pen->FStyle;
}

void TBrush::Assign(const TPersistent* source)
{
    const auto* brush = dynamic_cast<const TBrush*>(source);
    if (!brush) {
        inherited::Assign(source);
        return;
    }
    FColor = brush->FColor;
    FStyle = brush->FStyle;
}
