// The simulator as a device: what the other suites rely on it to answer.

#include "SimProcess.h"
#include "net/UdpEndpoint.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace kelvra::e2e {
namespace {

constexpr int kSilenceWaitMs = 150;

struct Step {
    std::string datagram;
    std::string reply; // "" for no answer
};

struct SimCase {
    const char* name;
    std::vector<std::string> switches;
    std::vector<Step> steps;
};

void PrintTo(const SimCase& c, std::ostream* out) {
    *out << c.name;
}

class SimulatedDevice : public ::testing::TestWithParam<SimCase> {};

TEST_P(SimulatedDevice, AnswersEachDatagramInTurn) {
    SimProcess sim(GetParam().switches);
    UdpEndpoint endpoint;
    endpoint.setHost("127.0.0.1");
    endpoint.setPort(sim.port());
    for (const Step& step : GetParam().steps) {
        endpoint.send(step.datagram);
        EXPECT_EQ(endpoint.receive(step.reply.empty() ? kSilenceWaitMs : 2000), step.reply)
            << "after " << step.datagram;
    }
}

const std::vector<Step> kAcceptedAddress = {
    {"CG1S10F", "OK"}, {"CG2S0F", "OK"},    {"CG3S", "OK"},          {"CG4S07F", "OK"},
    {"CGI", "OK"},     {"CGR", "10.0.0.7"}, {"CKR", "255.255.255.0"}};

INSTANTIATE_TEST_SUITE_P(
    Cases, SimulatedDevice,
    ::testing::Values(
        SimCase{"Reads",
                {},
                {{"COK", "OK"},
                 {"CAS", "KLV-DL200|FW2.4|SN20481"},
                 {"CMR", "0.4.163.18.52.86"},
                 {"CDR", "192.168.1.1"},
                 {"CSR", "192.168.1.100"}}},
        SimCase{"MacUndotted", {"--mac-hex"}, {{"CMR", "0004A3123456"}}},
        SimCase{"AddressCommittedWhole", {}, kAcceptedAddress},
        SimCase{"AddressNotCommitted", {}, {{"CS1S10F", "OK"}, {"CSR", "192.168.1.100"}}},
        SimCase{"Unknown",
                {},
                {{"CXYZ", "ERR"},
                 {"CTHS2.5F", "ERR"},
                 {"CDYS32F", "ERR"},
                 {"CI5S1F", "ERR"},
                 {"cok", "ERR"}}},
        SimCase{"Refused",
                {"--refuse", "CGI,CTHS"},
                {{"CG1S1F", "OK"}, {"CGI", "ERR"}, {"CTHS5F", "ERR"}, {"CTLS5F", "OK"}}},
        SimCase{"HandshakeRefused",
                {"--refuse-handshake"},
                {{"COK", "NO"}, {"CAS", "KLV-DL200|FW2.4|SN20481"}}},
        SimCase{"HandshakeOnThird",
                {"--handshake-on", "3"},
                {{"COK", ""}, {"COK", ""}, {"COK", "OK"}, {"CGR", "192.168.1.1"}, {"COK", ""}}},
        SimCase{"SilentAfterTwo",
                {"--silent-after", "2"},
                {{"COK", "OK"}, {"CGR", "192.168.1.1"}, {"COK", ""}}},
        SimCase{"Silent", {"--silent"}, {{"COK", ""}}},
        SimCase{"CrLf", {"--crlf"}, {{"CTHS1F", "OK\r\n"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// The settings record after some set commands, one field at a time.
struct RecordCase {
    const char* name;
    std::vector<std::string> commands;
    std::size_t position;
    std::string expected;
};

void PrintTo(const RecordCase& c, std::ostream* out) {
    *out << c.name;
}

std::vector<std::string> Fields(const std::string& record) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t bar; (bar = record.find('|', start)) != std::string::npos; start = bar + 1) {
        fields.push_back(record.substr(start, bar - start));
    }
    fields.push_back(record.substr(start));
    return fields;
}

class SettingsRecord : public ::testing::TestWithParam<RecordCase> {};

TEST_P(SettingsRecord, ReportsWhatTheSetCommandsChanged) {
    SimProcess sim;
    UdpEndpoint endpoint;
    endpoint.setHost("127.0.0.1");
    endpoint.setPort(sim.port());
    for (const std::string& command : GetParam().commands) {
        endpoint.send(command);
        ASSERT_EQ(endpoint.receive(2000), "OK") << command;
    }
    endpoint.send("CSS");
    const std::vector<std::string> fields = Fields(endpoint.receive(2000));
    ASSERT_EQ(fields.size(), 14u);
    EXPECT_EQ(fields[GetParam().position].substr(0, GetParam().expected.size()),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsRecord,
    ::testing::Values(RecordCase{"AmbientHigh", {"CTHS30F"}, 4, "30"},
                      RecordCase{"CabinetLowNegative", {"CFLS10FN"}, 11, "-10"},
                      RecordCase{"NearHighWithPlus", {"CNHS+7F"}, 12, "7"},
                      RecordCase{"HumidityLowMinusZero", {"CHLS-0F"}, 7, "0"},
                      RecordCase{"PressureHigh", {"CPHS1100F"}, 8, "1100"},
                      RecordCase{"Date", {"CDYS8F", "CMHS12F", "CYRS11F"}, 1, "08.12.2011"},
                      // The seconds tick on, so only hours and minutes are certain.
                      RecordCase{"Time", {"CHRS9F", "CMES5F", "CSDS7F"}, 0, "09:05:"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SimulatedDevice, CutsTheSettingsRecordShort) {
    SimProcess sim({"--short-settings", "5"});
    UdpEndpoint endpoint;
    endpoint.setHost("127.0.0.1");
    endpoint.setPort(sim.port());
    endpoint.send("CSS");
    EXPECT_EQ(Fields(endpoint.receive(2000)).size(), 5u);
}

TEST(SimulatedDevice, ReportsItsOwnPort) {
    SimProcess sim;
    UdpEndpoint endpoint;
    endpoint.setHost("127.0.0.1");
    endpoint.setPort(sim.port());
    endpoint.send("CPR");
    EXPECT_EQ(endpoint.receive(2000), sim.portText());
}

} // namespace
} // namespace kelvra::e2e
