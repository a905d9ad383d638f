// The simulator as a device: what the other suites rely on it to answer.

#include "e2e/support/SimProcess.h"
#include "net/UdpEndpoint.h"
#include "support/NamedRow.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvra::e2e {
namespace {

using namespace kelvra::net;

struct Step {
    std::string datagram;
    std::string reply; // "" for no answer
};

struct SimCase : test::NamedRow {
    std::vector<std::string> switches;
    std::vector<Step> steps;
};

// The simulator with these switches and an endpoint aimed at it.
struct Simulated {
    explicit Simulated(std::vector<std::string> switches = {}) : sim(std::move(switches)) {
        endpoint.setHost("127.0.0.1");
        endpoint.setPort(sim.port());
    }
    std::string exchange(const std::string& datagram, int waitMs = 2000) {
        endpoint.send(datagram);
        return endpoint.receive(waitMs);
    }
    SimProcess sim;
    UdpEndpoint endpoint;
};

class SimulatedDevice : public ::testing::TestWithParam<SimCase> {};

TEST_P(SimulatedDevice, AnswersEachDatagramInTurn) {
    Simulated s(GetParam().switches);
    for (const Step& step : GetParam().steps) {
        EXPECT_EQ(s.exchange(step.datagram, step.reply.empty() ? 150 : 2000), step.reply)
            << "after " << step.datagram;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimulatedDevice,
    ::testing::Values(
        SimCase{{"MacUndotted"}, {"--mac-hex"}, {{"CMR", "0004A3123456"}}},
        SimCase{{"AddressCommittedWhole"},
                {},
                {{"CG1S10F", "OK"},
                 {"CG2S0F", "OK"},
                 {"CG3S", "OK"},
                 {"CG4S07F", "OK"},
                 {"CGI", "OK"},
                 {"CGR", "10.0.0.7"}}},
        SimCase{{"AddressNotCommitted"}, {}, {{"CS1S10F", "OK"}, {"CSR", "192.168.1.100"}}},
        // Half an address is never taken; the next whole one is.
        SimCase{{"CommitAfterARefusedOctet"},
                {},
                {{"CG1S10F", "OK"},
                 {"CG2S300F", "ERR"},
                 {"CGI", "ERR"},
                 {"CGR", "192.168.1.1"},
                 {"CG1S10F", "OK"},
                 {"CG2S0F", "OK"},
                 {"CGI", "OK"},
                 {"CGR", "10.0.1.1"}}},
        SimCase{{"CommitAfterAnOctetRefusedBySwitch"},
                {"--refuse", "CK3S"},
                {{"CK1S255F", "OK"}, {"CK3S0F", "ERR"}, {"CKI", "ERR"}, {"CKR", "255.255.255.0"}}},
        SimCase{{"Unknown"}, {}, {{"CXYZ", "ERR"}, {"CTHS2.5F", "ERR"}, {"cok", "ERR"}}},
        SimCase{{"Refused"},
                {"--refuse", "CGI,CTHS"},
                {{"CG1S1F", "OK"}, {"CGI", "ERR"}, {"CTHS5F", "ERR"}, {"CTLS5F", "OK"}}},
        SimCase{{"HandshakeRefused"},
                {"--refuse-handshake"},
                {{"COK", "NO"}, {"CAS", "KLV-DL200|FW2.4|SN20481"}}},
        SimCase{{"HandshakeOnThird"},
                {"--handshake-on", "3"},
                {{"COK", ""}, {"COK", ""}, {"COK", "OK"}, {"CGR", "192.168.1.1"}, {"COK", ""}}},
        SimCase{{"SilentAfterTwo"},
                {"--silent-after", "2"},
                {{"COK", "OK"}, {"CGR", "192.168.1.1"}, {"COK", ""}}},
        // This seed's draws: one copy lost out, lost in, one lost out, lost in, both
        // lost out, none lost.
        SimCase{
            {"LossSeeded"},
            {"--loss", "0.5", "--seed", "3", "--duplicate"},
            {{"COK", "OK"}, {"COK", ""}, {"COK", "OK"}, {"COK", ""}, {"COK", ""}, {"COK", "OK"}}},
        // Not within 150 ms; then before the next command's own late reply.
        SimCase{{"LateRandom"},
                {"--late-random", "400-450", "--seed", "1"},
                {{"COK", ""}, {"CGR", "OK"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// The settings record after some set commands, one field at a time.
struct RecordCase : test::NamedRow {
    std::vector<std::string> commands;
    std::size_t position;
    std::string expected; // the field's start
};

class SettingsRecord : public ::testing::TestWithParam<RecordCase> {};

TEST_P(SettingsRecord, ReportsWhatTheSetCommandsChanged) {
    Simulated s;
    for (const std::string& command : GetParam().commands) {
        ASSERT_EQ(s.exchange(command), "OK") << command;
    }
    std::vector<std::string> fields(1);
    for (const char c : s.exchange("CSS")) {
        if (c == '|') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    ASSERT_EQ(fields.size(), 14u);
    EXPECT_EQ(fields[GetParam().position].substr(0, GetParam().expected.size()),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsRecord,
    ::testing::Values(RecordCase{{"AmbientHigh"}, {"CTHS30F"}, 4, "30"},
                      RecordCase{{"CabinetLowNegative"}, {"CFLS10FN"}, 11, "-10"},
                      RecordCase{{"Date"}, {"CDYS8F", "CMHS12F", "CYRS11F"}, 1, "08.12.2011"},
                      // Day 31 sent while the month is April waits for May.
                      RecordCase{{"DayBeforeItsMonth"},
                                 {"CMHS4F", "CYRS25F", "CDYS31F", "CMHS5F"},
                                 1,
                                 "31.05.2025"},
                      // The seconds tick on, so only hours and minutes are certain.
                      RecordCase{{"Time"}, {"CHRS9F", "CMES5F", "CSDS7F"}, 0, "09:05:"}),
    test::RowName{});

} // namespace
} // namespace kelvra::e2e
