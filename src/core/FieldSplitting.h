#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvra {

// Splits text at delimiter. Empty when the delimiter does not occur anywhere in
// the text (code 0 included); otherwise the items: blanks (codes 1 to 32) end an
// item like the delimiter does, a code 0 ends the walk, and an item that starts
// with a double quote runs to the matching quote, a doubled quote standing for one.
std::optional<std::vector<std::string>> SplitItems(char delimiter, std::string_view text);

// The shared list of texts, indexed from 0; reading a position it does not hold
// throws EStringListError.
class FieldList {
public:
    FieldList() = default;
    explicit FieldList(std::vector<std::string> items) : items_(std::move(items)) {}

    const std::string& operator[](long long index) const;
    std::size_t count() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    void clear() { items_.clear(); }
    void assign(std::vector<std::string> items) { items_ = std::move(items); }
    const std::vector<std::string>& items() const { return items_; }

private:
    std::vector<std::string> items_;
};

} // namespace kelvra
