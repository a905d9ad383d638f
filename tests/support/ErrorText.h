#pragma once

#include "core/Errors.h"

#include <exception>
#include <string>

namespace kelvra::test {

// What the error E thrown by call says, as what() shows it; "(no error)" without one.
template <class E = std::exception, class Call> std::string ErrorText(Call&& call) {
    try {
        call();
    } catch (const E& error) {
        return error.what();
    }
    return "(no error)";
}

// The conversion error's message for text, as what() shows it; the core suite pins
// its spelling once.
inline std::string ConvertMessage(const std::string& text) {
    return EConvertError(text).what();
}

} // namespace kelvra::test
