#pragma once
// TQuery: a SQL text on the database component named by DatabaseName (found through the
// session). FieldDefs describe the result of the text by preparing it, without running it.
#include <string>

#include "platform/db/DataSet.h"

class TQuery : public TDataSet {
    VN_CLASS(TQuery, TDataSet)

public:
    explicit TQuery(TComponent* AOwner);
    void Destroy() override;

    const std::string& DatabaseName() const noexcept { return FDatabaseName; }
    void SetDatabaseName(const std::string& value);
    // The statement, as lines.
    TStringList* SQL() const noexcept { return FSQL; }

protected:
    // Opens the database if needed. A text that is no query with result columns, or that
    // holds a second statement, raises EDatabaseError; an engine error EDBEngineError.
    std::vector<TRowSetColumn> DescribeFields() override;

private:
    std::string FDatabaseName;
    TStringList* FSQL;
};
