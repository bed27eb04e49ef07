#include "platform/ui/Picture.h"

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed()
{
    if (OnChange)
        OnChange(this);
}

TBitmap& TPicture::Bitmap()
{
    if (!FBitmap) {
        FBitmap.reset(TBitmap::Create());
        FBitmap->OnChange = [this](TObject*) { Changed(); };
    }
    return *FBitmap;
}

void TPicture::Assign(const TPersistent* source)
{
    if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
        if (picture == this)
            return;
        if (picture->FBitmap)
            Bitmap().Assign(*picture->FBitmap);
        else
            Clear();
        return;
    }
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        Bitmap().Assign(*bitmap);
        return;
    }
    if (!source) {
        Clear();
        return;
    }
    inherited::Assign(source);
}

void TPicture::Clear()
{
    if (!FBitmap)
        return;
    FBitmap.reset();
    Changed();
}

void TPicture::LoadFromFile(const std::string& fileName)
{
    Bitmap().LoadFromFile(fileName);
}
