#include "cli/OutputFormat.h"

#include "core/Utf8.h"

namespace kelvra::cli {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

// Valid UTF-8 letters go as they are; malformed bytes are quoted to be mended.
bool NeedsQuotes(std::string_view value) {
    if (value.empty()) {
        return true;
    }
    for (const std::string_view character : Utf8Characters(value)) {
        const auto first = static_cast<unsigned char>(character.front());
        if (character.size() == 1 && (first == ' ' || first == '"' || first == '=' ||
                                      first == '\\' || IsControl(first) || first >= 0x80)) {
            return true;
        }
    }
    return false;
}

// A reason on one line: every run of line breaks becomes one blank.
std::string OneLine(std::string_view text) {
    std::string line;
    bool inBreak = false;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            if (!inBreak) {
                line += ' ';
            }
            inBreak = true;
            continue;
        }
        inBreak = false;
        line += c;
    }
    return line;
}

} // namespace

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (const std::string_view character : Utf8Characters(text)) {
        const auto first = static_cast<unsigned char>(character.front());
        if (character.size() == 1 && first < 0x80) {
            switch (first) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (first < 0x20) {
                    constexpr char kHex[] = "0123456789abcdef";
                    json += "\\u00";
                    json += kHex[first >> 4];
                    json += kHex[first & 0x0F];
                } else {
                    json += static_cast<char>(first);
                }
            }
        } else if (Utf8CodePoint(character)) {
            json += character;
        } else {
            json += kReplacement;
        }
    }
    return json + "\"";
}

std::string FormatLine(const DeviceOutcome& outcome) {
    std::string line = outcome.device + (outcome.succeeded ? " ok" : " failed");
    if (!outcome.reason.empty()) {
        line += " " + OneLine(outcome.reason);
    }
    for (const auto& [field, value] : outcome.values) {
        line += " " + std::string(ReadoutFieldName(field)) + "=" +
                (NeedsQuotes(value) ? JsonString(value) : value);
    }
    return line;
}

std::string FormatJson(const DeviceOutcome& outcome) {
    std::string json = "{\"device\":" + JsonString(outcome.device) +
                       ",\"result\":" + (outcome.succeeded ? "\"ok\"" : "\"failed\"");
    if (!outcome.reason.empty()) {
        json += ",\"reason\":" + JsonString(outcome.reason);
    }
    if (!outcome.values.empty()) {
        json += ",\"values\":{";
        bool first = true;
        for (const auto& [field, value] : outcome.values) {
            json +=
                (first ? "" : ",") + JsonString(ReadoutFieldName(field)) + ":" + JsonString(value);
            first = false;
        }
        json += "}";
    }
    return json + "}";
}

} // namespace kelvra::cli
