#include "platform/ui/ImgList.h"

#include <QPainter>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

void TCustomImageList::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TCustomImageList::SetSize(int width, int height)
{
    if (width == FWidth && height == FHeight)
        return;
    FWidth = width;
    FHeight = height;
    FImages.clear();
    Changed();
}

QImage TCustomImageList::Fit(const QImage& image) const
{
    QImage fitted = image.convertToFormat(QImage::Format_ARGB32);
    if (fitted.width() != FWidth || fitted.height() != FHeight)
        fitted = fitted.copy(0, 0, FWidth, FHeight);
    return fitted;
}

int TCustomImageList::Add(const TBitmap& image, const TBitmap* mask)
{
    QImage fitted = Fit(image.DrawImage());
    if (mask && !mask->Empty()) {
        const QImage& m = mask->Image();
        for (int y = 0; y < fitted.height() && y < m.height(); ++y)
            for (int x = 0; x < fitted.width() && x < m.width(); ++x)
                if (qGray(m.pixel(x, y)) > 127)
                    fitted.setPixel(x, y, 0);
    }
    FImages.push_back(fitted);
    Changed();
    return Count() - 1;
}

int TCustomImageList::AddMasked(const TBitmap& image, TColor maskColor)
{
    QImage fitted = Fit(image.Image());
    const QRgb key = ToQColor(maskColor).rgb() & 0xFFFFFF;
    for (int y = 0; y < fitted.height(); ++y)
        for (int x = 0; x < fitted.width(); ++x)
            if ((fitted.pixel(x, y) & 0xFFFFFF) == key)
                fitted.setPixel(x, y, 0);
    FImages.push_back(fitted);
    Changed();
    return Count() - 1;
}

void TCustomImageList::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    FImages.erase(FImages.begin() + index);
    Changed();
}

void TCustomImageList::Clear()
{
    FImages.clear();
    Changed();
}

QImage TCustomImageList::Image(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    return FImages[static_cast<size_t>(index)];
}

void TCustomImageList::GetBitmap(int index, TBitmap& bitmap) const
{
    const QImage image = Image(index);
    if (image.isNull())
        return;
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(ToQColor(clFuchsia));
    QPainter p(&flat);
    p.drawImage(0, 0, image);
    p.end();
    bitmap.SetImage(flat);
    bitmap.SetTransparentColor(clFuchsia);
    bitmap.SetTransparent(true);
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const
{
    const QImage image = Image(index);
    if (image.isNull())
        return;
    QPainter* p = canvas.Handle();
    if (enabled) {
        p->drawImage(x, y, image);
        return;
    }
    // Disabled: grey, lighter, with the same transparent pixels.
    QImage grey = image;
    for (int row = 0; row < grey.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(row));
        for (int col = 0; col < grey.width(); ++col) {
            const int level = 128 + qGray(line[col]) / 2;
            line[col] = qRgba(level, level, level, qAlpha(line[col]));
        }
    }
    p->drawImage(x, y, grey);
}
