#pragma once
// Speed buttons (windowless, with exclusive groups) and bitmap buttons.
#include "platform/ui/StdCtrls.h"

class TBitmap;

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
    VN_CLASS(TSpeedButton, TGraphicControl)

public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    // Buttons of one parent with the same non-zero group index form a group
    // in which at most one is down.
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool Down() const { return FDown; }
    void SetDown(bool value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value) { FAllowAllUp = value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    TBitmap& Glyph() { return *FGlyph; }
    TButtonState State() const { return FState; }
    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    TButtonState FState = bsUp;

private:
    void UpdateExclusive();
    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FFlat = false;
    bool FDragging = false;
    TBitmap* FGlyph;
};

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

// A push button with a glyph; a kind other than bkCustom gives the standard
// caption, glyph, modal result and default/cancel role.
class TBitBtn : public TButton {
    VN_CLASS(TBitBtn, TButton)

public:
    explicit TBitBtn(TComponent* AOwner);
    ~TBitBtn() override;
    TBitBtnKind Kind() const { return FKind; }
    void SetKind(TBitBtnKind value);
    TBitmap& Glyph() { return *FGlyph; }

protected:
    void InitWidget() override;

private:
    void UpdateIcon();
    TBitBtnKind FKind = bkCustom;
    TBitmap* FGlyph;
};
