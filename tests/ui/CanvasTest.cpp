// Drawing with the class library's pixel rules, bitmaps, resources, colours
// and fonts.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <cstring>
#include <vector>

#include "platform/core/Streams.h"
#include "platform/core/TypInfo.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/UiExceptions.h"

namespace {

struct FreeObject {
    void operator()(TObject* o) const { o->Free(); }
};
using BitmapPtr = std::unique_ptr<TBitmap, FreeObject>;

BitmapPtr WhiteBitmap(int w, int h)
{
    BitmapPtr bitmap(TBitmap::Create());
    bitmap->SetSize(w, h);
    return bitmap;
}

bool IsBlack(const TBitmap& b, int x, int y)
{
    return (b.Image().pixel(x, y) & 0xFFFFFF) == 0;
}

// A Windows bitmap file: 8 bits per pixel, 2-colour palette, bottom-up rows.
std::vector<unsigned char> TinyBmp(int w, int h, const std::vector<int>& topDownIndexes)
{
    const int rowSize = (w + 3) / 4 * 4;
    const int palette = 2 * 4;
    const int offset = 14 + 40 + palette;
    const int size = offset + rowSize * h;
    std::vector<unsigned char> bmp(static_cast<size_t>(size), 0);
    auto put32 = [&](int at, uint32_t v) { std::memcpy(&bmp[static_cast<size_t>(at)], &v, 4); };
    auto put16 = [&](int at, uint16_t v) { std::memcpy(&bmp[static_cast<size_t>(at)], &v, 2); };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, static_cast<uint32_t>(size));
    put32(10, static_cast<uint32_t>(offset));
    put32(14, 40);
    put32(18, static_cast<uint32_t>(w));
    put32(22, static_cast<uint32_t>(h));
    put16(26, 1);
    put16(28, 8);
    put32(46, 2);
    // Palette: index 0 red, index 1 white (B, G, R, 0).
    bmp[54 + 2] = 255;
    bmp[58] = 255;
    bmp[59] = 255;
    bmp[60] = 255;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            bmp[static_cast<size_t>(offset + (h - 1 - y) * rowSize + x)] =
                static_cast<unsigned char>(topDownIndexes[static_cast<size_t>(y * w + x)]);
    return bmp;
}

TEST(Canvas, LinesAndShapesFollowThePixelRules)
{
    struct Case {
        const char* what;
        std::function<void(TCanvas&)> draw;
        std::vector<TPoint> black;
        std::vector<TPoint> white;
    };
    const Case cases[] = {
        {"a polyline omits its last point",
         [](TCanvas& c) { c.Polyline({{1, 1}, {6, 1}, {6, 6}}); },
         {{1, 1}, {5, 1}, {6, 1}, {6, 5}},
         {{6, 6}, {0, 1}, {7, 1}}},
        {"LineTo leaves out the end point",
         [](TCanvas& c) {
             c.MoveTo(2, 3);
             c.LineTo(8, 3);
         },
         {{2, 3}, {7, 3}},
         {{8, 3}, {1, 3}}},
        {"a rectangle excludes its right and bottom edges",
         [](TCanvas& c) {
             c.Brush().SetStyle(bsClear);
             c.Rectangle(2, 2, 8, 6);
         },
         {{2, 2}, {7, 2}, {2, 5}, {7, 5}},
         {{8, 2}, {2, 6}, {4, 4}}},
        {"FillRect covers left/top, not right/bottom",
         [](TCanvas& c) {
             c.Brush().SetColor(clBlack);
             c.FillRect(Rect(3, 3, 6, 5));
         },
         {{3, 3}, {5, 4}},
         {{6, 3}, {3, 5}, {2, 3}}},
        {"a filled polygon in the brush colour",
         [](TCanvas& c) {
             c.Pen().SetStyle(psClear);
             c.Brush().SetColor(clBlack);
             c.Polygon({{1, 1}, {9, 1}, {9, 9}, {1, 9}});
         },
         {{4, 4}, {2, 2}},
         {{0, 0}, {9, 9}}},
        {"an ellipse stays inside its box",
         [](TCanvas& c) {
             c.Brush().SetColor(clBlack);
             c.Ellipse(2, 2, 10, 10);
         },
         {{5, 5}, {2, 5}, {9, 5}},
         {{10, 5}, {1, 5}, {2, 2}}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        BitmapPtr bitmap = WhiteBitmap(12, 12);
        test.draw(bitmap->Canvas());
        for (TPoint p : test.black)
            EXPECT_TRUE(IsBlack(*bitmap, p.X, p.Y)) << p.X << "," << p.Y;
        for (TPoint p : test.white)
            EXPECT_FALSE(IsBlack(*bitmap, p.X, p.Y)) << p.X << "," << p.Y;
    }
}

TEST(Canvas, ClipIsSavedNarrowedAndRestored)
{
    BitmapPtr bitmap = WhiteBitmap(10, 10);
    TCanvas& c = bitmap->Canvas();
    c.Brush().SetColor(clBlack);
    c.SaveClip();
    c.IntersectClipRect(Rect(2, 2, 4, 4));
    c.FillRect(Rect(0, 0, 10, 10));
    c.RestoreClip();
    c.FillRect(Rect(8, 8, 10, 10));
    EXPECT_TRUE(IsBlack(*bitmap, 3, 3));
    EXPECT_FALSE(IsBlack(*bitmap, 5, 5));
    EXPECT_FALSE(IsBlack(*bitmap, 1, 1));
    EXPECT_TRUE(IsBlack(*bitmap, 9, 9));
}

TEST(Bitmap, LoadsWindowsBitmapsAndDrawsTheBottomLeftColourTransparent)
{
    // Red border on white: the bottom-left pixel (red) becomes transparent.
    const std::vector<int> pixels = {0, 0, 0, 0, 1, 0, 0, 0, 0};
    const auto bytes = TinyBmp(3, 3, pixels);
    BitmapPtr icon(TBitmap::Create());
    TMemoryStream* stream = TMemoryStream::Create();
    stream->Write(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream->SetPosition(0);
    icon->LoadFromStream(*stream);
    stream->Free();
    ASSERT_EQ(icon->Width(), 3);
    ASSERT_EQ(icon->Height(), 3);
    EXPECT_EQ(FromQColor(QColor(icon->Image().pixel(0, 0))), clRed);
    EXPECT_EQ(FromQColor(QColor(icon->Image().pixel(1, 1))), clWhite);

    icon->SetTransparent(true);
    EXPECT_EQ(icon->TransparentColor(), clRed);
    BitmapPtr target = WhiteBitmap(5, 5);
    target->Canvas().Brush().SetColor(clBlue);
    target->Canvas().FillRect(Rect(0, 0, 5, 5));
    target->Canvas().Draw(1, 1, *icon);
    EXPECT_EQ(FromQColor(QColor(target->Image().pixel(1, 1))), clBlue);
    EXPECT_EQ(FromQColor(QColor(target->Image().pixel(2, 2))), clWhite);
}

TEST(Bitmap, RejectsBytesThatAreNoBitmap)
{
    BitmapPtr bitmap(TBitmap::Create());
    const char junk[] = "not a bitmap at all";
    EXPECT_THROW(bitmap->LoadFromMemory(junk, sizeof junk), EInvalidGraphic);
    EXPECT_TRUE(bitmap->Empty());
}

TEST(Bitmap, LoadsNamedResourcesIgnoringCase)
{
    static const auto bytes = TinyBmp(2, 2, {1, 1, 1, 0});
    RegisterResource("TESTGLYPH", bytes.data(), bytes.size());
    BitmapPtr bitmap(TBitmap::Create());
    bitmap->LoadFromResourceName("TestGlyph");
    EXPECT_EQ(bitmap->Width(), 2);
    EXPECT_THROW(bitmap->LoadFromResourceName("NO_SUCH_GLYPH"), EResNotFound);
}

TEST(Bitmap, ResourcesEmbeddedByTheBuildAreFound)
{
    BitmapPtr bitmap(TBitmap::Create());
    bitmap->LoadFromResourceName("vnqb_test_glyph");
    ASSERT_EQ(bitmap->Width(), 4);
    EXPECT_EQ(FromQColor(QColor(bitmap->Image().pixel(0, 0))), clRed);
    EXPECT_EQ(FromQColor(QColor(bitmap->Image().pixel(3, 3))), clWhite);
}

TEST(ImageList, MaskedImagesDrawWithTheirTransparencyEnabledOrNot)
{
    TImageList* images = TImageList::Create(nullptr);
    BitmapPtr icon = WhiteBitmap(16, 16);
    icon->Canvas().Brush().SetColor(clFuchsia);
    icon->Canvas().FillRect(Rect(0, 0, 16, 16));
    icon->Canvas().Brush().SetColor(clBlack);
    icon->Canvas().FillRect(Rect(4, 4, 12, 12));
    EXPECT_EQ(images->AddMasked(*icon, clFuchsia), 0);
    EXPECT_EQ(images->Count(), 1);
    for (bool enabled : {true, false}) {
        BitmapPtr target = WhiteBitmap(20, 20);
        target->Canvas().Brush().SetColor(clBlue);
        target->Canvas().FillRect(Rect(0, 0, 20, 20));
        images->Draw(target->Canvas(), 2, 2, 0, enabled);
        EXPECT_EQ(FromQColor(QColor(target->Image().pixel(3, 3))), clBlue) << enabled;
        const TColor middle = FromQColor(QColor(target->Image().pixel(10, 10)));
        EXPECT_EQ(middle == clBlack, enabled);
    }
    EXPECT_THROW(images->Delete(5), EListError);
    images->Free();
}

TEST(Colors, SystemColoursResolveThroughTheFixedPalette)
{
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(240, 240, 240));
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clNavy), RGB(0, 0, 128));
    // Form files name colours by identifier, ignoring case when reading.
    std::int64_t parsed = 0;
    ASSERT_TRUE(IdentToColor("clappworkspace", parsed));
    EXPECT_EQ(parsed, clAppWorkSpace);
    std::string ident;
    ASSERT_TRUE(ColorToIdent(clBtnShadow, ident));
    EXPECT_EQ(ident, "clBtnShadow");
    EXPECT_FALSE(ColorToIdent(RGB(1, 2, 3), ident));
    EXPECT_FALSE(IdentToColor("clNoSuchColour", parsed));
}

TEST(Fonts, FamiliesMapOntoInstalledDejaVuFacesAtFixedPixelSizes)
{
    TFont* font = TFont::Create();
    font->SetName("Arial");
    font->SetSize(13);
    EXPECT_EQ(font->Height(), -17);
    EXPECT_EQ(font->Size(), 13);
    const QFontInfo arial(font->ToQFont());
    EXPECT_EQ(arial.family().toStdString(), "DejaVu Sans");
    EXPECT_EQ(arial.pixelSize(), 17);
    font->SetName("MS Sans Serif");
    font->SetHeight(-11);
    const QFontInfo dialog(font->ToQFont());
    EXPECT_TRUE(dialog.family().startsWith("DejaVu Sans")) << dialog.family().toStdString();
    EXPECT_EQ(font->Size(), 8);
    font->Free();
}

TEST(SystemMetrics, FixedTableAndCheckBoxSheet)
{
    EXPECT_EQ(GetSystemMetrics(SM_CYSMCAPTION), 15);
    EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), 4);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
    EXPECT_EQ(GetSystemMetrics(9999), 0);
    BitmapPtr sheet(LoadCheckBoxesBitmap());
    EXPECT_EQ(sheet->Width() / 4, 13);
    EXPECT_EQ(sheet->Height() / 3, 13);
    // The checked glyph (column 1) has its mark; the unchecked one does not.
    auto darkPixels = [&](int column) {
        int dark = 0;
        for (int y = 3; y < 10; ++y)
            for (int x = 3; x < 10; ++x)
                dark += qGray(sheet->Image().pixel(column * 13 + x, y)) < 64;
        return dark;
    };
    EXPECT_EQ(darkPixels(0), 0);
    EXPECT_GT(darkPixels(1), 10);
}

} // namespace
