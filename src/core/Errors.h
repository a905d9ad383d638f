#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kelvra {

// A text that the integer text rule cannot read.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(std::string_view text)
        : std::runtime_error(
              std::string("'").append(text).append("' is not a valid integer value")) {}
};

// A list position that the list does not hold.
class EStringListError : public std::runtime_error {
public:
    explicit EStringListError(long long index)
        : std::runtime_error("List index out of bounds (" + std::to_string(index) + ")") {}
};

// An address text that cannot be programmed: the caption of its box, then the
// text as typed.
class EAddressError : public std::runtime_error {
public:
    EAddressError(std::string_view caption, std::string_view value)
        : std::runtime_error(
              std::string(caption).append(" geçerli bir IP adresi değil: ").append(value)) {}
};

// A failure of the datagram transport or of a name look-up.
class ESocketError : public std::runtime_error {
public:
    explicit ESocketError(const std::string& message) : std::runtime_error(message) {}

    // The system's error number and its description, as the transport reports them.
    static ESocketError fromCode(int code, const std::string& description) {
        return ESocketError("Socket Error # " + std::to_string(code) + "\r\n" + description);
    }
};

// A port number that converts but that no UDP port can have.
class EPortRangeError : public std::runtime_error {
public:
    explicit EPortRangeError(std::string_view text)
        : std::runtime_error("Port '" + std::string(text) + "' is out of range 0 to 65535") {}
};

} // namespace kelvra
