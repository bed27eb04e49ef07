#pragma once
// TStrings: the abstract list of strings with attached objects that string
// lists and list controls implement.
//
// Text joins the lines, each followed by "\r\n" (also the last one);
// SetText splits at "\r\n", "\n" or "\r", and a final line break does not add
// an empty line. BeginUpdate/EndUpdate nest; when the outermost EndUpdate is
// reached SetUpdateState(false) runs (TStringList fires OnChange once there).
#include <string>
#include <string_view>

#include "platform/core/Persistent.h"

class TStrings : public TPersistent {
    VN_CLASS(TStrings, TPersistent)

public:
    static constexpr std::string_view LineBreak = "\r\n";

    virtual int Count() const = 0;
    // The string at index; EStringListError "List index out of bounds (%d)".
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& s);
    virtual TObject* GetObject(int index) const;
    virtual void PutObject(int index, TObject* obj);
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void InsertObject(int index, const std::string& s, TObject* obj);
    virtual int Add(const std::string& s);
    virtual int AddObject(const std::string& s, TObject* obj);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    // Index of the first string equal to s under CompareStrings; -1 if none.
    virtual int IndexOf(std::string_view s) const;
    int IndexOfObject(const TObject* obj) const;
    virtual void Move(int curIndex, int newIndex);
    virtual void Exchange(int index1, int index2);
    void AddStrings(const TStrings* strings);
    bool Equals(const TStrings* strings) const;

    std::string Strings(int index) const { return Get(index); }
    std::string operator[](int index) const { return Get(index); }
    TObject* Objects(int index) const { return GetObject(index); }

    // "Name=Value" access.
    std::string Names(int index) const;
    int IndexOfName(std::string_view name) const;
    std::string Values(std::string_view name) const;
    void SetValue(std::string_view name, std::string_view value);

    std::string Text() const;
    virtual void SetText(std::string_view text);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const noexcept { return FUpdateCount; }

    // Copies the strings and objects of another TStrings; other sources go to
    // the inherited handling.
    void Assign(const TPersistent* source) override;

protected:
    virtual void SetUpdateState(bool updating);
    // Comparison used by IndexOf; case-insensitive by default.
    virtual int CompareStrings(std::string_view a, std::string_view b) const;
    [[noreturn]] void Error(int index) const;

private:
    int FUpdateCount = 0;
};
