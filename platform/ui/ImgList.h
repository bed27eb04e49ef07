#pragma once
// A list of equally sized images, drawn by index.
#include <vector>

#include <QImage>

#include "platform/core/Component.h"
#include "platform/ui/Colors.h"

class TBitmap;
class TCanvas;

class TCustomImageList : public TComponent {
    VN_CLASS(TCustomImageList, TComponent)

public:
    explicit TCustomImageList(TComponent* AOwner);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Changing the size clears the list.
    void SetSize(int width, int height);
    int Count() const { return static_cast<int>(FImages.size()); }
    // Adds the image (scaled to the list's size); pixels that are set in the
    // mask (when given) become transparent. Returns the new index.
    int Add(const TBitmap& image, const TBitmap* mask = nullptr);
    // Adds the image with every pixel of maskColor transparent.
    int AddMasked(const TBitmap& image, TColor maskColor);
    void Delete(int index);
    void Clear();
    // Copies an image into a bitmap (transparent pixels become the bitmap's
    // transparent colour).
    void GetBitmap(int index, TBitmap& bitmap) const;
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    // The image with its transparency, for Qt.
    QImage Image(int index) const;
    TNotifyEvent OnChange;

private:
    void Changed();
    QImage Fit(const QImage& image) const;
    int FWidth = 16;
    int FHeight = 16;
    std::vector<QImage> FImages;
};

class TImageList : public TCustomImageList {
    VN_CLASS(TImageList, TCustomImageList)

public:
    using TCustomImageList::TCustomImageList;
};
