#include "core/Errors.h"
#include "link/LinkFixture.h"

#include <ostream>

namespace kelvra::test {
namespace {

const std::string kCaption = "Yeni IP Adresi";
const std::string kAddress = "192.168.1.50";
const std::string kSetText = "Yeni IP Adresi 192.168.1.50 olarak set edildi. ";
const std::string kFailedText = "Yeni IP Adresi Set Edilemedi!";

TEST_F(LinkTest, AnAddressGoesOctetByOctetThenItsCommit) {
    connectFirst();
    useDevice(FakeDevice{});
    dm.SetAddressValue(kAddress, "CI", kCaption, true);

    EXPECT_EQ(sentSinceConnect(), (Texts{"COK", "CI1S192F", "COK", "CI2S168F", "COK", "CI3S1F",
                                         "COK", "CI4S50F", "COK", "CII"}));
    EXPECT_EQ(logged(), (Texts{" Yeni IP Adresi CI1S192F = OK", " Yeni IP Adresi CI2S168F = OK",
                               " Yeni IP Adresi CI3S1F = OK", " Yeni IP Adresi CI4S50F = OK",
                               "   CII = OK"}));
    EXPECT_EQ(console.information, Texts{kSetText});
    // The tally is left as it ends, for whatever runs next.
    EXPECT_EQ(dm.SetTally(), 5);
    EXPECT_EQ(dm.Fields().items(), (Texts{"192", "168", "1", "50"}));
    EXPECT_EQ(clock.elapsedMs(), 5 * 900);
}

// How the device treats the batch, and what the batch leaves.
struct Outcome : NamedRow {
    FakeDevice device;
    int tally;
    bool committed;
    std::string text;
};

FakeDevice Refusing(const std::string& command) {
    FakeDevice device;
    device.replies[command] = "ERR";
    return device;
}

FakeDevice Silent() {
    FakeDevice device;
    device.handshakeReply = "";
    device.setReply = "";
    return device;
}

class AddressOutcomeTest : public LinkTest, public ::testing::WithParamInterface<Outcome> {};

TEST_P(AddressOutcomeTest, CommitsOnlyWhenEveryOctetWasTaken) {
    connectFirst();
    useDevice(GetParam().device);
    dm.SetAddressValue(kAddress, "CI", kCaption, true);
    EXPECT_EQ(dm.SetTally(), GetParam().tally);
    EXPECT_EQ(endpoint.sentTexts().back() == "CII", GetParam().committed);
    EXPECT_EQ(console.information, Texts{GetParam().text});
}

INSTANTIATE_TEST_SUITE_P(
    Devices, AddressOutcomeTest,
    ::testing::Values(Outcome{{"Prompt"}, FakeDevice{}, 5, true, kSetText},
                      Outcome{{"CommitRefused"}, Refusing("CII"), -6, true, kFailedText},
                      Outcome{{"OctetRefused"}, Refusing("CI3S1F"), -7, false, kFailedText},
                      Outcome{{"Silent"}, Silent(), -40, false, kFailedText}),
    RowName{});

// Parts go out as typed; only an empty one loses its "F".
TEST_F(LinkTest, PartsGoOutAsTyped) {
    connectFirst();
    useDevice(FakeDevice{});
    dm.SetAddressValue("192.168.01.007", "CS", "Modem IP Adresi", false);
    EXPECT_EQ(sentSinceConnect(), (Texts{"COK", "CS1S192F", "COK", "CS2S168F", "COK", "CS3S01F",
                                         "COK", "CS4S007F", "COK", "CSI"}));
}

class BadAddressTest : public LinkTest, public ::testing::WithParamInterface<TextPair> {};

TEST_P(BadAddressTest, IsRefusedBeforeAnythingIsSent) {
    // Plain references: Clang 14 cannot capture structured bindings in a lambda.
    const std::string& value = std::get<0>(GetParam());
    const std::string& error = std::get<1>(GetParam());
    connectFirst();
    useDevice(FakeDevice{});
    // An earlier address left its parts and a tally; a short one may use neither.
    dm.SetAddressValue("10.0.0.9", "CD", "DNS", false);
    const std::size_t sentBefore = endpoint.sent().size();

    EXPECT_EQ(ErrorText([&] { dm.SetAddressValue(value, "CI", kCaption, true); }), error);
    EXPECT_EQ(endpoint.sent().size(), sentBefore);
    EXPECT_TRUE(console.information.empty());
    EXPECT_EQ(dm.SetTally(), 5);
    EXPECT_EQ(dm.Fields().items(), (Texts{"10", "0", "0", "9"}));
}

const std::string kNotAnAddress = kCaption + " geçerli bir IP adresi değil: ";

INSTANTIATE_TEST_SUITE_P(
    Values, BadAddressTest,
    ::testing::Values(TextPair{"", "List index out of bounds (0)"},
                      TextPair{"192168150", "List index out of bounds (0)"},
                      TextPair{"192.168", "List index out of bounds (2)"},
                      TextPair{"192.168.1", "List index out of bounds (3)"},
                      TextPair{"192.168.1.", kNotAnAddress + "192.168.1."},
                      TextPair{"192.168..1", kNotAnAddress + "192.168..1"},
                      TextPair{"192.168.1.5.9", kNotAnAddress + "192.168.1.5.9"},
                      TextPair{"192.168.1.300", kNotAnAddress + "192.168.1.300"},
                      TextPair{"192.168.1.0005", kNotAnAddress + "192.168.1.0005"},
                      TextPair{"192.168.1.5a", kNotAnAddress + "192.168.1.5a"},
                      TextPair{"192.168.1. 5", kNotAnAddress + "192.168.1. 5"},
                      TextPair{"192.168.1.-5", kNotAnAddress + "192.168.1.-5"}));

TEST_F(LinkTest, ATransportErrorEndsTheAddressWithoutCommitOrBox) {
    connectFirst();
    for (const char* reply : {"OK", "OK", "OK"}) {
        endpoint.queue(Reply::answer(reply));
    }
    endpoint.queue(Reply::receiveFails("Socket Error # 10054\r\nConnection reset by peer"));
    EXPECT_THROW(dm.SetAddressValue(kAddress, "CI", kCaption, true), ESocketError);
    EXPECT_EQ(sentSinceConnect(), (Texts{"COK", "CI1S192F", "COK", "CI2S168F"}));
    EXPECT_TRUE(console.information.empty());
}

} // namespace
} // namespace kelvra::test
