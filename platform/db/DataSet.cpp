#include "platform/db/DataSet.h"

#include "platform/db/DBErrors.h"

void TFieldDefs::Update() { FDataSet->InitFieldDefs(); }

const TFieldDef* TFieldDefs::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    return &FItems[size_t(index)];
}

const TFieldValue& TField::Value() const { return FDataSet->CurrentValue(FIndex); }

TDataSet::TDataSet(TComponent* AOwner) : TComponent(AOwner), FFieldDefs(this) {}

void TDataSet::Close() {
    FActive = false;
    FRows = TRowSet();
    FRecNo = 0;
    FFields.clear();
}

void TDataSet::First() { FRecNo = 0; }

void TDataSet::Next() {
    if (!Eof()) ++FRecNo;
}

TField* TDataSet::FindField(std::string_view name) const {
    for (const auto& field : FFields)
        if (SameText(field->FieldName(), name)) return field.get();
    return nullptr;
}

TField* TDataSet::FieldByName(std::string_view name) const {
    if (TField* field = FindField(name)) return field;
    DatabaseError("Field '" + std::string(name) + "' not found");
}

void TDataSet::OpenRowSet(TRowSet rows) {
    Close();
    FRows = std::move(rows);
    for (size_t i = 0; i < FRows.Columns.size(); ++i)
        FFields.push_back(std::make_unique<TField>(this, int(i), TFieldDef{FRows.Columns[i].Name, FRows.Columns[i].DataType}));
    FActive = true;
}

void TDataSet::DatabaseError(const std::string& message) const {
    throw EDatabaseError(Name().empty() ? message : Name() + ": " + message);
}

void TDataSet::InitFieldDefs() {
    const std::vector<TRowSetColumn> columns = FActive ? FRows.Columns : DescribeFields();
    FFieldDefs.Clear();
    for (const TRowSetColumn& column : columns) FFieldDefs.Add({column.Name, column.DataType});
}

const TFieldValue& TDataSet::CurrentValue(int column) const {
    if (!FActive) DatabaseError("Cannot perform this operation on a closed dataset");
    if (Eof()) DatabaseError("No current record");
    return FRows.Rows[size_t(FRecNo)][size_t(column)];
}
