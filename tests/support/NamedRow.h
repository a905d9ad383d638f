#pragma once

#include <cctype>
#include <gtest/gtest.h>
#include <string>

namespace kelvra::cli {

// A table row's name as a test name: letters and digits, words joined by "_".
template <typename Row> std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    std::string name;
    for (const char c : std::string(info.param.name)) {
        name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    }
    return name;
}

} // namespace kelvra::cli
