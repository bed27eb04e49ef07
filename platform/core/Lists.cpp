#include "platform/core/Lists.h"

#include <algorithm>

#include "platform/core/Strings.h"

TList::~TList() = default;

void TList::Destroy() {
    Clear();
    inherited::Destroy();
}

void TList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", index));
}

void TList::SetCount(int newCount) {
    if (newCount < 0) throw EListError(Format("List count out of bounds (%d)", newCount));
    if (newCount > Count()) {
        FList.resize(static_cast<std::size_t>(newCount), nullptr);
    } else {
        for (int i = Count() - 1; i >= newCount; --i) Delete(i);
    }
}

void* TList::Items(int index) const {
    CheckIndex(index);
    return FList[static_cast<std::size_t>(index)];
}

void TList::SetItem(int index, void* item) {
    CheckIndex(index);
    void* old = FList[static_cast<std::size_t>(index)];
    if (old == item) return;
    FList[static_cast<std::size_t>(index)] = item;
    if (old) Notify(old, lnDeleted);
    if (item) Notify(item, lnAdded);
}

int TList::Add(void* item) {
    FList.push_back(item);
    if (item) Notify(item, lnAdded);
    return Count() - 1;
}

void TList::Insert(int index, void* item) {
    if (index < 0 || index > Count()) throw EListError(Format("List index out of bounds (%d)", index));
    FList.insert(FList.begin() + index, item);
    if (item) Notify(item, lnAdded);
}

void TList::Delete(int index) {
    CheckIndex(index);
    void* old = FList[static_cast<std::size_t>(index)];
    FList.erase(FList.begin() + index);
    if (old) Notify(old, lnDeleted);
}

int TList::Remove(void* item) {
    const int index = IndexOf(item);
    if (index >= 0) Delete(index);
    return index;
}

void* TList::Extract(void* item) {
    const int index = IndexOf(item);
    if (index < 0) return nullptr;
    void* found = FList[static_cast<std::size_t>(index)];
    FList.erase(FList.begin() + index);
    if (found) Notify(found, lnExtracted);
    return found;
}

int TList::IndexOf(const void* item) const {
    const auto it = std::find(FList.begin(), FList.end(), item);
    return it == FList.end() ? -1 : static_cast<int>(it - FList.begin());
}

void TList::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    void* item = FList[static_cast<std::size_t>(curIndex)];
    FList.erase(FList.begin() + curIndex);
    FList.insert(FList.begin() + newIndex, item);
}

void TList::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(FList[static_cast<std::size_t>(index1)], FList[static_cast<std::size_t>(index2)]);
}

void TList::Pack() { FList.erase(std::remove(FList.begin(), FList.end(), nullptr), FList.end()); }

void TList::Sort(const std::function<int(void*, void*)>& compare) {
    std::stable_sort(FList.begin(), FList.end(), [&](void* a, void* b) { return compare(a, b) < 0; });
}

void TList::Clear() { SetCount(0); }

void TList::Notify(void*, TListNotification) {}

TObjectList::~TObjectList() {
    // A list that lives on the stack or as a member is never freed through
    // Destroy; release the owned objects here, where Notify still reaches us.
    Clear();
}

void TObjectList::Notify(void* item, TListNotification action) {
    if (FOwnsObjects && action == lnDeleted) static_cast<TObject*>(item)->Free();
    inherited::Notify(item, action);
}
