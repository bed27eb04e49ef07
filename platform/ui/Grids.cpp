#include "platform/ui/Grids.h"

#include <QApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/WidgetBridge.h"

namespace {

const int kScrollBarSize = GetSystemMetrics(SM_CXVSCROLL);
constexpr int kSizingMargin = 2;

// The drop-down list of a pick-list editor.
class TPickListWidget : public QListWidget {
public:
    std::function<void()> OnHide;
    std::function<void(bool accept)> OnClose;

protected:
    void hideEvent(QHideEvent* e) override
    {
        QListWidget::hideEvent(e);
        if (OnHide)
            OnHide();
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape) && OnClose) {
            OnClose(e->key() != Qt::Key_Escape);
            return;
        }
        QListWidget::keyPressEvent(e);
    }
};

} // namespace

// ---- TInplaceEdit ---------------------------------------------------------------------

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomEdit(AOwner), FGrid(dynamic_cast<TCustomGrid*>(AOwner))
{
    FVisible = false;
    FTabStop = false;
    SetBorderStyle(bsNone);
}

bool TInplaceEdit::WantsKey(uint16_t key) const
{
    return key == VK_RETURN || key == VK_ESCAPE;
}

void TInplaceEdit::SendToParent(uint16_t& Key, TShiftState Shift)
{
    if (FGrid)
        FGrid->KeyDown(Key, Shift);
    Key = 0;
}

void TInplaceEdit::KeyDown(uint16_t& Key, TShiftState Shift)
{
    const int length = static_cast<int>(QString::fromStdString(Text()).size());
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE:
    case VK_RETURN:
        SendToParent(Key, Shift);
        break;
    case VK_TAB:
        if (!Shift.Contains(ssAlt))
            SendToParent(Key, Shift);
        break;
    case VK_LEFT:
    case VK_HOME:
        if (SelStart() == 0 && SelLength() == 0)
            SendToParent(Key, Shift);
        break;
    case VK_RIGHT:
    case VK_END:
        if (SelStart() >= length && SelLength() == 0)
            SendToParent(Key, Shift);
        break;
    default:
        break;
    }
    if (Key != 0)
        TCustomEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::WndProc(TMessage& Message)
{
    TCustomEdit::WndProc(Message);
    if (Message.Msg == WM_KILLFOCUS && FGrid && Visible()) {
        // Leaving for a control outside the grid takes the text over.
        TWinControl* next = FindControl(reinterpret_cast<QWidget*>(Message.WParam));
        if (next != FGrid && next != this)
            FGrid->UpdateText();
    }
}

void TInplaceEdit::Change()
{
    TCustomEdit::Change();
    if (FGrid)
        FGrid->Perform(WM_COMMAND, static_cast<intptr_t>(EN_CHANGE) << 16, reinterpret_cast<intptr_t>(this));
}

void TInplaceEdit::UpdateContents()
{
    if (!FGrid)
        return;
    SetText(FGrid->GetEditText(FGrid->FInplaceCol, FGrid->FInplaceRow));
    SetReadOnly(!FGrid->CanEditModify());
}

// ---- TInplaceEditList -------------------------------------------------------------------

TInplaceEditList::TInplaceEditList(TComponent* AOwner) : TInplaceEdit(AOwner)
{
    FPickList = TStringList::Create();
}

TInplaceEditList::~TInplaceEditList()
{
    FPickList->Free();
}

void TInplaceEditList::Destroy()
{
    if (FListWidget) {
        auto* list = static_cast<TPickListWidget*>(FListWidget);
        list->OnHide = nullptr;
        list->OnClose = nullptr;
        FListWidget = nullptr;
        list->hide();
        list->deleteLater();
    }
    inherited::Destroy();
}

QWidget* TInplaceEditList::CreateWidget()
{
    QWidget* edit = TInplaceEdit::CreateWidget();
    FButton = new QToolButton(edit);
    FButton->setFocusPolicy(Qt::NoFocus);
    FButton->setCursor(Qt::ArrowCursor);
    QObject::connect(FButton, &QToolButton::clicked, [this] { CallGuarded(this, [&] { EditButtonClick(); }); });
    return edit;
}

void TInplaceEditList::InitWidget()
{
    TInplaceEdit::InitWidget();
    PlaceButton();
}

TRect TInplaceEditList::ButtonRect() const
{
    if (FEditStyle == esSimple)
        return {};
    const int width = std::min(16, FWidth);
    return Rect(FWidth - width, 0, FWidth, FHeight);
}

void TInplaceEditList::PlaceButton()
{
    if (!FButton || !FHandle)
        return;
    const TRect r = ButtonRect();
    FButton->setVisible(FEditStyle != esSimple);
    FButton->setGeometry(r.Left, r.Top, r.Width(), r.Height());
    FButton->setText(FEditStyle == esEllipsis ? QStringLiteral("...") : QString());
    FButton->setArrowType(FEditStyle == esPickList ? Qt::DownArrow : Qt::NoArrow);
    static_cast<QLineEdit*>(FHandle)->setTextMargins(0, 0, r.Width(), 0);
}

void TInplaceEditList::BoundsChanged(bool sizeChanged)
{
    TInplaceEdit::BoundsChanged(sizeChanged);
    PlaceButton();
}

void TInplaceEditList::SetEditStyle(TEditStyle value)
{
    if (value == FEditStyle)
        return;
    if (FListVisible)
        CloseUp(false);
    FEditStyle = value;
    PlaceButton();
}

void TInplaceEditList::UpdateContents()
{
    TInplaceEdit::UpdateContents();
    if (Grid())
        SetEditStyle(Grid()->GetEditStyle(Grid()->FInplaceCol, Grid()->FInplaceRow));
}

void TInplaceEditList::DoEditButtonClick() {}

void TInplaceEditList::DoGetPickListItems() {}

void TInplaceEditList::EditButtonClick()
{
    if (FEditStyle == esEllipsis) {
        if (Grid())
            Grid()->UpdateText();
        DoEditButtonClick();
    } else if (FEditStyle == esPickList) {
        if (FListVisible)
            CloseUp(false);
        else
            DropDown();
    }
}

void TInplaceEditList::SetPickListIndex(int value)
{
    FPickListIndex = value >= 0 && value < FPickList->Count() ? value : -1;
    if (FListWidget) {
        const QSignalBlocker block(FListWidget);
        FListWidget->setCurrentRow(FPickListIndex);
    }
}

void TInplaceEditList::DropDown()
{
    if (FEditStyle != esPickList || FListVisible)
        return;
    DoGetPickListItems();
    if (!FListWidget) {
        auto* list = new TPickListWidget();
        list->setWindowFlags(Qt::Popup);
        list->setFont(FFont->ToQFont());
        list->OnHide = [this] { FListVisible = false; };
        list->OnClose = [this](bool accept) { CallGuarded(this, [&] { CloseUp(accept); }); };
        QObject::connect(list, &QListWidget::itemClicked, [this, list](QListWidgetItem* item) {
            CallGuarded(this, [&] {
                FPickListIndex = list->row(item);
                CloseUp(true);
            });
        });
        FListWidget = list;
    }
    FListWidget->clear();
    for (int i = 0; i < FPickList->Count(); ++i)
        FListWidget->addItem(QString::fromStdString(FPickList->Strings(i)));
    FPickListIndex = FPickList->IndexOf(Text());
    FListWidget->setCurrentRow(FPickListIndex);
    const int rows = std::clamp(FPickList->Count(), 1, std::max(1, FDropDownRows));
    const int rowHeight = FListWidget->fontMetrics().height() + 2;
    const TPoint below = ClientToScreen({0, FHeight});
    FListWidget->setGeometry(below.X, below.Y, std::max(FWidth, 60), rows * rowHeight + 4);
    FListVisible = true;
    FListWidget->show();
}

void TInplaceEditList::CloseUp(bool accept)
{
    if (!FListVisible)
        return;
    FListVisible = false;
    if (FListWidget)
        FListWidget->hide();
    if (accept && FPickListIndex >= 0 && FPickListIndex < FPickList->Count()) {
        SetText(FPickList->Strings(FPickListIndex));
        SelectAll();
        if (Grid())
            Grid()->UpdateText();
    }
}

void TInplaceEditList::KeyDown(uint16_t& Key, TShiftState Shift)
{
    if (FEditStyle == esPickList && ((Key == VK_DOWN && Shift.Contains(ssAlt)) || Key == VK_F4)) {
        if (FListVisible)
            CloseUp(true);
        else
            DropDown();
        Key = 0;
        return;
    }
    if (FListVisible) {
        switch (Key) {
        case VK_RETURN: CloseUp(true); Key = 0; return;
        case VK_ESCAPE: CloseUp(false); Key = 0; return;
        case VK_UP: SetPickListIndex(std::max(0, FPickListIndex - 1)); Key = 0; return;
        case VK_DOWN: SetPickListIndex(std::min(FPickList->Count() - 1, FPickListIndex + 1)); Key = 0; return;
        default: break;
        }
    }
    TInplaceEdit::KeyDown(Key, Shift);
}

// ---- TCustomGrid ------------------------------------------------------------------------

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner)
{
    FWidth = 320;
    FHeight = 120;
    FColor = clWindow;
    FParentColor = false;
    FTabStop = true;
    FControlStyle = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks};
    FOptions = TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    FColWidths.assign(5, FDefaultColWidth);
    FRowHeights.assign(5, FDefaultRowHeight);
}

void TCustomGrid::Destroy()
{
    FInplaceEdit = nullptr;
    inherited::Destroy();
}

void TCustomGrid::SizeChanged(int, int) {}

void TCustomGrid::SetColCount(int value)
{
    value = std::max(value, FFixedCols + 1);
    if (value == ColCount())
        return;
    const int oldCols = ColCount();
    FColWidths.resize(static_cast<size_t>(value), FDefaultColWidth);
    SizeChanged(oldCols, RowCount());
    if (FCol >= value)
        FocusCell(value - 1, FRow, true);
    FLeftCol = std::clamp(FLeftCol, FFixedCols, value - 1);
    UpdateScrollBars();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::SetRowCount(int value)
{
    value = std::max(value, FFixedRows + 1);
    if (value == RowCount())
        return;
    const int oldRows = RowCount();
    FRowHeights.resize(static_cast<size_t>(value), FDefaultRowHeight);
    SizeChanged(ColCount(), oldRows);
    if (FRow >= value)
        FocusCell(FCol, value - 1, true);
    FTopRow = std::clamp(FTopRow, FFixedRows, value - 1);
    UpdateScrollBars();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::SetFixedCols(int value)
{
    FFixedCols = std::clamp(value, 0, ColCount() - 1);
    FLeftCol = std::max(FLeftCol, FFixedCols);
    FCol = std::max(FCol, FFixedCols);
    Invalidate();
}

void TCustomGrid::SetFixedRows(int value)
{
    FFixedRows = std::clamp(value, 0, RowCount() - 1);
    FTopRow = std::max(FTopRow, FFixedRows);
    FRow = std::max(FRow, FFixedRows);
    Invalidate();
}

void TCustomGrid::SetDefaultColWidth(int value)
{
    FDefaultColWidth = value;
    std::fill(FColWidths.begin(), FColWidths.end(), value);
    ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int value)
{
    FDefaultRowHeight = value;
    std::fill(FRowHeights.begin(), FRowHeights.end(), value);
    UpdateScrollBars();
    UpdateEdit();
    Invalidate();
}

int TCustomGrid::ColWidths(int index) const
{
    if (index < 0 || index >= ColCount())
        throw EListError("Grid index out of range");
    return FColWidths[static_cast<size_t>(index)];
}

void TCustomGrid::SetColWidths(int index, int value)
{
    if (index < 0 || index >= ColCount())
        throw EListError("Grid index out of range");
    if (FColWidths[static_cast<size_t>(index)] == value)
        return;
    FColWidths[static_cast<size_t>(index)] = value;
    ColWidthsChanged();
}

int TCustomGrid::RowHeights(int index) const
{
    if (index < 0 || index >= RowCount())
        throw EListError("Grid index out of range");
    return FRowHeights[static_cast<size_t>(index)];
}

void TCustomGrid::SetRowHeights(int index, int value)
{
    if (index < 0 || index >= RowCount())
        throw EListError("Grid index out of range");
    FRowHeights[static_cast<size_t>(index)] = value;
    UpdateScrollBars();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::ColWidthsChanged()
{
    UpdateScrollBars();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions value)
{
    if (value == FOptions)
        return;
    FOptions = value;
    if (value.Contains(goAlwaysShowEditor))
        FEditorMode = true;
    if (!value.Contains(goEditing))
        HideEditor();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::SetBorderStyle(TBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    NonClientChanged();
    UpdateScrollBars();
}

void TCustomGrid::SetFixedColor(TColor value)
{
    FFixedColor = value;
    Invalidate();
}

int TCustomGrid::FixedWidth() const
{
    int width = 0;
    for (int c = 0; c < FFixedCols; ++c)
        width += FColWidths[static_cast<size_t>(c)] + 1;
    return width;
}

int TCustomGrid::FixedHeight() const
{
    int height = 0;
    for (int r = 0; r < FFixedRows; ++r)
        height += FRowHeights[static_cast<size_t>(r)] + 1;
    return height;
}

int TCustomGrid::ColLeft(int ACol) const
{
    if (ACol < 0 || ACol >= ColCount())
        return -1;
    int x = 0;
    if (ACol < FFixedCols) {
        for (int c = 0; c < ACol; ++c)
            x += FColWidths[static_cast<size_t>(c)] + 1;
        return x;
    }
    if (ACol < FLeftCol)
        return -1;
    x = FixedWidth();
    for (int c = FLeftCol; c < ACol; ++c)
        x += FColWidths[static_cast<size_t>(c)] + 1;
    return x;
}

int TCustomGrid::RowTop(int ARow) const
{
    if (ARow < 0 || ARow >= RowCount())
        return -1;
    int y = 0;
    if (ARow < FFixedRows) {
        for (int r = 0; r < ARow; ++r)
            y += FRowHeights[static_cast<size_t>(r)] + 1;
        return y;
    }
    if (ARow < FTopRow)
        return -1;
    y = FixedHeight();
    for (int r = FTopRow; r < ARow; ++r)
        y += FRowHeights[static_cast<size_t>(r)] + 1;
    return y;
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const
{
    const int left = ColLeft(ACol);
    const int top = RowTop(ARow);
    if (left < 0 || top < 0 || left >= ClientWidth() || top >= ClientHeight())
        return {};
    return Rect(left, top, left + FColWidths[static_cast<size_t>(ACol)], top + FRowHeights[static_cast<size_t>(ARow)]);
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const
{
    ACol = -1;
    ARow = -1;
    for (int c = 0; c < ColCount(); ++c) {
        const int left = ColLeft(c);
        if (left >= 0 && X >= left && X < left + FColWidths[static_cast<size_t>(c)] + 1) {
            ACol = c;
            break;
        }
    }
    for (int r = 0; r < RowCount(); ++r) {
        const int top = RowTop(r);
        if (top >= 0 && Y >= top && Y < top + FRowHeights[static_cast<size_t>(r)] + 1) {
            ARow = r;
            break;
        }
    }
    if (ACol < 0 || ARow < 0 || X >= ClientWidth() || Y >= ClientHeight()) {
        ACol = -1;
        ARow = -1;
    }
}

int TCustomGrid::VisibleRowCount() const
{
    int count = 0;
    int y = FixedHeight();
    for (int r = FTopRow; r < RowCount(); ++r) {
        y += FRowHeights[static_cast<size_t>(r)] + 1;
        if (y > ClientHeight())
            break;
        ++count;
    }
    return count;
}

int TCustomGrid::VisibleColCount() const
{
    int count = 0;
    int x = FixedWidth();
    for (int c = FLeftCol; c < ColCount(); ++c) {
        x += FColWidths[static_cast<size_t>(c)] + 1;
        if (x > ClientWidth())
            break;
        ++count;
    }
    return count;
}

void TCustomGrid::SetTopRow(int value)
{
    value = std::clamp(value, FFixedRows, std::max(FFixedRows, RowCount() - 1));
    if (value == FTopRow)
        return;
    FTopRow = value;
    UpdateScrollBars();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::SetLeftCol(int value)
{
    value = std::clamp(value, FFixedCols, std::max(FFixedCols, ColCount() - 1));
    if (value == FLeftCol)
        return;
    FLeftCol = value;
    UpdateScrollBars();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::ScrollIntoView(int ACol, int ARow)
{
    if (ARow >= FFixedRows) {
        if (ARow < FTopRow)
            SetTopRow(ARow);
        else
            while (FTopRow < ARow && ARow >= FTopRow + std::max(1, VisibleRowCount()))
                SetTopRow(FTopRow + 1);
    }
    if (ACol >= FFixedCols) {
        if (ACol < FLeftCol)
            SetLeftCol(ACol);
        else
            while (FLeftCol < ACol && ACol >= FLeftCol + std::max(1, VisibleColCount()))
                SetLeftCol(FLeftCol + 1);
    }
}

bool TCustomGrid::SelectCell(int ACol, int ARow)
{
    bool canSelect = true;
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, canSelect);
    return canSelect;
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool)
{
    ACol = std::clamp(ACol, FFixedCols, ColCount() - 1);
    ARow = std::clamp(ARow, FFixedRows, RowCount() - 1);
    if (ACol == FCol && ARow == FRow) {
        UpdateEdit();
        return;
    }
    if (!SelectCell(ACol, ARow))
        return;
    if (!FOptions.Contains(goAlwaysShowEditor))
        HideEditor();
    InvalidateRow(FRow);
    FCol = ACol;
    FRow = ARow;
    ScrollIntoView(ACol, ARow);
    InvalidateRow(FRow);
    UpdateEdit();
}

void TCustomGrid::InvalidateCell(int ACol, int ARow)
{
    InvalidateRect(CellRect(ACol, ARow));
}

void TCustomGrid::InvalidateRow(int ARow)
{
    const int top = RowTop(ARow);
    if (top >= 0 && ARow < RowCount())
        InvalidateRect(Rect(0, top, ClientWidth(), top + FRowHeights[static_cast<size_t>(ARow)] + 1));
}

TInplaceEdit* TCustomGrid::CreateEditor()
{
    return TInplaceEdit::Create(this);
}

bool TCustomGrid::CanEditModify()
{
    return FOptions.Contains(goEditing);
}

bool TCustomGrid::CanEditShow()
{
    return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && FEditorMode && HandleAllocated() &&
           FCol >= FFixedCols && FRow >= FFixedRows && !CellRect(FCol, FRow).IsEmpty();
}

std::string TCustomGrid::GetEditText(int ACol, int ARow)
{
    std::string value;
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TCustomGrid::SetEditText(int ACol, int ARow, const std::string& Value)
{
    if (OnSetEditText)
        OnSetEditText(this, ACol, ARow, Value);
}

TEditStyle TCustomGrid::GetEditStyle(int, int)
{
    return esSimple;
}

void TCustomGrid::SetEditorMode(bool value)
{
    if (value)
        ShowEditor();
    else
        HideEditor();
}

void TCustomGrid::UpdateText()
{
    if (FInplaceEdit && FInplaceCol >= 0 && FInplaceRow >= 0)
        SetEditText(FInplaceCol, FInplaceRow, FInplaceEdit->Text());
}

void TCustomGrid::InvalidateEditor()
{
    if (FInplaceEdit && FInplaceCol >= 0)
        FInplaceEdit->UpdateContents();
}

void TCustomGrid::ShowEditor()
{
    FEditorMode = true;
    UpdateEdit();
    if (FInplaceEdit && FInplaceEdit->Visible() && FInplaceEdit->CanFocus())
        FInplaceEdit->SetFocus();
}

void TCustomGrid::HideEditor()
{
    FEditorMode = false;
    if (!FInplaceEdit || FInplaceCol < 0)
        return;
    const bool hadFocus = FInplaceEdit->Focused();
    UpdateText();
    FInplaceCol = -1;
    FInplaceRow = -1;
    if (FInplaceEdit) {
        FInplaceEdit->Hide();
        if (hadFocus && CanFocus())
            SetFocus();
    }
}

void TCustomGrid::UpdateEdit()
{
    if (IsDestroying())
        return;
    if (!CanEditShow()) {
        if (FInplaceEdit && FInplaceCol >= 0 && !FEditorMode)
            HideEditor();
        return;
    }
    if (!FInplaceEdit) {
        FInplaceEdit = CreateEditor();
        FInplaceEdit->SetParent(this);
    }
    const bool hadFocus = Focused() || FInplaceEdit->Focused();
    if (FInplaceCol != FCol || FInplaceRow != FRow) {
        if (FInplaceCol >= 0)
            UpdateText();
        if (!FInplaceEdit)
            return;
        FInplaceCol = FCol;
        FInplaceRow = FRow;
        FInplaceEdit->UpdateContents();
    }
    FInplaceEdit->SetBoundsRect(CellRect(FCol, FRow));
    FInplaceEdit->Show();
    if (hadFocus && FInplaceEdit->CanFocus() && !FInplaceEdit->Focused())
        FInplaceEdit->SetFocus();
}

void TCustomGrid::MoveRowData(int FromIndex, int ToIndex)
{
    const int height = FRowHeights[static_cast<size_t>(FromIndex)];
    FRowHeights.erase(FRowHeights.begin() + FromIndex);
    FRowHeights.insert(FRowHeights.begin() + ToIndex, height);
}

void TCustomGrid::RowMoved(int FromIndex, int ToIndex)
{
    if (OnRowMoved)
        OnRowMoved(this, FromIndex, ToIndex);
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex || FromIndex < FFixedRows || ToIndex < FFixedRows || FromIndex >= RowCount() ||
        ToIndex >= RowCount())
        return;
    UpdateText();
    MoveRowData(FromIndex, ToIndex);
    if (FRow == FromIndex)
        FRow = ToIndex;
    else if (FromIndex < FRow && ToIndex >= FRow)
        --FRow;
    else if (FromIndex > FRow && ToIndex <= FRow)
        ++FRow;
    FInplaceCol = -1;
    FInplaceRow = -1;
    RowMoved(FromIndex, ToIndex);
    Invalidate();
    UpdateEdit();
}

// ---- scroll bars and frame --------------------------------------------------------------

TRect TCustomGrid::NonClientInsets() const
{
    const int edge = ControlBorderWidth(FBorderStyle, FCtl3D);
    TRect ins{edge, edge, edge, edge};
    if (FVertShown)
        ins.Right += kScrollBarSize;
    if (FHorzShown)
        ins.Bottom += kScrollBarSize;
    return ins;
}

void TCustomGrid::CreateWnd()
{
    TCustomControl::CreateWnd();
    FHorzWidget = new QScrollBar(Qt::Horizontal, FHandle);
    FVertWidget = new QScrollBar(Qt::Vertical, FHandle);
    for (QScrollBar* bar : {FHorzWidget, FVertWidget}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
    }
    QObject::connect(FHorzWidget, &QScrollBar::valueChanged, [this](int value) {
        CallGuarded(this, [&] { Perform(WM_HSCROLL, SB_THUMBPOSITION | (static_cast<intptr_t>(value) << 16)); });
    });
    QObject::connect(FVertWidget, &QScrollBar::valueChanged, [this](int value) {
        CallGuarded(this, [&] { Perform(WM_VSCROLL, SB_THUMBPOSITION | (static_cast<intptr_t>(value) << 16)); });
    });
    UpdateScrollBars();
    // A grid built before its window shows its editor now.
    UpdateEdit();
}

void TCustomGrid::UpdateScrollBars()
{
    const int edge = ControlBorderWidth(FBorderStyle, FCtl3D);
    int totalW = 0;
    for (int w : FColWidths)
        totalW += w + 1;
    int totalH = 0;
    for (int h : FRowHeights)
        totalH += h + 1;
    const int w = FWidth - 2 * edge;
    const int h = FHeight - 2 * edge;
    bool hs = false;
    bool vs = false;
    for (int i = 0; i < 2; ++i) {
        hs = totalW > w - (vs ? kScrollBarSize : 0);
        vs = totalH > h - (hs ? kScrollBarSize : 0);
    }
    if (hs != FHorzShown || vs != FVertShown) {
        FHorzShown = hs;
        FVertShown = vs;
        UpdateWidgetGeometry();
    }
    if (!FHorzWidget)
        return;
    {
        const QSignalBlocker block(FHorzWidget);
        FHorzWidget->setRange(FFixedCols, std::max(FFixedCols, ColCount() - std::max(1, VisibleColCount())));
        FHorzWidget->setValue(FLeftCol);
        FHorzWidget->setGeometry(edge, FHeight - edge - kScrollBarSize, ClientWidth(), kScrollBarSize);
        FHorzWidget->setVisible(FHorzShown);
    }
    {
        const QSignalBlocker block(FVertWidget);
        FVertWidget->setRange(FFixedRows, std::max(FFixedRows, RowCount() - std::max(1, VisibleRowCount())));
        FVertWidget->setValue(FTopRow);
        FVertWidget->setGeometry(FWidth - edge - kScrollBarSize, edge, kScrollBarSize, ClientHeight());
        FVertWidget->setVisible(FVertShown);
    }
}

void TCustomGrid::BoundsChanged(bool sizeChanged)
{
    TCustomControl::BoundsChanged(sizeChanged);
    if (sizeChanged) {
        UpdateScrollBars();
        UpdateEdit();
    }
}

void TCustomGrid::PaintNonClient(TCanvas& Canvas)
{
    DrawControlBorder(Canvas, Rect(0, 0, FWidth, FHeight), FBorderStyle, FCtl3D);
    if (FHorzShown && FVertShown) {
        const int edge = ControlBorderWidth(FBorderStyle, FCtl3D);
        Canvas.Brush().SetColor(clBtnFace);
        Canvas.FillRect(Bounds(FWidth - edge - kScrollBarSize, FHeight - edge - kScrollBarSize, kScrollBarSize,
                               kScrollBarSize));
    }
}

void TCustomGrid::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL: {
        const bool vertical = Message.Msg == WM_VSCROLL;
        const unsigned code = static_cast<unsigned>(Message.WParam & 0xFFFF);
        const int pos = static_cast<int>((Message.WParam >> 16) & 0xFFFF);
        const int current = vertical ? FTopRow : FLeftCol;
        int next = current;
        switch (code) {
        case SB_LINEUP: next = current - 1; break;
        case SB_LINEDOWN: next = current + 1; break;
        case SB_PAGEUP: next = current - std::max(1, vertical ? VisibleRowCount() : VisibleColCount()); break;
        case SB_PAGEDOWN: next = current + std::max(1, vertical ? VisibleRowCount() : VisibleColCount()); break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: next = pos; break;
        default: break;
        }
        if (vertical)
            SetTopRow(next);
        else
            SetLeftCol(next);
        return;
    }
    case WM_MOUSEWHEEL: {
        const int steps = static_cast<int>(Message.WParam) / 120;
        SetTopRow(FTopRow - steps * 3);
        Message.Result = 1;
        return;
    }
    case WM_SETFOCUS:
        // With the editor always shown, the focus goes on to it.
        TCustomControl::WndProc(Message);
        UpdateEdit();
        Invalidate();
        return;
    case WM_COMMAND:
        // The editor reports every change of its text (EN_CHANGE); the grid
        // takes the text over only at the commit points, not here.
        return;
    default:
        TCustomControl::WndProc(Message);
    }
}

bool TCustomGrid::WantsKey(uint16_t key) const
{
    return key == VK_RETURN || key == VK_ESCAPE;
}

// ---- painting -----------------------------------------------------------------------------

void TCustomGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState)
{
    if (OnDrawCell)
        OnDrawCell(this, ACol, ARow, ARect, AState);
}

void TCustomGrid::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.Brush().SetColor(FColor);
    canvas.FillRect(ClientRect());
    QPainter* p = canvas.Handle();
    const bool focused = Focused() || (FInplaceEdit && FInplaceEdit->Focused());
    auto visibleRows = [&](auto&& each) {
        for (int r = 0; r < FFixedRows; ++r)
            each(r);
        for (int r = FTopRow; r < RowCount() && RowTop(r) < ClientHeight(); ++r)
            each(r);
    };
    auto visibleCols = [&](auto&& each) {
        for (int c = 0; c < FFixedCols; ++c)
            each(c);
        for (int c = FLeftCol; c < ColCount() && ColLeft(c) < ClientWidth(); ++c)
            each(c);
    };
    visibleRows([&](int r) {
        visibleCols([&](int c) {
            const TRect rect = CellRect(c, r);
            if (rect.IsEmpty())
                return;
            const bool fixed = c < FFixedCols || r < FFixedRows;
            TGridDrawState state;
            if (fixed)
                state.Include(gdFixed);
            const bool current = c == FCol && r == FRow;
            if (current)
                state.Include(gdFocused);
            const bool selected = !fixed && ((current && FOptions.Contains(goDrawFocusSelected)) ||
                                             (FOptions.Contains(goRowSelect) && r == FRow));
            if (selected)
                state.Include(gdSelected);
            canvas.SaveClip();
            canvas.IntersectClipRect(rect);
            canvas.Pen().SetColor(clBlack);
            canvas.Pen().SetWidth(1);
            canvas.Brush().SetStyle(bsSolid);
            canvas.Brush().SetColor(fixed ? FFixedColor : selected ? clHighlight : FColor);
            canvas.Font().Assign(*FFont);
            if (selected)
                canvas.Font().SetColor(clHighlightText);
            canvas.FillRect(rect);
            if (fixed && FCtl3D) {
                TRect edge = rect;
                Frame3D(canvas, edge, clBtnHighlight, clBtnShadow, 1);
                canvas.Brush().SetColor(FFixedColor);
            }
            DrawCell(c, r, rect, state);
            canvas.RestoreClip();
            if (current && focused && !selected && !fixed && !(FInplaceEdit && FInplaceEdit->Visible())) {
                QPen dots(ToQColor(clWindowText));
                dots.setStyle(Qt::DotLine);
                dots.setWidth(0);
                p->setPen(dots);
                p->setBrush(Qt::NoBrush);
                p->drawRect(QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1));
            }
        });
    });
    // Grid lines, right of and below every cell.
    visibleCols([&](int c) {
        const int left = ColLeft(c);
        if (left < 0)
            return;
        const bool fixed = c < FFixedCols;
        if (!FOptions.Contains(fixed ? goFixedVertLine : goVertLine))
            return;
        const int x = left + FColWidths[static_cast<size_t>(c)];
        p->fillRect(QRect(x, 0, 1, FixedHeight()), ToQColor(clBtnShadow));
        p->fillRect(QRect(x, FixedHeight(), 1, ClientHeight()), ToQColor(fixed ? clBtnShadow : clSilver));
    });
    visibleRows([&](int r) {
        const int top = RowTop(r);
        if (top < 0)
            return;
        const bool fixed = r < FFixedRows;
        if (!FOptions.Contains(fixed ? goFixedHorzLine : goHorzLine))
            return;
        const int y = top + FRowHeights[static_cast<size_t>(r)];
        p->fillRect(QRect(0, y, FixedWidth(), 1), ToQColor(clBtnShadow));
        p->fillRect(QRect(FixedWidth(), y, ClientWidth(), 1), ToQColor(fixed ? clBtnShadow : clSilver));
    });
    if (FGridState == gsRowMoving && FMoveTo >= FFixedRows) {
        const int top = RowTop(FMoveTo);
        if (top >= 0)
            p->fillRect(QRect(0, FMoveTo > FMoveFrom ? top + FRowHeights[static_cast<size_t>(FMoveTo)] - 1 : top,
                              ClientWidth(), 2),
                        ToQColor(clWindowText));
    }
}

// ---- mouse and keys -----------------------------------------------------------------------

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && !Shift.Contains(ssDouble)) {
        const bool active = Focused() || (FInplaceEdit && FInplaceEdit->Focused());
        if (!active && CanFocus())
            SetFocus();
        int col = -1;
        int row = -1;
        MouseToCell(X, Y, col, row);
        bool handled = false;
        if (FOptions.Contains(goColSizing) && Y < FixedHeight()) {
            for (int c = 0; c < ColCount() && !handled; ++c) {
                const int left = ColLeft(c);
                if (left >= 0 && std::abs(X - (left + FColWidths[static_cast<size_t>(c)])) <= kSizingMargin) {
                    FGridState = gsColSizing;
                    FSizingIndex = c;
                    FSizingStart = left;
                    handled = true;
                }
            }
        }
        if (!handled && FOptions.Contains(goRowMoving) && col >= 0 && col < FFixedCols && row >= FFixedRows) {
            FGridState = gsRowMoving;
            FMoveFrom = row;
            FMoveTo = row;
            handled = true;
        }
        if (!handled && col >= FFixedCols && row >= FFixedRows) {
            if (FOptions.Contains(goEditing) && !FOptions.Contains(goAlwaysShowEditor) && col == FCol && row == FRow) {
                ShowEditor();
            } else {
                FocusCell(col, row, true);
            }
            Click();
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FGridState == gsColSizing) {
        SetColWidths(FSizingIndex, std::max(1, X - FSizingStart));
    } else if (FGridState == gsRowMoving) {
        int col = -1;
        int row = -1;
        MouseToCell(FixedWidth() > 0 ? 0 : X, Y, col, row);
        if (row >= FFixedRows && row != FMoveTo) {
            FMoveTo = row;
            Invalidate();
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TGridState state = FGridState;
    FGridState = gsNormal;
    if (state == gsRowMoving) {
        Invalidate();
        if (FMoveTo != FMoveFrom)
            MoveRow(FMoveFrom, FMoveTo);
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    const bool editing = FInplaceEdit && FInplaceEdit->Visible() && FInplaceCol >= 0;
    switch (Key) {
    case VK_UP: FocusCell(FCol, FRow - 1, true); break;
    case VK_DOWN: FocusCell(FCol, FRow + 1, true); break;
    case VK_LEFT: FocusCell(FCol - 1, FRow, true); break;
    case VK_RIGHT: FocusCell(FCol + 1, FRow, true); break;
    case VK_PRIOR: FocusCell(FCol, FRow - std::max(1, VisibleRowCount()), true); break;
    case VK_NEXT: FocusCell(FCol, FRow + std::max(1, VisibleRowCount()), true); break;
    case VK_HOME: FocusCell(FFixedCols, FRow, true); break;
    case VK_END: FocusCell(ColCount() - 1, FRow, true); break;
    case VK_TAB:
        if (!FOptions.Contains(goTabs))
            return;
        FocusCell(Shift.Contains(ssShift) ? FCol - 1 : FCol + 1, FRow, true);
        break;
    case VK_F2: ShowEditor(); break;
    case VK_RETURN:
        if (editing) {
            UpdateText();
            if (FInplaceEdit)
                FInplaceEdit->SelectAll();
        } else if (FOptions.Contains(goEditing)) {
            ShowEditor();
        }
        break;
    case VK_ESCAPE:
        if (editing) {
            InvalidateEditor();
            if (!FOptions.Contains(goAlwaysShowEditor)) {
                FInplaceCol = -1;
                FInplaceRow = -1;
                FEditorMode = false;
                FInplaceEdit->Hide();
                if (CanFocus())
                    SetFocus();
            }
        }
        break;
    default:
        return;
    }
    Key = 0;
}

void TCustomGrid::KeyPress(char& Key)
{
    TCustomControl::KeyPress(Key);
    if (!FOptions.Contains(goEditing) || static_cast<unsigned char>(Key) < 0x20)
        return;
    ShowEditor();
    if (FInplaceEdit && FInplaceEdit->Visible()) {
        FInplaceEdit->SetText(std::string(1, Key));
        FInplaceEdit->SetSelStart(1);
        Key = 0;
    }
}

// ---- TStringGrid --------------------------------------------------------------------------

TStringGrid::TStringGrid(TComponent* AOwner) : TCustomGrid(AOwner)
{
    SizeChanged(0, 0);
}

void TStringGrid::SizeChanged(int, int)
{
    FCells.resize(static_cast<size_t>(RowCount()));
    for (auto& row : FCells)
        row.resize(static_cast<size_t>(ColCount()));
}

TStringGrid::Cell* TStringGrid::At(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        throw EListError("Grid index out of range");
    return &FCells[static_cast<size_t>(ARow)][static_cast<size_t>(ACol)];
}

const TStringGrid::Cell* TStringGrid::At(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        throw EListError("Grid index out of range");
    return &FCells[static_cast<size_t>(ARow)][static_cast<size_t>(ACol)];
}

std::string TStringGrid::Cells(int ACol, int ARow) const
{
    return At(ACol, ARow)->Text;
}

void TStringGrid::SetCells(int ACol, int ARow, const std::string& value)
{
    Cell* cell = At(ACol, ARow);
    if (cell->Text == value)
        return;
    cell->Text = value;
    InvalidateCell(ACol, ARow);
    // The editor of this cell shows the new text (unless it is what the
    // editor just handed over).
    if (!FUpdatingEditor && FInplaceEdit && ACol == FCol && ARow == FRow && FInplaceEdit->Visible())
        InvalidateEditor();
}

TObject* TStringGrid::Objects(int ACol, int ARow) const
{
    return At(ACol, ARow)->Object;
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* value)
{
    At(ACol, ARow)->Object = value;
}

std::string TStringGrid::GetEditText(int ACol, int ARow)
{
    std::string value = Cells(ACol, ARow);
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TStringGrid::SetEditText(int ACol, int ARow, const std::string& Value)
{
    FUpdatingEditor = true;
    try {
        SetCells(ACol, ARow, Value);
    } catch (...) {
        FUpdatingEditor = false;
        throw;
    }
    FUpdatingEditor = false;
    TCustomGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState)
{
    TCanvas& canvas = *Canvas();
    canvas.Brush().SetStyle(bsClear);
    canvas.TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
    TCustomGrid::DrawCell(ACol, ARow, ARect, AState);
}

void TStringGrid::MoveRowData(int FromIndex, int ToIndex)
{
    TCustomGrid::MoveRowData(FromIndex, ToIndex);
    auto row = std::move(FCells[static_cast<size_t>(FromIndex)]);
    FCells.erase(FCells.begin() + FromIndex);
    FCells.insert(FCells.begin() + ToIndex, std::move(row));
}
