#include "platform/ui/Forms.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/WidgetBridge.h"

namespace {

TScreen gScreen;

const int kScrollBarSize = GetSystemMetrics(SM_CXVSCROLL);

} // namespace

TScreen* const Screen = &gScreen;

int TScreen::Width() const
{
    return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const
{
    return GetSystemMetrics(SM_CYSCREEN);
}

TCustomForm* GetParentForm(TControl* control)
{
    if (!control)
        return nullptr;
    while (control->Parent())
        control = control->Parent();
    return dynamic_cast<TCustomForm*>(control);
}

// ---- TControlScrollBar ------------------------------------------------------------

void TControlScrollBar::SetPosition(int value)
{
    FControl->ScrollBarMoved(FKind, value);
}

void TControlScrollBar::SetRange(int value)
{
    if (value == FRange)
        return;
    FRange = std::max(0, value);
    if (FControl->UpdateScrollBars())
        FControl->Realign();
}

void TControlScrollBar::SetVisible(bool value)
{
    if (value == FVisible)
        return;
    FVisible = value;
    FControl->Realign();
}

// ---- TScrollingWinControl ------------------------------------------------------------

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TWinControl(AOwner), FHorzScrollBar(this, sbHorizontal), FVertScrollBar(this, sbVertical)
{
}

TScrollingWinControl::~TScrollingWinControl() = default;

TRect TScrollingWinControl::NonClientInsets() const
{
    TRect ins = FrameInsets();
    if (FVertScrollBar.FShown)
        ins.Right += kScrollBarSize;
    if (FHorzScrollBar.FShown)
        ins.Bottom += kScrollBarSize;
    return ins;
}

void TScrollingWinControl::SetAutoScroll(bool value)
{
    if (value == FAutoScroll)
        return;
    FAutoScroll = value;
    Realign();
}

void TScrollingWinControl::CreateWnd()
{
    TWinControl::CreateWnd();
    FHorzWidget = new QScrollBar(Qt::Horizontal, FHandle);
    FVertWidget = new QScrollBar(Qt::Vertical, FHandle);
    for (QScrollBar* bar : {FHorzWidget, FVertWidget}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
    }
    QObject::connect(FHorzWidget, &QScrollBar::valueChanged, [this](int value) {
        CallGuarded(this, [&] { ScrollBarMoved(sbHorizontal, value); });
    });
    QObject::connect(FVertWidget, &QScrollBar::valueChanged, [this](int value) {
        CallGuarded(this, [&] { ScrollBarMoved(sbVertical, value); });
    });
    PlaceScrollBars();
}

void TScrollingWinControl::PlaceScrollBars()
{
    if (!FHandle || !FHorzWidget)
        return;
    const TRect frame = FrameInsets();
    const int clientW = ClientWidth();
    const int clientH = ClientHeight();
    for (TControlScrollBar* bar : {&FHorzScrollBar, &FVertScrollBar}) {
        QScrollBar* widget = bar->FKind == sbHorizontal ? FHorzWidget : FVertWidget;
        const QSignalBlocker block(widget);
        const int page = bar->FKind == sbHorizontal ? clientW : clientH;
        widget->setRange(0, std::max(0, bar->FRange - page));
        widget->setPageStep(std::max(1, page));
        widget->setSingleStep(bar->FIncrement);
        widget->setValue(bar->FPosition);
        widget->setTracking(true);
        if (bar->FKind == sbHorizontal)
            widget->setGeometry(frame.Left, frame.Top + clientH, clientW, kScrollBarSize);
        else
            widget->setGeometry(frame.Left + clientW, frame.Top, kScrollBarSize, clientH);
        widget->setVisible(bar->FShown);
    }
}

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& Rect)
{
    TWinControl::AlignControls(AControl, Rect);
    for (int pass = 0; pass < 3; ++pass) {
        CalcAutoRange();
        if (!UpdateScrollBars())
            break;
        TRect again = ClientRect();
        TWinControl::AlignControls(AControl, again);
    }
    PlaceScrollBars();
}

void TScrollingWinControl::CalcAutoRange()
{
    if (!FAutoScroll)
        return;
    int hRange = 0;
    int hMargin = 0;
    int vRange = 0;
    int vMargin = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible())
            continue;
        const TAnchors horz = c->Anchors() * TAnchors{akLeft, akRight};
        const TAnchors vert = c->Anchors() * TAnchors{akTop, akBottom};
        if (c->Align() == alLeft || (c->Align() == alNone && horz == TAnchors{akLeft}))
            hRange = std::max(hRange, FHorzScrollBar.FPosition + c->Left() + c->Width());
        else if (c->Align() == alRight)
            hMargin += c->Width();
        if (c->Align() == alTop || (c->Align() == alNone && vert == TAnchors{akTop}))
            vRange = std::max(vRange, FVertScrollBar.FPosition + c->Top() + c->Height());
        else if (c->Align() == alBottom)
            vMargin += c->Height();
    }
    FHorzScrollBar.FRange = hRange + hMargin;
    FVertScrollBar.FRange = vRange + vMargin;
}

bool TScrollingWinControl::UpdateScrollBars()
{
    if (FUpdatingBars)
        return false;
    FUpdatingBars = true;
    const TRect frame = FrameInsets();
    const int w = FWidth - frame.Left - frame.Right;
    const int h = FHeight - frame.Top - frame.Bottom;
    bool hs = false;
    bool vs = false;
    for (int i = 0; i < 2; ++i) {
        const int cw = w - (vs ? kScrollBarSize : 0);
        const int ch = h - (hs ? kScrollBarSize : 0);
        hs = FHorzScrollBar.FVisible && FHorzScrollBar.FRange > cw;
        vs = FVertScrollBar.FVisible && FVertScrollBar.FRange > ch;
    }
    const bool changed = hs != FHorzScrollBar.FShown || vs != FVertScrollBar.FShown;
    FHorzScrollBar.FShown = hs;
    FVertScrollBar.FShown = vs;
    if (changed)
        UpdateWidgetGeometry();
    // Keep the positions inside the new ranges (scrolling back when needed).
    const int maxH = hs ? std::max(0, FHorzScrollBar.FRange - ClientWidth()) : 0;
    const int maxV = vs ? std::max(0, FVertScrollBar.FRange - ClientHeight()) : 0;
    const int dx = FHorzScrollBar.FPosition - std::min(FHorzScrollBar.FPosition, maxH);
    const int dy = FVertScrollBar.FPosition - std::min(FVertScrollBar.FPosition, maxV);
    if (dx != 0 || dy != 0) {
        FHorzScrollBar.FPosition -= dx;
        FVertScrollBar.FPosition -= dy;
        ScrollBy(dx, dy);
    }
    PlaceScrollBars();
    if (changed && FHandle)
        FHandle->update();
    FUpdatingBars = false;
    return changed;
}

void TScrollingWinControl::ScrollBarMoved(TScrollBarKind kind, int position)
{
    TControlScrollBar& bar = kind == sbHorizontal ? FHorzScrollBar : FVertScrollBar;
    const int page = kind == sbHorizontal ? ClientWidth() : ClientHeight();
    position = std::clamp(position, 0, std::max(0, bar.FRange - page));
    if (!bar.FShown)
        position = 0;
    if (position == bar.FPosition) {
        PlaceScrollBars();
        return;
    }
    const int delta = bar.FPosition - position;
    bar.FPosition = position;
    if (kind == sbHorizontal)
        ScrollBy(delta, 0);
    else
        ScrollBy(0, delta);
    PlaceScrollBars();
}

void TScrollingWinControl::ScrollInView(TControl* AControl)
{
    if (!AControl || !ContainsControl(AControl))
        return;
    const TPoint origin = ScreenToClient(AControl->ClientOrigin());
    const TRect r = Bounds(origin.X, origin.Y, AControl->Width(), AControl->Height());
    if (r.Left < 0)
        FHorzScrollBar.SetPosition(FHorzScrollBar.FPosition + r.Left);
    else if (r.Right > ClientWidth())
        FHorzScrollBar.SetPosition(FHorzScrollBar.FPosition + std::min(r.Left, r.Right - ClientWidth()));
    if (r.Top < 0)
        FVertScrollBar.SetPosition(FVertScrollBar.FPosition + r.Top);
    else if (r.Bottom > ClientHeight())
        FVertScrollBar.SetPosition(FVertScrollBar.FPosition + std::min(r.Top, r.Bottom - ClientHeight()));
}

void TScrollingWinControl::AutoScrollInView(TControl* AControl)
{
    if (FAutoScroll)
        ScrollInView(AControl);
}

void TScrollingWinControl::ChildGotFocus(TWinControl* control)
{
    AutoScrollInView(control);
}

void TScrollingWinControl::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_MOUSEWHEEL && FVertScrollBar.FShown) {
        const int steps = static_cast<int>(Message.WParam) / 120;
        FVertScrollBar.SetPosition(FVertScrollBar.FPosition - steps * FVertScrollBar.FIncrement * 3);
        Message.Result = 1;
        return;
    }
    TWinControl::WndProc(Message);
}

void TScrollingWinControl::PaintNonClient(TCanvas& Canvas)
{
    if (FHorzScrollBar.FShown && FVertScrollBar.FShown) {
        const TRect frame = FrameInsets();
        Canvas.Brush().SetColor(clBtnFace);
        Canvas.FillRect(Bounds(frame.Left + ClientWidth(), frame.Top + ClientHeight(), kScrollBarSize, kScrollBarSize));
    }
}

// ---- TScrollBox -----------------------------------------------------------------

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner)
{
    FColor = clBtnFace;
    FParentColor = false;
    FTabStop = false;
    FWidth = 185;
    FHeight = 41;
}

void TScrollBox::SetBorderStyle(TBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    NonClientChanged();
}

TRect TScrollBox::FrameInsets() const
{
    const int edge = ControlBorderWidth(FBorderStyle, FCtl3D);
    return {edge, edge, edge, edge};
}

void TScrollBox::PaintNonClient(TCanvas& Canvas)
{
    DrawControlBorder(Canvas, Rect(0, 0, FWidth, FHeight), FBorderStyle, FCtl3D);
    TScrollingWinControl::PaintNonClient(Canvas);
}

// ---- TCustomForm ------------------------------------------------------------------

TCustomForm::TCustomForm(TComponent* AOwner) : TScrollingWinControl(AOwner)
{
    FVisible = false;
    FColor = clBtnFace;
    FParentColor = false;
    FParentFont = false;
    FWidth = 320;
    FHeight = 240;
}

void TCustomForm::Destroy()
{
    if (Application->MainForm() == this)
        Application->SetMainForm(nullptr);
    inherited::Destroy();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    NonClientChanged();
}

void TCustomForm::SetBorderIcons(TBorderIcons value)
{
    if (value == FBorderIcons)
        return;
    FBorderIcons = value;
    if (FHandle)
        FHandle->update();
}

int TCustomForm::CaptionHeight() const
{
    switch (FBorderStyle) {
    case bsNone: return 0;
    case bsToolWindow:
    case bsSizeToolWin: return GetSystemMetrics(SM_CYSMCAPTION);
    default: return GetSystemMetrics(SM_CYCAPTION);
    }
}

int TCustomForm::FrameWidth() const
{
    switch (FBorderStyle) {
    case bsNone: return 0;
    case bsSizeable:
    case bsSizeToolWin: return GetSystemMetrics(SM_CXFRAME);
    default: return GetSystemMetrics(SM_CXDLGFRAME);
    }
}

TRect TCustomForm::FrameInsets() const
{
    const int f = FrameWidth();
    return {f, f + CaptionHeight(), f, f};
}

TRect TCustomForm::CloseButtonRect() const
{
    if (FBorderStyle == bsNone || !FBorderIcons.Contains(biSystemMenu))
        return {};
    const int size = CaptionHeight() - 4;
    const int f = FrameWidth();
    return Bounds(FWidth - f - 2 - size - 2, f + 2, size + 2, size);
}

void TCustomForm::CreateWnd()
{
    TScrollingWinControl::CreateWnd();
    if (!FParent)
        FHandle->setWindowTitle(QString::fromStdString(FText));
}

void TCustomForm::TextChanged()
{
    if (FHandle && !FParent)
        FHandle->setWindowTitle(QString::fromStdString(FText));
    if (FHandle)
        FHandle->update();
}

bool TCustomForm::Showing() const
{
    if (!FVisible)
        return false;
    if (FParent)
        return FParent->Showing();
    return FHandle && FHandle->isVisible();
}

bool TCustomForm::Active() const
{
    if (!FHandle)
        return false;
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == FHandle || FHandle->isAncestorOf(focus));
}

void TCustomForm::PlaceOnScreen()
{
    if (FPlaced || FParent)
        return;
    FPlaced = true;
    TRect area = Rect(0, 0, Screen->Width(), Screen->Height());
    switch (FPosition) {
    case poMainFormCenter:
        if (TCustomForm* main = Application->MainForm(); main && main != this && main->HandleAllocated())
            area = main->BoundsRect();
        break;
    case poOwnerFormCenter:
        if (auto* owner = dynamic_cast<TCustomForm*>(Owner()); owner && owner->HandleAllocated())
            area = owner->BoundsRect();
        break;
    case poScreenCenter:
    case poDesktopCenter:
        break;
    default:
        return;
    }
    SetBounds(area.Left + (area.Width() - FWidth) / 2, area.Top + (area.Height() - FHeight) / 2, FWidth, FHeight);
}

void TCustomForm::VisibleChanged()
{
    if (FParent) {
        TScrollingWinControl::VisibleChanged();
        if (FVisible)
            DoShow();
        else
            DoHide();
        return;
    }
    if (FVisible) {
        HandleNeeded();
        PlaceOnScreen();
        Realign();
        FHandle->show();
        RaiseTopLevel(this);
        FHandle->activateWindow();
        QApplication::setActiveWindow(FHandle);
        if (FActiveControl && FActiveControl->CanFocus())
            FActiveControl->SetFocus();
        DoShow();
    } else {
        if (FHandle)
            FHandle->hide();
        DoHide();
    }
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    FActiveControl = control;
    if (control && Showing() && control->CanFocus())
        control->SetFocus();
}

void TCustomForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& Action)
{
    if (OnClose)
        OnClose(this, Action);
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close()
{
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    DoClose(action);
    switch (action) {
    case caHide:
    case caMinimize: Hide(); break;
    case caFree: Release(); break;
    case caNone: break;
    }
}

void TCustomForm::Release()
{
    PostMessage(this, CM_RELEASE);
}

TModalResult TCustomForm::ShowModal()
{
    if (FVisible || !FEnabled || FModal)
        throw EInvalidOperation("Cannot make a visible window modal");
    FModal = true;
    FModalResult = mrNone;
    try {
        ShowForm();
        int idlePasses = 0;
        while (FModalResult == mrNone) {
            const TApplication::TModalHook& hook = Application->ModalHook();
            if (hook) {
                hook(*this);
                Application->ProcessMessages();
                if (FModalResult == mrNone && ++idlePasses > 1000)
                    throw EInvalidOperation("The modal form \"" + Name() + "\" was never closed");
            } else {
                Application->HandleMessage();
            }
            if (Application->Terminated())
                FModalResult = mrCancel;
            if (FModalResult != mrNone)
                CloseModal();
        }
    } catch (...) {
        FModal = false;
        Hide();
        throw;
    }
    const TModalResult result = FModalResult;
    FModal = false;
    Hide();
    return result;
}

void TCustomForm::CloseModal()
{
    try {
        TCloseAction action = caNone;
        if (CloseQuery()) {
            action = caHide;
            DoClose(action);
        }
        switch (action) {
        case caNone: FModalResult = mrNone; break;
        case caFree: Release(); break;
        default: break;
        }
    } catch (...) {
        FModalResult = mrNone;
        Application->HandleException(this);
    }
}

bool TCustomForm::DialogKey(uint16_t key)
{
    // The focused control answers first, then every control of the form.
    if (TWinControl* focused = FindControl(QApplication::focusWidget());
        focused && ContainsControl(focused) && focused->Perform(CM_DIALOGKEY, key) != 0)
        return true;
    std::vector<TWinControl*> pending{this};
    while (!pending.empty()) {
        TWinControl* current = pending.back();
        pending.pop_back();
        for (int i = 0; i < current->ControlCount(); ++i) {
            TControl* c = current->Controls(i);
            if (!c->Visible() || !c->Enabled() || !c->IsWindowed())
                continue;
            auto* win = static_cast<TWinControl*>(c);
            if (win->Perform(CM_DIALOGKEY, key) != 0)
                return true;
            pending.push_back(win);
        }
    }
    return false;
}

void TCustomForm::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_CLOSE:
        Close();
        return;
    case WM_NCLBUTTONDOWN:
        if (!FParent) {
            RaiseTopLevel(this);
            if (FHandle)
                FHandle->activateWindow();
        }
        break;
    default:
        break;
    }
    TScrollingWinControl::WndProc(Message);
}

int TCustomForm::NonClientHitTest(TPoint p)
{
    if (FBorderStyle == bsNone)
        return HTCLIENT;
    if (PtInRect(CloseButtonRect(), p))
        return HTCLOSE;
    const int f = FrameWidth();
    const bool sizeable = FBorderStyle == bsSizeable || FBorderStyle == bsSizeToolWin;
    if (sizeable) {
        const int corner = f + 8;
        const bool left = p.X < f;
        const bool right = p.X >= FWidth - f;
        const bool top = p.Y < f;
        const bool bottom = p.Y >= FHeight - f;
        if ((left && p.Y < corner) || (top && p.X < corner))
            return HTTOPLEFT;
        if ((right && p.Y < corner) || (top && p.X >= FWidth - corner))
            return HTTOPRIGHT;
        if ((left && p.Y >= FHeight - corner) || (bottom && p.X < corner))
            return HTBOTTOMLEFT;
        if ((right && p.Y >= FHeight - corner) || (bottom && p.X >= FWidth - corner))
            return HTBOTTOMRIGHT;
        if (left)
            return HTLEFT;
        if (right)
            return HTRIGHT;
        if (top)
            return HTTOP;
        if (bottom)
            return HTBOTTOM;
    }
    if (p.Y >= f && p.Y < f + CaptionHeight() && p.X >= f && p.X < FWidth - f)
        return HTCAPTION;
    const TRect client = NonClientInsets();
    if (p.X >= client.Left && p.X < FWidth - client.Right && p.Y >= client.Top && p.Y < FHeight - client.Bottom)
        return HTCLIENT;
    return HTBORDER;
}

void TCustomForm::PaintNonClient(TCanvas& Canvas)
{
    if (FBorderStyle == bsNone) {
        TScrollingWinControl::PaintNonClient(Canvas);
        return;
    }
    const int f = FrameWidth();
    const int caption = CaptionHeight();
    Canvas.Brush().SetColor(clBtnFace);
    Canvas.FillRect(Rect(0, 0, FWidth, FHeight));
    DrawEdgeRaised(Canvas, Rect(0, 0, FWidth, FHeight));

    const bool active = Active() || (!FParent && FHandle && FHandle->isActiveWindow());
    const TRect band = Rect(f, f, FWidth - f, f + caption - 1);
    QPainter* p = Canvas.Handle();
    QLinearGradient gradient(band.Left, 0, band.Right, 0);
    gradient.setColorAt(0, ToQColor(active ? clActiveCaption : clInactiveCaption));
    gradient.setColorAt(1, ToQColor(active ? clGradientActiveCaption : clGradientInactiveCaption));
    p->fillRect(QRect(band.Left, band.Top, band.Width(), band.Height()), gradient);

    const bool small = FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin;
    TFont captionFont;
    captionFont.Assign(*FFont);
    captionFont.SetStyle(TFontStyles{fsBold});
    captionFont.SetHeight(small ? -10 : -12);
    captionFont.SetColor(active ? clCaptionText : clInactiveCaptionText);
    const TRect closeRect = CloseButtonRect();
    const int textRight = closeRect.IsEmpty() ? band.Right - 2 : closeRect.Left - 2;
    p->save();
    p->setFont(captionFont.ToQFont());
    p->setPen(ToQColor(captionFont.Color()));
    p->drawText(QRect(band.Left + 4, band.Top, std::max(0, textRight - band.Left - 4), band.Height()),
                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                p->fontMetrics().elidedText(QString::fromStdString(FText), Qt::ElideRight,
                                            std::max(0, textRight - band.Left - 4)));
    p->restore();
    if (!closeRect.IsEmpty())
        DrawFrameControl(Canvas, closeRect, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    TScrollingWinControl::PaintNonClient(Canvas);
}

// ---- TForm ------------------------------------------------------------------------

TForm::TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
