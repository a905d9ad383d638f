// Settings files: read --json's output read back, and what is refused before
// anything is sent.

#include "cli/SettingsFile.h"

#include "cli/OutputFormat.h"
#include "cli/UsageError.h"
#include "support/NamedRow.h"

#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

namespace kelvra::cli {
namespace {

// A complete read of device as read --json prints it, with values changed by name
// ("-" leaves the value out).
std::string ReadLine(const std::string& device,
                     const std::map<std::string, std::string>& changed = {}) {
    DeviceOutcome read{device, true, "", {}};
    for (int at = 0; at < kReadoutFieldCount; ++at) {
        const auto field = static_cast<ReadoutField>(at);
        const std::string name(ReadoutFieldName(field));
        const bool isAddress =
            name == "gateway" || name == "mask" || name == "dns" || name == "server";
        std::string value = isAddress ? "10.0.0." + std::to_string(at) : std::to_string(at - 20);
        if (const auto change = changed.find(name); change != changed.end()) {
            value = change->second;
        }
        if (value != "-") {
            read.values.emplace_back(field, value);
        }
    }
    return FormatJson(read) + "\n";
}

struct EditedFile : test::NamedRow {
    std::string contents;
    std::size_t devices;
    const char* nearHigh; // of the first device
    std::vector<std::string> notes;
};

std::string Without(std::string text, const std::string& part, const std::string& by = "") {
    return text.replace(text.find(part), part.size(), by);
}

const EditedFile kEditedFiles[] = {
    {{"a number limit"},
     Without(ReadLine("h:1", {{"near_high", "45"}}), R"("45")", "45"),
     1,
     "45",
     {}},
    {{"an array"},
     "[" + Without(ReadLine("h:1"), "\n") + ",\n" + ReadLine("h:2") + "]",
     2,
     "-1",
     {}},
    {{"pretty-printed, device last"},
     [] {
         auto object = nlohmann::ordered_json::parse(ReadLine("h:1"));
         object.erase("device");
         object["device"] = "h:1";
         return object.dump(2);
     }(),
     1,
     "-1",
     {}},
    {{"unknown members noted"},
     Without(ReadLine("h:1"), R"("values":{)", R"("comment":"x","values":{"colour":"red",)"),
     1,
     "-1",
     {"f.json:1: ignored what no setting is: comment, values.colour"}},
};

class EditedSettingsFile : public ::testing::TestWithParam<EditedFile> {};

TEST_P(EditedSettingsFile, IsTaken) {
    std::vector<std::string> notes;
    const auto settings = ParseSettingsFile(GetParam().contents, "f.json", &notes);
    ASSERT_EQ(settings.size(), GetParam().devices);
    EXPECT_EQ(settings[0].value(ReadoutField::NearHigh), GetParam().nearHigh);
    EXPECT_EQ(notes, GetParam().notes);
}

INSTANTIATE_TEST_SUITE_P(Rows, EditedSettingsFile, ::testing::ValuesIn(kEditedFiles),
                         test::RowName{});

TEST(SettingsFile, ReadsBackWhatReadPrints) {
    const std::map<std::string, std::string> awkward{
        {"identity_record", "say \"hi\" \\ \x01 Ağ"}, {"time", ""}, {"near_low", "-0x5"}};
    const std::vector<DeviceSettings> settings =
        ParseSettingsFile("\r\n" + ReadLine("h:1", awkward) + "  \n" + ReadLine("h:2"), "f.json");
    ASSERT_EQ(settings.size(), 2u);
    EXPECT_EQ(settings[0].device, (DeviceTarget{"h", "1"}));
    ASSERT_EQ(settings[0].values.size(), std::size_t{kReadoutFieldCount});
    EXPECT_EQ(settings[0].value(ReadoutField::IdentityRecord), awkward.at("identity_record"));
    EXPECT_EQ(settings[0].value(ReadoutField::NearLow), "-0x5");
    EXPECT_EQ(settings[1].value(ReadoutField::Server), "10.0.0.21");

    EXPECT_EQ(&SettingsFor(settings, {"h", "2"}), &settings[1]);
    EXPECT_THROW(SettingsFor(settings, {"h", "3"}), UsageError);
    // One object stands for every device.
    const std::vector<DeviceSettings> one(settings.begin(), settings.begin() + 1);
    EXPECT_EQ(&SettingsFor(one, {"h", "3"}), &one[0]);
}

struct BadFile : test::NamedRow {
    std::string contents;
    const char* message; // what the error says after "f.json:"
};

const BadFile kBadFiles[] = {
    {{"empty"}, "\n \n", " no settings in it"},
    {{"not json"},
     "h:1 ok identity=KLV\n",
     "1:1: not what read --json prints: an object belongs here"},
    {{"a word for a limit"},
     Without(ReadLine("h:1", {{"near_high", "45"}}), R"("45")", "true"),
     "1: 'near_high': JSON boolean where a string or number belongs"},
    {{"text after the object"},
     ReadLine("h:1").substr(0, ReadLine("h:1").size() - 1) + " x",
     "1:461: not what read --json prints: an object belongs here"},
    {{"broken on its fourth line"},
     "\n{\n  \"device\": \"h:1\",\n  \"result\" \"ok\"\n}\n",
     "4:15: not JSON: syntax error while parsing object separator - unexpected string literal"},
    {{"member named twice"},
     R"({"device":"h:1","result":"ok","device":"h:2"})",
     "1: 'device' is given twice"},
    {{"array without its comma"},
     "[" + ReadLine("h:1") + ReadLine("h:2") + "]",
     "2:1: not JSON: ',' or ']' belongs after an element of an array"},
    {{"a failed read"},
     R"({"device":"h:1","result":"failed","reason":"not answering"})",
     "1: the read of h:1 failed or holds no values"},
    {{"a failed read with values"},
     R"({"device":"h:1","result":"failed","values":{"near_high":"45"}})",
     "1: the read of h:1 failed or holds no values"},
    {{"no values"},
     R"({"device":"h:1","result":"ok"})",
     "1: the read of h:1 failed or holds no values"},
    {{"bad device"}, ReadLine("h:x"), "1: 'x' is not a valid integer value"},
    {{"missing setting"}, ReadLine("h:1", {{"server", "-"}}), "1: no value of server"},
    {{"limit no integer"},
     ReadLine("h:1", {{"near_high", "4.5"}}),
     "1: near_high: '4.5' is not a valid integer value"},
    {{"empty limit"},
     ReadLine("h:1", {{"ambient_low", ""}}),
     "1: ambient_low: '' is not a valid integer value"},
    {{"address of three parts"},
     ReadLine("h:1", {{"mask", "255.255.0"}}),
     "1: mask: '255.255.0' is not an address of four dotted parts (List index out of bounds (3))"},
    {{"device named twice"}, ReadLine("h:1") + ReadLine("h:1"), "2: h:1 is named twice"},
};

class RefusedSettingsFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(RefusedSettingsFile, IsAUsageErrorNamingTheLine) {
    try {
        ParseSettingsFile(GetParam().contents, "f.json");
        FAIL() << "accepted";
    } catch (const UsageError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("f.json:" + std::string(GetParam().message), 0),
                  0u)
            << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, RefusedSettingsFile, ::testing::ValuesIn(kBadFiles),
                         test::RowName{});

struct Compared : test::NamedRow {
    ReadoutField field;
    const char* device;
    const char* file;
    bool same;
};

const Compared kCompared[] = {
    {{"plus sign"}, ReadoutField::AmbientHigh, "7", "+7", true},
    {{"hexadecimal"}, ReadoutField::AmbientHigh, "16", "0x10", true},
    {{"sign differs"}, ReadoutField::NearLow, "-5", "5", false},
    {{"empty on the device"}, ReadoutField::NearLow, "", "5", false},
    {{"leading zero"}, ReadoutField::Gateway, "192.168.1.1", "192.168.01.1", true},
    {{"another address"}, ReadoutField::Server, "10.0.0.9", "10.0.0.8", false},
    {{"both unreadable"}, ReadoutField::Mask, "ERR", "ERR", true},
};

class SettingComparison : public ::testing::TestWithParam<Compared> {};

TEST_P(SettingComparison, ByValueWhereTheValuesRead) {
    EXPECT_EQ(SameSetting(GetParam().field, GetParam().device, GetParam().file), GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(Rows, SettingComparison, ::testing::ValuesIn(kCompared), test::RowName{});

} // namespace
} // namespace kelvra::cli
