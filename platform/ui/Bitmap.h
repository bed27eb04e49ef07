#pragma once
// Raster pictures: the abstract graphic and the bitmap over a QImage (not a
// QPixmap, so bitmaps can be made before the GUI application exists).
#include <cstddef>
#include <memory>
#include <string>

#include <QImage>

#include "platform/core/Persistent.h"
#include "platform/ui/Colors.h"

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
    VN_CLASS(TGraphic, TPersistent)

public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const = 0;
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);
    // The picture as Qt draws it, transparent pixels cleared.
    virtual QImage DrawImage() const = 0;
    TNotifyEvent OnChange;

protected:
    void Changed();
    bool FTransparent = false;
};

enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
    VN_CLASS(TBitmap, TGraphic)

public:
    TBitmap();
    ~TBitmap() override;

    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }
    bool Empty() const override { return FImage.isNull(); }
    void SetWidth(int value) { SetSize(value, Height()); }
    void SetHeight(int value) { SetSize(Width(), value); }
    // Resizes, keeping the overlapping pixels; new pixels are white.
    void SetSize(int width, int height);

    // The colour shown as transparent: in automatic mode the bottom-left pixel.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode value);

    // Reads a Windows bitmap file image (BMP); raises EInvalidGraphic when the
    // bytes are not one.
    void LoadFromMemory(const void* data, size_t size);
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::string& fileName);
    // Loads the embedded resource of that name (see Resources.h); raises
    // EResNotFound when there is none.
    void LoadFromResourceName(const std::string& name);
    void SaveToFile(const std::string& fileName) const;

    void Assign(const TPersistent* source) override;
    void Assign(const TBitmap& source) { Assign(static_cast<const TPersistent*>(&source)); }
    TCanvas& Canvas();
    // The pixels, with any drawing on the canvas finished.
    const QImage& Image() const;
    void SetImage(const QImage& image);
    QImage DrawImage() const override;

private:
    void FinishDrawing() const;
    QImage FImage;
    std::unique_ptr<TCanvas> FCanvas;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = clDefault;
};
