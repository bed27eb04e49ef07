#include "platform/ui/ComCtrls.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QPainter>
#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/WidgetBridge.h"

// ---- TTabSheet ------------------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner)
{
    FColor = clBtnFace;
    FParentColor = false;
    FVisible = false;
    FControlStyle.Include(csAcceptsControls);
}

void TTabSheet::Destroy()
{
    SetParent(nullptr);
    inherited::Destroy();
}

void TTabSheet::SetPageControl(TPageControl* value)
{
    SetParent(value);
}

void TTabSheet::SetParent(TWinControl* AParent)
{
    if (FPageControl && AParent != FPageControl)
        FPageControl->RemovePage(this);
    if (AParent == FParent)
        return;
    TCustomControl::SetParent(AParent);
    if (auto* pageControl = dynamic_cast<TPageControl*>(AParent))
        pageControl->InsertPage(this);
}

int TTabSheet::PageIndex() const
{
    if (!FPageControl)
        return -1;
    const auto& pages = FPageControl->FPages;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value)
{
    if (!FPageControl)
        return;
    auto& pages = FPageControl->FPages;
    pages.erase(std::find(pages.begin(), pages.end(), this));
    value = std::clamp(value, 0, static_cast<int>(pages.size()));
    pages.insert(pages.begin() + value, this);
    FPageControl->Invalidate();
}

void TTabSheet::SetTabVisible(bool value)
{
    if (value == FTabVisible)
        return;
    FTabVisible = value;
    if (FPageControl)
        FPageControl->Invalidate();
}

void TTabSheet::TextChanged()
{
    if (FPageControl)
        FPageControl->Invalidate();
}

void TTabSheet::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TTabSheet::DoHide()
{
    if (OnHide)
        OnHide(this);
}

// ---- TPageControl ---------------------------------------------------------------------

TPageControl::TPageControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    FWidth = 289;
    FHeight = 193;
    FColor = clBtnFace;
    FParentColor = false;
    FTabStop = true;
}

TTabSheet* TPageControl::Pages(int index) const
{
    if (index < 0 || index >= PageCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return FPages[static_cast<size_t>(index)];
}

void TPageControl::InsertPage(TTabSheet* page)
{
    FPages.push_back(page);
    page->FPageControl = this;
    page->SetBounds(DisplayRect().Left, DisplayRect().Top, DisplayRect().Width(), DisplayRect().Height());
    if (!FActivePage)
        SetActivePage(page);
    else
        page->SetVisible(false);
    Invalidate();
}

void TPageControl::RemovePage(TTabSheet* page)
{
    auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end())
        return;
    const auto index = it - FPages.begin();
    FPages.erase(it);
    page->FPageControl = nullptr;
    if (page == FActivePage) {
        FActivePage = nullptr;
        TTabSheet* next = nullptr;
        if (!FPages.empty() && !IsDestroying())
            next = FPages[static_cast<size_t>(std::min<std::ptrdiff_t>(index, PageCount() - 1))];
        SetActivePage(next);
    }
    Invalidate();
}

int TPageControl::ActivePageIndex() const
{
    return FActivePage ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int value)
{
    SetActivePage(value >= 0 && value < PageCount() ? FPages[static_cast<size_t>(value)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (page && page->FPageControl != this)
        return;
    if (page == FActivePage)
        return;
    TTabSheet* old = FActivePage;
    FActivePage = page;
    if (old && old->FPageControl == this) {
        old->SetVisible(false);
        old->DoHide();
    }
    ShowActivePage();
    Invalidate();
}

void TPageControl::ShowActivePage()
{
    if (!FActivePage)
        return;
    const TRect r = DisplayRect();
    FActivePage->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    FActivePage->SetVisible(true);
    FActivePage->BringToFront();
    FActivePage->DoShow();
}

void TPageControl::SetHotTrack(bool value)
{
    FHotTrack = value;
    Invalidate();
}

void TPageControl::SetStyle(TTabStyle value)
{
    if (value == FStyle)
        return;
    FStyle = value;
    Realign();
    Invalidate();
}

int TPageControl::TabHeight() const
{
    const QFontMetrics metrics(FFont->ToQFont());
    return metrics.height() + (FStyle == tsTabs ? 7 : 8);
}

TRect TPageControl::DisplayRect() const
{
    const int top = TabHeight() + (FStyle == tsTabs ? 0 : 3);
    if (FStyle != tsTabs)
        return Rect(0, top, ClientWidth(), std::max(top, ClientHeight()));
    return Rect(4, top + 4, std::max(4, ClientWidth() - 4), std::max(top + 4, ClientHeight() - 4));
}

TRect TPageControl::TabRect(int pageIndex)
{
    const QFontMetrics metrics(FFont->ToQFont());
    int x = 2;
    const int height = TabHeight();
    for (int i = 0; i < PageCount(); ++i) {
        TTabSheet* page = FPages[static_cast<size_t>(i)];
        if (!page->TabVisible()) {
            if (i == pageIndex)
                return {};
            continue;
        }
        const int width = metrics.horizontalAdvance(QString::fromStdString(page->Caption()).remove('&')) + 14;
        if (i == pageIndex)
            return Rect(x, 2, x + width, height);
        x += width + (FStyle == tsTabs ? 0 : 3);
    }
    return {};
}

int TPageControl::IndexOfTabAt(int X, int Y)
{
    for (int i = 0; i < PageCount(); ++i)
        if (PtInRect(TabRect(i), {X, Y}))
            return i;
    return -1;
}

bool TPageControl::CanChange()
{
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    return allow;
}

void TPageControl::Change()
{
    if (OnChange)
        OnChange(this);
}

void TPageControl::AdjustClientRect(TRect& Rect)
{
    Rect = DisplayRect();
}

void TPageControl::AlignControls(TControl* AControl, TRect& Rect)
{
    TCustomControl::AlignControls(AControl, Rect);
    const TRect r = DisplayRect();
    for (TTabSheet* page : FPages)
        page->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

void TPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    const int index = IndexOfTabAt(X, Y);
    if (index < 0 || FPages[static_cast<size_t>(index)] == FActivePage)
        return;
    if (!CanChange())
        return;
    SetActivePage(FPages[static_cast<size_t>(index)]);
    Change();
}

void TPageControl::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (!FHotTrack)
        return;
    const int index = IndexOfTabAt(X, Y);
    if (index != FHotIndex) {
        FHotIndex = index;
        Invalidate();
    }
}

void TPageControl::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.Brush().SetColor(FColor);
    canvas.FillRect(ClientRect());
    QPainter* p = canvas.Handle();
    const QColor line = ToQColor(clBtnShadow);
    const int tabBottom = TabHeight();
    if (FStyle == tsTabs) {
        // The page area's frame; the active tab opens it from above.
        p->fillRect(QRect(0, tabBottom, ClientWidth(), 1), line);
        p->fillRect(QRect(0, tabBottom, 1, ClientHeight() - tabBottom), line);
        p->fillRect(QRect(ClientWidth() - 1, tabBottom, 1, ClientHeight() - tabBottom), line);
        p->fillRect(QRect(0, ClientHeight() - 1, ClientWidth(), 1), line);
    }
    p->setFont(FFont->ToQFont());
    for (int i = 0; i < PageCount(); ++i) {
        TRect r = TabRect(i);
        if (r.IsEmpty())
            continue;
        const bool active = FPages[static_cast<size_t>(i)] == FActivePage;
        const bool hot = FHotTrack && i == FHotIndex && !active;
        if (FStyle == tsTabs) {
            if (active)
                r = Rect(r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 1);
            canvas.Brush().SetColor(active ? FColor : hot ? clGradientInactiveCaption : cl3DLight);
            canvas.FillRect(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom));
            p->fillRect(QRect(r.Left, r.Top + 1, 1, r.Height() - 1), line);
            p->fillRect(QRect(r.Left + 1, r.Top, r.Width() - 2, 1), line);
            p->fillRect(QRect(r.Right - 1, r.Top + 1, 1, r.Height() - 1), line);
        } else {
            TRect face = r;
            if (active)
                Frame3D(canvas, face, clBtnShadow, clBtnHighlight, 1);
            else if (FStyle == tsButtons)
                Frame3D(canvas, face, clBtnHighlight, clBtnShadow, 1);
            canvas.Brush().SetColor(active ? cl3DLight : FColor);
            canvas.FillRect(face);
        }
        p->setPen(ToQColor(hot ? clHotLight : FFont->Color()));
        p->drawText(QRect(r.Left, r.Top, r.Width(), r.Height() - (active && FStyle == tsTabs ? 0 : 1)),
                    Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine,
                    QString::fromStdString(FPages[static_cast<size_t>(i)]->Caption()));
    }
}

// ---- TListView ------------------------------------------------------------------------

void TListItem::SetCaption(const std::string& value)
{
    FCaption = value;
    FOwner->Rebuild();
}

void TListItem::SetImageIndex(int value)
{
    FImageIndex = value;
    FOwner->Rebuild();
}

int TListItem::Index() const
{
    return FOwner->Items().IndexOf(this);
}

bool TListItem::Selected() const
{
    return FOwner->Selected() == this;
}

void TListItem::SetSelected(bool value)
{
    FOwner->SetSelected(value ? this : nullptr);
}

bool TListItem::Focused() const
{
    return FOwner->ItemFocused() == this;
}

void TListItem::SetFocused(bool value)
{
    FOwner->SetItemFocused(value ? this : nullptr);
}

TListItems::~TListItems()
{
    for (TListItem* item : FItems)
        delete item;
}

TListItem* TListItems::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return FItems[static_cast<size_t>(index)];
}

TListItem* TListItems::Add()
{
    auto* item = new TListItem(FOwner);
    FItems.push_back(item);
    Changed();
    return item;
}

void TListItems::Delete(int index)
{
    TListItem* item = Item(index);
    FItems.erase(FItems.begin() + index);
    delete item;
    if (FOwner->FFocusedIndex >= Count())
        FOwner->FFocusedIndex = -1;
    Changed();
}

void TListItems::Clear()
{
    for (TListItem* item : FItems)
        delete item;
    FItems.clear();
    FOwner->FFocusedIndex = -1;
    Changed();
}

int TListItems::IndexOf(const TListItem* item) const
{
    const auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TListItems::BeginUpdate()
{
    ++FUpdateCount;
}

void TListItems::EndUpdate()
{
    if (--FUpdateCount == 0)
        Changed();
}

void TListItems::Changed()
{
    if (FUpdateCount == 0)
        FOwner->Rebuild();
}

TListView::TListView(TComponent* AOwner) : TWinControl(AOwner)
{
    FWidth = 250;
    FHeight = 150;
    FTabStop = true;
    FColor = clWindow;
    FParentColor = false;
    FItems = new TListItems(this);
    FControlStyle = TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks};
}

TListView::~TListView()
{
    delete FItems;
}

void TListView::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove) {
        if (AComponent == FSmallImages)
            FSmallImages = nullptr;
        if (AComponent == FLargeImages)
            FLargeImages = nullptr;
    }
    inherited::Notification(AComponent, Operation);
}

QListWidget* TListView::List() const
{
    return static_cast<QListWidget*>(FHandle);
}

QWidget* TListView::CreateWidget()
{
    // The list lays out its own viewport and scroll bars; its mouse events
    // reach the bridge through the list itself.
    auto* list = new TBridge<QListWidget>(this, TWidgetRole::Whole);
    FClientHandle = list;
    QObject::connect(list, &QListWidget::currentRowChanged, [this](int row) {
        if (FRebuilding)
            return;
        CallGuarded(this, [&] {
            FFocusedIndex = row;
            if (OnChange)
                OnChange(this);
        });
    });
    return list;
}

void TListView::InitWidget()
{
    TWinControl::InitWidget();
    List()->setFocusPolicy(FTabStop ? Qt::StrongFocus : Qt::ClickFocus);
    QPalette palette = List()->palette();
    palette.setColor(QPalette::Base, ToQColor(FColor));
    List()->setPalette(palette);
    Rebuild();
}

void TListView::ColorChanged()
{
    if (FHandle) {
        QPalette palette = List()->palette();
        palette.setColor(QPalette::Base, ToQColor(FColor));
        List()->setPalette(palette);
    }
    TWinControl::ColorChanged();
}

void TListView::SetViewStyle(TViewStyle value)
{
    FViewStyle = value;
    Rebuild();
}

void TListView::SetSmallImages(TCustomImageList* value)
{
    if (FSmallImages)
        FSmallImages->RemoveFreeNotification(this);
    FSmallImages = value;
    if (value)
        value->FreeNotification(this);
    Rebuild();
}

void TListView::SetLargeImages(TCustomImageList* value)
{
    if (FLargeImages)
        FLargeImages->RemoveFreeNotification(this);
    FLargeImages = value;
    if (value)
        value->FreeNotification(this);
    Rebuild();
}

TListItem* TListView::ItemFocused() const
{
    return FFocusedIndex >= 0 && FFocusedIndex < FItems->Count() ? FItems->Item(FFocusedIndex) : nullptr;
}

void TListView::SetItemFocused(TListItem* item)
{
    FFocusedIndex = item ? FItems->IndexOf(item) : -1;
    if (FHandle) {
        FRebuilding = true;
        List()->setCurrentRow(FFocusedIndex);
        FRebuilding = false;
    }
}

TListItem* TListView::Selected() const
{
    return ItemFocused();
}

void TListView::SetSelected(TListItem* item)
{
    SetItemFocused(item);
}

void TListView::Rebuild()
{
    if (!FHandle)
        return;
    QListWidget* list = List();
    FRebuilding = true;
    list->clear();
    const bool large = FViewStyle == vsIcon;
    TCustomImageList* images = large ? FLargeImages : FSmallImages;
    switch (FViewStyle) {
    case vsIcon:
        list->setViewMode(QListView::IconMode);
        list->setFlow(QListView::LeftToRight);
        list->setWrapping(true);
        break;
    case vsSmallIcon:
        list->setViewMode(QListView::ListMode);
        list->setFlow(QListView::LeftToRight);
        list->setWrapping(true);
        break;
    case vsList:
        list->setViewMode(QListView::ListMode);
        list->setFlow(QListView::TopToBottom);
        list->setWrapping(true);
        break;
    case vsReport:
        list->setViewMode(QListView::ListMode);
        list->setFlow(QListView::TopToBottom);
        list->setWrapping(false);
        break;
    }
    list->setMovement(QListView::Static);
    list->setResizeMode(QListView::Adjust);
    if (images)
        list->setIconSize(QSize(images->Width(), images->Height()));
    for (int i = 0; i < FItems->Count(); ++i) {
        TListItem* item = FItems->Item(i);
        auto* entry = new QListWidgetItem(QString::fromStdString(item->Caption()), list);
        if (images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count())
            entry->setIcon(QIcon(QPixmap::fromImage(images->Image(item->ImageIndex()))));
    }
    list->setCurrentRow(FFocusedIndex);
    FRebuilding = false;
}
