#pragma once
// Standard controls: label (windowless), edit, combo box, push button and
// check box (over native Qt widgets).
#include <string>

#include "platform/core/StringList.h"
#include "platform/ui/Controls.h"

class QLineEdit;
class QComboBox;
class QPushButton;
class QCheckBox;

class TCustomLabel : public TGraphicControl {
    VN_CLASS(TCustomLabel, TGraphicControl)

public:
    explicit TCustomLabel(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // "&" marks an access key (underlined) unless this is off.
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    void AdjustSize() override;

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;
    int TextFlags() const;

private:
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FTransparent = false;
    bool FShowAccelChar = true;
};

class TLabel : public TCustomLabel {
    VN_CLASS(TLabel, TCustomLabel)

public:
    using TCustomLabel::TCustomLabel;
};

class TCustomEdit : public TWinControl {
    VN_CLASS(TCustomEdit, TWinControl)

public:
    explicit TCustomEdit(TComponent* AOwner);

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    char PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    void SelectAll();
    int SelStart() const;
    int SelLength() const;
    void SetSelStart(int value);
    void SetSelLength(int value);
    // WM_CONTEXTMENU (screen point in LParam) shows the edit's menu.
    void WndProc(TMessage& Message) override;
    TNotifyHandler OnChange;

protected:
    // Without a PopupMenu the standard edit menu (undo, cut, copy, paste...) shows.
    bool ContextPopupAt(TPoint screenPos) override;
    QWidget* CreateWidget() override;
    void InitWidget() override;
    void TextChanged() override;
    void ColorChanged() override;
    virtual void Change();
    QLineEdit* Editor() const;

private:
    bool FReadOnly = false;
    int FMaxLength = 0;
    char FPasswordChar = 0;
    TBorderStyle FBorderStyle = bsSingle;
    bool FSettingText = false;
};

class TEdit : public TCustomEdit {
    VN_CLASS(TEdit, TCustomEdit)

public:
    using TCustomEdit::TCustomEdit;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TWinControl {
    VN_CLASS(TComboBox, TWinControl)

public:
    explicit TComboBox(TComponent* AOwner);
    ~TComboBox() override;

    TStrings* Items() const { return FItems; }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value);
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool value) { FItems->SetSorted(value); }
    TNotifyHandler OnChange;
    TNotifyHandler OnSelect;

protected:
    QWidget* CreateWidget() override;
    void InitWidget() override;
    void TextChanged() override;
    void ColorChanged() override;
    virtual void Change();
    virtual void Select();

private:
    void ItemsChanged();
    QComboBox* Combo() const;
    TStringList* FItems;
    int FItemIndex = -1;
    TComboBoxStyle FStyle = csDropDown;
    int FDropDownCount = 8;
    bool FSyncing = false;
};

class TButtonControl : public TWinControl {
    VN_CLASS(TButtonControl, TWinControl)

public:
    explicit TButtonControl(TComponent* AOwner);
};

class TButton : public TButtonControl {
    VN_CLASS(TButton, TButtonControl)

public:
    explicit TButton(TComponent* AOwner);

    // Enter presses the default button of the form, Esc the cancel button.
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    // Set as the form's ModalResult when the button is clicked.
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    void Click() override;
    void WndProc(TMessage& Message) override;

protected:
    QWidget* CreateWidget() override;
    void InitWidget() override;
    void TextChanged() override;
    QPushButton* Button() const;

private:
    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TButtonControl {
    VN_CLASS(TCheckBox, TButtonControl)

public:
    explicit TCheckBox(TComponent* AOwner);

    bool Checked() const { return FState == cbChecked; }
    // Changing the state runs Click (OnClick), as a user click does.
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState value);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }
    // taRightJustify puts the caption right of the box (the default),
    // taLeftJustify puts it left of the box.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

protected:
    QWidget* CreateWidget() override;
    void InitWidget() override;
    void TextChanged() override;

private:
    QCheckBox* Box() const;
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
    TAlignment FAlignment = taRightJustify;
};
