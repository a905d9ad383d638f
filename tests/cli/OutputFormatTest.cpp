// The two output formats, one line per device.

#include "cli/OutputFormat.h"

#include "cli/ManualPage.h"
#include "support/NamedRow.h"

#include <gtest/gtest.h>

namespace kelvra::cli {
namespace {

struct Escape : test::NamedRow {
    const char* text;
    const char* json;
};

const Escape kEscapes[] = {
    {{"empty"}, "", R"("")"},
    {{"plain"}, "KLV-DL200|FW2.4", R"("KLV-DL200|FW2.4")"},
    {{"quote and backslash"}, "say \"hi\" \\ back", R"("say \"hi\" \\ back")"},
    {{"line break"},
     "Socket Error # 111\r\nConnection refused",
     R"("Socket Error # 111\r\nConnection refused")"},
    {{"tab and control"}, "tab\there\x01", R"("tab\there\u0001")"},
    {{"Turkish letters"}, "Alt Ağ Maskesi Set Edilemedi!", R"("Alt Ağ Maskesi Set Edilemedi!")"},
    {{"lone 0xFF"}, "bad \xFF byte", "\"bad \xEF\xBF\xBD byte\""},
    {{"lone 0x80"}, "\x80", "\"\xEF\xBF\xBD\""},
    {{"ESC"}, "\x1B[0m", R"("\u001b[0m")"},
    {{"backspace, form feed and DEL"}, "\b\f\x7F", "\"\\u0008\\u000c\x7F\""},
};

class JsonEscape : public ::testing::TestWithParam<Escape> {};

TEST_P(JsonEscape, Quotes) {
    EXPECT_EQ(JsonString(GetParam().text), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(Rows, JsonEscape, ::testing::ValuesIn(kEscapes), test::RowName{});

struct Rendering : test::NamedRow {
    DeviceOutcome outcome;
    const char* line;
    const char* json;
    const char* csv = ""; // header and rows; "" for no CSV check
};

const Rendering kRenderings[] = {
    {{"connected"},
     {"h:10001", true, "", {}},
     "h:10001 ok",
     R"({"device":"h:10001","result":"ok"})"},
    {{"not answering"},
     {"h:10001", false, "not answering", {}},
     "h:10001 failed not answering",
     R"({"device":"h:10001","result":"failed","reason":"not answering"})"},
    {{"socket error on one line"},
     {"h:1", false, "Socket Error # 111\r\nConnection refused", {}},
     "h:1 failed Socket Error # 111 Connection refused",
     R"({"device":"h:1","result":"failed","reason":"Socket Error # 111\r\nConnection refused"})"},
    {{"values by name, quoted when they must be"},
     {"h:1",
      true,
      "",
      {{ReadoutField::Identity, "KLV"},
       {ReadoutField::Mac, ""},
       {ReadoutField::Time, "12 30"},
       {ReadoutField::AmbientHigh, "a=b"},
       {ReadoutField::ServerPort, "8080"}}},
     R"(h:1 ok identity=KLV mac="" time="12 30" ambient_high="a=b" server_port=8080)",
     R"({"device":"h:1","result":"ok","values":{"identity":"KLV","mac":"","time":"12 30",)"
     R"("ambient_high":"a=b","server_port":"8080"}})"},
    {{"a failed readout keeps what it read"},
     {"h:1", false, "List index out of bounds (5)", {{ReadoutField::Date, "09.12.2026"}}},
     "h:1 failed List index out of bounds (5) date=09.12.2026",
     R"j({"device":"h:1","result":"failed","reason":"List index out of bounds (5)",)j"
     R"j("values":{"date":"09.12.2026"}})j"},
    {{"settings that differ from the file"},
     {"h:1",
      false,
      "",
      {},
      {{ReadoutField::NearHigh, "50", "45"}, {ReadoutField::Server, "", "1.2.3.4"}}},
     R"(h:1 differs near_high=50 (file 45) server="" (file 1.2.3.4))",
     R"({"device":"h:1","result":"differs","differences":{"near_high":{"device":"50","file":"45"},)"
     R"("server":{"device":"","file":"1.2.3.4"}}})",
     "device,result,reason,setting,device_value,file_value\n"
     "h:1,differs,,near_high,50,45\nh:1,differs,,server,,1.2.3.4"},
    {{"a refused write and what did not take"},
     {"h:1", false, "CNHS50F = ERR, CNLS15F = OK", {}, {{ReadoutField::NearHigh, "45", "50"}}},
     "h:1 failed CNHS50F = ERR, CNLS15F = OK near_high=45 (file 50)",
     R"({"device":"h:1","result":"failed","reason":"CNHS50F = ERR, CNLS15F = OK",)"
     R"("differences":{"near_high":{"device":"45","file":"50"}}})"},
    {{"DEL quoted, a lone 0x80 quoted and mended"},
     {"h:1", true, "", {{ReadoutField::Identity, "a\x7F"}, {ReadoutField::Mac, "\x80"}}},
     "h:1 ok identity=\"a\x7F\" mac=\"\xEF\xBF\xBD\"",
     "{\"device\":\"h:1\",\"result\":\"ok\",\"values\":{\"identity\":\"a\x7F\","
     "\"mac\":\"\xEF\xBF\xBD\"}}"},
    {{"a blank, a quote and a comma as CSV"},
     {"h:1", true, "", {{ReadoutField::Identity, "KLV \"DL\", 2"}, {ReadoutField::Mac, "a\xFF"}}},
     R"(h:1 ok identity="KLV \"DL\", 2" mac="a�")",
     R"({"device":"h:1","result":"ok","values":{"identity":"KLV \"DL\", 2","mac":"a�"}})",
     "device,result,reason,identity,mac\nh:1,ok,,\"KLV \"\"DL\"\", 2\",a�"},
    {{"an empty file value quoted"},
     {"h:1", false, "", {}, {{ReadoutField::Server, "1.2.3.4", ""}}},
     R"(h:1 differs server=1.2.3.4 (file ""))",
     R"({"device":"h:1","result":"differs","differences":{"server":{"device":"1.2.3.4","file":""}}})"},
    {{"an unconfirmed apply"},
     {"h:1", false, "DNS Set Edilemedi!", {}, {}, kSent, true},
     "h:1 unconfirmed DNS Set Edilemedi!",
     R"({"device":"h:1","result":"unconfirmed","reason":"DNS Set Edilemedi!"})",
     "device,result,reason\nh:1,unconfirmed,\"DNS Set Edilemedi!\""},
};

class OutcomeRendering : public ::testing::TestWithParam<Rendering> {};

TEST_P(OutcomeRendering, AsLineAndAsJson) {
    const DeviceOutcome& outcome = GetParam().outcome;
    EXPECT_EQ(FormatLine(outcome), GetParam().line);
    EXPECT_EQ(FormatJson(outcome), GetParam().json);
    if (*GetParam().csv != '\0') {
        // The columns of diff with differences, else those of the values given.
        CsvColumns columns{{}, !outcome.differences.empty()};
        for (const auto& [field, value] : outcome.values) {
            columns.values.push_back(field);
        }
        EXPECT_EQ(CsvHeader(columns) + "\n" + FormatCsv(outcome, columns), GetParam().csv);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, OutcomeRendering, ::testing::ValuesIn(kRenderings), test::RowName{});

} // namespace
} // namespace kelvra::cli

namespace kelvra::cli {
namespace {

TEST(ManualPage, TurnsTheHelpIntoRoff) {
    EXPECT_EQ(
        ManualPage("usage: kelvra-cli [--json] COMMAND\n\nRuns.\nCommands:\n  a\\b\n.x\n", "2.0"),
        ".TH KELVRA\\-CLI 1 \"\" \"KelvraWizard 2.0\" \"User Commands\"\n.SH NAME\n"
        "kelvra\\-cli \\- device operations on data loggers from the command line\n"
        ".SH SYNOPSIS\nkelvra\\-cli [\\-\\-json] COMMAND\n.SH DESCRIPTION\n.nf\n\nRuns.\n"
        ".fi\n.SH COMMANDS\n.nf\n  a\\eb\n\\&.x\n.fi\n");
}

} // namespace
} // namespace kelvra::cli
