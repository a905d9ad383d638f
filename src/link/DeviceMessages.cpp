#include "link/DeviceMessages.h"

#include "core/IntegerText.h"
#include "link/Protocol.h"

#include <cstdint>

namespace kelvra {

bool ContainsOK(std::string_view reply) {
    return reply.find(protocol::kAccepted) != std::string_view::npos;
}

std::string RemoveCrLf(std::string_view reply) {
    std::string out;
    out.reserve(reply.size());
    for (std::size_t i = 0; i < reply.size(); ++i) {
        if (reply[i] == '\r' && i + 1 < reply.size() && reply[i + 1] == '\n') {
            ++i;
            continue;
        }
        out += reply[i];
    }
    return out;
}

std::string LimitMessage(std::string_view command, std::string_view valueText) {
    const std::int32_t value = StrToInt(valueText);
    std::string message(command);
    if (value < 0) {
        // The device takes the magnitude and a separate negative marker.
        message += std::to_string(-static_cast<std::int64_t>(value));
        message += protocol::kNegativeValueEnd;
    } else if (IsHexadecimalIntegerText(valueText)) {
        // The device reads decimal digits only.
        message += std::to_string(value);
        message += protocol::kValueEnd;
    } else {
        message += valueText;
        message += protocol::kValueEnd;
    }
    return message;
}

std::string SetMessage(std::string_view command, std::string_view value) {
    std::string message(command);
    if (!value.empty()) {
        message += value;
        message += protocol::kValueEnd;
    }
    return message;
}

} // namespace kelvra
