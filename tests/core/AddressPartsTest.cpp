#include "core/AddressParts.h"

#include "core/Errors.h"
#include "support/ErrorText.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace kelvra {
namespace {

using test::ErrorText;

// An address text, the refusal of its shape ("" when it has four parts or more) and
// the two checks of a new device address.
struct AddressCase {
    const char* text;
    const char* refusal;
    bool lastOctetZero;
    bool firstOctet127;
};

void PrintTo(const AddressCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class AddressCheck : public ::testing::TestWithParam<AddressCase> {};

TEST_P(AddressCheck, ReadsThePartsAsSplit) {
    const AddressCase& c = GetParam();
    EXPECT_EQ(ErrorText<EStringListError>([&] { AddressParts(c.text); }),
              *c.refusal ? c.refusal : "(no error)");
    EXPECT_EQ(LastOctetIsZero(c.text), c.lastOctetZero);
    EXPECT_EQ(FirstOctetIs127(c.text), c.firstOctet127);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AddressCheck,
    ::testing::Values(AddressCase{"192.168.1.50", "", false, false},
                      AddressCase{"192.168.01.5", "", false, false},
                      AddressCase{"192.168.1.0", "", true, false},
                      AddressCase{"1.2.3.4.5", "", false, false},
                      AddressCase{"192.168.1.", "", false, false},
                      AddressCase{"192.168.1", "List index out of bounds (3)", false, false},
                      AddressCase{"10.0", "List index out of bounds (2)", true, false},
                      AddressCase{"192", "List index out of bounds (0)", false, false},
                      AddressCase{"", "List index out of bounds (0)", false, false}));

// "same", "differs" or the list error, for the PC's address and the new one.
std::string GroupComparison(const std::string& pc, const std::string& device) {
    const auto list = [](const std::string& text) {
        return FieldList(SplitItems('.', text).value_or(std::vector<std::string>{}));
    };
    try {
        return SameAddressGroup(list(pc), list(device)) ? "same" : "differs";
    } catch (const EStringListError& error) {
        return error.what();
    }
}

class AddressGroup
    : public ::testing::TestWithParam<std::tuple<std::string, std::string, std::string>> {};

TEST_P(AddressGroup, ComparesTheFirstThreePartsAsTexts) {
    const auto& [pc, device, found] = GetParam();
    EXPECT_EQ(GroupComparison(pc, device), found);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, AddressGroup,
    ::testing::Values(std::tuple{"192.168.1.10", "192.168.1.0", "same"},
                      std::tuple{"192.168.1.10", "192.168.01.5", "differs"},
                      std::tuple{"192.168.1.10", "10.0.0.5", "differs"},
                      std::tuple{"192.168.1.10", "10.0", "differs"},
                      std::tuple{"192.168.1.10", "192.168", "List index out of bounds (2)"},
                      std::tuple{"ERROR_WINSOCK", "192.168.1.5", "List index out of bounds (0)"}));

} // namespace
} // namespace kelvra
