#pragma once
// TDataSet: the base of the datasets, holding an in-memory result with a cursor on it.
// A dataset is open (Active) once a result has been loaded into it; FieldDefs can also be
// filled on a closed dataset, which describes its command without running it.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Classes.h"
#include "platform/db/Fields.h"
#include "platform/db/RowSet.h"

class TDataSet : public TComponent {
    VN_CLASS(TDataSet, TComponent)

public:
    explicit TDataSet(TComponent* AOwner);

    bool Active() const noexcept { return FActive; }
    void Close();

    void First();
    void Next();
    // True when the cursor is past the last row (at once for an empty result).
    bool Eof() const noexcept { return FRecNo >= int(FRows.Rows.size()); }
    bool IsEmpty() const noexcept { return FRows.Rows.empty(); }
    int RecordCount() const noexcept { return int(FRows.Rows.size()); }

    // The field named Name (compared without case), or nullptr.
    TField* FindField(std::string_view name) const;
    // As FindField, but raises EDatabaseError "Field 'Name' not found" for an unknown name.
    TField* FieldByName(std::string_view name) const;

    TFieldDefs* FieldDefs() { return &FFieldDefs; }

protected:
    // Loads a result: the dataset becomes active with the cursor on the first row.
    void OpenRowSet(TRowSet rows);
    TRowSet& Rows() noexcept { return FRows; }
    // Describes the result of the dataset's command without running it.
    virtual std::vector<TRowSetColumn> DescribeFields() = 0;
    // Raises EDatabaseError with the component's name in front of Message.
    [[noreturn]] void DatabaseError(const std::string& message) const;

private:
    friend class TFieldDefs;
    friend class TField;
    void InitFieldDefs();
    const TFieldValue& CurrentValue(int column) const;

    TRowSet FRows;
    int FRecNo = 0;
    bool FActive = false;
    std::vector<std::unique_ptr<TField>> FFields;
    TFieldDefs FFieldDefs;
};
