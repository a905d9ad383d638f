// The whole device conversation: the data module's operations, chosen by the input,
// against a scripted device whose every reply, silence, late arrival and transport
// error the input decides too, in virtual time. Properties: an operation ends only
// with one of the program's own errors, and within its worst-case virtual time;
// every datagram sent is a device command; each confirmed setting moves SetTally by
// exactly +1 (reply with "OK") or -10 (anything else), a failed one not at all; a
// split and the result message put it back to 0; a result box follows the last
// reply and the tally; an address goes out part by part as typed, committed only
// after four accepted parts; the clock goes out as the PC clock read it.
#include "core/Errors.h"
#include "core/FieldSplitting.h"
#include "fuzz/DeviceCommands.h"
#include "fuzz/FuzzChecks.h"
#include "link/KelvraDM.h"
#include "link/ReadoutField.h"
#include "support/FakeConsole.h"
#include "support/FakeHostNetwork.h"
#include "support/ManualClock.h"
#include "support/ScriptedEndpoint.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>
#include <vector>

using namespace kelvra;
using test::ScriptedReply;

namespace {

// Worst cases in virtual milliseconds, from the protocol's pauses and its 2000 ms
// wait: a connect settles 900 ms and waits once; a query or limit pauses 300 ms on
// each side of one wait; a handshake try pauses, waits, and may reconnect twice;
// a setting is ten tries and then one query-shaped exchange.
constexpr long long kConnectWorstMs = 900 + 2000;
constexpr long long kExchangeWorstMs = 300 + 2000 + 300;
constexpr long long kSettingWorstMs = 10 * (300 + 2000 + 2 * kConnectWorstMs) + kExchangeWorstMs;

constexpr long long kAddressWorstMs = 5 * kSettingWorstMs; // four parts and the commit
constexpr long long kClockWorstMs = 7 * kSettingWorstMs;

constexpr int kMostOperations = 64;

// The input, read front to back; zeros once it runs out.
class InputBytes {
public:
    InputBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool exhausted() const { return position_ >= size_; }
    std::uint8_t byte() { return exhausted() ? 0 : data_[position_++]; }
    // A length byte, then up to that many bytes (fewer when the input ends).
    std::string text(std::size_t maxLength) {
        const std::size_t length =
            std::min<std::size_t>(byte() % (maxLength + 1), size_ - position_);
        std::string text(reinterpret_cast<const char*>(data_ + position_), length);
        position_ += length;
        return text;
    }
    template <class T, std::size_t N> const T& pick(const std::array<T, N>& table) {
        return table[byte() % N];
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// What the link looked like at one moment of an operation.
struct Observation {
    enum class Kind { Send, Information, End };
    Kind kind = Kind::End;
    std::string text; // a Send's datagram (also one that fails), an Information's text
    std::int64_t tally = 0;
    std::string lastResponse;
    long long atMs = 0; // virtual time
};

// What kind of operation ran, for the tally it must leave.
struct Operation {
    enum class Kind { Exchange, Split, Result, Setting, Address, Clock };
    Kind kind = Kind::Exchange;
    bool splits = false;     // Split: whether the text held the delimiter
    std::string value;       // Address: the address text
    bool showResult = false; // Address
    long long startMs = 0;   // Clock: when the PC clock was read
};

// The scripted endpoint, noting the link's state at every send, failing ones too.
class ObservedEndpoint : public test::ScriptedEndpoint {
public:
    using ScriptedEndpoint::ScriptedEndpoint;
    std::function<void(const std::string&)> onSend;

    void send(const std::string& text) override {
        if (onSend) {
            onSend(text);
        }
        ScriptedEndpoint::send(text);
    }
};

const std::string kResetText = "Socket Error # 10054\r\nConnection reset by peer";
const std::string kUnreachableText = "Socket Error # 10065\r\nNo route to host";

bool HasOK(std::string_view text) {
    return text.find("OK") != std::string_view::npos;
}

std::int64_t Scored(std::int64_t tally, bool accepted) {
    return std::clamp<std::int64_t>(tally + (accepted ? 1 : -10),
                                    std::numeric_limits<std::int32_t>::min(),
                                    std::numeric_limits<std::int32_t>::max());
}

// One run: the fakes, the data module and what each operation was seen to do.
class Conversation {
public:
    Conversation(const std::uint8_t* data, std::size_t size)
        : whole_(fuzz::AsText(data, size)), input_(data, size), clock_(StartEpochMs(input_)) {
        endpoint_.setResponder([this](const std::string& datagram) { return reply(datagram); });
        endpoint_.onSend = [this](const std::string& datagram) {
            observe(Observation::Kind::Send, datagram);
        };
        console_.onInformation = [this](const std::string& text) {
            observe(Observation::Kind::Information, text);
        };
        // A fifth of the runs start with a send that fails, before any reply is drawn.
        if (input_.byte() % 5 == 0) {
            endpoint_.failNextSend(kUnreachableText);
        }
    }

    // Capped so that every run stays short: each state of the link is a few
    // operations away from the start.
    void run() {
        for (int i = 0; i < kMostOperations && !input_.exhausted(); ++i) {
            step();
            console_.log.clear();
        }
    }

private:
    // Any moment in 2000 to 2099, so that every date shape of the clock goes out.
    static long long StartEpochMs(InputBytes& input) {
        std::uint32_t seconds = 0;
        for (int i = 0; i < 4; ++i) {
            seconds = seconds << 8 | input.byte();
        }
        constexpr long long kYear2000Ms = 946684800000LL;
        constexpr std::uint32_t kCenturySeconds = 3155760000U;
        return kYear2000Ms + static_cast<long long>(seconds % kCenturySeconds) * 1000;
    }

    // The device's answer to one datagram, all taken from the input.
    ScriptedReply reply(const std::string&) {
        const std::uint8_t choice = input_.byte();
        const int delayMs = (choice >> 3) * 100; // 0 to 3100: some arrive too late
        switch (choice % 8) {
        case 0:
            return ScriptedReply::silence();
        case 1:
            return ScriptedReply::receiveFails(kResetText);
        case 2:
            return ScriptedReply::answer("OK", delayMs);
        case 3:
            return ScriptedReply::answer("OK\r\n", delayMs);
        case 4:
            return ScriptedReply::answer("ok", delayMs);
        case 5:
            // The next datagram, whichever it is, fails to go out.
            endpoint_.failNextSend(kUnreachableText);
            return ScriptedReply::answer(input_.text(24), delayMs);
        default:
            return ScriptedReply::answer(input_.text(96), delayMs);
        }
    }

    void check(bool holds, const char* property) const { fuzz::Check(holds, property, whole_); }

    void observe(Observation::Kind kind, const std::string& text) {
        observations_.push_back({kind, text, dm_.SetTally(), dm_.LastResponse(), clock_.epochMs()});
    }

    // One operation, with the properties every operation keeps.
    void step() {
        observations_.clear();
        current_ = {};
        const std::int64_t tallyBefore = dm_.SetTally();
        const long long startMs = clock_.epochMs();
        const std::size_t sentBefore = endpoint_.sent().size();
        const std::size_t informationBefore = console_.information.size();

        long long worstMs = 0;
        bool failed = false;
        try {
            perform(worstMs);
        } catch (const std::runtime_error&) {
            // The program's own errors (conversion, list index, socket, port) end
            // an operation; they all are runtime errors.
            failed = true;
        } catch (const std::exception&) {
            fuzz::Violated("only the program's own errors end an operation", whole_);
        }
        observe(Observation::Kind::End, {});

        check(clock_.epochMs() - startMs <= worstMs, "an operation ends within its worst case");
        const auto& sent = endpoint_.sent();
        for (std::size_t i = sentBefore; i < sent.size(); ++i) {
            check(fuzz::IsDeviceCommand(sent[i].text), "every datagram is a device command");
        }
        checkTransactions(failed);
        checkResultBoxes();
        const std::size_t boxes = console_.information.size() - informationBefore;

        const std::int64_t tallyAfter = dm_.SetTally();
        switch (current_.kind) {
        case Operation::Kind::Exchange:
            check(tallyAfter == tallyBefore, "connects, queries and limits keep the tally");
            break;
        case Operation::Kind::Split:
            check(tallyAfter == (current_.splits ? 0 : tallyBefore),
                  "a split resets the tally, and only a split");
            break;
        case Operation::Kind::Result:
            check(tallyAfter == 0, "the result message resets the tally");
            check(boxes == 1, "one result message");
            break;
        case Operation::Kind::Setting:
            check(boxes == 0, "a setting shows no message of its own");
            break;
        case Operation::Kind::Address:
            check(boxes == (current_.showResult && !failed ? 1U : 0U),
                  "an address shows one result when asked, at its end");
            checkAddress(failed);
            break;
        case Operation::Kind::Clock:
            check(boxes == (failed ? 0U : 1U), "the clock shows one result, at its end");
            check(failed || tallyAfter == 0, "the clock's result resets the tally");
            checkClock();
            break;
        }
    }

    // Each set command moves the tally at the next moment the link is seen: +1 for
    // a reply with "OK", -10 otherwise; not at all when the operation failed before
    // anything else was sent.
    void checkTransactions(bool failed) {
        for (std::size_t i = 0; i + 1 < observations_.size(); ++i) {
            const Observation& at = observations_[i];
            if (at.kind != Observation::Kind::Send || !fuzz::IsSetCommand(at.text)) {
                continue;
            }
            const Observation& next = observations_[i + 1];
            if (next.kind == Observation::Kind::End && failed) {
                check(next.tally == at.tally, "a failed setting leaves the tally");
            } else {
                check(next.tally == Scored(at.tally, HasOK(next.lastResponse)),
                      "a setting moves the tally by +1 or -10");
            }
        }
    }

    // A result box says "set" exactly when the last reply holds "OK" and the tally
    // is above 0 as it opens.
    void checkResultBoxes() {
        for (const Observation& at : observations_) {
            if (at.kind != Observation::Kind::Information) {
                continue;
            }
            const bool success = HasOK(at.lastResponse) && at.tally > 0;
            const bool saysSet = at.text.find(" olarak set edildi.") != std::string::npos;
            const std::string_view failure = " Set Edilemedi!";
            const bool saysFailed =
                at.text.size() >= failure.size() &&
                at.text.compare(at.text.size() - failure.size(), failure.size(), failure) == 0;
            check(success ? saysSet : saysFailed,
                  "the result follows the last reply and the tally");
        }
    }

    CalendarTime CalendarAt(long long epochMs) const {
        return clock_.localTime(TimePoint(std::chrono::milliseconds(epochMs)));
    }

    // The set commands an operation sent, in order.
    std::vector<const Observation*> setCommands() const {
        std::vector<const Observation*> sends;
        for (const Observation& at : observations_) {
            if (at.kind == Observation::Kind::Send && fuzz::IsSetCommand(at.text)) {
                sends.push_back(&at);
            }
        }
        return sends;
    }

    // The parts go as typed, from a tally the split put at 0, and the commit follows
    // exactly when all four were accepted.
    void checkAddress(bool failed) {
        const std::vector<const Observation*> sends = setCommands();
        if (sends.empty()) {
            return;
        }
        const auto parts = SplitItems('.', current_.value);
        check(parts && parts->size() == 4, "only an address of four octets is sent");
        const std::string prefix = sends.front()->text.substr(0, 2);
        for (std::size_t n = 0; n < sends.size() && n < 4; ++n) {
            const std::string& part = (*parts)[n];
            const std::string expected = prefix + std::to_string(n + 1) + "S" + part + "F";
            check(sends[n]->text == expected, "every part goes as typed, in order");
        }
        check(observations_.front().tally == 0, "the split starts the address at 0");
        const bool committed = sends.size() == 5;
        check(sends.size() <= 5, "four parts and one commit at most");
        if (committed) {
            check(sends[4]->text == prefix + "I" && sends[4]->tally == 4,
                  "the commit follows four accepted parts");
        } else if (!failed && sends.size() == 4) {
            const auto last = std::find_if(observations_.begin(), observations_.end(),
                                           [&](const Observation& o) { return &o == sends[3]; });
            check((last + 1)->tally != 4, "four accepted parts are committed");
        }
    }

    // Each part of the clock is the PC clock's as read at the start; the weekday
    // may also be read when it is sent.
    void checkClock() {
        const CalendarTime start = CalendarAt(current_.startMs);
        char year[3];
        std::snprintf(year, sizeof year, "%02d", start.year % 100);
        const std::array<std::pair<std::string_view, std::string>, 6> expected = {{
            {"CDYS", std::to_string(start.day)},
            {"CMHS", std::to_string(start.month)},
            {"CYRS", year},
            {"CHRS", std::to_string(start.hour)},
            {"CMES", std::to_string(start.minute)},
            {"CSDS", std::to_string(start.second)},
        }};
        for (const Observation* at : setCommands()) {
            const std::string_view command = std::string_view(at->text).substr(0, 4);
            const std::string value = at->text.substr(4, at->text.size() - 5);
            if (command == "CWSS") {
                check(value == std::to_string(start.weekday) ||
                          value == std::to_string(CalendarAt(at->atMs).weekday),
                      "the weekday is the PC's");
                continue;
            }
            for (const auto& [name, text] : expected) {
                if (command == name) {
                    check(value == text, "every part of the clock is the PC's");
                }
            }
        }
    }

    // Runs one operation, noting its kind in current_ before it can fail.
    void perform(long long& worstMs) {
        switch (input_.byte() % 9) {
        case 0: {
            worstMs = kConnectWorstMs;
            const std::string host(input_.pick(kHosts));
            dm_.ConnectDevice(host, portText());
            return;
        }
        case 1:
            query(worstMs);
            return;
        case 2: {
            worstMs = kExchangeWorstMs;
            const std::string command(input_.pick(kLimitCommands));
            dm_.SendLimit(command, limitText());
            return;
        }
        case 3:
            worstMs = kSettingWorstMs;
            current_.kind = Operation::Kind::Setting;
            setting();
            return;
        case 4: {
            current_.kind = Operation::Kind::Result;
            const std::string caption(input_.pick(kCaptions));
            dm_.ShowSetResult(caption, input_.text(16));
            return;
        }
        case 7: {
            worstMs = kAddressWorstMs;
            current_.kind = Operation::Kind::Address;
            current_.value = addressText();
            current_.showResult = input_.byte() % 2 == 0;
            const std::string prefix(input_.pick(kAddressPrefixes));
            const std::string caption(input_.pick(kCaptions));
            dm_.SetAddressValue(current_.value, prefix, caption, current_.showResult);
            return;
        }
        case 8:
            worstMs = kClockWorstMs;
            current_.kind = Operation::Kind::Clock;
            current_.startMs = clock_.epochMs();
            dm_.SetDeviceClock();
            return;
        case 5:
            // What a reconnect inside a setting reads from the window.
            console_.address = input_.pick(kHosts);
            console_.port = portText();
            return;
        default: {
            const std::string text = input_.text(96);
            current_.kind = Operation::Kind::Split;
            current_.splits = text.find('|') != std::string::npos;
            dm_.LoadRecord(text);
            return;
        }
        }
    }

    // A read command, and what the readout does with its reply.
    void query(long long& worstMs) {
        worstMs = kExchangeWorstMs;
        const std::string command(input_.pick(kReads));
        const std::string reply = dm_.QueryDevice(command);
        switch (input_.byte() % 4) {
        case 0:
            current_.kind = Operation::Kind::Split;
            current_.splits = reply.find('|') != std::string::npos;
            dm_.LoadRecord(reply);
            return;
        case 1:
            // A dotted reply is split before its numbers are read, so it resets the
            // tally even when it then fails.
            current_.kind = Operation::Kind::Split;
            current_.splits = reply.find('.') != std::string::npos;
            dm_.FormatMac(reply);
            return;
        case 2: {
            // The readout reads fixed positions of the record it has just split.
            current_.kind = Operation::Kind::Split;
            current_.splits = reply.find('|') != std::string::npos;
            dm_.LoadRecord(reply);
            static_cast<void>(dm_.Fields()[input_.byte() % 16]);
            return;
        }
        default:
            return;
        }
    }

    // One confirmed setting as the address and clock batches make them.
    void setting() {
        const std::string_view caption = input_.pick(kCaptions);
        const std::uint8_t shape = input_.byte();
        if (shape % 3 == 0) {
            const ClockPart& part = input_.pick(kClockParts);
            const int value = part.lo + input_.byte() % (part.hi - part.lo + 1);
            std::string text = std::to_string(value);
            if (part.command == "CYRS") {
                text = text.size() < 2 ? "0" + text : text;
            }
            dm_.SetDeviceValue(std::string(part.command), text, std::string(caption));
            return;
        }
        std::string command(input_.pick(kAddressPrefixes));
        if (shape % 3 == 1) {
            dm_.SetDeviceValue(command + "I", "", std::string(caption));
            return;
        }
        command += static_cast<char>('1' + input_.byte() % 4);
        command += 'S';
        // Only checked octets reach a setting: SetAddressValue refuses anything else.
        dm_.SetDeviceValue(command, std::to_string(input_.byte()), std::string(caption));
    }

    std::string portText() {
        const std::string_view chosen = input_.pick(kPorts);
        return chosen.empty() ? input_.text(8) : std::string(chosen);
    }

    std::string addressText() {
        const std::string_view chosen = input_.pick(kAddresses);
        return chosen.empty() ? input_.text(24) : std::string(chosen);
    }

    std::string limitText() {
        const std::string_view chosen = input_.pick(kLimitValues);
        return chosen.empty() ? input_.text(12) : std::string(chosen);
    }

    struct ClockPart {
        std::string_view command;
        int lo;
        int hi;
    };

    static constexpr std::array<std::string_view, 4> kHosts = {"192.168.1.200", "10.0.0.9", "",
                                                               "192.168.1.201"};
    // An empty entry means a text of the input's own.
    static constexpr std::array<std::string_view, 8> kPorts = {"10001", " 10001", "10001 ", "65536",
                                                               "-1",    "$2711",  "port",   ""};
    static constexpr std::array<std::string_view, kReadCommandCount> kReads = ReadCommands();
    static constexpr std::array<std::string_view, 11> kLimitCommands = {
        "CTHS", "CTLS", "CHHS", "CHLS", "CPHS", "CPLS", "CFHS", "CFLS", "CNHS", "CNLS", "CFVS"};
    static constexpr std::array<std::string_view, 12> kLimitValues = {
        "25", "-5", "-05", "007", "+5", "-0", "-2147483648", "$FFFFFFFF", " 12", "2.5", "", ""};
    static constexpr std::array<std::string_view, 8> kAddresses = {
        "192.168.1.50",  "10.0.0",      "1.2.3.4.5", "192.168..7",
        "\"1.2\".3.4.5", "10.0.01.255", "",          ""};
    static constexpr std::array<std::string_view, 5> kAddressPrefixes = {"CI", "CK", "CG", "CD",
                                                                         "CS"};
    static constexpr std::array<ClockPart, 7> kClockParts = {{{"CDYS", 1, 31},
                                                              {"CMHS", 1, 12},
                                                              {"CYRS", 0, 99},
                                                              {"CWSS", 1, 7},
                                                              {"CHRS", 0, 23},
                                                              {"CMES", 0, 59},
                                                              {"CSDS", 0, 59}}};
    static constexpr std::array<std::string_view, 4> kCaptions = {
        " Gün ", "Yeni IP Adresi", " ", "Tarih: 09.12.2026Saat: 09:00:00"};

    std::string_view whole_;
    InputBytes input_;
    test::ManualClock clock_;
    ObservedEndpoint endpoint_{clock_};
    test::FakeConsole console_;
    test::FakeHostNetwork network_;
    TFKelvraDM dm_{endpoint_, clock_, console_, network_};
    std::vector<Observation> observations_;
    Operation current_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Conversation(data, size).run();
    return 0;
}
