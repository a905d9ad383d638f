#include "link/KelvraDM.h"

#include "core/Errors.h"
#include "core/IntegerText.h"
#include "core/MacText.h"
#include "link/DeviceMessages.h"
#include "link/Protocol.h"

#include <algorithm>
#include <limits>

namespace kelvra {

namespace {

constexpr std::string_view kConnectedText = " cihaza bağlanıldı.";
constexpr std::string_view kNotConnectedText = " cihaza bağlanılamadı.";

std::int32_t AddClamped(std::int32_t tally, std::int64_t delta) {
    const std::int64_t sum = std::clamp<std::int64_t>(static_cast<std::int64_t>(tally) + delta,
                                                      std::numeric_limits<std::int32_t>::min(),
                                                      std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(sum);
}

} // namespace

TFKelvraDM::TFKelvraDM(DatagramEndpoint& endpoint, Clock& clock, OperatorConsole& console,
                       HostNetwork& hostNetwork, WaitListener* listener)
    : endpoint_(endpoint), clock_(clock), console_(console), hostNetwork_(hostNetwork),
      waits_(endpoint, clock, listener) {
    DataModuleCreate();
}

void TFKelvraDM::DataModuleCreate() {
    fieldList_.clear();
}

std::string TFKelvraDM::TimeStamp() const {
    return clock_.longTimeText(clock_.now());
}

bool TFKelvraDM::GetLocalIp(std::string& text) {
    return hostNetwork_.localIp(text);
}

bool TFKelvraDM::AddressTaken(const std::string& text) {
    return hostNetwork_.ping(text) || hostNetwork_.hardwareAddressKnown(text);
}

void TFKelvraDM::Log(const std::string& text) {
    console_.appendLog(TimeStamp() + text);
}

void TFKelvraDM::Send(const std::string& text) {
    endpoint_.send(text);
}

std::string TFKelvraDM::Receive() {
    std::string reply = waits_.receive(protocol::kReceiveTimeoutMs);
    if (!reply.empty()) {
        lastReplyAt_ = clock_.now();
    }
    return reply;
}

void TFKelvraDM::Pause(int ms) {
    waits_.pause(ms);
}

bool TFKelvraDM::ConnectDevice(const std::string& ipText, const std::string& portText) {
    endpoint_.close();
    endpoint_.setHost(ipText);
    const std::int32_t port = StrToInt(portText);
    if (!protocol::IsUdpPort(port)) {
        throw EPortRangeError(portText);
    }
    endpoint_.setPort(port);
    endpoint_.open();
    Pause(protocol::kConnectSettleMs);
    Send(std::string(protocol::kHandshake));
    lastResponse_ = Receive();

    const std::string target = " IP: " + ipText + " Port: " + portText;
    if (ContainsOK(lastResponse_)) {
        if (!deviceConnected_) {
            Log(target + std::string(kConnectedText));
        }
        deviceConnected_ = true;
        return true;
    }
    deviceConnected_ = false;
    Log(target + std::string(kNotConnectedText));
    return false;
}

std::string TFKelvraDM::QueryDevice(const std::string& command) {
    Send(command);
    Pause(protocol::kCommandPauseMs);
    const std::string reply = Receive();
    Pause(protocol::kCommandPauseMs);
    Log(" " + command + ">>>" + reply);
    return RemoveCrLf(reply);
}

std::string TFKelvraDM::SendLimit(const std::string& command, const std::string& valueText) {
    const std::string message = LimitMessage(command, valueText);
    Send(message);
    Pause(protocol::kCommandPauseMs);
    std::string reply = Receive();
    Log(" " + message + " = " + reply);
    Pause(protocol::kCommandPauseMs);
    return reply;
}

void TFKelvraDM::SetDeviceValue(const std::string& command, const std::string& value,
                                const std::string& caption) {
    for (int tries = 0;;) {
        Send(std::string(protocol::kHandshake));
        Pause(protocol::kCommandPauseMs);
        try {
            lastResponse_ = Receive();
        } catch (const ESocketError&) {
            // A failed handshake receive costs a reconnect, not the transaction.
            ConnectDevice(console_.deviceAddressText(), console_.devicePortText());
        }
        ++tries;
        if (!ContainsOK(lastResponse_)) {
            ConnectDevice(console_.deviceAddressText(), console_.devicePortText());
        }
        if (ContainsOK(lastResponse_) || tries == protocol::kHandshakeTries) {
            break;
        }
    }

    // Sent even when no handshake was answered; the reply decides the score.
    const std::string message = SetMessage(command, value);
    Send(message);
    Pause(protocol::kCommandPauseMs);
    lastResponse_ = Receive();
    Pause(protocol::kCommandPauseMs);
    Log(" " + caption + " " + message + " = " + lastResponse_);
    setUnanswered_ = setUnanswered_ || lastResponse_.empty();
    setRefused_ = setRefused_ || (!lastResponse_.empty() && !ContainsOK(lastResponse_));
    setTally_ = ContainsOK(lastResponse_) ? AddClamped(setTally_, protocol::kTallyAccepted)
                                          : AddClamped(setTally_, -protocol::kTallyRefused);
}

WriteOutcome TFKelvraDM::ShowSetResult(const std::string& caption, const std::string& value) {
    const WriteOutcome outcome = JudgeBatch(caption, value, kSetDoneText);
    console_.showInformation(outcome.text);
    StartTally();
    return outcome;
}

WriteOutcome TFKelvraDM::JudgeBatch(const std::string& caption, const std::string& value,
                                    std::string_view doneText) const {
    // One refusal outweighs up to ten acceptances, so a batch of up to ten passes
    // only when every setting of it was taken.
    WriteOutcome outcome;
    outcome.set = ContainsOK(lastResponse_) && setTally_ > 0;
    outcome.text = outcome.set ? caption + " " + value + std::string(doneText)
                               : caption + std::string(kSetFailedText);
    outcome.unanswered = BatchUnanswered(outcome.set);
    return outcome;
}

void TFKelvraDM::StartTally() {
    setTally_ = 0;
    setRefused_ = false;
    setUnanswered_ = false;
}

void TFKelvraDM::SplitFields(char delimiter, std::string_view text, FieldList& list) {
    auto items = SplitItems(delimiter, text);
    if (!items) {
        return;
    }
    StartTally();
    list.assign(std::move(*items));
}

void TFKelvraDM::LoadRecord(std::string_view reply) {
    if (reply.find(protocol::kRecordDelimiter) != std::string_view::npos) {
        SplitFields(protocol::kRecordDelimiter, reply, fieldList_);
    } else {
        fieldList_.assign({std::string(reply)});
    }
}

std::string TFKelvraDM::FormatMac(std::string_view text) {
    // The dotted form goes through the shared list, as every split of the link does.
    SplitFields(protocol::kDottedDelimiter, text, fieldList_);
    return FormatMacText(text);
}

} // namespace kelvra
