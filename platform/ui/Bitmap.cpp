#include "platform/ui/Bitmap.h"

#include <QPainter>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/core/Classes.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Resources.h"
#include "platform/ui/UiExceptions.h"

void TGraphic::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    Changed();
}

void TGraphic::Changed()
{
    if (OnChange)
        OnChange(this);
}

TBitmap::TBitmap() = default;
TBitmap::~TBitmap() = default;

void TBitmap::FinishDrawing() const
{
    if (FCanvas)
        FCanvas->ReleaseHandle();
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == Width() && height == Height())
        return;
    FinishDrawing();
    QImage resized;
    if (width > 0 && height > 0) {
        resized = QImage(width, height, QImage::Format_RGB32);
        resized.fill(Qt::white);
        if (!FImage.isNull()) {
            QPainter p(&resized);
            p.drawImage(0, 0, FImage);
        }
    }
    FImage = resized;
    Changed();
}

TColor TBitmap::TransparentColor() const
{
    if (FTransparentMode == tmFixed && FTransparentColor != clDefault)
        return FTransparentColor;
    const QImage& image = Image();
    if (image.isNull())
        return clDefault;
    return FromQColor(QColor(image.pixel(0, image.height() - 1)));
}

void TBitmap::SetTransparentColor(TColor value)
{
    if (value == FTransparentColor)
        return;
    FTransparentColor = value;
    FTransparentMode = value == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value)
{
    if (value == FTransparentMode)
        return;
    FTransparentMode = value;
    if (value == tmAuto)
        FTransparentColor = clDefault;
    Changed();
}

void TBitmap::LoadFromMemory(const void* data, size_t size)
{
    QImage image;
    if (!image.loadFromData(static_cast<const uchar*>(data), static_cast<int>(size), "BMP"))
        throw EInvalidGraphic("Bitmap image is not valid");
    FinishDrawing();
    FImage = image.convertToFormat(QImage::Format_RGB32);
    Changed();
}

void TBitmap::LoadFromStream(TStream& stream)
{
    const int64_t count = stream.Size() - stream.Position();
    std::vector<char> bytes(static_cast<size_t>(std::max<int64_t>(0, count)));
    if (!bytes.empty())
        stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    LoadFromMemory(bytes.data(), bytes.size());
}

void TBitmap::LoadFromFile(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw EInvalidGraphic("Cannot open file \"" + fileName + "\"");
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LoadFromMemory(bytes.data(), bytes.size());
}

void TBitmap::LoadFromResourceName(const std::string& name)
{
    const TResourceData resource = FindResource(name);
    if (!resource.Data)
        throw EResNotFound("Resource " + name + " not found");
    LoadFromMemory(resource.Data, resource.Size);
}

void TBitmap::SaveToFile(const std::string& fileName) const
{
    const QImage& image = Image();
    const bool png = fileName.size() > 4 && fileName.compare(fileName.size() - 4, 4, ".png") == 0;
    if (!image.save(QString::fromStdString(fileName), png ? "PNG" : "BMP"))
        throw EInvalidGraphic("Cannot write file \"" + fileName + "\"");
}

void TBitmap::Assign(const TPersistent* source)
{
    const auto* bitmap = dynamic_cast<const TBitmap*>(source);
    if (!bitmap) {
        inherited::Assign(source);
        return;
    }
    if (bitmap == this)
        return;
    FinishDrawing();
    FImage = bitmap->Image().copy();
    FTransparent = bitmap->FTransparent;
    FTransparentMode = bitmap->FTransparentMode;
    FTransparentColor = bitmap->FTransparentColor;
    Changed();
}

TCanvas& TBitmap::Canvas()
{
    if (FImage.isNull())
        FImage = QImage(0, 0, QImage::Format_RGB32);
    if (!FCanvas)
        FCanvas = std::make_unique<TCanvas>(&FImage);
    return *FCanvas;
}

const QImage& TBitmap::Image() const
{
    FinishDrawing();
    return FImage;
}

void TBitmap::SetImage(const QImage& image)
{
    FinishDrawing();
    FImage = image.convertToFormat(QImage::Format_RGB32);
    Changed();
}

QImage TBitmap::DrawImage() const
{
    const QImage& image = Image();
    if (!FTransparent || image.isNull())
        return image;
    const QRgb key = ToQColor(TransparentColor()).rgb() & 0xFFFFFF;
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
    }
    return masked;
}
