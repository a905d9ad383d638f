// The argument parser and the device lists: what runs, and what is refused before
// anything is sent.

#include "cli/CommandLine.h"

#include "cli/DeviceList.h"
#include "cli/UsageError.h"
#include "support/NamedRow.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvra::cli {
namespace {

using Words = std::vector<std::string>;
using Limits = std::vector<LimitSetting>;

struct Accepted : test::NamedRow {
    Words arguments;
    CommandKind kind;
    Limits limits;
    std::vector<DeviceSource> sources;
    bool json;
};

const Accepted kAccepted[] = {
    {{"connect"},
     {"--device", "10.0.0.7", "connect"},
     CommandKind::Connect,
     {},
     {{false, "10.0.0.7"}},
     false},
    {{"options after the command and with ="},
     {"read", "--device=h:1", "--json"},
     CommandKind::Read,
     {},
     {{false, "h:1"}},
     true},
    {{"sources keep their order"},
     {"--devices", "a.txt", "--device", "h", "--devices=b.txt", "read"},
     CommandKind::Read,
     {},
     {{true, "a.txt"}, {false, "h"}, {true, "b.txt"}},
     false},
    {{"limit pair, high first"},
     {"--device", "h", "set-limit", "ambient", "30", "-5"},
     CommandKind::SetLimit,
     {{"CTHS", "30"}, {"CTLS", "-5"}},
     {{false, "h"}},
     false},
    {{"limits go as typed"},
     {"--device", "h", "set-limit", "humidity", "+7", "0x10"},
     CommandKind::SetLimit,
     {{"CHHS", "+7"}, {"CHLS", "0x10"}},
     {{false, "h"}},
     false},
    {{"pressure"},
     {"--device", "h", "set-limit", "pressure", "1050", "950"},
     CommandKind::SetLimit,
     {{"CPHS", "1050"}, {"CPLS", "950"}},
     {{false, "h"}},
     false},
    {{"cabinet"},
     {"--device", "h", "set-limit", "cabinet", "30", "-10"},
     CommandKind::SetLimit,
     {{"CFHS", "30"}, {"CFLS", "-10"}},
     {{false, "h"}},
     false},
    {{"near"},
     {"--device", "h", "set-limit", "near", "45", "15"},
     CommandKind::SetLimit,
     {{"CNHS", "45"}, {"CNLS", "15"}},
     {{false, "h"}},
     false},
    {{"calibration"},
     {"--device", "h", "set-calibration", "-3"},
     CommandKind::SetCalibration,
     {{"CFVS", "-3"}},
     {{false, "h"}},
     false},
    {{"clock"}, {"--device", "h", "set-clock"}, CommandKind::SetClock, {}, {{false, "h"}}, false},
    {{"scan finds its devices"}, {"scan", "10.0.0.0/24"}, CommandKind::Scan, {}, {}, false},
    {{"diff may take its devices from the file"},
     {"--json", "diff", "site.json"},
     CommandKind::Diff,
     {},
     {},
     true},
    {{"restore to the devices given"},
     {"--devices", "row.txt", "restore", "x.json", "--with-network"},
     CommandKind::Restore,
     {},
     {{true, "row.txt"}},
     false},
};

class AcceptedLine : public ::testing::TestWithParam<Accepted> {};

TEST_P(AcceptedLine, Parses) {
    const Accepted& row = GetParam();
    const CommandLine line = ParseCommandLine(row.arguments);
    EXPECT_FALSE(line.help);
    EXPECT_EQ(line.command.kind, row.kind);
    EXPECT_EQ(line.command.limits, row.limits);
    EXPECT_EQ(line.sources, row.sources);
    EXPECT_EQ(line.json, row.json);
}

INSTANTIATE_TEST_SUITE_P(Rows, AcceptedLine, ::testing::ValuesIn(kAccepted), test::RowName{});

TEST(CommandLine, SiteOptionsReachTheCommand) {
    const Command scan = ParseCommandLine({"scan", "--port=10002", "10.0.0.0/24"}).command;
    EXPECT_EQ(scan.portText, "10002");
    EXPECT_EQ(ParseCommandLine({"scan", "10.0.0.0/24"}).command.portText, "10001");
    const Command restore = ParseCommandLine({"restore", "--with-clock", "x.json"}).command;
    EXPECT_EQ(restore.settingsFile, "x.json");
    EXPECT_TRUE(restore.withClock);
    EXPECT_FALSE(restore.withNetwork);
}

struct Address : test::NamedRow {
    Words arguments; // after --device h set-address
    AddressSetting setting;
};

const Address kAddresses[] = {
    {{"device"}, {"device", "192.168.1.50"}, {"192.168.1.50", "CI", "Yeni IP Adresi"}},
    {{"mask"}, {"mask", "255.255.0.0"}, {"255.255.0.0", "CK", "Alt Ağ Maskesi"}},
    {{"gateway with a leading zero"},
     {"gateway", "192.168.01.1"},
     {"192.168.01.1", "CG", "Varsayılan Ağ Geçidi"}},
    {{"server"}, {"server", "10.0.0.9"}, {"10.0.0.9", "CS", "Modem IP Adresi"}},
    // Only the device's own address must not end in 0 or begin with 127.
    {{"gateway in 127 ending in 0"},
     {"gateway", "127.0.0.0"},
     {"127.0.0.0", "CG", "Varsayılan Ağ Geçidi"}},
};

class AddressLine : public ::testing::TestWithParam<Address> {};

TEST_P(AddressLine, NamesPrefixAndCaption) {
    Words arguments{"--device", "h", "set-address"};
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    const CommandLine line = ParseCommandLine(arguments);
    EXPECT_EQ(line.command.kind, CommandKind::SetAddress);
    EXPECT_EQ(line.command.address, GetParam().setting);
}

INSTANTIATE_TEST_SUITE_P(Rows, AddressLine, ::testing::ValuesIn(kAddresses), test::RowName{});

struct Refused : test::NamedRow {
    Words arguments;
    const char* message;
};

const Refused kRefused[] = {
    {{"nothing"}, {}, "no command given (see --help)"},
    {{"no device"}, {"read"}, "no device given: use --device HOST[:PORT] or --devices FILE"},
    {{"unknown command"},
     {"--device", "h", "reboot"},
     "unknown command 'reboot' (connect, read, set-limit, set-calibration, set-clock, "
     "set-address, apply, scan, diff, restore)"},
    {{"unknown option"},
     {"--device", "h", "--verbose", "read"},
     "unknown option --verbose (see --help)"},
    {{"option without value"}, {"read", "--device"}, "--device needs a value"},
    {{"extra argument"}, {"--device", "h", "read", "now"}, "read takes no arguments"},
    {{"missing limit"},
     {"--device", "h", "set-limit", "ambient", "30"},
     "set-limit needs QUANTITY HIGH LOW"},
    {{"unknown quantity"},
     {"--device", "h", "set-limit", "wind", "1", "2"},
     "unknown quantity 'wind' (ambient, humidity, pressure, cabinet, near)"},
    {{"high no integer"},
     {"--device", "h", "set-limit", "ambient", "2.5", "1"},
     "'2.5' is not a valid integer value"},
    {{"low no integer"},
     {"--device", "h", "set-limit", "ambient", "30", ""},
     "'' is not a valid integer value"},
    {{"trailing blank"},
     {"--device", "h", "set-calibration", "3 "},
     "'3 ' is not a valid integer value"},
    {{"unknown address kind"},
     {"--device", "h", "set-address", "router", "1.2.3.4"},
     "unknown address kind 'router' (device, mask, gateway, dns, server)"},
    {{"three parts"},
     {"--device", "h", "set-address", "dns", "10.0.0"},
     "'10.0.0' is not an address of four dotted parts (List index out of bounds (3))"},
    {{"no dot"},
     {"--device", "h", "set-address", "server", ""},
     "'' is not an address of four dotted parts (List index out of bounds (0))"},
    {{"fifth part"},
     {"--device", "h", "set-address", "dns", "1.1.1.1.9"},
     "'1.1.1.1.9' is not an address of four parts of 0 to 255"},
    {{"empty last part"},
     {"--device", "h", "set-address", "server", "192.168.1."},
     "'192.168.1.' is not an address of four parts of 0 to 255"},
    {{"device address ending in 0"},
     {"--device", "h", "set-address", "device", "192.168.1.00"},
     "'192.168.1.00' cannot be a device address: its last part is 0"},
    {{"device address in 127"},
     {"--device", "h", "set-address", "device", "127.0.0.5"},
     "'127.0.0.5' cannot be a device address: it begins with 127"},
    {{"clock takes nothing"},
     {"--device", "h", "set-clock", "now"},
     "set-clock takes no arguments"},
    {{"bad device port"}, {"--device", "h:x", "read"}, "'x' is not a valid integer value"},
    {{"port out of range"},
     {"--device", "h:70000", "read"},
     "Port '70000' is out of range 0 to 65535"},
    {{"scan port out of range"},
     {"scan", "10.0.0.0/24", "--port", "70000"},
     "Port '70000' is out of range 0 to 65535"},
    {{"prefix too short"}, {"scan", "10.0.0.0/21"}, "the prefix of '10.0.0.0/21' must be 22 to 30"},
    {{"prefix too long"}, {"scan", "10.0.0.0/31"}, "the prefix of '10.0.0.0/31' must be 22 to 30"},
    {{"prefix no integer"}, {"scan", "10.0.0.0/2x"}, "'2x' is not a valid integer value"},
    {{"no prefix"},
     {"scan", "10.0.0.0"},
     "'10.0.0.0' is not a network: give NETWORK/PREFIX, as 10.0.0.0/24"},
    {{"network of three parts"},
     {"scan", "10.0.0/24"},
     "'10.0.0/24' is not a network: give NETWORK/PREFIX, as 10.0.0.0/24"},
    {{"scan with a device"},
     {"--device", "h", "scan", "10.0.0.0/24"},
     "scan finds the devices itself: it takes no --device or --devices"},
    {{"port of another command"},
     {"--device", "h", "--port", "10002", "read"},
     "--port is for scan only; give a device's port as HOST:PORT"},
    {{"clock for diff"}, {"diff", "x.json", "--with-clock"}, "--with-clock is for restore only"},
    {{"restore without a file"}, {"restore"}, "restore needs FILE"},
    {{"csv with json"},
     {"--csv", "--json", "scan", "10.0.0.0/24"},
     "--csv and --json exclude each other"},
    {{"csv of a write"},
     {"--csv", "--device", "h", "set-clock"},
     "--csv is for read, scan, diff and apply only"},
};

class RefusedLine : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedLine, IsAUsageError) {
    const Refused& row = GetParam();
    try {
        ParseCommandLine(row.arguments);
        FAIL() << "accepted";
    } catch (const UsageError& error) {
        EXPECT_EQ(std::string(error.what()), row.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, RefusedLine, ::testing::ValuesIn(kRefused), test::RowName{});

TEST(CommandLine, HelpWinsOverEverythingElse) {
    EXPECT_TRUE(ParseCommandLine({"reboot", "--bogus", "-h"}).help);
    EXPECT_TRUE(ParseCommandLine({"--help"}).help);
    EXPECT_TRUE(ParseCommandLine({"reboot", "--version"}).version);
}

struct Target : test::NamedRow {
    const char* text;
    const char* host; // "" when refused
    const char* port;
};

const Target kTargets[] = {
    {{"host alone"}, "192.168.1.200", "192.168.1.200", "10001"},
    {{"host and port"}, "logger-7:10002", "logger-7", "10002"},
    {{"blank before the port"},
     "h: 10001",
     "h",
     " 10001"}, // kept as typed, as the window's port box
    {{"no host"}, ":10001", "", ""},
    {{"nothing"}, "", "", ""},
    {{"blank in the host"}, "two words", "", ""},
    {{"colon without a port"}, "h:", "", ""},
    {{"negative port"}, "h:-1", "", ""},
    {{"highest port"}, "h:65535", "h", "65535"},
    {{"port past the highest"}, "h:65536", "", ""},
    {{"IPv6 address"}, "fe80::1", "", ""},
};

class DeviceTargetText : public ::testing::TestWithParam<Target> {};

TEST_P(DeviceTargetText, Splits) {
    const Target& row = GetParam();
    if (*row.host == '\0') {
        EXPECT_THROW(ParseDeviceTarget(row.text), UsageError);
        return;
    }
    EXPECT_EQ(ParseDeviceTarget(row.text), (DeviceTarget{row.host, row.port}));
}

INSTANTIATE_TEST_SUITE_P(Rows, DeviceTargetText, ::testing::ValuesIn(kTargets), test::RowName{});

// Each row is named by the range it parses.
struct Range : test::NamedRow {
    std::size_t hosts;
    const char* first;
    const char* last;
};

const Range kRanges[] = {
    {{"10.0.0.0/30"}, 2, "10.0.0.1", "10.0.0.2"},
    {{"127.0.0.16/28"}, 14, "127.0.0.17", "127.0.0.30"},
    {{"192.168.1.77/24"}, 254, "192.168.1.1", "192.168.1.254"}, // the network of an address
    {{"172.16.5.9/22"}, 1022, "172.16.4.1", "172.16.7.254"},
};

class ScanRangeText : public ::testing::TestWithParam<Range> {};

TEST_P(ScanRangeText, HoldsEveryHostButNetworkAndBroadcast) {
    const std::vector<std::string> hosts = HostAddresses(ParseScanRange(GetParam().name));
    ASSERT_EQ(hosts.size(), GetParam().hosts);
    EXPECT_EQ(hosts.front(), GetParam().first);
    EXPECT_EQ(hosts.back(), GetParam().last);
}

INSTANTIATE_TEST_SUITE_P(Rows, ScanRangeText, ::testing::ValuesIn(kRanges), test::RowName{});

TEST(DeviceFile, SkipsCommentsAndBlankLinesAndNamesTheBadLine) {
    const std::string contents = "# row A\r\n127.0.0.2\r\n\n  127.0.0.3:10002  # spare\n\t\n";
    EXPECT_EQ(ParseDeviceList(contents, "site.txt"),
              (std::vector<DeviceTarget>{{"127.0.0.2", "10001"}, {"127.0.0.3", "10002"}}));
    try {
        ParseDeviceList("127.0.0.2\n# fine\nh:port\n", "site.txt");
        FAIL() << "accepted";
    } catch (const UsageError& error) {
        EXPECT_EQ(std::string(error.what()), "site.txt:3: 'port' is not a valid integer value");
    }
}

TEST(DeviceFile, EachDeviceOnceInTheOrderFirstNamed) {
    EXPECT_EQ(WithoutRepeats({{"a", "1"}, {"b", "1"}, {"a", "1"}, {"a", "2"}}),
              (std::vector<DeviceTarget>{{"a", "1"}, {"b", "1"}, {"a", "2"}}));
}

} // namespace
} // namespace kelvra::cli
