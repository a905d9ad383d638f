#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kelvra {

class TFKelvraDM;

// The values a readout hands over, in the order in which they arrive.
enum class ReadoutField {
    IdentityRecord, // the whole identity reply, without CR LF
    Identity,       // its first item
    Address,        // the address the readout went to
    Port,
    Mac,
    Gateway,
    Mask,
    Dns,
    Time, // the device's clock
    Date,
    AmbientHigh,
    AmbientLow,
    HumidityHigh,
    HumidityLow,
    PressureHigh,
    PressureLow,
    CabinetHigh,
    CabinetLow,
    NearHigh,
    NearLow,
    Server,
    ServerPort,
};

inline constexpr int kReadoutFieldCount = static_cast<int>(ReadoutField::ServerPort) + 1;

// The name a readout value goes by outside the window, such as "ambient_high".
std::string_view ReadoutFieldName(ReadoutField field);

using ReadoutSink = std::function<void(ReadoutField field, const std::string& value)>;

// What a readout does when the handshake goes unanswered: the window reads on
// regardless, a script would rather not wait for every silent reply.
enum class UnansweredHandshake { ReadOn, Stop };

// What a readout came to: whether the handshake was answered, and the first read
// command that went unanswered (empty when every one was answered).
struct ReadoutResult {
    bool handshakeAnswered = false;
    std::string unanswered;

    bool complete() const { return handshakeAnswered && unanswered.empty(); }
};

// Connects to ipText:portText and reads the whole device, handing each value to sink
// as soon as it is known, so whatever arrived before an error that ends the readout
// has been handed over. A silent settings record hands over its values as empty
// texts.
ReadoutResult ReadDeviceInformation(TFKelvraDM& dm, const std::string& ipText,
                                    const std::string& portText, const ReadoutSink& sink,
                                    UnansweredHandshake unanswered = UnansweredHandshake::ReadOn);

} // namespace kelvra
