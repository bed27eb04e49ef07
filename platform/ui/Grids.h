#pragma once
// The string grid with its in-place editor. The editor's text reaches the
// grid (SetEditText) only when it is taken over: when the editor leaves its
// cell, is hidden, loses the focus to a control outside the grid, on Enter,
// and when a pick-list entry is chosen; never per keystroke.
#include <vector>

#include "platform/core/StringList.h"
#include "platform/ui/StdCtrls.h"

class QScrollBar;
class QToolButton;
class QListWidget;
class TCustomGrid;

enum TGridOption {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goDrawFocusSelected,
    goRowSizing,
    goColSizing,
    goRowMoving,
    goColMoving,
    goEditing,
    goTabs,
    goRowSelect,
    goAlwaysShowEditor,
    goThumbTracking,
};
using TGridOptions = TSet<TGridOption>;

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem>;

enum TEditStyle { esSimple, esEllipsis, esPickList };

// The editor shown over the current cell.
class TInplaceEdit : public TCustomEdit {
    VN_CLASS(TInplaceEdit, TCustomEdit)

public:
    explicit TInplaceEdit(TComponent* AOwner);
    TCustomGrid* Grid() const { return FGrid; }
    bool WantsKey(uint16_t key) const override;
    void WndProc(TMessage& Message) override;
    // Re-reads the cell's text and style from the grid.
    virtual void UpdateContents();

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    // Also reports the change to the grid (WM_COMMAND with EN_CHANGE).
    void Change() override;
    // Hands a key to the grid (navigation, Escape, Enter).
    void SendToParent(uint16_t& Key, TShiftState Shift);

private:
    TCustomGrid* FGrid;
};

// An in-place editor with a button: an ellipsis that runs an action, or a
// drop-down pick list.
class TInplaceEditList : public TInplaceEdit {
    VN_CLASS(TInplaceEditList, TInplaceEdit)

public:
    explicit TInplaceEditList(TComponent* AOwner);
    ~TInplaceEditList() override;
    void Destroy() override;

    TEditStyle EditStyle() const { return FEditStyle; }
    void SetEditStyle(TEditStyle value);
    TStrings* PickList() const { return FPickList; }
    int DropDownRows() const { return FDropDownRows; }
    void SetDropDownRows(int value) { FDropDownRows = value; }
    bool ListVisible() const { return FListVisible; }
    // The entry highlighted in the open list (-1 for none).
    int PickListIndex() const { return FPickListIndex; }
    void SetPickListIndex(int value);
    void DropDown();
    // Closes the list; with accept the highlighted entry becomes the text
    // and is handed to the grid.
    void CloseUp(bool accept);
    // The button: runs DoEditButtonClick or opens the list.
    void EditButtonClick();
    void UpdateContents() override;
    TRect ButtonRect() const;

protected:
    virtual void DoEditButtonClick();
    virtual void DoGetPickListItems();
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    QWidget* CreateWidget() override;
    void InitWidget() override;
    void BoundsChanged(bool sizeChanged) override;

private:
    void PlaceButton();
    TEditStyle FEditStyle = esSimple;
    TStringList* FPickList;
    int FDropDownRows = 7;
    bool FListVisible = false;
    int FPickListIndex = -1;
    QToolButton* FButton = nullptr;
    QListWidget* FListWidget = nullptr;
};

using TGetEditEvent = TEvent<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSetEditEvent = TEvent<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TMovedEvent = TEvent<void(TObject* Sender, int FromIndex, int ToIndex)>;
using TSelectCellEvent = TEvent<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TDrawCellEvent = TEvent<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;

class TCustomGrid : public TCustomControl {
    VN_CLASS(TCustomGrid, TCustomControl)

public:
    explicit TCustomGrid(TComponent* AOwner);
    void Destroy() override;

    int ColCount() const { return static_cast<int>(FColWidths.size()); }
    virtual void SetColCount(int value);
    int RowCount() const { return static_cast<int>(FRowHeights.size()); }
    virtual void SetRowCount(int value);
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int value);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int value);
    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int value);
    int ColWidths(int index) const;
    void SetColWidths(int index, int value);
    int RowHeights(int index) const;
    void SetRowHeights(int index, int value);
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor value);

    int Col() const { return FCol; }
    void SetCol(int value) { FocusCell(value, FRow, true); }
    int Row() const { return FRow; }
    void SetRow(int value) { FocusCell(FCol, value, true); }
    // Makes (ACol, ARow) the current cell, taking the editor's text over first.
    void FocusCell(int ACol, int ARow, bool MoveAnchor);
    int TopRow() const { return FTopRow; }
    void SetTopRow(int value);
    int LeftCol() const { return FLeftCol; }
    void SetLeftCol(int value);
    int VisibleRowCount() const;
    int VisibleColCount() const;

    // The cell's rectangle in client coordinates; empty when not visible.
    TRect CellRect(int ACol, int ARow) const;
    // The cell at a client point (-1, -1 outside every cell).
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;

    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool value);
    void ShowEditor();
    // Takes the editor's text over and hides it.
    void HideEditor();
    TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }
    // Hands the editor's text to SetEditText for the cell it edits.
    void UpdateText();
    // Puts the cell's text back into the editor.
    void InvalidateEditor();
    void InvalidateCell(int ACol, int ARow);
    void InvalidateRow(int ARow);
    void MoveRow(int FromIndex, int ToIndex);

    TRect NonClientInsets() const override;
    void WndProc(TMessage& Message) override;
    bool WantsKey(uint16_t key) const override;

    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;
    TMovedEvent OnRowMoved;
    TSelectCellEvent OnSelectCell;
    TDrawCellEvent OnDrawCell;

protected:
    friend class TInplaceEdit;
    friend class TInplaceEditList;
    virtual TInplaceEdit* CreateEditor();
    virtual bool CanEditShow();
    virtual bool CanEditModify();
    virtual std::string GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const std::string& Value);
    virtual TEditStyle GetEditStyle(int ACol, int ARow);
    virtual bool SelectCell(int ACol, int ARow);
    virtual void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState);
    virtual void RowMoved(int FromIndex, int ToIndex);
    // Moves the row's data (the string grid moves cells and objects).
    virtual void MoveRowData(int FromIndex, int ToIndex);
    virtual void ColWidthsChanged();
    virtual void SizeChanged(int OldColCount, int OldRowCount);

    void Paint() override;
    void PaintNonClient(TCanvas& Canvas) override;
    void CreateWnd() override;
    void BoundsChanged(bool sizeChanged) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void UpdateEdit();
    void UpdateScrollBars();
    int ColLeft(int ACol) const;
    int RowTop(int ARow) const;

    int FCol = 1;
    int FRow = 1;
    int FTopRow = 1;
    int FLeftCol = 1;
    TInplaceEdit* FInplaceEdit = nullptr;

private:
    enum TGridState { gsNormal, gsColSizing, gsRowMoving };
    int FixedWidth() const;
    int FixedHeight() const;
    void ScrollIntoView(int ACol, int ARow);

    std::vector<int> FColWidths;
    std::vector<int> FRowHeights;
    int FFixedCols = 1;
    int FFixedRows = 1;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    TGridOptions FOptions;
    TBorderStyle FBorderStyle = bsSingle;
    TColor FFixedColor = clBtnFace;
    bool FEditorMode = false;
    int FInplaceCol = -1;
    int FInplaceRow = -1;
    TGridState FGridState = gsNormal;
    int FSizingIndex = -1;
    int FSizingStart = 0;
    int FMoveFrom = -1;
    int FMoveTo = -1;
    bool FHorzShown = false;
    bool FVertShown = false;
    QScrollBar* FHorzWidget = nullptr;
    QScrollBar* FVertWidget = nullptr;
};

// A grid of strings, each cell with an optional object.
class TStringGrid : public TCustomGrid {
    VN_CLASS(TStringGrid, TCustomGrid)

public:
    explicit TStringGrid(TComponent* AOwner);

    std::string Cells(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, const std::string& value);
    TObject* Objects(int ACol, int ARow) const;
    void SetObjects(int ACol, int ARow, TObject* value);

protected:
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    void MoveRowData(int FromIndex, int ToIndex) override;
    void SizeChanged(int OldColCount, int OldRowCount) override;

private:
    struct Cell {
        std::string Text;
        TObject* Object = nullptr;
    };
    Cell* At(int ACol, int ARow);
    const Cell* At(int ACol, int ARow) const;
    // Row-major: one vector of cells per row.
    std::vector<std::vector<Cell>> FCells;
    bool FUpdatingEditor = false;
};
