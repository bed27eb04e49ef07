#include "platform/core/AbstractStrings.h"

#include "platform/core/Strings.h"

void TStrings::Put(int index, const std::string& s) {
    TObject* obj = GetObject(index);
    Delete(index);
    InsertObject(index, s, obj);
}

TObject* TStrings::GetObject(int) const { return nullptr; }

void TStrings::PutObject(int, TObject*) {}

void TStrings::InsertObject(int index, const std::string& s, TObject* obj) {
    Insert(index, s);
    PutObject(index, obj);
}

int TStrings::Add(const std::string& s) {
    const int index = Count();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const std::string& s, TObject* obj) {
    const int index = Add(s);
    PutObject(index, obj);
    return index;
}

int TStrings::IndexOf(std::string_view s) const {
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Get(i), s) == 0) return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* obj) const {
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == obj) return i;
    return -1;
}

void TStrings::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    BeginUpdate();
    try {
        const std::string s = Get(curIndex);
        TObject* obj = GetObject(curIndex);
        Delete(curIndex);
        InsertObject(newIndex, s, obj);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Exchange(int index1, int index2) {
    BeginUpdate();
    try {
        const std::string s1 = Get(index1);
        TObject* o1 = GetObject(index1);
        Put(index1, Get(index2));
        PutObject(index1, GetObject(index2));
        Put(index2, s1);
        PutObject(index2, o1);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::AddStrings(const TStrings* strings) {
    BeginUpdate();
    try {
        for (int i = 0; i < strings->Count(); ++i) AddObject(strings->Get(i), strings->GetObject(i));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

bool TStrings::Equals(const TStrings* strings) const {
    if (Count() != strings->Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != strings->Get(i)) return false;
    return true;
}

std::string TStrings::Names(int index) const {
    const std::string s = Get(index);
    const auto eq = s.find('=');
    return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

int TStrings::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string s = Get(i);
        const auto eq = s.find('=');
        if (eq != std::string::npos && CompareStrings(std::string_view(s).substr(0, eq), name) == 0) return i;
    }
    return -1;
}

std::string TStrings::Values(std::string_view name) const {
    const int index = IndexOfName(name);
    if (index < 0) return {};
    const std::string s = Get(index);
    return s.substr(s.find('=') + 1);
}

void TStrings::SetValue(std::string_view name, std::string_view value) {
    const int index = IndexOfName(name);
    const std::string line = std::string(name) + "=" + std::string(value);
    if (value.empty()) {
        if (index >= 0) Delete(index);
    } else if (index >= 0) {
        Put(index, line);
    } else {
        Add(line);
    }
}

std::string TStrings::Text() const {
    std::string out;
    for (int i = 0; i < Count(); ++i) {
        out += Get(i);
        out += LineBreak;
    }
    return out;
}

void TStrings::SetText(std::string_view text) {
    BeginUpdate();
    try {
        Clear();
        std::size_t pos = 0;
        while (pos < text.size()) {
            std::size_t end = pos;
            while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
            Add(std::string(text.substr(pos, end - pos)));
            if (end < text.size() && text[end] == '\r') ++end;
            if (end < text.size() && text[end] == '\n') ++end;
            pos = end;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::BeginUpdate() {
    if (FUpdateCount == 0) SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::Assign(const TPersistent* source) {
    if (const auto* strings = dynamic_cast<const TStrings*>(source)) {
        if (strings == this) return;
        BeginUpdate();
        try {
            Clear();
            AddStrings(strings);
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
        return;
    }
    inherited::Assign(source);
}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(std::string_view a, std::string_view b) const { return AnsiCompareText(a, b); }

void TStrings::Error(int index) const { throw EStringListError(Format("List index out of bounds (%d)", index)); }
