#include "platform/core/StringList.h"

#include <algorithm>

#include "platform/core/Strings.h"

TStringList::~TStringList() {
    // Lists on the stack or held as members end here without Destroy.
    ClearItems();
}

void TStringList::Destroy() {
    OnChange = nullptr;
    OnChanging = nullptr;
    ClearItems();
    inherited::Destroy();
}

void TStringList::ClearItems() {
    std::vector<Item> items;
    items.swap(FList);
    if (FOwnsObjects)
        for (auto& item : items) ::Free(item.Obj);
}

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) Error(index);
}

std::string TStringList::Get(int index) const {
    CheckIndex(index);
    return FList[static_cast<std::size_t>(index)].Str;
}

void TStringList::Put(int index, const std::string& s) {
    if (FSorted) throw EStringListError("Operation not allowed on sorted list");
    CheckIndex(index);
    Changing();
    FList[static_cast<std::size_t>(index)].Str = s;
    Changed();
}

TObject* TStringList::GetObject(int index) const {
    CheckIndex(index);
    return FList[static_cast<std::size_t>(index)].Obj;
}

void TStringList::PutObject(int index, TObject* obj) {
    CheckIndex(index);
    Changing();
    FList[static_cast<std::size_t>(index)].Obj = obj;
    Changed();
}

void TStringList::Insert(int index, const std::string& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const std::string& s, TObject* obj) {
    if (FSorted) throw EStringListError("Operation not allowed on sorted list");
    if (index < 0 || index > Count()) Error(index);
    InsertItem(index, s, obj);
}

int TStringList::Add(const std::string& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const std::string& s, TObject* obj) {
    int index = Count();
    if (FSorted && Find(s, index)) {
        switch (FDuplicates) {
            case dupIgnore:
                return index;
            case dupError:
                throw EStringListError("String list does not allow duplicates");
            case dupAccept:
                break;
        }
    }
    InsertItem(index, s, obj);
    return index;
}

void TStringList::InsertItem(int index, const std::string& s, TObject* obj) {
    Changing();
    FList.insert(FList.begin() + index, Item{s, obj});
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    Changing();
    TObject* obj = FList[static_cast<std::size_t>(index)].Obj;
    FList.erase(FList.begin() + index);
    if (FOwnsObjects) ::Free(obj);
    Changed();
}

void TStringList::Clear() {
    if (FList.empty()) return;
    Changing();
    ClearItems();
    Changed();
}

int TStringList::IndexOf(std::string_view s) const {
    if (!FSorted) return inherited::IndexOf(s);
    int index = 0;
    return Find(s, index) ? index : -1;
}

void TStringList::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    Changing();
    std::swap(FList[static_cast<std::size_t>(index1)], FList[static_cast<std::size_t>(index2)]);
    Changed();
}

bool TStringList::Find(std::string_view s, int& index) const {
    int lo = 0;
    int hi = Count() - 1;
    bool found = false;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const int c = CompareStrings(FList[static_cast<std::size_t>(mid)].Str, s);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) found = true;
        }
    }
    index = lo;
    return found;
}

void TStringList::Sort() {
    Changing();
    std::stable_sort(FList.begin(), FList.end(),
                     [this](const Item& a, const Item& b) { return CompareStrings(a.Str, b.Str) < 0; });
    Changed();
}

void TStringList::CustomSort(const TStringListSortCompare& compare) {
    if (FSorted || Count() < 2) return;
    Changing();
    // Sort positions first, so that compare always sees the list unchanged and
    // the indexes it gets are valid; then rearrange the items once.
    std::vector<int> order(FList.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(this, a, b) < 0; });
    std::vector<Item> sorted;
    sorted.reserve(FList.size());
    for (int i : order) sorted.push_back(std::move(FList[static_cast<std::size_t>(i)]));
    FList.swap(sorted);
    Changed();
}

void TStringList::SetSorted(bool value) {
    if (FSorted == value) return;
    if (value) Sort();
    FSorted = value;
}

void TStringList::SetCaseSensitive(bool value) {
    if (FCaseSensitive == value) return;
    FCaseSensitive = value;
    if (FSorted) Sort();
}

int TStringList::CompareStrings(std::string_view a, std::string_view b) const {
    return FCaseSensitive ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

void TStringList::SetUpdateState(bool updating) {
    if (updating)
        Changing();
    else
        Changed();
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}
