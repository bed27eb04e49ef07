#pragma once
// Pointer lists of the class library: TList (untyped pointers), TObjectList
// (may own its objects), and the typed conveniences TListOf<T> and
// TObjectListOf<T>. An index out of range raises EListError
// "List index out of bounds (%d)".
#include <cstddef>
#include <functional>
#include <iterator>
#include <vector>

#include "platform/core/Object.h"

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

class TList : public TObject {
    VN_CLASS(TList, TObject)

public:
    TList() = default;
    ~TList() override;
    void Destroy() override;

    int Count() const noexcept { return static_cast<int>(FList.size()); }
    // Shrinking deletes the trailing items; growing appends nullptr entries.
    void SetCount(int newCount);
    void* Items(int index) const;
    void* operator[](int index) const { return Items(index); }
    void SetItem(int index, void* item);
    int Add(void* item);
    void Insert(int index, void* item);
    void Delete(int index);
    // Deletes the first occurrence; returns its former index or -1.
    int Remove(void* item);
    // Takes the first occurrence out of the list without deleting it (an
    // owning list does not free it); returns the item or nullptr.
    void* Extract(void* item);
    int IndexOf(const void* item) const;
    void Move(int curIndex, int newIndex);
    void Exchange(int index1, int index2);
    void* First() const { return Items(0); }
    void* Last() const { return Items(Count() - 1); }
    // Removes every nullptr entry.
    void Pack();
    // Stable sort by compare(a, b) < 0.
    void Sort(const std::function<int(void*, void*)>& compare);
    void Clear();
    const std::vector<void*>& List() const noexcept { return FList; }

protected:
    // Called after an item was added, extracted or deleted (not for nullptr).
    virtual void Notify(void* item, TListNotification action);
    void CheckIndex(int index) const;

private:
    std::vector<void*> FList;
};

// Iterates a pointer list whose items were stored as Stored* and are read as T*.
template <class T, class Stored = T>
class TListIterator {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = T*;
    using difference_type = std::ptrdiff_t;
    using pointer = T**;
    using reference = T*;

    explicit TListIterator(std::vector<void*>::const_iterator it) : FIt(it) {}
    T* operator*() const { return Cast(*FIt); }
    TListIterator& operator++() {
        ++FIt;
        return *this;
    }
    TListIterator operator++(int) {
        TListIterator old = *this;
        ++FIt;
        return old;
    }
    bool operator==(const TListIterator&) const = default;

    static T* Cast(void* p) { return static_cast<T*>(static_cast<Stored*>(p)); }

private:
    std::vector<void*>::const_iterator FIt;
};

// A TList of T* (non-owning).
template <class T>
class TListOf : public TList {
public:
    T* Items(int index) const { return static_cast<T*>(TList::Items(index)); }
    T* operator[](int index) const { return Items(index); }
    int Add(T* item) { return TList::Add(item); }
    void Insert(int index, T* item) { TList::Insert(index, item); }
    void SetItem(int index, T* item) { TList::SetItem(index, item); }
    int Remove(T* item) { return TList::Remove(item); }
    T* Extract(T* item) { return static_cast<T*>(TList::Extract(item)); }
    int IndexOf(const T* item) const { return TList::IndexOf(item); }
    T* First() const { return Items(0); }
    T* Last() const { return Items(Count() - 1); }
    void Sort(const std::function<int(T*, T*)>& compare) {
        TList::Sort([&](void* a, void* b) { return compare(static_cast<T*>(a), static_cast<T*>(b)); });
    }
    TListIterator<T> begin() const { return TListIterator<T>(List().begin()); }
    TListIterator<T> end() const { return TListIterator<T>(List().end()); }
};

// A list of objects that frees them on Delete, Remove, SetItem, SetCount,
// Clear and its own destruction when OwnsObjects (the default).
class TObjectList : public TList {
    VN_CLASS(TObjectList, TList)

public:
    TObjectList() = default;
    explicit TObjectList(bool ownsObjects) : FOwnsObjects(ownsObjects) {}
    ~TObjectList() override;

    bool OwnsObjects() const noexcept { return FOwnsObjects; }
    void SetOwnsObjects(bool value) noexcept { FOwnsObjects = value; }

    TObject* Items(int index) const { return static_cast<TObject*>(TList::Items(index)); }
    TObject* operator[](int index) const { return Items(index); }
    int Add(TObject* item) { return TList::Add(item); }
    void Insert(int index, TObject* item) { TList::Insert(index, item); }
    void SetItem(int index, TObject* item) { TList::SetItem(index, item); }
    int Remove(TObject* item) { return TList::Remove(item); }
    TObject* Extract(TObject* item) { return static_cast<TObject*>(TList::Extract(item)); }
    int IndexOf(const TObject* item) const { return TList::IndexOf(item); }
    TObject* First() const { return Items(0); }
    TObject* Last() const { return Items(Count() - 1); }

protected:
    void Notify(void* item, TListNotification action) override;

private:
    bool FOwnsObjects = true;
};

// A TObjectList of T (T derives from TObject).
template <class T>
class TObjectListOf : public TObjectList {
public:
    using TObjectList::TObjectList;
    T* Items(int index) const { return static_cast<T*>(TObjectList::Items(index)); }
    T* operator[](int index) const { return Items(index); }
    int Add(T* item) { return TObjectList::Add(item); }
    void Insert(int index, T* item) { TObjectList::Insert(index, item); }
    void SetItem(int index, T* item) { TObjectList::SetItem(index, item); }
    int Remove(T* item) { return TObjectList::Remove(item); }
    T* Extract(T* item) { return static_cast<T*>(TObjectList::Extract(item)); }
    int IndexOf(const T* item) const { return TObjectList::IndexOf(item); }
    T* First() const { return Items(0); }
    T* Last() const { return Items(Count() - 1); }
    TListIterator<T, TObject> begin() const { return TListIterator<T, TObject>(List().begin()); }
    TListIterator<T, TObject> end() const { return TListIterator<T, TObject>(List().end()); }
};
