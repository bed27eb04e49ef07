#include "platform/ui/CheckLst.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "platform/core/Strings.h"
#include "platform/ui/Application.h"

namespace {

const int kScrollBarSize = GetSystemMetrics(SM_CXVSCROLL);
// The check box column: the glyph and a margin on each side.
const int kCheckWidth = CheckGlyphSize + 2;

int DefaultItemHeight(const TFont& font)
{
    const QFontMetrics metrics(font.ToQFont());
    return std::max(metrics.height(), CheckGlyphSize) + 2;
}

} // namespace

// ---- TCheckListItems ---------------------------------------------------------------------

void TCheckListItems::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

void TCheckListItems::Changed()
{
    if (UpdateCount() == 0 && FOwner)
        FOwner->ItemsChanged();
}

std::string TCheckListItems::Get(int index) const
{
    CheckIndex(index);
    return FItems[static_cast<size_t>(index)].Text;
}

void TCheckListItems::Put(int index, const std::string& s)
{
    CheckIndex(index);
    FItems[static_cast<size_t>(index)].Text = s;
    Changed();
}

TObject* TCheckListItems::GetObject(int index) const
{
    CheckIndex(index);
    return FItems[static_cast<size_t>(index)].Object;
}

void TCheckListItems::PutObject(int index, TObject* obj)
{
    CheckIndex(index);
    FItems[static_cast<size_t>(index)].Object = obj;
}

void TCheckListItems::Insert(int index, const std::string& s)
{
    if (index < 0 || index > Count())
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    FItems.insert(FItems.begin() + index, Item{s});
    if (FOwner && FOwner->FItemIndex >= index)
        ++FOwner->FItemIndex;
    Changed();
}

void TCheckListItems::Delete(int index)
{
    CheckIndex(index);
    FItems.erase(FItems.begin() + index);
    if (FOwner) {
        if (FOwner->FItemIndex == index)
            FOwner->FItemIndex = -1;
        else if (FOwner->FItemIndex > index)
            --FOwner->FItemIndex;
    }
    Changed();
}

void TCheckListItems::Clear()
{
    FItems.clear();
    if (FOwner)
        FOwner->FItemIndex = -1;
    Changed();
}

void TCheckListItems::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    const Item item = FItems[static_cast<size_t>(curIndex)];
    FItems.erase(FItems.begin() + curIndex);
    FItems.insert(FItems.begin() + newIndex, item);
    Changed();
}

void TCheckListItems::Exchange(int index1, int index2)
{
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
    Changed();
}

void TCheckListItems::SetUpdateState(bool updating)
{
    if (!updating)
        Changed();
}

int TCheckListItems::CompareStrings(std::string_view a, std::string_view b) const
{
    return AnsiCompareText(a, b);
}

// ---- TCheckListBox ---------------------------------------------------------------------

TCheckListBox::TCheckListBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    FWidth = 121;
    FHeight = 97;
    FColor = clWindow;
    FParentColor = false;
    FTabStop = true;
    FItems = TCheckListItems::Create(this);
    FItemHeight = DefaultItemHeight(*FFont);
}

TCheckListBox::~TCheckListBox()
{
    FItems->Free();
}

TCheckBoxState TCheckListBox::State(int index) const
{
    FItems->CheckIndex(index);
    return FItems->FItems[static_cast<size_t>(index)].State;
}

void TCheckListBox::SetState(int index, TCheckBoxState value)
{
    FItems->CheckIndex(index);
    FItems->FItems[static_cast<size_t>(index)].State = value;
    InvalidateRect(ItemRect(index));
}

bool TCheckListBox::ItemEnabled(int index) const
{
    FItems->CheckIndex(index);
    return FItems->FItems[static_cast<size_t>(index)].Enabled;
}

void TCheckListBox::SetItemEnabled(int index, bool value)
{
    FItems->CheckIndex(index);
    FItems->FItems[static_cast<size_t>(index)].Enabled = value;
    InvalidateRect(ItemRect(index));
}

void TCheckListBox::SetFlat(bool value)
{
    FFlat = value;
    Invalidate();
}

void TCheckListBox::SetItemIndex(int value)
{
    if (value < -1 || value >= Count())
        value = -1;
    if (value == FItemIndex)
        return;
    FItemIndex = value;
    Invalidate();
}

int TCheckListBox::VisibleRows() const
{
    return std::max(1, ClientHeight() / std::max(1, FItemHeight));
}

void TCheckListBox::SetTopIndex(int value)
{
    value = std::clamp(value, 0, std::max(0, Count() - VisibleRows()));
    if (value == FTopIndex)
        return;
    FTopIndex = value;
    UpdateScrollBar();
    Invalidate();
}

void TCheckListBox::SetItemHeight(int value)
{
    if (value <= 0 || value == FItemHeight)
        return;
    FItemHeight = value;
    FItemHeightSet = true;
    ItemsChanged();
}

int TCheckListBox::ItemAtPos(TPoint pos, bool existing) const
{
    if (pos.X < 0 || pos.X >= ClientWidth() || pos.Y < 0)
        return -1;
    const int index = FTopIndex + pos.Y / std::max(1, FItemHeight);
    if (index < Count())
        return index;
    return existing ? -1 : Count() - 1;
}

TRect TCheckListBox::ItemRect(int index) const
{
    const int top = (index - FTopIndex) * FItemHeight;
    return Rect(0, top, ClientWidth(), top + FItemHeight);
}

void TCheckListBox::SetBorderStyle(TBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    NonClientChanged();
}

TRect TCheckListBox::NonClientInsets() const
{
    const int edge = ControlBorderWidth(FBorderStyle, FCtl3D);
    TRect ins{edge, edge, edge, edge};
    if (FScrollShown)
        ins.Right += kScrollBarSize;
    return ins;
}

void TCheckListBox::CreateWnd()
{
    TCustomControl::CreateWnd();
    FScrollWidget = new QScrollBar(Qt::Vertical, FHandle);
    FScrollWidget->setFocusPolicy(Qt::NoFocus);
    QObject::connect(FScrollWidget, &QScrollBar::valueChanged, [this](int value) {
        CallGuarded(this, [&] { Perform(WM_VSCROLL, SB_THUMBPOSITION | (static_cast<intptr_t>(value) << 16)); });
    });
    UpdateScrollBar();
}

void TCheckListBox::UpdateScrollBar()
{
    const int edge = ControlBorderWidth(FBorderStyle, FCtl3D);
    const int rowsWithoutBar = std::max(1, (FHeight - 2 * edge) / std::max(1, FItemHeight));
    const bool shown = Count() > rowsWithoutBar;
    if (shown != FScrollShown) {
        FScrollShown = shown;
        UpdateWidgetGeometry();
    }
    if (!FScrollWidget)
        return;
    const QSignalBlocker block(FScrollWidget);
    FScrollWidget->setRange(0, std::max(0, Count() - VisibleRows()));
    FScrollWidget->setPageStep(VisibleRows());
    FScrollWidget->setValue(FTopIndex);
    FScrollWidget->setGeometry(FWidth - edge - kScrollBarSize, edge, kScrollBarSize, std::max(0, FHeight - 2 * edge));
    FScrollWidget->setVisible(FScrollShown);
}

void TCheckListBox::ItemsChanged()
{
    if (FItemIndex >= Count())
        FItemIndex = -1;
    FTopIndex = std::clamp(FTopIndex, 0, std::max(0, Count() - VisibleRows()));
    UpdateScrollBar();
    Invalidate();
}

void TCheckListBox::BoundsChanged(bool sizeChanged)
{
    TCustomControl::BoundsChanged(sizeChanged);
    if (sizeChanged)
        ItemsChanged();
}

void TCheckListBox::FontChanged()
{
    if (!FItemHeightSet)
        FItemHeight = DefaultItemHeight(*FFont);
    TCustomControl::FontChanged();
    ItemsChanged();
}

void TCheckListBox::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_VSCROLL: {
        const unsigned code = static_cast<unsigned>(Message.WParam & 0xFFFF);
        const int pos = static_cast<int>((Message.WParam >> 16) & 0xFFFF);
        switch (code) {
        case SB_LINEUP: SetTopIndex(FTopIndex - 1); break;
        case SB_LINEDOWN: SetTopIndex(FTopIndex + 1); break;
        case SB_PAGEUP: SetTopIndex(FTopIndex - VisibleRows()); break;
        case SB_PAGEDOWN: SetTopIndex(FTopIndex + VisibleRows()); break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: SetTopIndex(pos); break;
        case SB_TOP: SetTopIndex(0); break;
        case SB_BOTTOM: SetTopIndex(Count()); break;
        default: break;
        }
        return;
    }
    case WM_MOUSEWHEEL: {
        const int steps = static_cast<int>(Message.WParam) / 120;
        for (int i = 0; i < std::abs(steps) * 3; ++i)
            Perform(WM_VSCROLL, steps > 0 ? SB_LINEUP : SB_LINEDOWN);
        Message.Result = 1;
        return;
    }
    default:
        TCustomControl::WndProc(Message);
    }
}

void TCheckListBox::ClickCheck()
{
    if (OnClickCheck)
        OnClickCheck(this);
}

void TCheckListBox::ToggleClickCheck(int index)
{
    if (index < 0 || index >= Count() || !ItemEnabled(index))
        return;
    TCheckBoxState state = State(index);
    switch (state) {
    case cbUnchecked: state = FAllowGrayed ? cbGrayed : cbChecked; break;
    case cbChecked: state = cbUnchecked; break;
    case cbGrayed: state = cbChecked; break;
    }
    SetState(index, state);
    ClickCheck();
}

void TCheckListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        const int index = ItemAtPos({X, Y}, true);
        if (index >= 0)
            SetItemIndex(index);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    const int index = ItemAtPos({X, Y}, true);
    if (index >= 0 && ItemEnabled(index) && X - ItemRect(index).Left < kCheckWidth)
        ToggleClickCheck(index);
}

void TCheckListBox::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    int index = FItemIndex;
    switch (Key) {
    case VK_UP: index = std::max(0, index - 1); break;
    case VK_DOWN: index = std::min(Count() - 1, index + 1); break;
    case VK_HOME: index = 0; break;
    case VK_END: index = Count() - 1; break;
    case VK_PRIOR: index = std::max(0, index - VisibleRows()); break;
    case VK_NEXT: index = std::min(Count() - 1, index + VisibleRows()); break;
    default: return;
    }
    SetItemIndex(index);
    if (index >= 0 && index < FTopIndex)
        SetTopIndex(index);
    else if (index >= FTopIndex + VisibleRows())
        SetTopIndex(index - VisibleRows() + 1);
    Click();
}

void TCheckListBox::KeyPress(char& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key == ' ' && FItemIndex >= 0) {
        ToggleClickCheck(FItemIndex);
        Key = 0;
    }
}

void TCheckListBox::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.Brush().SetColor(FColor);
    canvas.FillRect(ClientRect());
    QPainter* p = canvas.Handle();
    p->setFont(FFont->ToQFont());
    const bool focused = Focused();
    for (int i = FTopIndex; i < Count() && (i - FTopIndex) * FItemHeight < ClientHeight(); ++i) {
        const TRect r = ItemRect(i);
        const bool selected = i == FItemIndex;
        const TRect box = Bounds(r.Left + 1, r.Top + (r.Height() - CheckGlyphSize) / 2, CheckGlyphSize, CheckGlyphSize);
        const TCheckBoxState state = State(i);
        unsigned flags = DFCS_BUTTONCHECK;
        if (state == cbChecked)
            flags |= DFCS_CHECKED;
        if (state == cbGrayed)
            flags |= DFCS_CHECKED | DFCS_BUTTON3STATE;
        if (!ItemEnabled(i) || !FEnabled)
            flags |= DFCS_INACTIVE;
        if (FFlat)
            flags |= DFCS_FLAT;
        DrawFrameControl(canvas, box, DFC_BUTTON, flags);
        const TRect textRect = Rect(r.Left + kCheckWidth, r.Top, r.Right, r.Bottom);
        if (selected) {
            canvas.Brush().SetColor(clHighlight);
            canvas.FillRect(textRect);
        }
        p->setPen(ToQColor(selected ? clHighlightText : (ItemEnabled(i) && FEnabled ? FFont->Color() : clGrayText)));
        p->drawText(QRect(textRect.Left + 2, textRect.Top, textRect.Width() - 2, textRect.Height()),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, QString::fromStdString(FItems->Get(i)));
        if (selected && focused) {
            QPen dots(ToQColor(clHighlightText));
            dots.setStyle(Qt::DotLine);
            dots.setWidth(0);
            p->setPen(dots);
            p->setBrush(Qt::NoBrush);
            p->drawRect(QRect(textRect.Left, textRect.Top, textRect.Width() - 1, textRect.Height() - 1));
        }
    }
}

void TCheckListBox::PaintNonClient(TCanvas& Canvas)
{
    DrawControlBorder(Canvas, Rect(0, 0, FWidth, FHeight), FBorderStyle, FCtl3D);
}
