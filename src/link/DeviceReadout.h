#pragma once

#include "link/ReadoutField.h"

#include <functional>
#include <string>

namespace kelvra {

class TFKelvraDM;

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
// texts. The clock offset is the device's time and date against the PC's clock when
// the settings record came in, empty when they are no time and date.
ReadoutResult ReadDeviceInformation(TFKelvraDM& dm, const std::string& ipText,
                                    const std::string& portText, const ReadoutSink& sink,
                                    UnansweredHandshake unanswered = UnansweredHandshake::ReadOn);

// The settings record alone (time, date, clock offset and the ten limits) and the
// server record alone, handed over as the whole readout hands them over; no
// handshake. True when the record was answered.
bool ReadDeviceSettings(TFKelvraDM& dm, const ReadoutSink& sink);
bool ReadServerAddress(TFKelvraDM& dm, const ReadoutSink& sink);

// The handshake and, only when it is answered, the identity: the identity record,
// the identity and the address, handed over as the whole readout hands them over.
ReadoutResult ReadDeviceIdentity(TFKelvraDM& dm, const std::string& ipText,
                                 const std::string& portText, const ReadoutSink& sink);

} // namespace kelvra
