#pragma once
// The gallery form: one of each control, laid out like a small desktop
// application (a query designer with a toolbar, an object list, a work area
// with two table windows and a join line, and a column grid).
#include "platform/ui/Forms.h"

class TImageList;

class TGalleryForm : public TForm {
    VN_CLASS(TGalleryForm, TForm)

public:
    explicit TGalleryForm(TComponent* AOwner);
    void AfterConstruction() override;

private:
    void BuildToolbar();
    void BuildButtonBar();
    void BuildObjectPages();
    void BuildWorkArea(TWinControl* parent);
    void BuildGrid(TWinControl* parent);
    TImageList* FImages = nullptr;
};
