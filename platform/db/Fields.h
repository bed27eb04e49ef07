#pragma once
// Field definitions (what a dataset's result consists of) and fields (the values of the
// current row, read through the dataset).
#include <string>
#include <vector>

#include "platform/db/FieldValue.h"

class TDataSet;

struct TFieldDef {
    std::string Name;
    TFieldType DataType = ftUnknown;
};

class TFieldDefs {
public:
    explicit TFieldDefs(TDataSet* dataSet) : FDataSet(dataSet) {}

    // Asks the dataset to describe its result again: an open dataset reports its rows'
    // columns, a closed one describes its command without running it.
    void Update();
    int Count() const { return int(FItems.size()); }
    // The definition at Index; EListError when out of range.
    const TFieldDef* Items(int index) const;
    const TFieldDef* operator[](int index) const { return Items(index); }
    void Clear() { FItems.clear(); }
    void Add(TFieldDef def) { FItems.push_back(std::move(def)); }

private:
    TDataSet* FDataSet;
    std::vector<TFieldDef> FItems;
};

// A column of an open dataset; reads the value of the dataset's current row.
class TField {
public:
    TField(TDataSet* dataSet, int index, TFieldDef def) : FDataSet(dataSet), FIndex(index), FDef(std::move(def)) {}

    const std::string& FieldName() const { return FDef.Name; }
    TFieldType DataType() const { return FDef.DataType; }
    int Index() const { return FIndex; }

    bool IsNull() const { return Value().IsNull(); }
    std::string AsString() const { return Value().AsString(); }
    long long AsInteger() const { return Value().AsInteger(); }
    double AsFloat() const { return Value().AsFloat(); }

private:
    // The value in the current row; raises EDatabaseError when there is none.
    const TFieldValue& Value() const;

    TDataSet* FDataSet;
    int FIndex;
    TFieldDef FDef;
};
