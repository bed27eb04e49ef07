#pragma once
// A picture holder: a control's property that owns one graphic (a bitmap).
#include <memory>
#include <string>

#include "platform/ui/Bitmap.h"

class TPicture : public TPersistent {
    VN_CLASS(TPicture, TPersistent)

public:
    TPicture();
    ~TPicture() override;

    // The held graphic, or null when the picture is empty.
    TGraphic* Graphic() const { return FBitmap.get(); }
    // The held bitmap; an empty picture gets a new, empty bitmap.
    TBitmap& Bitmap();
    int Width() const { return FBitmap ? FBitmap->Width() : 0; }
    int Height() const { return FBitmap ? FBitmap->Height() : 0; }
    bool Empty() const { return !FBitmap || FBitmap->Empty(); }

    // Copies a picture or a bitmap.
    void Assign(const TPersistent* source) override;
    void Clear();
    void LoadFromFile(const std::string& fileName);
    TNotifyEvent OnChange;

private:
    void Changed();
    struct FreeObject {
        void operator()(TObject* object) const { object->Free(); }
    };
    std::unique_ptr<TBitmap, FreeObject> FBitmap;
};
