#pragma once
// Popup menus. A menu is shown without blocking; the chosen item's OnClick
// runs after the menu has closed (from the event loop), so it may free the
// control that showed the menu. Tests see the shown menu through the hooks at
// the end of this file.
#include <functional>
#include <string>
#include <vector>

#include "platform/core/Component.h"
#include "platform/ui/ControlTypes.h"

class QMenu;

class TMenuItem : public TComponent {
    VN_CLASS(TMenuItem, TComponent)

public:
    explicit TMenuItem(TComponent* AOwner);
    void Destroy() override;

    // "&" marks the access key; "-" makes a separator.
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value) { FCaption = value; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool value) { FChecked = value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; }
    // The default item is shown in bold.
    bool Default() const { return FDefault; }
    void SetDefault(bool value) { FDefault = value; }
    bool IsLine() const { return FCaption == "-"; }

    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int index) const;
    TMenuItem* Parent() const { return FParent; }
    int IndexOf(const TMenuItem* item) const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Unlinks the item at index (it is not freed).
    void Delete(int index);
    void Remove(TMenuItem* item);
    // Frees every sub-item.
    void Clear();
    TMenuItem* Find(const std::string& caption) const;

    // Runs OnClick.
    virtual void Click();
    TNotifyHandler OnClick;

private:
    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    bool FDefault = false;
    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
};

enum TMenuAutoFlag { maAutomatic, maManual, maParent };

class TPopupMenu : public TComponent {
    VN_CLASS(TPopupMenu, TComponent)

public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;
    void Destroy() override;

    // The top-level items (an item of its own that holds them).
    TMenuItem* Items() const { return FItems; }
    TMenuAutoFlag AutoHotkeys() const { return FAutoHotkeys; }
    void SetAutoHotkeys(TMenuAutoFlag value) { FAutoHotkeys = value; }
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    // The control whose right click showed the menu.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* value);
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // Shows the menu at a screen point and returns at once.
    virtual void Popup(int X, int Y);
    // Closes the menu if it is shown.
    void CloseUp();
    bool IsShown() const;
    TNotifyHandler OnPopup;

private:
    void Build(QMenu* menu, TMenuItem* parent);
    TMenuItem* FItems;
    TMenuAutoFlag FAutoHotkeys = maAutomatic;
    bool FAutoPopup = true;
    TComponent* FPopupComponent = nullptr;
    QMenu* FMenu = nullptr;
};

// Runs the item's click from the event loop (as choosing it in the shown
// menu does); nothing happens when the item is freed before that.
void QueueMenuClick(TMenuItem* item);

// ---- test hooks -------------------------------------------------------------
// The menu shown last and still open, or null.
TPopupMenu* ShownPopupMenu();
// The items of the shown menu, in order: captions as written ("-" for
// separators), sub-items as "Parent|Child"; invisible items left out.
std::vector<std::string> ShownPopupItems();
// Chooses an item of the shown menu by caption path ("Union|Remove"; the
// access-key "&" may be left out): closes the menu and queues the click.
// Raises EInvalidOperation when no menu is shown or the item is missing or
// disabled.
void ClickShownPopupItem(const std::string& path);
// Replaces the Qt menu: when set, Popup calls the hook instead of showing a
// QMenu (the menu still counts as shown until closed or clicked).
using TPopupHook = std::function<void(TPopupMenu& menu, TPoint screen)>;
void SetPopupHook(TPopupHook hook);
