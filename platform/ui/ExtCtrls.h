#pragma once
// Panels, splitters and images.
#include "platform/ui/Controls.h"

class TCustomPanel : public TCustomControl {
    VN_CLASS(TCustomPanel, TCustomControl)

public:
    explicit TCustomPanel(TComponent* AOwner);

    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    // bsSingle adds a sunken edge around the client area.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TRect NonClientInsets() const override;

protected:
    void AdjustClientRect(TRect& Rect) override;
    void Paint() override;
    void PaintNonClient(TCanvas& Canvas) override;

private:
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    TBorderStyle FBorderStyle = bsNone;
    TAlignment FAlignment = taCenter;
};

class TPanel : public TCustomPanel {
    VN_CLASS(TPanel, TCustomPanel)

public:
    using TCustomPanel::TCustomPanel;
};

// Draws width nested frames, top/left in one colour and bottom/right in the
// other, and shrinks rect by them.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);

// A bar that resizes the control it lies against (the neighbour aligned the
// same way) when dragged.
class TSplitter : public TGraphicControl {
    VN_CLASS(TSplitter, TGraphicControl)

public:
    explicit TSplitter(TComponent* AOwner);
    int MinSize() const { return FMinSize; }
    void SetMinSize(int value) { FMinSize = value; }
    bool Beveled() const { return FBeveled; }
    void SetBeveled(bool value);
    // The control the splitter resizes, or null.
    TControl* FindResizedControl() const;
    TNotifyHandler OnMoved;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    int FMinSize = 30;
    bool FBeveled = false;
    TControl* FResized = nullptr;
    TPoint FDownPos;
    int FOldSize = 0;
};

class TPicture;

// Shows a picture.
class TImage : public TGraphicControl {
    VN_CLASS(TImage, TGraphicControl)

public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;
    TPicture& Picture() { return *FPicture; }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    void AdjustSize() override;

protected:
    void Paint() override;

private:
    TPicture* FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FTransparent = false;
};
