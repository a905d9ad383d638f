#include "LinkFixture.h"
#include "core/Errors.h"

namespace kelvra::testing {
namespace {

using Reply = ScriptedReply;

// Leaves the tally at -10 with one refused transaction.
void DropTally(LinkTest&, TFKelvraDM& dm, ScriptedEndpoint& endpoint) {
    endpoint.queue(Reply::answer("OK"));
    endpoint.queue(Reply::answer("ERR"));
    dm.SetDeviceValue("CXS", "1", "x");
}

class SplitFieldsTest : public LinkTest {
protected:
    void SetUp() override {
        connectFirst();
        DropTally(*this, dm, endpoint);
        ASSERT_EQ(dm.SetTally(), -10);
    }
};

TEST_F(SplitFieldsTest, ASplitRefillsTheListAndResetsTheTally) {
    FieldList list({"old"});
    dm.SplitFields('.', "192.168.1.200", list);
    EXPECT_EQ(list.items(), (std::vector<std::string>{"192", "168", "1", "200"}));
    EXPECT_EQ(dm.SetTally(), 0);
}

TEST_F(SplitFieldsTest, ATextWithoutTheDelimiterChangesNothing) {
    FieldList list({"a", "b"});
    for (const char* text : {"abc", "", "a b"}) {
        dm.SplitFields('|', text, list);
        EXPECT_EQ(list.items(), (std::vector<std::string>{"a", "b"})) << text;
        EXPECT_EQ(dm.SetTally(), -10) << text;
    }
}

TEST_F(SplitFieldsTest, ADelimiterAfterCodeZeroStillClears) {
    FieldList list({"a", "b"});
    dm.SplitFields('|', std::string_view("\0x|y", 4), list);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(dm.SetTally(), 0);
}

TEST_F(SplitFieldsTest, ARecordWithoutTheDelimiterIsOneItemNeverAnOldSplit) {
    dm.SplitFields('.', "192.168.1.10", dm.Fields());
    for (const char* reply : {"", "KLV"}) {
        dm.LoadRecord(reply);
        EXPECT_EQ(dm.Fields().items(), std::vector<std::string>{reply});
        EXPECT_THROW(dm.Fields()[1], EStringListError);
    }
    dm.LoadRecord("a|b c");
    EXPECT_EQ(dm.Fields().items(), (std::vector<std::string>{"a", "b", "c"}));
}

struct MacCase {
    const char* name;
    std::string reply;
    std::string shown;
};

class FormatMacTest : public LinkTest, public ::testing::WithParamInterface<MacCase> {};

TEST_P(FormatMacTest, FormatsBothForms) {
    EXPECT_EQ(dm.FormatMac(GetParam().reply), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, FormatMacTest,
    ::testing::Values(MacCase{"Dotted", "0.4.163.18.52.86", "00.04.A3.12.34.56"},
                      MacCase{"DottedSeventhIgnored", "0.4.163.18.52.86.99", "00.04.A3.12.34.56"},
                      MacCase{"DottedLarge", "256.4095.0.1.2.3", "100.FFF.00.01.02.03"},
                      MacCase{"DottedNegative", "-5.4.163.18.52.86", "00.04.A3.12.34.56"},
                      MacCase{"Undotted", "4A4B4C4D4E4F", "J.K.L.M.N.O"},
                      MacCase{"UndottedLong", "4A4B4C4D4E4F50", "J.K.L.M.N.O"},
                      MacCase{"BlankSplitsToo", "0.4.1 63.18.52", "00.04.01.3F.12.34"},
                      MacCase{"OnePair", "4A", "J....."}, MacCase{"OddTail", "4A4B4", "J.K...."},
                      MacCase{"OneChar", "4", ""}, MacCase{"Empty", "", ""},
                      MacCase{"CodeZero", "004A", std::string("\0", 1) + ".J...."},
                      MacCase{"TurkishCharacter", "DD", "İ....."}),
    [](const auto& info) { return std::string(info.param.name); });

struct MacErrorCase {
    const char* name;
    const char* reply;
    const char* message;
};

class FormatMacErrorTest : public LinkTest, public ::testing::WithParamInterface<MacErrorCase> {};

TEST_P(FormatMacErrorTest, RaisesTheSystemError) {
    try {
        dm.FormatMac(GetParam().reply);
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Replies, FormatMacErrorTest,
    ::testing::Values(MacErrorCase{"FiveItems", "0.4.163.18.52", "List index out of bounds (5)"},
                      MacErrorCase{"BadItem", "0.4.x.18.52.86", "'x' is not a valid integer value"},
                      MacErrorCase{"BadPair", "4A4G", "'$4G' is not a valid integer value"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SplitFieldsTest, ADottedMacRefillsTheListAndAnUndottedOneLeavesIt) {
    dm.FormatMac("4A4B4C4D4E4F");
    EXPECT_TRUE(dm.Fields().empty());
    EXPECT_EQ(dm.SetTally(), -10);
    dm.FormatMac("0.4.163.18.52.86");
    EXPECT_EQ(dm.Fields().count(), 6u);
    EXPECT_EQ(dm.SetTally(), 0);
}

} // namespace
} // namespace kelvra::testing
