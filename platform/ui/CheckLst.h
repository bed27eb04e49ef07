#pragma once
// The check-list box: a list of strings, each with a check box, painted by us
// so that item heights, rectangles and hit tests are exact.
#include <vector>

#include "platform/core/AbstractStrings.h"
#include "platform/ui/Controls.h"
#include "platform/ui/StdCtrls.h"

class QScrollBar;
class TCheckListBox;

// The items of a check-list box: strings with objects, check states and
// enabled flags that move with their strings. IndexOf ignores letter case.
class TCheckListItems : public TStrings {
    VN_CLASS(TCheckListItems, TStrings)

public:
    explicit TCheckListItems(TCheckListBox* owner = nullptr) : FOwner(owner) {}

    int Count() const override { return static_cast<int>(FItems.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* obj) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;
    void Move(int curIndex, int newIndex) override;
    void Exchange(int index1, int index2) override;

protected:
    friend class TCheckListBox;
    void SetUpdateState(bool updating) override;
    int CompareStrings(std::string_view a, std::string_view b) const override;

private:
    struct Item {
        std::string Text;
        TObject* Object = nullptr;
        TCheckBoxState State = cbUnchecked;
        bool Enabled = true;
    };
    void CheckIndex(int index) const;
    void Changed();
    TCheckListBox* FOwner;
    std::vector<Item> FItems;
};

class TCheckListBox : public TCustomControl {
    VN_CLASS(TCheckListBox, TCustomControl)

public:
    explicit TCheckListBox(TComponent* AOwner);
    ~TCheckListBox() override;

    TStrings* Items() const { return FItems; }
    int Count() const { return FItems->Count(); }
    bool Checked(int index) const { return State(index) == cbChecked; }
    void SetChecked(int index, bool value) { SetState(index, value ? cbChecked : cbUnchecked); }
    TCheckBoxState State(int index) const;
    void SetState(int index, TCheckBoxState value);
    bool ItemEnabled(int index) const;
    void SetItemEnabled(int index, bool value);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }
    // Check boxes drawn with a flat frame.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);

    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    // The first visible row.
    int TopIndex() const { return FTopIndex; }
    void SetTopIndex(int value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value);
    // The row at a client point: with existing, -1 when the point is below
    // the last row; otherwise the last row (or -1 when empty).
    int ItemAtPos(TPoint pos, bool existing) const;
    // The row's rectangle in client coordinates; rows scrolled out of view
    // lie above 0 or below the client area.
    TRect ItemRect(int index) const;
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    TRect NonClientInsets() const override;
    void WndProc(TMessage& Message) override;
    TNotifyHandler OnClickCheck;

protected:
    friend class TCheckListItems;
    // Called after the user toggled a check box.
    virtual void ClickCheck();
    void ToggleClickCheck(int index);
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void Paint() override;
    void PaintNonClient(TCanvas& Canvas) override;
    void CreateWnd() override;
    void BoundsChanged(bool sizeChanged) override;
    void FontChanged() override;
    void ItemsChanged();
    int VisibleRows() const;

private:
    void UpdateScrollBar();
    TCheckListItems* FItems;
    int FItemIndex = -1;
    int FTopIndex = 0;
    int FItemHeight;
    bool FItemHeightSet = false;
    bool FAllowGrayed = false;
    bool FFlat = false;
    bool FScrollShown = false;
    TBorderStyle FBorderStyle = bsSingle;
    QScrollBar* FScrollWidget = nullptr;
};
