// Which neighbour table rows count as a host that answered ARP.

#include "net/NeighbourTable.h"
#include "support/NamedRow.h"

#include <gtest/gtest.h>
#include <vector>

namespace kelvra::net {
namespace {

struct HardwareAddressRow : test::NamedRow {
    std::vector<unsigned char> address;
    bool learned;
};

const HardwareAddressRow kHardwareAddresses[] = {
    {{"none"}, {}, false},
    {{"all zeros as wine lists a failed one"}, {0, 0, 0, 0, 0, 0}, false},
    {{"a device's"}, {0x00, 0x04, 0xA3, 0x12, 0x34, 0x56}, true},
};

class HardwareAddressText : public ::testing::TestWithParam<HardwareAddressRow> {};

TEST_P(HardwareAddressText, CountsOnlyALearnedOne) {
    EXPECT_EQ(IsLearnedHardwareAddress(GetParam().address), GetParam().learned);
}

INSTANTIATE_TEST_SUITE_P(Rows, HardwareAddressText, ::testing::ValuesIn(kHardwareAddresses),
                         test::RowName());

} // namespace
} // namespace kelvra::net
