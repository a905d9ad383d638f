#include "core/StopBoxText.h"

namespace kelvra {

std::string StopBoxText(std::string message) {
    // Compared as unsigned bytes, so a message ending in a UTF-8 letter gets one too.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
        message += '.';
    }
    return message;
}

} // namespace kelvra
