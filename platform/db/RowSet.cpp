#include "platform/db/RowSet.h"

#include <algorithm>

#include "platform/core/Strings.h"
#include "platform/db/DBErrors.h"

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

struct SortKey {
    int Column;
    bool Descending;
};

}  // namespace

int TRowSet::IndexOf(std::string_view name) const {
    for (size_t i = 0; i < Columns.size(); ++i)
        if (SameText(Columns[i].Name, name)) return int(i);
    return -1;
}

void TRowSet::Sort(std::string_view order) {
    std::vector<SortKey> keys;
    while (!order.empty()) {
        const size_t comma = order.find(',');
        std::string_view item = Trimmed(order.substr(0, comma));
        order = comma == std::string_view::npos ? std::string_view() : order.substr(comma + 1);
        if (item.empty()) continue;
        bool descending = false;
        const size_t blank = item.find_last_of(" \t");
        if (blank != std::string_view::npos) {
            const std::string_view direction = item.substr(blank + 1);
            if (SameText(direction, "DESC") || SameText(direction, "ASC")) {
                descending = SameText(direction, "DESC");
                item = Trimmed(item.substr(0, blank));
            }
        }
        const int column = IndexOf(item);
        if (column < 0) throw EDatabaseError("Field '" + std::string(item) + "' not found");
        keys.push_back({column, descending});
    }
    std::stable_sort(Rows.begin(), Rows.end(), [&](const Row& a, const Row& b) {
        for (const SortKey& key : keys) {
            const int c = TFieldValue::Compare(a[key.Column], b[key.Column]);
            if (c != 0) return key.Descending ? c > 0 : c < 0;
        }
        return false;
    });
}
