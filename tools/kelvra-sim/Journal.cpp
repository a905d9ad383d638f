#include "kelvra-sim/Journal.h"

#include <stdexcept>

namespace kelvra::sim {

std::string JsonText(std::string_view bytes) {
    constexpr char kHex[] = "0123456789abcdef";
    std::string text = "\"";
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (c == '"' || c == '\\') {
            text += '\\';
            text += byte;
        } else if (c < 0x20 || c >= 0x7F) {
            text += "\\u00";
            text += kHex[c >> 4];
            text += kHex[c & 0x0F];
        } else {
            text += byte;
        }
    }
    return text + "\"";
}

Journal::Journal(const std::string& fileName) : file_(fileName, std::ios::app | std::ios::binary) {
    if (!file_) {
        throw std::runtime_error("cannot open the journal '" + fileName + "'");
    }
}

void Journal::record(const StateChange& change, const std::string& datagram) {
    file_ << "{\"what\":" << JsonText(change.what) << ",\"old\":" << JsonText(change.oldValue)
          << ",\"new\":" << JsonText(change.newValue) << ",\"datagram\":" << JsonText(datagram)
          << "}\n"
          << std::flush;
}

} // namespace kelvra::sim
