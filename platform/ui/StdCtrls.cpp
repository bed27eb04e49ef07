#include "platform/ui/StdCtrls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/WidgetBridge.h"

namespace {

void SetBaseColor(QWidget* widget, TColor color, QPalette::ColorRole role)
{
    if (!widget)
        return;
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(color));
    widget->setPalette(palette);
}

} // namespace

// ---- TCustomLabel -------------------------------------------------------------------

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FWidth = 65;
    FHeight = 17;
    FAutoSize = true;
    FControlStyle.Include(csOpaque);
}

int TCustomLabel::TextFlags() const
{
    int flags = FShowAccelChar ? Qt::TextShowMnemonic : 0;
    flags |= FAlignment == taCenter ? Qt::AlignHCenter : FAlignment == taRightJustify ? Qt::AlignRight : Qt::AlignLeft;
    flags |= FLayout == tlCenter ? Qt::AlignVCenter : FLayout == tlBottom ? Qt::AlignBottom : Qt::AlignTop;
    flags |= FWordWrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    return flags;
}

void TCustomLabel::AdjustSize()
{
    if (!FAutoSize)
        return;
    const QFontMetrics metrics(FFont->ToQFont());
    const QString text = QString::fromStdString(FText.empty() ? std::string(" ") : FText);
    const QRect bounds = FWordWrap ? metrics.boundingRect(QRect(0, 0, std::max(1, FWidth), 10000), TextFlags(), text)
                                   : metrics.boundingRect(QRect(0, 0, 10000, 100), TextFlags(), text);
    const int width = FWordWrap ? FWidth : bounds.width();
    SetBounds(FLeft, FTop, width, std::max(bounds.height(), metrics.height()));
}

void TCustomLabel::SetAlignment(TAlignment value)
{
    FAlignment = value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value)
{
    FLayout = value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool value)
{
    FWordWrap = value;
    AdjustSize();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool value)
{
    FTransparent = value;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value)
{
    FShowAccelChar = value;
    AdjustSize();
    Invalidate();
}

void TCustomLabel::TextChanged()
{
    AdjustSize();
    Invalidate();
}

void TCustomLabel::FontChanged()
{
    AdjustSize();
    Invalidate();
}

void TCustomLabel::Paint()
{
    TCanvas& canvas = *Canvas();
    if (!FTransparent) {
        canvas.Brush().SetColor(FColor);
        canvas.FillRect(ClientRect());
    }
    QPainter* p = canvas.Handle();
    p->setFont(FFont->ToQFont());
    p->setPen(ToQColor(FEnabled ? FFont->Color() : clGrayText));
    p->drawText(QRect(0, 0, FWidth, FHeight), TextFlags(), QString::fromStdString(FText));
}

// ---- TCustomEdit --------------------------------------------------------------------

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner)
{
    FWidth = 121;
    FHeight = 21;
    FTabStop = true;
    FColor = clWindow;
    FParentColor = false;
    FControlStyle = TControlStyle{csCaptureMouse, csSetCaption, csDoubleClicks};
}

QLineEdit* TCustomEdit::Editor() const
{
    return static_cast<QLineEdit*>(FHandle);
}

QWidget* TCustomEdit::CreateWidget()
{
    auto* edit = new TBridge<QLineEdit>(this, TWidgetRole::Whole);
    FClientHandle = edit;
    QObject::connect(edit, &QLineEdit::textChanged, [this](const QString& text) {
        if (FSettingText)
            return;
        CallGuarded(this, [&] {
            FText = text.toStdString();
            Change();
        });
    });
    return edit;
}

void TCustomEdit::InitWidget()
{
    TWinControl::InitWidget();
    QLineEdit* edit = Editor();
    edit->setFocusPolicy(FTabStop ? Qt::StrongFocus : Qt::ClickFocus);
    FSettingText = true;
    edit->setText(QString::fromStdString(FText));
    FSettingText = false;
    edit->setReadOnly(FReadOnly);
    edit->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
    edit->setEchoMode(FPasswordChar ? QLineEdit::Password : QLineEdit::Normal);
    edit->setFrame(FBorderStyle != bsNone);
    SetBaseColor(edit, FColor, QPalette::Base);
}

void TCustomEdit::TextChanged()
{
    if (FHandle && Editor()->text().toStdString() != FText) {
        FSettingText = true;
        Editor()->setText(QString::fromStdString(FText));
        FSettingText = false;
    }
    Change();
}

void TCustomEdit::ColorChanged()
{
    SetBaseColor(FHandle, FColor, QPalette::Base);
    TWinControl::ColorChanged();
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

bool TCustomEdit::ContextPopupAt(TPoint screenPos)
{
    if (TWinControl::ContextPopupAt(screenPos))
        return true;
    if (!FHandle)
        return false;
    QMenu* menu = Editor()->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(QPoint(screenPos.X, screenPos.Y));
    return true;
}

void TCustomEdit::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_CONTEXTMENU) {
        Message.Result = ContextPopupAt(LParamToPoint(Message.LParam)) ? 1 : 0;
        return;
    }
    TWinControl::WndProc(Message);
}

void TCustomEdit::SetReadOnly(bool value)
{
    FReadOnly = value;
    if (FHandle)
        Editor()->setReadOnly(value);
}

void TCustomEdit::SetMaxLength(int value)
{
    FMaxLength = value;
    if (FHandle)
        Editor()->setMaxLength(value > 0 ? value : 32767);
}

void TCustomEdit::SetPasswordChar(char value)
{
    FPasswordChar = value;
    if (FHandle)
        Editor()->setEchoMode(value ? QLineEdit::Password : QLineEdit::Normal);
}

void TCustomEdit::SetBorderStyle(TBorderStyle value)
{
    FBorderStyle = value;
    if (FHandle)
        Editor()->setFrame(value != bsNone);
}

void TCustomEdit::SelectAll()
{
    if (FHandle)
        Editor()->selectAll();
}

int TCustomEdit::SelStart() const
{
    if (!FHandle)
        return 0;
    return Editor()->hasSelectedText() ? Editor()->selectionStart() : Editor()->cursorPosition();
}

int TCustomEdit::SelLength() const
{
    return FHandle ? static_cast<int>(Editor()->selectedText().size()) : 0;
}

void TCustomEdit::SetSelStart(int value)
{
    if (FHandle)
        Editor()->setCursorPosition(value);
}

void TCustomEdit::SetSelLength(int value)
{
    if (FHandle)
        Editor()->setSelection(SelStart(), value);
}

// ---- TComboBox ----------------------------------------------------------------------

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner)
{
    FWidth = 145;
    FHeight = 21;
    FTabStop = true;
    FColor = clWindow;
    FParentColor = false;
    FControlStyle = TControlStyle{csCaptureMouse, csSetCaption, csDoubleClicks};
    FItems = TStringList::Create();
    FItems->OnChange = [this](TObject*) { ItemsChanged(); };
}

TComboBox::~TComboBox()
{
    FItems->Free();
}

QComboBox* TComboBox::Combo() const
{
    return static_cast<QComboBox*>(FHandle);
}

QWidget* TComboBox::CreateWidget()
{
    auto* combo = new TBridge<QComboBox>(this, TWidgetRole::Whole);
    FClientHandle = combo;
    QObject::connect(combo, QOverload<int>::of(&QComboBox::activated), [this](int index) {
        if (FSyncing)
            return;
        CallGuarded(this, [&] {
            FItemIndex = index;
            FText = index >= 0 && index < FItems->Count() ? FItems->Strings(index) : FText;
            Select();
            Change();
        });
    });
    QObject::connect(combo, &QComboBox::editTextChanged, [this](const QString& text) {
        if (FSyncing)
            return;
        CallGuarded(this, [&] {
            FText = text.toStdString();
            FItemIndex = FItems->IndexOf(FText);
            Change();
        });
    });
    return combo;
}

void TComboBox::InitWidget()
{
    TWinControl::InitWidget();
    QComboBox* combo = Combo();
    combo->setFocusPolicy(FTabStop ? Qt::StrongFocus : Qt::ClickFocus);
    FSyncing = true;
    combo->setEditable(FStyle != csDropDownList);
    combo->setMaxVisibleItems(FDropDownCount);
    FSyncing = false;
    SetBaseColor(combo, FColor, QPalette::Base);
    ItemsChanged();
}

void TComboBox::ItemsChanged()
{
    if (FItemIndex >= FItems->Count())
        FItemIndex = -1;
    if (!FHandle)
        return;
    QComboBox* combo = Combo();
    FSyncing = true;
    combo->clear();
    for (int i = 0; i < FItems->Count(); ++i)
        combo->addItem(QString::fromStdString(FItems->Strings(i)));
    combo->setCurrentIndex(FItemIndex);
    if (combo->isEditable())
        combo->setEditText(QString::fromStdString(FText));
    FSyncing = false;
}

void TComboBox::SetItemIndex(int value)
{
    if (value < -1 || value >= FItems->Count())
        value = -1;
    FItemIndex = value;
    FText = value >= 0 ? FItems->Strings(value) : std::string();
    if (FHandle) {
        FSyncing = true;
        Combo()->setCurrentIndex(value);
        if (Combo()->isEditable())
            Combo()->setEditText(QString::fromStdString(FText));
        FSyncing = false;
    }
}

void TComboBox::SetStyle(TComboBoxStyle value)
{
    FStyle = value;
    if (FHandle)
        InitWidget();
}

void TComboBox::SetDropDownCount(int value)
{
    FDropDownCount = value;
    if (FHandle)
        Combo()->setMaxVisibleItems(value);
}

void TComboBox::TextChanged()
{
    FItemIndex = FItems->IndexOf(FText);
    if (FHandle) {
        FSyncing = true;
        if (Combo()->isEditable())
            Combo()->setEditText(QString::fromStdString(FText));
        else
            Combo()->setCurrentIndex(FItemIndex);
        FSyncing = false;
    }
}

void TComboBox::ColorChanged()
{
    SetBaseColor(FHandle, FColor, QPalette::Base);
    TWinControl::ColorChanged();
}

void TComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

void TComboBox::Select()
{
    if (OnSelect)
        OnSelect(this);
}

// ---- TButton --------------------------------------------------------------------------

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner)
{
    FTabStop = true;
    FControlStyle = TControlStyle{csSetCaption, csDoubleClicks};
}

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner)
{
    FWidth = 75;
    FHeight = 25;
    FColor = clBtnFace;
    FParentColor = false;
}

QPushButton* TButton::Button() const
{
    return static_cast<QPushButton*>(FHandle);
}

QWidget* TButton::CreateWidget()
{
    auto* button = new TBridge<QPushButton>(this, TWidgetRole::Whole);
    FClientHandle = button;
    QObject::connect(button, &QPushButton::clicked, [this] { CallGuarded(this, [&] { Click(); }); });
    return button;
}

void TButton::InitWidget()
{
    TWinControl::InitWidget();
    Button()->setFocusPolicy(FTabStop ? Qt::StrongFocus : Qt::ClickFocus);
    Button()->setText(QString::fromStdString(FText));
    Button()->setDefault(FDefault);
    Button()->setAutoDefault(false);
}

void TButton::TextChanged()
{
    if (FHandle)
        Button()->setText(QString::fromStdString(FText));
}

void TButton::SetDefault(bool value)
{
    FDefault = value;
    if (FHandle)
        Button()->setDefault(value);
}

void TButton::Click()
{
    if (FModalResult != mrNone)
        if (TCustomForm* form = GetParentForm(this))
            form->SetModalResult(FModalResult);
    TButtonControl::Click();
}

void TButton::WndProc(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGKEY) {
        const auto key = static_cast<uint16_t>(Message.WParam);
        const bool focused = Focused();
        if (((key == VK_RETURN && (FDefault || focused)) || (key == VK_ESCAPE && FCancel)) && Showing() &&
            FEnabled) {
            Click();
            Message.Result = 1;
        }
        return;
    }
    TButtonControl::WndProc(Message);
}

// ---- TCheckBox ------------------------------------------------------------------------

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner)
{
    FWidth = 97;
    FHeight = 17;
}

QCheckBox* TCheckBox::Box() const
{
    return static_cast<QCheckBox*>(FHandle);
}

QWidget* TCheckBox::CreateWidget()
{
    auto* box = new TBridge<QCheckBox>(this, TWidgetRole::Whole);
    FClientHandle = box;
    QObject::connect(box, &QCheckBox::clicked, [this] {
        CallGuarded(this, [&] {
            const Qt::CheckState qt = Box()->checkState();
            FState = qt == Qt::Checked ? cbChecked : qt == Qt::PartiallyChecked ? cbGrayed : cbUnchecked;
            Click();
        });
    });
    return box;
}

void TCheckBox::InitWidget()
{
    TWinControl::InitWidget();
    QCheckBox* box = Box();
    box->setFocusPolicy(FTabStop ? Qt::StrongFocus : Qt::ClickFocus);
    box->setText(QString::fromStdString(FText));
    box->setTristate(FAllowGrayed);
    box->setCheckState(FState == cbChecked ? Qt::Checked : FState == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
    box->setLayoutDirection(FAlignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

void TCheckBox::TextChanged()
{
    if (FHandle)
        Box()->setText(QString::fromStdString(FText));
}

void TCheckBox::SetState(TCheckBoxState value)
{
    if (value == FState)
        return;
    FState = value;
    if (FHandle) {
        const QSignalBlocker block(Box());
        Box()->setTristate(FAllowGrayed || value == cbGrayed);
        Box()->setCheckState(value == cbChecked ? Qt::Checked : value == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
    }
    Click();
}

void TCheckBox::SetAlignment(TAlignment value)
{
    FAlignment = value;
    if (FHandle)
        Box()->setLayoutDirection(value == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}
