#pragma once
// TStringList: a TStrings kept in memory, optionally sorted.
//
// IndexOf and Find compare case-insensitively (AnsiCompareText over UTF-8)
// unless CaseSensitive is set. A Sorted list keeps its order on Add; Insert
// and Put raise EStringListError "Operation not allowed on sorted list", and
// Duplicates decides what Add does with an equal string: dupIgnore (the
// default) returns the index of the existing one, dupError raises
// "String list does not allow duplicates", dupAccept adds it.
// OnChanging/OnChange fire around every change outside an update bracket, and
// once each at the start and end of the outermost BeginUpdate/EndUpdate.
#include <functional>
#include <string>
#include <vector>

#include "platform/core/AbstractStrings.h"

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
    VN_CLASS(TStringList, TStrings)

public:
    using TStringListSortCompare = std::function<int(TStringList* list, int index1, int index2)>;

    TStringList() = default;
    ~TStringList() override;
    void Destroy() override;

    int Count() const override { return static_cast<int>(FList.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* obj) override;
    void Insert(int index, const std::string& s) override;
    void InsertObject(int index, const std::string& s, TObject* obj) override;
    int Add(const std::string& s) override;
    int AddObject(const std::string& s, TObject* obj) override;
    void Delete(int index) override;
    void Clear() override;
    int IndexOf(std::string_view s) const override;
    void Exchange(int index1, int index2) override;

    // Binary search of a sorted list: true when found; index is the position
    // of the first equal string or where s would be inserted.
    bool Find(std::string_view s, int& index) const;
    virtual void Sort();
    void CustomSort(const TStringListSortCompare& compare);

    bool Sorted() const noexcept { return FSorted; }
    void SetSorted(bool value);
    bool CaseSensitive() const noexcept { return FCaseSensitive; }
    void SetCaseSensitive(bool value);
    TDuplicates Duplicates() const noexcept { return FDuplicates; }
    void SetDuplicates(TDuplicates value) noexcept { FDuplicates = value; }
    // When set, the list frees the objects of deleted strings.
    bool OwnsObjects() const noexcept { return FOwnsObjects; }
    void SetOwnsObjects(bool value) noexcept { FOwnsObjects = value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool updating) override;
    int CompareStrings(std::string_view a, std::string_view b) const override;
    virtual void Changed();
    virtual void Changing();

private:
    struct Item {
        std::string Str;
        TObject* Obj = nullptr;
    };
    void InsertItem(int index, const std::string& s, TObject* obj);
    void CheckIndex(int index) const;
    void ClearItems();

    std::vector<Item> FList;
    bool FSorted = false;
    bool FCaseSensitive = false;
    bool FOwnsObjects = false;
    TDuplicates FDuplicates = dupIgnore;
};
