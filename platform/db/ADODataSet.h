#pragma once
// TADODataSet: a dataset on a TADOConnection. It is filled by the connection's schema
// rowsets; its FieldDefs describe the result of CommandText without running it. Sort
// orders the loaded rows on the client, stably, by a list of field names.
#include <string>

#include "platform/db/DataSet.h"

class TADOConnection;

class TADODataSet : public TDataSet {
    VN_CLASS(TADODataSet, TDataSet)

public:
    using TDataSet::TDataSet;
    void Destroy() override;

    TADOConnection* Connection() const noexcept { return FConnection; }
    // Not owned; cleared when the connection component is freed.
    void SetConnection(TADOConnection* value);

    const std::string& CommandText() const noexcept { return FCommandText; }
    void SetCommandText(const std::string& value);

    const std::string& Sort() const noexcept { return FSort; }
    // "FIELD1, FIELD2 DESC, ...": sorts the open rows (stable; NULL first, numbers as
    // numbers) and moves to the first row. An empty text keeps the current order. An
    // unknown field raises EDatabaseError and keeps the previous order.
    void SetSort(const std::string& value);

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    std::vector<TRowSetColumn> DescribeFields() override;

private:
    friend class TADOConnection;
    // Loads a schema rowset in the order the driver reports it.
    void LoadRowSet(TRowSet rows);

    TADOConnection* FConnection = nullptr;
    std::string FCommandText;
    std::string FSort;
};
