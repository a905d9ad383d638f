#include "core/Utf8.h"

#include <cstddef>

namespace kelvra {
namespace {

unsigned char ByteAt(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]);
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed sequence starting at pos, or 0. The second byte's
// range excludes overlong forms, surrogates and code points past U+10FFFF.
std::size_t SequenceLength(std::string_view text, std::size_t pos) {
    const unsigned char lead = ByteAt(text, pos);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char secondMin = 0x80;
    unsigned char secondMax = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) {
            secondMin = 0xA0;
        } else if (lead == 0xED) {
            secondMax = 0x9F;
        }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) {
            secondMin = 0x90;
        } else if (lead == 0xF4) {
            secondMax = 0x8F;
        }
    } else {
        return 0;
    }
    if (text.size() - pos < length) {
        return 0;
    }
    const unsigned char second = ByteAt(text, pos + 1);
    if (second < secondMin || second > secondMax) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(ByteAt(text, pos + i))) {
            return 0;
        }
    }
    return length;
}

} // namespace

std::vector<std::string_view> Utf8Characters(std::string_view text) {
    std::vector<std::string_view> characters;
    characters.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t length = SequenceLength(text, pos);
        if (length == 0) {
            length = 1;
        }
        characters.push_back(text.substr(pos, length));
        pos += length;
    }
    return characters;
}

std::optional<char32_t> Utf8CodePoint(std::string_view character) {
    if (character.empty() || SequenceLength(character, 0) != character.size()) {
        return std::nullopt;
    }
    const unsigned char lead = ByteAt(character, 0);
    if (character.size() == 1) {
        return lead;
    }
    static constexpr unsigned char kLeadMasks[] = {0, 0, 0x1F, 0x0F, 0x07};
    char32_t value = lead & kLeadMasks[character.size()];
    for (std::size_t i = 1; i < character.size(); ++i) {
        value = (value << 6) | (ByteAt(character, i) & 0x3F);
    }
    return value;
}

std::string Utf8Encode(char32_t codePoint) {
    std::string bytes;
    if (codePoint < 0x80) {
        bytes += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        bytes += static_cast<char>(0xC0 | (codePoint >> 6));
        bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        bytes += static_cast<char>(0xE0 | (codePoint >> 12));
        bytes += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (codePoint >> 18));
        bytes += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return bytes;
}

} // namespace kelvra
