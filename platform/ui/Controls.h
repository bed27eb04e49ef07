#pragma once
// The control hierarchy: TControl (anything on a form), TWinControl (a control
// with a window that can hold other controls), TCustomControl (a windowed
// control that paints itself) and TGraphicControl (a windowless control
// painted and hit-tested by its parent).
//
// Parent and owner are kept apart: the owner frees a control (TComponent),
// the parent shows it; a windowed control frees the controls parented to it,
// whoever owns them. Each windowed control has a Qt widget (its handle),
// created on demand and never deleted by Qt's object tree while the control
// lives. Child positions are in the parent's client coordinates; alignment is
// done by our own engine in the class library's order, not by Qt layouts.
#include <string>
#include <vector>

#include "platform/core/Component.h"
#include "platform/ui/ControlTypes.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Messages.h"

class QWidget;
class QMouseEvent;
class QKeyEvent;
class QPaintEvent;
class QWheelEvent;
class TWinControl;
class TPopupMenu;
class TWidgetDispatch;

// Minimum and maximum size of a control; 0 means no limit.
class TSizeConstraints : public TPersistent {
    VN_CLASS(TSizeConstraints, TPersistent)

public:
    explicit TSizeConstraints(TControl* control = nullptr) : FControl(control) {}

    int MinWidth() const { return FMinWidth; }
    int MinHeight() const { return FMinHeight; }
    int MaxWidth() const { return FMaxWidth; }
    int MaxHeight() const { return FMaxHeight; }
    void SetMinWidth(int value);
    void SetMinHeight(int value);
    void SetMaxWidth(int value);
    void SetMaxHeight(int value);
    void Assign(const TPersistent* source) override;
    // Clamps a proposed size.
    void Apply(int& width, int& height) const;
    TNotifyEvent OnChange;

private:
    void Changed();
    TControl* FControl;
    int FMinWidth = 0;
    int FMinHeight = 0;
    int FMaxWidth = 0;
    int FMaxHeight = 0;
};

// What the alignment engine passes to CustomAlignPosition.
struct TAlignInfo {
    const std::vector<TControl*>* AlignList = nullptr;
    int ControlIndex = 0;
    TAlign Align = alNone;
    int Scratch = 0;
};

class TControl : public TComponent {
    VN_CLASS(TControl, TComponent)

public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;
    void Destroy() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // ---- parent and geometry ------------------------------------------------
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    // Every change of position or size goes through here.
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);

    virtual int ClientWidth() const { return FWidth; }
    virtual int ClientHeight() const { return FHeight; }
    void SetClientWidth(int value);
    void SetClientHeight(int value);
    TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
    // Screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    TPoint ClientToParent(TPoint p, TWinControl* AParent = nullptr) const;
    TPoint ParentToClient(TPoint p, TWinControl* AParent = nullptr) const;

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value);
    TSizeConstraints& Constraints() { return *FConstraints; }
    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool value);
    // Recomputes the size from the content when AutoSize is on.
    virtual void AdjustSize();

    // ---- state and appearance -----------------------------------------------
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to a shown window is visible.
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);
    TColor Color() const { return FColor; }
    virtual void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TFont& Font() { return *FFont; }
    void SetFont(const TFont& value) { FFont->Assign(value); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    const std::string& Caption() const { return FText; }
    void SetCaption(const std::string& value) { SetText(value); }
    const std::string& Text() const { return FText; }
    virtual void SetText(const std::string& value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value) { FShowHint = value; }
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* value);
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { FControlStyle = value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState value) { FControlState = value; }
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode value) { FDragMode = value; }
    virtual bool IsWindowed() const { return false; }

    // ---- z-order and painting -----------------------------------------------
    void BringToFront();
    void SendToBack();
    virtual void Invalidate();
    // Paints at once what is invalid.
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }

    // ---- messages -----------------------------------------------------------
    // Handles a message; overrides look at Msg and call the inherited version
    // for everything else.
    virtual void WndProc(TMessage& Message);
    intptr_t Perform(unsigned Msg, intptr_t WParam = 0, intptr_t LParam = 0);

    // ---- hit test, mouse and drag -------------------------------------------
    // Whether a point in client coordinates belongs to the control; a miss
    // lets the mouse reach whatever lies below.
    virtual bool HitTest(int X, int Y);
    void BeginDrag(bool Immediate, int Threshold = -1);
    void EndDrag(bool Drop);
    bool Dragging() const;
    virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
    virtual void DragDrop(TObject* Source, int X, int Y);
    virtual void DoEndDrag(TObject* Target, int X, int Y);
    virtual void DoStartDrag();
    virtual TPopupMenu* GetPopupMenu();

    TNotifyHandler OnClick;
    TNotifyHandler OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyHandler OnResize;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TEndDragEvent OnEndDrag;
    TStartDragEvent OnStartDrag;
    TContextPopupEvent OnContextPopup;

protected:
    friend class TWinControl;
    friend class TWidgetDispatch;
    friend class TDragManager;

    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void Click();
    virtual void DblClick();
    virtual void DoContextPopup(TPoint MousePos, bool& Handled);
    virtual void Resize();
    // Starts the automatic drag of dmAutomatic controls.
    void BeginAutoDrag();
    // Shows the control's menu for a right click at a screen point; false when
    // the control has none, so its parent may show one.
    virtual bool ContextPopupAt(TPoint screenPos);

    virtual void VisibleChanged();
    virtual void EnabledChanged();
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void TextChanged();
    virtual void ParentFontChanged();
    virtual void ParentColorChanged();
    // Stores new bounds (already constrained); false when nothing changed.
    bool ApplyBounds(int ALeft, int ATop, int AWidth, int AHeight);
    // Called after the bounds changed (position or size).
    virtual void BoundsChanged(bool sizeChanged);
    // Remembers the distances kept to the parent's edges by the anchors.
    void UpdateAnchorRules();
    void RequestAlign();
    TRect ParentClientRectForAnchors() const;

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    TSizeConstraints* FConstraints = nullptr;
    bool FAutoSize = false;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clWindow;
    bool FParentColor = false;
    TFont* FFont = nullptr;
    bool FParentFont = true;
    std::string FText;
    std::string FHint;
    bool FShowHint = false;
    TPopupMenu* FPopupMenu = nullptr;
    TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState FControlState;
    TDragMode FDragMode = dmManual;
    // Set while the alignment engine moves the control.
    bool FAnchorMove = false;
    // The anchor rules: the bounds and the parent's client size they were taken at.
    TRect FAnchorBounds;
    TSize FAnchorParentSize;
    bool FAnchorRulesValid = false;
};

class TWinControl : public TControl {
    VN_CLASS(TWinControl, TControl)

public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;
    void Destroy() override;
    bool IsWindowed() const override { return true; }
    // Runs WindowPosChanging on the proposal, applies it, then WindowPosChanged.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // ---- children -----------------------------------------------------------
    // Graphic controls first, then windowed ones, each in z-order (back to front).
    int ControlCount() const { return static_cast<int>(FControls.size() + FWinControls.size()); }
    TControl* Controls(int index) const;
    // The topmost visible child whose hit test accepts the point (client
    // coordinates); windowed children only when allowWinControls.
    TControl* ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls = false);
    bool ContainsControl(const TControl* control) const;

    // ---- window handle ------------------------------------------------------
    // The control's widget; created (with the parent's) when it does not
    // exist. Null for a control that is being freed.
    QWidget* Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    // The widget that holds the children and shows the client area.
    QWidget* ClientHandle();
    void RecreateWnd();
    // Creates the widgets and then the children's windows.
    virtual void CreateHandle();
    // Destroys the children's windows, then this control's (DestroyWnd).
    virtual void DestroyHandle();

    // ---- client area and non-client frame ----------------------------------
    int ClientWidth() const override;
    int ClientHeight() const override;
    TPoint ClientOrigin() const override;
    // Widths of the frame around the client area (left, top, right, bottom).
    virtual TRect NonClientInsets() const { return {}; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);

    // ---- alignment ----------------------------------------------------------
    void DisableAlign();
    void EnableAlign();
    bool AlignDisabled() const { return FAlignLevel > 0; }
    void Realign();
    void AlignControl(TControl* AControl);
    // Moves every child by (dx, dy), as scrolling does.
    virtual void ScrollBy(int dx, int dy);

    // ---- focus and keys -----------------------------------------------------
    virtual bool CanFocus() const;
    virtual void SetFocus();
    bool Focused() const;
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    int TabOrder() const;
    void SetTabOrder(int value);
    // Qt paints every widget double-buffered; the flag is kept for the form files.
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    // Kept for the form files; controls draw no bevel edges of their own.
    TBevelKind BevelKind() const { return FBevelKind; }
    void SetBevelKind(TBevelKind value);
    // True when the control consumes this key itself instead of letting the
    // form use it (Enter and Esc press the default and cancel buttons).
    virtual bool WantsKey(uint16_t key) const;

    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    void WndProc(TMessage& Message) override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyHandler OnEnter;
    TNotifyHandler OnExit;

protected:
    friend class TControl;
    friend class TWidgetDispatch;

    // Creates the control's widgets (FHandle and FClientHandle).
    virtual void CreateWnd();
    // Releases the widgets; overrides call the inherited version last.
    virtual void DestroyWnd();
    // Makes the outer widget; the default is a plain widget of our own with an
    // inner client widget. Controls over a native Qt widget return it and set
    // FClientHandle to it as well.
    virtual QWidget* CreateWidget();
    // Called after the widget exists, to copy the control's state into it.
    virtual void InitWidget();

    virtual void AlignControls(TControl* AControl, TRect& Rect);
    virtual void AdjustClientRect(TRect& Rect);
    virtual bool CustomAlignInsertBefore(TControl* C1, TControl* C2);
    virtual void CustomAlignPosition(TControl* Control, int& NewLeft, int& NewTop, int& NewWidth, int& NewHeight,
                                     TRect& AlignRect, const TAlignInfo& AlignInfo);
    // Called after every alignment pass.
    virtual void ControlsAligned() {}

    // Called on every parent when a windowed control receives the focus.
    virtual void ChildGotFocus(TWinControl*) {}
    virtual void KeyDown(uint16_t& Key, TShiftState Shift);
    virtual void KeyUp(uint16_t& Key, TShiftState Shift);
    virtual void KeyPress(char& Key);
    virtual void DoEnter();
    virtual void DoExit();

    // Hook for every proposed change of position or size, programmatic ones
    // included: the proposal may be changed before it is applied.
    virtual void WindowPosChanging(int& ALeft, int& ATop, int& AWidth, int& AHeight);
    // Called after a change of position or size was applied.
    virtual void WindowPosChanged() {}

    // Paints the client area (after the background was erased).
    virtual void PaintWindow(TCanvas& Canvas);
    // Paints the graphic children over the client area.
    void PaintControls(TCanvas& Canvas);
    // Paints the frame around the client area.
    virtual void PaintNonClient(TCanvas& Canvas);
    // Which part of the frame a point (in outer widget coordinates) is on.
    virtual int NonClientHitTest(TPoint p);

    void BoundsChanged(bool sizeChanged) override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    void ParentFontChanged() override;
    void ParentColorChanged() override;

    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    // Places the widgets as the bounds and the frame say.
    void UpdateWidgetGeometry();
    // Re-places the client widget after the frame changed.
    void NonClientChanged();
    void InvalidateRect(const TRect& r);

    // Frees the widgets of this control and all windowed children without
    // calling the DestroyWnd overrides (used while the control is freed).
    void DestroyWindowHandle();
    // Detaches a widget from its control and deletes it (later, when Qt is
    // still dispatching an event to it).
    static void ReleaseWidget(QWidget* widget);

    void UpdateTabChain();

    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FWinControls;
    std::vector<TWinControl*> FTabList;
    QWidget* FHandle = nullptr;
    QWidget* FClientHandle = nullptr;
    int FAlignLevel = 0;
    int FBorderWidth = 0;
    bool FTabStop = false;
    bool FDoubleBuffered = false;
    bool FCtl3D = true;
    TBevelKind FBevelKind = bkNone;
    bool FCreatingHandle = false;
    // The graphic child (or this control) that got the last mouse press.
    TControl* FMouseCapture = nullptr;
};

// A windowed control that paints itself through Paint on Canvas.
class TCustomControl : public TWinControl {
    VN_CLASS(TCustomControl, TWinControl)

public:
    explicit TCustomControl(TComponent* AOwner);
    // The canvas of the paint in progress; null outside painting.
    TCanvas* Canvas() const { return FCanvas; }

protected:
    virtual void Paint();
    void PaintWindow(TCanvas& Canvas) override;

private:
    TCanvas* FCanvas = nullptr;
};

// A control without a window: its parent paints it (below every windowed
// sibling) and routes the mouse to it.
class TGraphicControl : public TControl {
    VN_CLASS(TGraphicControl, TControl)

public:
    explicit TGraphicControl(TComponent* AOwner);
    // The canvas of the paint in progress; null outside painting.
    TCanvas* Canvas() const { return FCanvas; }

protected:
    friend class TWinControl;
    virtual void Paint();

private:
    TCanvas* FCanvas = nullptr;
};

// The mouse: cursor position in screen coordinates (settable for tests, and
// updated from mouse input) and the drag defaults.
class TMouse {
public:
    TPoint CursorPos() const { return FCursorPos; }
    void SetCursorPos(TPoint p) { FCursorPos = p; }
    bool DragImmediate() const { return FDragImmediate; }
    void SetDragImmediate(bool value) { FDragImmediate = value; }
    int DragThreshold() const { return FDragThreshold; }
    void SetDragThreshold(int value) { FDragThreshold = value; }

private:
    TPoint FCursorPos;
    bool FDragImmediate = true;
    int FDragThreshold = 5;
};

extern TMouse* const Mouse;

// The control of a widget, looking up through the widget's parents; null for
// widgets that belong to no control.
TWinControl* FindControl(QWidget* widget);
