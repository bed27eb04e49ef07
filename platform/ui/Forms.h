#pragma once
// Forms and scrolling containers. A form is a top-level window, or a child
// window inside another control; either way its caption bar and frame are
// painted by us around the client area, with our fixed metrics. A modal form
// runs our own loop (see TApplication::SetModalHook for tests).
#include <string>

#include "platform/ui/Controls.h"

class QScrollBar;

enum TScrollBarKind { sbHorizontal, sbVertical };

// One scroll bar of a scrolling control. Scrolling moves the children: a
// child's Left/Top stay relative to the visible origin.
class TControlScrollBar {
public:
    TControlScrollBar(class TScrollingWinControl* control, TScrollBarKind kind) : FControl(control), FKind(kind) {}

    TScrollBarKind Kind() const { return FKind; }
    int Position() const { return FPosition; }
    void SetPosition(int value);
    // The extent of the content; computed from the children when AutoScroll is on.
    int Range() const { return FRange; }
    void SetRange(int value);
    int Increment() const { return FIncrement; }
    void SetIncrement(int value) { FIncrement = value; }
    bool Tracking() const { return FTracking; }
    void SetTracking(bool value) { FTracking = value; }
    // Whether the bar may show at all.
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // Whether the bar shows now (the range exceeds the client size).
    bool IsScrollBarVisible() const { return FShown; }

private:
    friend class TScrollingWinControl;
    TScrollingWinControl* FControl;
    TScrollBarKind FKind;
    int FPosition = 0;
    int FRange = 0;
    int FIncrement = 8;
    bool FTracking = false;
    bool FVisible = true;
    bool FShown = false;
};

class TScrollingWinControl : public TWinControl {
    VN_CLASS(TScrollingWinControl, TWinControl)

public:
    explicit TScrollingWinControl(TComponent* AOwner);
    ~TScrollingWinControl() override;

    TControlScrollBar& HorzScrollBar() { return FHorzScrollBar; }
    TControlScrollBar& VertScrollBar() { return FVertScrollBar; }
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool value);
    // Scrolls so that the control is visible.
    void ScrollInView(TControl* AControl);
    // The frame plus the scroll bars that show.
    TRect NonClientInsets() const override;
    void WndProc(TMessage& Message) override;

protected:
    friend class TControlScrollBar;
    // The frame around the client area and the scroll bars.
    virtual TRect FrameInsets() const { return {}; }
    void CreateWnd() override;
    void ChildGotFocus(TWinControl* control) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    virtual void AutoScrollInView(TControl* AControl);
    void PaintNonClient(TCanvas& Canvas) override;
    // Content ranges from the children: alNone/alLeft/alTop children (with a
    // left/top anchor) extend them, right and bottom aligned ones add margins.
    void CalcAutoRange();
    // Shows or hides the bars for the current ranges and clamps positions;
    // true when a bar appeared or disappeared.
    bool UpdateScrollBars();
    void ScrollBarMoved(TScrollBarKind kind, int position);

private:
    void PlaceScrollBars();
    TControlScrollBar FHorzScrollBar;
    TControlScrollBar FVertScrollBar;
    bool FAutoScroll = true;
    bool FUpdatingBars = false;
    QScrollBar* FHorzWidget = nullptr;
    QScrollBar* FVertWidget = nullptr;
};

class TScrollBox : public TScrollingWinControl {
    VN_CLASS(TScrollBox, TScrollingWinControl)

public:
    explicit TScrollBox(TComponent* AOwner);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);

protected:
    TRect FrameInsets() const override;
    void PaintNonClient(TCanvas& Canvas) override;

private:
    TBorderStyle FBorderStyle = bsSingle;
};

enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};

enum TCloseAction { caNone, caHide, caFree, caMinimize };

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;

using TCloseEvent = TEvent<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TEvent<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TScrollingWinControl {
    VN_CLASS(TCustomForm, TScrollingWinControl)

public:
    explicit TCustomForm(TComponent* AOwner);
    void Destroy() override;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control);
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }

    // Shows the form (placing a top-level form as Position says, once).
    void ShowForm() { SetVisible(true); }
    void Close();
    // Frees the form later, from the event loop.
    void Release();
    virtual bool CloseQuery();
    // Shows the form modally and returns its ModalResult.
    virtual TModalResult ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    bool Modal() const { return FModal; }
    // True while the focus is inside the form.
    bool Active() const;
    bool Showing() const override;

    // Enter and Esc: presses the default or cancel button; true when one was pressed.
    bool DialogKey(uint16_t key);

    void WndProc(TMessage& Message) override;

    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyHandler OnShow;
    TNotifyHandler OnHide;

protected:
    TRect FrameInsets() const override;
    void CreateWnd() override;
    void VisibleChanged() override;
    void TextChanged() override;
    void PaintNonClient(TCanvas& Canvas) override;
    int NonClientHitTest(TPoint p) override;
    virtual void DoClose(TCloseAction& Action);
    virtual void DoShow();
    virtual void DoHide();
    int CaptionHeight() const;
    int FrameWidth() const;
    TRect CloseButtonRect() const;

private:
    void CloseModal();
    void PlaceOnScreen();
    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TPosition FPosition = poDesigned;
    TWinControl* FActiveControl = nullptr;
    TModalResult FModalResult = mrNone;
    bool FModal = false;
    bool FKeyPreview = false;
    bool FPlaced = false;
};

class TForm : public TCustomForm {
    VN_CLASS(TForm, TCustomForm)

public:
    explicit TForm(TComponent* AOwner);
};

// The form a control is on (the outermost form of its parent chain), or null.
TCustomForm* GetParentForm(TControl* control);

// The screen: fixed size.
class TScreen {
public:
    int Width() const;
    int Height() const;
};
extern TScreen* const Screen;
