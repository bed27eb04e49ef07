#pragma once
// An in-memory result: column descriptions and rows of values, with a client-side sort.
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/FieldValue.h"

struct TRowSetColumn {
    std::string Name;
    TFieldType DataType = ftUnknown;
};

class TRowSet {
public:
    using Row = std::vector<TFieldValue>;

    std::vector<TRowSetColumn> Columns;
    std::vector<Row> Rows;

    // The index of the column named Name (compared without case), or -1.
    int IndexOf(std::string_view name) const;

    // Sorts the rows stably by a list of column names separated by commas, each optionally
    // followed by ASC or DESC. An unknown column raises EDatabaseError and leaves the rows
    // as they were.
    void Sort(std::string_view order);
};
