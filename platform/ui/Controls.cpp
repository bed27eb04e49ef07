#include "platform/ui/Controls.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Menus.h"
#include "platform/ui/WidgetBridge.h"

namespace {

TMouse gMouse;

template <class T>
void EraseFrom(std::vector<T*>& list, const TControl* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

} // namespace

TMouse* const Mouse = &gMouse;

std::vector<TWinControl*>& TopLevelRegistry()
{
    static std::vector<TWinControl*> registry;
    return registry;
}

void RaiseTopLevel(TWinControl* control)
{
    auto& registry = TopLevelRegistry();
    EraseFrom(registry, control);
    registry.push_back(control);
}

// ---- TSizeConstraints -------------------------------------------------------

void TSizeConstraints::Changed()
{
    if (OnChange)
        OnChange(this);
    if (FControl && !FControl->IsDestroying())
        FControl->SetBounds(FControl->Left(), FControl->Top(), FControl->Width(), FControl->Height());
}

void TSizeConstraints::SetMinWidth(int value)
{
    if (value == FMinWidth)
        return;
    FMinWidth = value;
    if (FMaxWidth > 0 && FMaxWidth < value)
        FMaxWidth = value;
    Changed();
}

void TSizeConstraints::SetMinHeight(int value)
{
    if (value == FMinHeight)
        return;
    FMinHeight = value;
    if (FMaxHeight > 0 && FMaxHeight < value)
        FMaxHeight = value;
    Changed();
}

void TSizeConstraints::SetMaxWidth(int value)
{
    if (value == FMaxWidth)
        return;
    FMaxWidth = value;
    if (value > 0 && FMinWidth > value)
        FMinWidth = value;
    Changed();
}

void TSizeConstraints::SetMaxHeight(int value)
{
    if (value == FMaxHeight)
        return;
    FMaxHeight = value;
    if (value > 0 && FMinHeight > value)
        FMinHeight = value;
    Changed();
}

void TSizeConstraints::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TSizeConstraints*>(source);
    if (!other) {
        inherited::Assign(source);
        return;
    }
    FMinWidth = other->FMinWidth;
    FMinHeight = other->FMinHeight;
    FMaxWidth = other->FMaxWidth;
    FMaxHeight = other->FMaxHeight;
    Changed();
}

void TSizeConstraints::Apply(int& width, int& height) const
{
    if (FMaxWidth > 0 && width > FMaxWidth)
        width = FMaxWidth;
    if (FMinWidth > 0 && width < FMinWidth)
        width = FMinWidth;
    if (FMaxHeight > 0 && height > FMaxHeight)
        height = FMaxHeight;
    if (FMinHeight > 0 && height < FMinHeight)
        height = FMinHeight;
    width = std::max(0, width);
    height = std::max(0, height);
}

// ---- TControl -----------------------------------------------------------------

TControl::TControl(TComponent* AOwner) : TComponent(AOwner)
{
    FConstraints = TSizeConstraints::Create(this);
    FFont = TFont::Create();
    FParentColor = true;
    FFont->OnChange = [this](TObject*) {
        FParentFont = false;
        FontChanged();
    };
}

TControl::~TControl()
{
    if (FFont)
        FFont->Free();
    if (FConstraints)
        FConstraints->Free();
}

void TControl::Destroy()
{
    TDragManager::Instance().ControlDestroyed(this);
    SetParent(nullptr);
    inherited::Destroy();
}

void TControl::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent == FPopupMenu)
        FPopupMenu = nullptr;
    inherited::Notification(AComponent, Operation);
}

void TControl::SetParent(TWinControl* AParent)
{
    if (AParent == FParent)
        return;
    if (AParent == this)
        throw EInvalidOperation("A control cannot have itself as its parent");
    if (FParent)
        FParent->RemoveControl(this);
    if (AParent)
        AParent->InsertControl(this);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    FConstraints->Apply(AWidth, AHeight);
    ApplyBounds(ALeft, ATop, AWidth, AHeight);
}

bool TControl::ApplyBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight)
        return false;
    const bool sizeChanged = AWidth != FWidth || AHeight != FHeight;
    if (!IsWindowed() && FParent)
        FParent->InvalidateRect(BoundsRect());
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    BoundsChanged(sizeChanged);
    if (!FAnchorMove) {
        UpdateAnchorRules();
        RequestAlign();
    }
    if (sizeChanged && !IsDestroying())
        Resize();
    return true;
}

void TControl::BoundsChanged(bool)
{
    if (FParent)
        FParent->InvalidateRect(BoundsRect());
}

void TControl::RequestAlign()
{
    // Every move asks the parent to realign: aligned neighbours and a scroll
    // range may depend on it.
    if (FParent && !FParent->IsDestroying())
        FParent->AlignControl(this);
}

TRect TControl::ParentClientRectForAnchors() const
{
    return FParent ? FParent->ClientRect() : TRect{};
}

void TControl::UpdateAnchorRules()
{
    if (!FParent) {
        FAnchorRulesValid = false;
        return;
    }
    const TRect parentRect = ParentClientRectForAnchors();
    FAnchorBounds = BoundsRect();
    FAnchorParentSize = {parentRect.Width(), parentRect.Height()};
    FAnchorRulesValid = true;
}

void TControl::SetClientWidth(int value)
{
    SetWidth(value + (FWidth - ClientWidth()));
}

void TControl::SetClientHeight(int value)
{
    SetHeight(value + (FHeight - ClientHeight()));
}

TPoint TControl::ClientOrigin() const
{
    if (!FParent)
        return {FLeft, FTop};
    const TPoint origin = FParent->ClientOrigin();
    return {origin.X + FLeft, origin.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    const TPoint origin = ClientOrigin();
    return {p.X + origin.X, p.Y + origin.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    const TPoint origin = ClientOrigin();
    return {p.X - origin.X, p.Y - origin.Y};
}

TPoint TControl::ClientToParent(TPoint p, TWinControl* AParent) const
{
    if (!AParent)
        AParent = FParent;
    if (!AParent)
        throw EInvalidOperation("Control has no parent window");
    return AParent->ScreenToClient(ClientToScreen(p));
}

TPoint TControl::ParentToClient(TPoint p, TWinControl* AParent) const
{
    if (!AParent)
        AParent = FParent;
    if (!AParent)
        throw EInvalidOperation("Control has no parent window");
    return ScreenToClient(AParent->ClientToScreen(p));
}

void TControl::SetAlign(TAlign value)
{
    if (value == FAlign)
        return;
    const TAlign old = FAlign;
    FAlign = value;
    FAnchors = value == alNone || value == alCustom ? TAnchors{akLeft, akTop}
               : value == alTop                      ? TAnchors{akLeft, akTop, akRight}
               : value == alBottom                   ? TAnchors{akLeft, akRight, akBottom}
               : value == alLeft                     ? TAnchors{akLeft, akTop, akBottom}
               : value == alRight                    ? TAnchors{akTop, akRight, akBottom}
                                                     : TAnchors{akLeft, akTop, akRight, akBottom};
    if (old != alNone || value != alNone)
        if (FParent && !FParent->IsDestroying())
            FParent->AlignControl(this);
}

void TControl::SetAnchors(TAnchors value)
{
    if (value == FAnchors)
        return;
    FAnchors = value;
    UpdateAnchorRules();
}

void TControl::SetAutoSize(bool value)
{
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    if (value)
        AdjustSize();
}

void TControl::AdjustSize() {}

bool TControl::Showing() const
{
    if (!FVisible)
        return false;
    return FParent && FParent->Showing();
}

void TControl::SetVisible(bool value)
{
    if (value == FVisible)
        return;
    FVisible = value;
    VisibleChanged();
}

void TControl::VisibleChanged()
{
    if (FParent) {
        FParent->InvalidateRect(BoundsRect());
        if (!FParent->IsDestroying())
            FParent->AlignControl(this);
    }
}

void TControl::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    EnabledChanged();
}

void TControl::EnabledChanged()
{
    Invalidate();
}

void TControl::SetColor(TColor value)
{
    FParentColor = false;
    if (value == FColor)
        return;
    FColor = value;
    ColorChanged();
}

void TControl::ColorChanged()
{
    Invalidate();
}

void TControl::SetParentColor(bool value)
{
    if (value == FParentColor)
        return;
    FParentColor = value;
    if (value)
        ParentColorChanged();
}

void TControl::ParentColorChanged()
{
    if (FParentColor && FParent && FParent->Color() != FColor) {
        FColor = FParent->Color();
        ColorChanged();
    }
}

void TControl::SetParentFont(bool value)
{
    if (value == FParentFont)
        return;
    FParentFont = value;
    if (value)
        ParentFontChanged();
}

void TControl::ParentFontChanged()
{
    if (!FParentFont || !FParent || FFont->SameAs(FParent->Font()))
        return;
    FFont->Assign(FParent->Font());
    FParentFont = true;
}

void TControl::FontChanged()
{
    Invalidate();
}

void TControl::SetText(const std::string& value)
{
    if (value == FText)
        return;
    FText = value;
    TextChanged();
}

void TControl::TextChanged()
{
    Invalidate();
}

void TControl::SetPopupMenu(TPopupMenu* value)
{
    if (value == FPopupMenu)
        return;
    if (FPopupMenu)
        FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = value;
    if (value)
        value->FreeNotification(this);
}

void TControl::BringToFront()
{
    if (!FParent)
        return;
    if (IsWindowed()) {
        auto* self = static_cast<TWinControl*>(this);
        auto& list = FParent->FWinControls;
        EraseFrom(list, this);
        list.push_back(self);
        if (self->FHandle)
            self->FHandle->raise();
    } else {
        auto& list = FParent->FControls;
        EraseFrom(list, this);
        list.push_back(this);
        Invalidate();
    }
}

void TControl::SendToBack()
{
    if (!FParent)
        return;
    if (IsWindowed()) {
        auto* self = static_cast<TWinControl*>(this);
        auto& list = FParent->FWinControls;
        EraseFrom(list, this);
        list.insert(list.begin(), self);
        if (self->FHandle)
            self->FHandle->lower();
    } else {
        auto& list = FParent->FControls;
        EraseFrom(list, this);
        list.insert(list.begin(), this);
        Invalidate();
    }
}

void TControl::Invalidate()
{
    if (FParent)
        FParent->InvalidateRect(BoundsRect());
}

void TControl::Update()
{
    if (FParent)
        FParent->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_RELEASE:
        Free();
        break;
    default:
        break;
    }
}

intptr_t TControl::Perform(unsigned Msg, intptr_t WParam, intptr_t LParam)
{
    TMessage message{Msg, WParam, LParam, 0};
    WndProc(message);
    return message.Result;
}

bool TControl::HitTest(int, int)
{
    return true;
}

void TControl::BeginDrag(bool Immediate, int Threshold)
{
    if (Threshold < 0)
        Threshold = Mouse->DragThreshold();
    TDragManager::Instance().BeginDrag(this, Immediate, Threshold);
}

void TControl::BeginAutoDrag()
{
    BeginDrag(Mouse->DragImmediate(), Mouse->DragThreshold());
}

void TControl::EndDrag(bool Drop)
{
    if (Dragging())
        TDragManager::Instance().EndDrag(Drop);
}

bool TControl::Dragging() const
{
    return TDragManager::Instance().Source() == this;
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept)
{
    Accept = false;
    if (OnDragOver) {
        Accept = true;
        OnDragOver(this, Source, X, Y, State, Accept);
    }
}

void TControl::DragDrop(TObject* Source, int X, int Y)
{
    if (OnDragDrop)
        OnDragDrop(this, Source, X, Y);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y)
{
    if (OnEndDrag)
        OnEndDrag(this, Target, X, Y);
}

void TControl::DoStartDrag()
{
    if (OnStartDrag)
        OnStartDrag(this);
}

TPopupMenu* TControl::GetPopupMenu()
{
    return FPopupMenu;
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::DoContextPopup(TPoint MousePos, bool& Handled)
{
    if (OnContextPopup)
        OnContextPopup(this, MousePos, Handled);
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

bool TControl::ContextPopupAt(TPoint screenPos)
{
    bool handled = false;
    DoContextPopup(ScreenToClient(screenPos), handled);
    if (handled)
        return true;
    TPopupMenu* menu = GetPopupMenu();
    if (!menu || !menu->AutoPopup())
        return false;
    menu->SetPopupComponent(this);
    menu->Popup(screenPos.X, screenPos.Y);
    return true;
}

// ---- TWinControl --------------------------------------------------------------

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() = default;

void TWinControl::Destroy()
{
    StopFrameTrack(this);
    DestroyWindowHandle();
    while (ControlCount() > 0) {
        TControl* child = Controls(ControlCount() - 1);
        if (child->IsWindowed()) {
            EraseFrom(FWinControls, child);
            EraseFrom(FTabList, child);
        } else {
            EraseFrom(FControls, child);
        }
        child->FParent = nullptr;
        if (FMouseCapture == child)
            FMouseCapture = nullptr;
        child->Free();
    }
    inherited::Destroy();
}

TControl* TWinControl::Controls(int index) const
{
    const int graphic = static_cast<int>(FControls.size());
    if (index < 0 || index >= ControlCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return index < graphic ? FControls[static_cast<size_t>(index)]
                           : FWinControls[static_cast<size_t>(index - graphic)];
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls)
{
    auto hits = [&](TControl* c) {
        if (!c->Visible() || (!c->Enabled() && !allowDisabled))
            return false;
        if (!PtInRect(c->BoundsRect(), pos))
            return false;
        return c->HitTest(pos.X - c->Left(), pos.Y - c->Top());
    };
    if (allowWinControls)
        for (auto it = FWinControls.rbegin(); it != FWinControls.rend(); ++it)
            if (hits(*it))
                return *it;
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
        if (hits(*it))
            return *it;
    return nullptr;
}

void TWinControl::InsertControl(TControl* AControl)
{
    AControl->FParent = this;
    if (AControl->IsWindowed()) {
        auto* child = static_cast<TWinControl*>(AControl);
        FWinControls.push_back(child);
        FTabList.push_back(child);
    } else {
        FControls.push_back(AControl);
    }
    AControl->ParentFontChanged();
    AControl->ParentColorChanged();
    AControl->UpdateAnchorRules();
    if (AControl->IsWindowed()) {
        auto* child = static_cast<TWinControl*>(AControl);
        if (HandleAllocated())
            child->CreateHandle();
        UpdateTabChain();
    } else {
        AControl->Invalidate();
    }
    AlignControl(AControl);
}

void TWinControl::RemoveControl(TControl* AControl)
{
    if (FMouseCapture == AControl)
        FMouseCapture = nullptr;
    if (AControl->IsWindowed()) {
        auto* child = static_cast<TWinControl*>(AControl);
        if (!child->IsDestroying())
            child->DestroyHandle();
        EraseFrom(FWinControls, AControl);
        EraseFrom(FTabList, AControl);
    } else {
        InvalidateRect(AControl->BoundsRect());
        EraseFrom(FControls, AControl);
    }
    AControl->FParent = nullptr;
    if (!IsDestroying())
        Realign();
}

QWidget* TWinControl::Handle()
{
    HandleNeeded();
    return FHandle;
}

QWidget* TWinControl::ClientHandle()
{
    HandleNeeded();
    return FClientHandle;
}

void TWinControl::HandleNeeded()
{
    // A control being freed gets no new window.
    if (FHandle || IsDestroying())
        return;
    if (FParent)
        FParent->HandleNeeded();
    if (!FHandle)
        CreateHandle();
}

void TWinControl::CreateHandle()
{
    if (FHandle || FCreatingHandle)
        return;
    FCreatingHandle = true;
    try {
        CreateWnd();
    } catch (...) {
        FCreatingHandle = false;
        throw;
    }
    FCreatingHandle = false;
    for (size_t i = 0; i < FWinControls.size(); ++i)
        FWinControls[i]->CreateHandle();
    UpdateTabChain();
}

void TWinControl::CreateWnd()
{
    QWidget* parentWidget = FParent ? FParent->FClientHandle : nullptr;
    FHandle = CreateWidget();
    if (!FClientHandle)
        FClientHandle = FHandle;
    if (parentWidget) {
        FHandle->setParent(parentWidget);
    } else {
        FHandle->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        RaiseTopLevel(this);
    }
    InitWidget();
    UpdateWidgetGeometry();
    FHandle->setVisible(parentWidget != nullptr && FVisible);
}

QWidget* TWinControl::CreateWidget()
{
    auto* outer = new TBridge<QWidget>(this, TWidgetRole::Frame);
    auto* inner = new TBridge<QWidget>(this, TWidgetRole::Client, outer);
    outer->setAttribute(Qt::WA_OpaquePaintEvent);
    inner->setAttribute(Qt::WA_OpaquePaintEvent);
    inner->setMouseTracking(true);
    outer->setMouseTracking(true);
    outer->setFocusProxy(inner);
    FClientHandle = inner;
    return outer;
}

void TWinControl::InitWidget()
{
    FHandle->setFont(FFont->ToQFont());
    FHandle->setEnabled(FEnabled);
    FClientHandle->setFocusPolicy(FTabStop ? Qt::TabFocus : Qt::NoFocus);
}

void TWinControl::DestroyHandle()
{
    if (!FHandle)
        return;
    for (size_t i = 0; i < FWinControls.size(); ++i)
        FWinControls[i]->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd()
{
    if (!FHandle)
        return;
    QWidget* widget = FHandle;
    FHandle = nullptr;
    FClientHandle = nullptr;
    ReleaseWidget(widget);
}

void TWinControl::DestroyWindowHandle()
{
    for (size_t i = 0; i < FWinControls.size(); ++i)
        FWinControls[i]->DestroyWindowHandle();
    if (!FHandle)
        return;
    QWidget* widget = FHandle;
    FHandle = nullptr;
    FClientHandle = nullptr;
    ReleaseWidget(widget);
}

void TWinControl::ReleaseWidget(QWidget* widget)
{
    if (auto* bridge = dynamic_cast<IControlWidget*>(widget))
        EraseFrom(TopLevelRegistry(), bridge->Control());
    if (auto* bridge = dynamic_cast<IControlWidget*>(widget))
        bridge->Detach();
    for (QWidget* child : widget->findChildren<QWidget*>())
        if (auto* bridge = dynamic_cast<IControlWidget*>(child))
            bridge->Detach();
    widget->hide();
    if (EventDispatchDepth() > 0 || (QApplication::instance() && widget->isAncestorOf(QApplication::focusWidget())))
        widget->deleteLater();
    else
        delete widget;
}

void TWinControl::RecreateWnd()
{
    if (!FHandle)
        return;
    DestroyHandle();
    HandleNeeded();
}

int TWinControl::ClientWidth() const
{
    const TRect ins = NonClientInsets();
    return std::max(0, FWidth - ins.Left - ins.Right);
}

int TWinControl::ClientHeight() const
{
    const TRect ins = NonClientInsets();
    return std::max(0, FHeight - ins.Top - ins.Bottom);
}

TPoint TWinControl::ClientOrigin() const
{
    const TPoint base = TControl::ClientOrigin();
    const TRect ins = NonClientInsets();
    return {base.X + ins.Left, base.Y + ins.Top};
}

void TWinControl::SetBorderWidth(int value)
{
    if (value == FBorderWidth)
        return;
    FBorderWidth = value;
    Realign();
    Invalidate();
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    FConstraints->Apply(AWidth, AHeight);
    if (!IsDestroying())
        WindowPosChanging(ALeft, ATop, AWidth, AHeight);
    if (ApplyBounds(ALeft, ATop, AWidth, AHeight) && !IsDestroying())
        WindowPosChanged();
}

void TWinControl::WindowPosChanging(int&, int&, int&, int&) {}

void TWinControl::BoundsChanged(bool sizeChanged)
{
    UpdateWidgetGeometry();
    if (sizeChanged && !IsDestroying())
        Realign();
}

void TWinControl::UpdateWidgetGeometry()
{
    if (!FHandle)
        return;
    FHandle->setGeometry(FLeft, FTop, FWidth, FHeight);
    if (FClientHandle != FHandle) {
        const TRect ins = NonClientInsets();
        FClientHandle->setGeometry(ins.Left, ins.Top, ClientWidth(), ClientHeight());
    }
}

void TWinControl::NonClientChanged()
{
    UpdateWidgetGeometry();
    if (FHandle)
        FHandle->update();
    Realign();
}

void TWinControl::VisibleChanged()
{
    if (FHandle && FParent)
        FHandle->setVisible(FVisible);
    TControl::VisibleChanged();
}

void TWinControl::EnabledChanged()
{
    if (FHandle)
        FHandle->setEnabled(FEnabled);
    Invalidate();
}

void TWinControl::FontChanged()
{
    if (FHandle)
        FHandle->setFont(FFont->ToQFont());
    for (TControl* child : FControls)
        child->ParentFontChanged();
    for (TWinControl* child : FWinControls)
        child->ParentFontChanged();
    Invalidate();
}

void TWinControl::ParentFontChanged()
{
    TControl::ParentFontChanged();
}

void TWinControl::ColorChanged()
{
    for (TControl* child : FControls)
        child->ParentColorChanged();
    for (TWinControl* child : FWinControls)
        child->ParentColorChanged();
    Invalidate();
}

void TWinControl::ParentColorChanged()
{
    TControl::ParentColorChanged();
}

void TWinControl::Invalidate()
{
    if (FHandle)
        FHandle->update();
    if (FClientHandle && FClientHandle != FHandle)
        FClientHandle->update();
}

void TWinControl::InvalidateRect(const TRect& r)
{
    if (FClientHandle && !r.IsEmpty())
        FClientHandle->update(QRect(r.Left, r.Top, r.Width(), r.Height()));
}

void TWinControl::Update()
{
    if (FHandle)
        FHandle->repaint();
}

void TWinControl::Repaint()
{
    if (FHandle) {
        FHandle->update();
        FHandle->repaint();
    }
}

// ---- alignment ------------------------------------------------------------------

void TWinControl::DisableAlign()
{
    ++FAlignLevel;
}

void TWinControl::EnableAlign()
{
    --FAlignLevel;
    if (FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded))
        Realign();
}

void TWinControl::Realign()
{
    AlignControl(nullptr);
}

void TWinControl::AlignControl(TControl* AControl)
{
    if (IsDestroying())
        return;
    if (FAlignLevel != 0) {
        FControlState.Include(csAlignmentNeeded);
        return;
    }
    DisableAlign();
    try {
        TRect rect = ClientRect();
        AlignControls(AControl, rect);
    } catch (...) {
        FControlState.Exclude(csAlignmentNeeded);
        --FAlignLevel;
        throw;
    }
    FControlState.Exclude(csAlignmentNeeded);
    EnableAlign();
}

void TWinControl::AdjustClientRect(TRect&) {}

bool TWinControl::CustomAlignInsertBefore(TControl*, TControl*)
{
    return false;
}

void TWinControl::CustomAlignPosition(TControl*, int&, int&, int&, int&, TRect&, const TAlignInfo&) {}

void TWinControl::AlignControls(TControl* AControl, TRect& Rect)
{
    AdjustClientRect(Rect);
    const TRect clientRect = ClientRect();
    std::vector<TControl*> list;

    auto insertBefore = [&](TControl* c1, TControl* c2, TAlign align) {
        switch (align) {
        case alTop: return c1->Top() < c2->Top();
        case alBottom: return c1->Top() + c1->Height() >= c2->Top() + c2->Height();
        case alLeft: return c1->Left() < c2->Left();
        case alRight: return c1->Left() + c1->Width() >= c2->Left() + c2->Width();
        case alCustom: return CustomAlignInsertBefore(c1, c2);
        default: return false;
        }
    };

    auto doPosition = [&](TControl* control, TAlign align, const TAlignInfo& info) {
        int newLeft = control->Left();
        int newTop = control->Top();
        int newWidth = control->Width();
        int newHeight = control->Height();
        switch (align) {
        case alTop:
            newLeft = Rect.Left;
            newTop = Rect.Top;
            newWidth = Rect.Width();
            Rect.Top += newHeight;
            break;
        case alBottom:
            newLeft = Rect.Left;
            newWidth = Rect.Width();
            newTop = Rect.Bottom - newHeight;
            Rect.Bottom -= newHeight;
            break;
        case alLeft:
            newLeft = Rect.Left;
            newTop = Rect.Top;
            newHeight = Rect.Height();
            Rect.Left += newWidth;
            break;
        case alRight:
            newTop = Rect.Top;
            newHeight = Rect.Height();
            newLeft = Rect.Right - newWidth;
            Rect.Right -= newWidth;
            break;
        case alClient:
            newLeft = Rect.Left;
            newTop = Rect.Top;
            newWidth = Rect.Width();
            newHeight = Rect.Height();
            break;
        case alCustom:
            CustomAlignPosition(control, newLeft, newTop, newWidth, newHeight, Rect, info);
            break;
        case alNone: {
            if (!control->FAnchorRulesValid)
                return;
            const TRect b = control->FAnchorBounds;
            const int dx = clientRect.Width() - control->FAnchorParentSize.cx;
            const int dy = clientRect.Height() - control->FAnchorParentSize.cy;
            const TAnchors a = control->Anchors();
            newLeft = b.Left;
            newWidth = b.Width();
            if (a.Contains(akRight)) {
                if (a.Contains(akLeft))
                    newWidth = b.Width() + dx;
                else
                    newLeft = b.Left + dx;
            } else if (!a.Contains(akLeft)) {
                newLeft = b.Left + dx / 2;
            }
            newTop = b.Top;
            newHeight = b.Height();
            if (a.Contains(akBottom)) {
                if (a.Contains(akTop))
                    newHeight = b.Height() + dy;
                else
                    newTop = b.Top + dy;
            } else if (!a.Contains(akTop)) {
                newTop = b.Top + dy / 2;
            }
            break;
        }
        }
        control->FAnchorMove = true;
        try {
            control->SetBounds(newLeft, newTop, std::max(0, newWidth), std::max(0, newHeight));
        } catch (...) {
            control->FAnchorMove = false;
            throw;
        }
        control->FAnchorMove = false;
        // A constrained size gives back what it did not take.
        if (control->Width() != newWidth || control->Height() != newHeight) {
            switch (align) {
            case alTop: Rect.Top -= newHeight - control->Height(); break;
            case alBottom: Rect.Bottom += newHeight - control->Height(); break;
            case alLeft: Rect.Left -= newWidth - control->Width(); break;
            case alRight: Rect.Right += newWidth - control->Width(); break;
            default: break;
            }
        }
    };

    auto doAlign = [&](TAlign align) {
        list.clear();
        const bool anchorPass = align == alNone;
        auto takes = [&](TControl* c) {
            if (c->Align() != align || !c->Visible())
                return false;
            return !anchorPass || c->Anchors() != TAnchors{akLeft, akTop};
        };
        if (AControl && AControl->Parent() == this && takes(AControl))
            list.push_back(AControl);
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            if (c == AControl || !takes(c))
                continue;
            size_t at = 0;
            while (at < list.size() && !insertBefore(c, list[at], align))
                ++at;
            list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), c);
        }
        for (size_t i = 0; i < list.size(); ++i) {
            TControl* c = list[i];
            if (c->Parent() != this)
                continue;
            TAlignInfo info{&list, static_cast<int>(i), align, 0};
            doPosition(c, align, info);
        }
    };

    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient, alCustom, alNone})
        doAlign(align);
    ControlsAligned();
}

void TWinControl::ScrollBy(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    for (TControl* c : FControls) {
        c->FLeft += dx;
        c->FTop += dy;
    }
    std::vector<TWinControl*> moved = FWinControls;
    for (TWinControl* c : moved) {
        c->FLeft += dx;
        c->FTop += dy;
        c->UpdateWidgetGeometry();
    }
    InvalidateRect(ClientRect());
    for (TWinControl* c : moved)
        if (c->Parent() == this && !c->IsDestroying())
            c->WindowPosChanged();
}

// ---- focus and keys -------------------------------------------------------------

bool TWinControl::CanFocus() const
{
    const TControl* form = nullptr;
    for (const TControl* c = this; c; c = c->Parent()) {
        if (!c->Visible() || !c->Enabled())
            return false;
        form = c;
    }
    const auto* top = static_cast<const TWinControl*>(form);
    return top->FHandle && top->FHandle->isVisible();
}

void TWinControl::SetFocus()
{
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    // The outer widget passes the focus on to the client widget.
    QWidget* widget = Handle();
    QWidget* window = widget->window();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        QApplication::setActiveWindow(window);
    }
    widget->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::Focused() const
{
    return (FClientHandle && FClientHandle->hasFocus()) || (FHandle && FHandle->hasFocus());
}

void TWinControl::SetTabStop(bool value)
{
    if (value == FTabStop)
        return;
    FTabStop = value;
    if (FClientHandle)
        InitWidget();
}

int TWinControl::TabOrder() const
{
    if (!FParent)
        return -1;
    const auto& list = FParent->FTabList;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value)
{
    if (!FParent)
        return;
    auto& list = FParent->FTabList;
    EraseFrom(list, this);
    value = std::clamp(value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + value, this);
    FParent->UpdateTabChain();
}

void TWinControl::UpdateTabChain()
{
    QWidget* previous = nullptr;
    for (TWinControl* c : FTabList) {
        if (!c->FClientHandle)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, c->FClientHandle);
        previous = c->FClientHandle;
    }
}

void TWinControl::SetBevelKind(TBevelKind value)
{
    FBevelKind = value;
}

void TWinControl::SetCtl3D(bool value)
{
    if (value == FCtl3D)
        return;
    FCtl3D = value;
    NonClientChanged();
}

bool TWinControl::WantsKey(uint16_t) const
{
    return false;
}

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char& Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TWinControl::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SETFOCUS:
        DoEnter();
        for (TWinControl* p = FParent; p; p = p->FParent)
            p->ChildGotFocus(this);
        break;
    case WM_KILLFOCUS:
        DoExit();
        break;
    case WM_ERASEBKGND: {
        auto* canvas = reinterpret_cast<TCanvas*>(Message.WParam);
        canvas->Brush().SetColor(FColor);
        canvas->Brush().SetStyle(bsSolid);
        canvas->FillRect(ClientRect());
        Message.Result = 1;
        break;
    }
    case WM_KEYDOWN:
    case WM_KEYUP: {
        // LParam carries the shift state of the key event.
        uint16_t key = static_cast<uint16_t>(Message.WParam);
        const TShiftState shift = TShiftState::FromBits(static_cast<uint64_t>(Message.LParam));
        if (Message.Msg == WM_KEYDOWN)
            KeyDown(key, shift);
        else
            KeyUp(key, shift);
        Message.WParam = key;
        break;
    }
    case WM_CHAR: {
        char key = static_cast<char>(Message.WParam);
        KeyPress(key);
        Message.WParam = static_cast<unsigned char>(key);
        break;
    }
    case WM_NCPAINT:
        if (FHandle)
            FHandle->update();
        break;
    case WM_NCLBUTTONDOWN:
        StartFrameTrack(this, static_cast<int>(Message.WParam), LParamToPoint(Message.LParam));
        break;
    case WM_MOUSEWHEEL:
        if (FParent)
            Message.Result = FParent->Perform(Message.Msg, Message.WParam, Message.LParam);
        break;
    default:
        TControl::WndProc(Message);
        break;
    }
}

// ---- painting -------------------------------------------------------------------

void TWinControl::PaintWindow(TCanvas&) {}

void TWinControl::PaintControls(TCanvas& Canvas)
{
    QPainter* painter = Canvas.Handle();
    const std::vector<TControl*> controls = FControls;
    for (TControl* c : controls) {
        if (!c->Visible() || c->Width() <= 0 || c->Height() <= 0)
            continue;
        auto* graphic = dynamic_cast<TGraphicControl*>(c);
        if (!graphic)
            continue;
        painter->save();
        painter->translate(c->Left(), c->Top());
        painter->setClipRect(QRect(0, 0, c->Width(), c->Height()), Qt::IntersectClip);
        {
            TCanvas childCanvas(painter);
            childCanvas.Font().Assign(c->Font());
            graphic->FCanvas = &childCanvas;
            try {
                graphic->Paint();
            } catch (...) {
                graphic->FCanvas = nullptr;
                painter->restore();
                throw;
            }
            graphic->FCanvas = nullptr;
        }
        painter->restore();
    }
}

void TWinControl::PaintNonClient(TCanvas&) {}

int TWinControl::NonClientHitTest(TPoint)
{
    return HTBORDER;
}

// ---- TCustomControl / TGraphicControl -------------------------------------------

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow(TCanvas& Canvas)
{
    FCanvas = &Canvas;
    try {
        Paint();
    } catch (...) {
        FCanvas = nullptr;
        throw;
    }
    FCanvas = nullptr;
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

void TGraphicControl::Paint() {}

// ---- look-ups -------------------------------------------------------------------

TWinControl* FindControl(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (auto* bridge = dynamic_cast<IControlWidget*>(w))
            return bridge->Control();
    return nullptr;
}
