#pragma once

#include <cctype>
#include <concepts>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace kelvra::test {

// The base of every TEST_P table's row: its name, which names the test in CTest and
// in a failure's message, where GoogleTest would otherwise print the row's bytes.
struct NamedRow {
    const char* name;
};

// Found for every row derived from NamedRow, and preferred to GoogleTest's own printer.
template <std::derived_from<NamedRow> Row> void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

// The row's name as a test name: letters and digits, every other character "_".
struct RowName {
    template <class Row> std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        std::string name;
        for (const char c : std::string(info.param.name)) {
            name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
        }
        return name;
    }
};

} // namespace kelvra::test
