#include "core/Errors.h"
#include "link/LinkFixture.h"

#include <tuple>

namespace kelvra::test {
namespace {

// Connected, with one refused setting: the tally at -10, so a reset shows.
class SplitFieldsTest : public LinkTest {
protected:
    void SetUp() override {
        connectFirst();
        endpoint.queue(Reply::answer("OK"));
        endpoint.queue(Reply::answer("ERR"));
        dm.SetDeviceValue("CXS", "1", "x");
        ASSERT_EQ(dm.SetTally(), -10);
    }
};

// Delimiter, text, the list afterwards (it held "a" and "b") and the tally.
using SplitCase = std::tuple<char, std::string, Texts, int>;

class SplitFieldsCases : public SplitFieldsTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(SplitFieldsCases, RefillOnlyWhenTheDelimiterOccurs) {
    const auto& [delimiter, text, items, tally] = GetParam();
    FieldList list({"a", "b"});
    dm.SplitFields(delimiter, text, list);
    EXPECT_EQ(list.items(), items);
    EXPECT_EQ(dm.SetTally(), tally);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitFieldsCases,
    ::testing::Values(SplitCase{'.', "192.168.1.200", {"192", "168", "1", "200"}, 0},
                      SplitCase{'|', "abc", {"a", "b"}, -10}, SplitCase{'|', "", {"a", "b"}, -10},
                      // The delimiter after a code 0 still counts; the walk ends at the 0.
                      SplitCase{'|', std::string("\0x|y", 4), {}, 0}));

TEST_F(SplitFieldsTest, ARecordWithoutTheDelimiterIsOneItemNeverAnOldSplit) {
    dm.SplitFields('.', "192.168.1.10", dm.Fields());
    for (const char* reply : {"", "KLV"}) {
        dm.LoadRecord(reply);
        EXPECT_EQ(dm.Fields().items(), Texts{reply});
    }
    dm.LoadRecord("a|b c");
    EXPECT_EQ(dm.Fields().items(), (Texts{"a", "b", "c"}));
}

TEST_F(SplitFieldsTest, ADottedMacRefillsTheListAndAnUndottedOneLeavesIt) {
    dm.FormatMac("4A4B4C4D4E4F");
    EXPECT_TRUE(dm.Fields().empty());
    EXPECT_EQ(dm.SetTally(), -10);
    dm.FormatMac("0.4.163.18.52.86");
    EXPECT_EQ(dm.Fields().count(), 6u);
    EXPECT_EQ(dm.SetTally(), 0);
}

// A MAC reply and what is shown of it, or the error it ends in.
class FormatMacTest : public LinkTest, public ::testing::WithParamInterface<TextPair> {};

TEST_P(FormatMacTest, FormatsBothForms) {
    std::string shown;
    try {
        shown = dm.FormatMac(std::get<0>(GetParam()));
    } catch (const std::runtime_error& e) {
        shown = std::string("error: ") + e.what();
    }
    EXPECT_EQ(shown, std::get<1>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    Dotted, FormatMacTest,
    ::testing::Values(std::tuple{"0.4.163.18.52.86", "00.04.A3.12.34.56"},
                      std::tuple{"0.4.163.18.52.86.99", "00.04.A3.12.34.56"},
                      std::tuple{"0.4.1 63.18.52", "00.04.01.3F.12.34"},
                      std::tuple{"0.4.163.18.52", "error: List index out of bounds (5)"},
                      TextPair{"0.4.x.18.52.86", "error: " + ConvertMessage("x")}));

// Pairs of characters; missing pairs are empty pieces, and a leading empty piece
// adds no dot.
INSTANTIATE_TEST_SUITE_P(Undotted, FormatMacTest,
                         ::testing::Values(std::tuple{"4A4B4C4D4E4F", "J.K.L.M.N.O"},
                                           std::tuple{"4A4B4C4D4E4F50", "J.K.L.M.N.O"},
                                           std::tuple{"4A", "J....."},
                                           std::tuple{"4A4B4", "J.K...."}, std::tuple{"", ""},
                                           std::tuple{"004A", std::string("\0", 1) + ".J...."},
                                           TextPair{"4A4G", "error: " + ConvertMessage("$4G")}));

} // namespace
} // namespace kelvra::test
