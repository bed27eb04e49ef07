#pragma once
// Page control with tab sheets, and the list view.
#include <string>
#include <vector>

#include "platform/ui/Controls.h"

class QListWidget;
class TCustomImageList;
class TPageControl;

enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };

// One page of a page control; its caption is the tab's text.
class TTabSheet : public TCustomControl {
    VN_CLASS(TTabSheet, TCustomControl)

public:
    explicit TTabSheet(TComponent* AOwner);
    void Destroy() override;

    TPageControl* PageControl() const { return FPageControl; }
    // Attaches the sheet to a page control (which becomes its parent) or,
    // with null, detaches it.
    void SetPageControl(TPageControl* value);
    void SetParent(TWinControl* AParent) override;
    int PageIndex() const;
    void SetPageIndex(int value);
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    TNotifyHandler OnShow;
    TNotifyHandler OnHide;

protected:
    friend class TPageControl;
    // Called when the sheet becomes the shown page.
    virtual void DoShow();
    virtual void DoHide();
    void TextChanged() override;

private:
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
    int FImageIndex = -1;
};

using TTabChangingEvent = TEvent<void(TObject* Sender, bool& AllowChange)>;

// Tabs along the top, drawn by us; the pages fill the area below them and
// only the active page is visible. Change (OnChange) runs when the user
// picks a tab, not when ActivePage is set by code.
class TPageControl : public TCustomControl {
    VN_CLASS(TPageControl, TCustomControl)

public:
    explicit TPageControl(TComponent* AOwner);

    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int value);
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value);
    TTabStyle Style() const { return FStyle; }
    void SetStyle(TTabStyle value);
    int TabHeight() const;
    // The tab's rectangle in client coordinates (empty for hidden tabs).
    TRect TabRect(int pageIndex);
    // The page whose tab is at a client point, or -1.
    int IndexOfTabAt(int X, int Y);
    // The area the pages fill.
    TRect DisplayRect() const;
    TNotifyHandler OnChange;
    TTabChangingEvent OnChanging;

protected:
    friend class TTabSheet;
    virtual void Change();
    virtual bool CanChange();
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void AdjustClientRect(TRect& Rect) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void ShowActivePage();

private:
    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
    bool FHotTrack = false;
    TTabStyle FStyle = tsTabs;
    int FHotIndex = -1;
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TListView;

class TListItem {
public:
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    void* Data() const { return FData; }
    void SetData(void* value) { FData = value; }
    int Index() const;
    bool Selected() const;
    void SetSelected(bool value);
    bool Focused() const;
    void SetFocused(bool value);

private:
    friend class TListItems;
    explicit TListItem(TListView* owner) : FOwner(owner) {}
    TListView* FOwner;
    std::string FCaption;
    int FImageIndex = -1;
    void* FData = nullptr;
};

class TListItems {
public:
    explicit TListItems(TListView* owner) : FOwner(owner) {}
    ~TListItems();
    TListItems(const TListItems&) = delete;
    TListItems& operator=(const TListItems&) = delete;

    int Count() const { return static_cast<int>(FItems.size()); }
    TListItem* Item(int index) const;
    TListItem* Add();
    void Delete(int index);
    void Clear();
    int IndexOf(const TListItem* item) const;
    void BeginUpdate();
    void EndUpdate();

private:
    void Changed();
    TListView* FOwner;
    std::vector<TListItem*> FItems;
    int FUpdateCount = 0;
};

// A list of captioned items with images, over a Qt list widget.
class TListView : public TWinControl {
    VN_CLASS(TListView, TWinControl)

public:
    explicit TListView(TComponent* AOwner);
    ~TListView() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    TListItems& Items() { return *FItems; }
    TViewStyle ViewStyle() const { return FViewStyle; }
    void SetViewStyle(TViewStyle value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    TCustomImageList* SmallImages() const { return FSmallImages; }
    void SetSmallImages(TCustomImageList* value);
    TCustomImageList* LargeImages() const { return FLargeImages; }
    void SetLargeImages(TCustomImageList* value);
    TListItem* ItemFocused() const;
    void SetItemFocused(TListItem* item);
    TListItem* Selected() const;
    void SetSelected(TListItem* item);
    TNotifyHandler OnChange;

protected:
    friend class TListItems;
    friend class TListItem;
    QWidget* CreateWidget() override;
    void InitWidget() override;
    void ColorChanged() override;
    void Rebuild();
    QListWidget* List() const;

private:
    TListItems* FItems;
    TViewStyle FViewStyle = vsIcon;
    bool FReadOnly = false;
    TCustomImageList* FSmallImages = nullptr;
    TCustomImageList* FLargeImages = nullptr;
    int FFocusedIndex = -1;
    bool FRebuilding = false;
};
