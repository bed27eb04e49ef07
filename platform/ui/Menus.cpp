#include "platform/ui/Menus.h"

#include <QAction>
#include <QMenu>
#include <QMetaObject>
#include <QPointer>
#include <algorithm>
#include <set>

#include "platform/ui/Application.h"

namespace {

std::set<const TMenuItem*>& LiveItems()
{
    static std::set<const TMenuItem*> items;
    return items;
}

TPopupMenu* gShown = nullptr;
TPopupHook gPopupHook;

std::string WithoutAccessKeys(const std::string& caption)
{
    std::string result;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
            result += caption[i];
            continue;
        }
        result += caption[i];
    }
    return result;
}

void CollectItems(const TMenuItem* parent, const std::string& prefix, std::vector<std::string>& out)
{
    for (int i = 0; i < parent->Count(); ++i) {
        const TMenuItem* item = parent->Items(i);
        if (!item->Visible())
            continue;
        out.push_back(prefix + item->Caption());
        if (item->Count() > 0)
            CollectItems(item, prefix + item->Caption() + "|", out);
    }
}

} // namespace

// ---- TMenuItem ------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner)
{
    LiveItems().insert(this);
}

void TMenuItem::Destroy()
{
    LiveItems().erase(this);
    while (!FItems.empty()) {
        TMenuItem* item = FItems.back();
        FItems.pop_back();
        item->FParent = nullptr;
        item->Free();
    }
    if (FParent)
        FParent->Remove(this);
    inherited::Destroy();
}

TMenuItem* TMenuItem::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return FItems[static_cast<size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    const auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TMenuItem::Add(TMenuItem* item)
{
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (item->FParent)
        throw EInvalidOperation("Menu inserted twice");
    if (index < 0 || index > Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
}

void TMenuItem::Delete(int index)
{
    TMenuItem* item = Items(index);
    FItems.erase(FItems.begin() + index);
    item->FParent = nullptr;
}

void TMenuItem::Remove(TMenuItem* item)
{
    const int index = IndexOf(item);
    if (index >= 0)
        Delete(index);
}

void TMenuItem::Clear()
{
    while (!FItems.empty())
        FItems.back()->Free();
}

TMenuItem* TMenuItem::Find(const std::string& caption) const
{
    const std::string wanted = WithoutAccessKeys(caption);
    for (TMenuItem* item : FItems)
        if (WithoutAccessKeys(item->FCaption) == wanted)
            return item;
    return nullptr;
}

void TMenuItem::Click()
{
    if (FEnabled && OnClick)
        OnClick(this);
}

void QueueMenuClick(TMenuItem* item)
{
    QMetaObject::invokeMethod(
        qApp,
        [item] {
            if (!LiveItems().count(item))
                return;
            CallGuarded(item, [item] { item->Click(); });
        },
        Qt::QueuedConnection);
}

// ---- TPopupMenu -----------------------------------------------------------------

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner)
{
    FItems = TMenuItem::Create(this);
}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::Destroy()
{
    if (gShown == this)
        gShown = nullptr;
    if (FMenu) {
        QMenu* menu = FMenu;
        FMenu = nullptr;
        menu->hide();
        menu->deleteLater();
    }
    inherited::Destroy();
}

void TPopupMenu::SetPopupComponent(TComponent* value)
{
    if (value == FPopupComponent)
        return;
    if (FPopupComponent)
        FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = value;
    if (value)
        value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent == FPopupComponent)
        FPopupComponent = nullptr;
    inherited::Notification(AComponent, Operation);
}

void TPopupMenu::Build(QMenu* menu, TMenuItem* parent)
{
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (!item->Visible())
            continue;
        if (item->IsLine()) {
            menu->addSeparator();
            continue;
        }
        const QString text = QString::fromStdString(item->Caption());
        if (item->Count() > 0) {
            QMenu* sub = menu->addMenu(text);
            sub->setEnabled(item->Enabled());
            Build(sub, item);
            continue;
        }
        QAction* action = menu->addAction(text);
        action->setEnabled(item->Enabled());
        if (item->Checked()) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        if (item->Default()) {
            QFont font = action->font();
            font.setBold(true);
            action->setFont(font);
        }
        QObject::connect(action, &QAction::triggered, [this, item] {
            if (gShown == this)
                gShown = nullptr;
            QueueMenuClick(item);
        });
    }
}

void TPopupMenu::Popup(int X, int Y)
{
    if (gShown && gShown != this)
        gShown->CloseUp();
    if (OnPopup)
        OnPopup(this);
    gShown = this;
    if (gPopupHook) {
        gPopupHook(*this, Point(X, Y));
        return;
    }
    if (FMenu) {
        FMenu->hide();
        FMenu->deleteLater();
    }
    FMenu = new QMenu();
    FMenu->setAttribute(Qt::WA_DeleteOnClose, false);
    QPointer<QMenu> menu = FMenu;
    QObject::connect(FMenu, &QMenu::aboutToHide, [this, menu] {
        if (gShown == this && menu == FMenu)
            gShown = nullptr;
    });
    Build(FMenu, FItems);
    FMenu->popup(QPoint(X, Y));
}

void TPopupMenu::CloseUp()
{
    if (gShown == this)
        gShown = nullptr;
    if (FMenu)
        FMenu->hide();
}

bool TPopupMenu::IsShown() const
{
    return gShown == this;
}

// ---- test hooks -----------------------------------------------------------------

TPopupMenu* ShownPopupMenu()
{
    return gShown;
}

std::vector<std::string> ShownPopupItems()
{
    std::vector<std::string> out;
    if (gShown)
        CollectItems(gShown->Items(), "", out);
    return out;
}

void ClickShownPopupItem(const std::string& path)
{
    if (!gShown)
        throw EInvalidOperation("No popup menu is shown");
    TMenuItem* item = gShown->Items();
    size_t start = 0;
    while (item) {
        const size_t bar = path.find('|', start);
        item = item->Find(path.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    if (!item || !item->Visible())
        throw EInvalidOperation("No menu item \"" + path + "\"");
    if (!item->Enabled())
        throw EInvalidOperation("Menu item \"" + path + "\" is disabled");
    gShown->CloseUp();
    QueueMenuClick(item);
}

void SetPopupHook(TPopupHook hook)
{
    gPopupHook = std::move(hook);
}
