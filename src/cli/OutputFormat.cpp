#include "cli/OutputFormat.h"

#include "cli/JsonText.h"
#include "core/Utf8.h"

#include <nlohmann/json.hpp>

namespace kelvra::cli {

namespace {

using Json = nlohmann::ordered_json;

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

std::string LineValue(std::string_view value) {
    return NeedsQuotes(value) ? JsonString(value) : std::string(value);
}

// "ok", "failed", or "differs" for a device read in full whose settings differ
// from the file's.
std::string_view ResultWord(const DeviceOutcome& outcome) {
    if (outcome.succeeded) {
        return "ok";
    }
    if (outcome.unconfirmed) {
        return "unconfirmed";
    }
    return outcome.reason.empty() && !outcome.differences.empty() ? "differs" : "failed";
}

std::string Name(ReadoutField field) {
    return std::string(ReadoutFieldName(field));
}

std::string CsvField(std::string_view text) {
    const std::string mended = MendedUtf8(text);
    if (mended.find_first_of(",\" \r\n") == std::string::npos) {
        return mended;
    }
    std::string quoted = "\"";
    for (const char c : mended) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

std::string CsvRow(const std::vector<std::string>& fields) {
    std::string row;
    for (std::size_t at = 0; at < fields.size(); ++at) {
        row += (at == 0 ? "" : ",") + CsvField(fields[at]);
    }
    return row;
}

} // namespace

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

std::string JsonString(std::string_view text) {
    return JsonText(Json(MendedUtf8(text)));
}

std::string FormatLine(const DeviceOutcome& outcome) {
    std::string line = outcome.device + " " + std::string(ResultWord(outcome));
    if (!outcome.reason.empty()) {
        line += " " + OneLine(outcome.reason);
    }
    for (const auto& [field, value] : outcome.values) {
        line += " " + Name(field) + "=" + LineValue(value);
    }
    for (const Difference& difference : outcome.differences) {
        line += " " + Name(difference.field) + "=" + LineValue(difference.deviceValue) + " (" +
                std::string(outcome.comparedWith) + " " + LineValue(difference.fileValue) + ")";
    }
    return line;
}

std::string FormatJson(const DeviceOutcome& outcome) {
    Json json{{"device", MendedUtf8(outcome.device)}, {"result", ResultWord(outcome)}};
    if (!outcome.reason.empty()) {
        json["reason"] = MendedUtf8(outcome.reason);
    }
    if (!outcome.values.empty()) {
        Json& values = json["values"] = Json::object();
        for (const auto& [field, value] : outcome.values) {
            values[Name(field)] = MendedUtf8(value);
        }
    }
    if (!outcome.differences.empty()) {
        Json& differences = json["differences"] = Json::object();
        for (const Difference& difference : outcome.differences) {
            differences[Name(difference.field)] = {
                {"device", MendedUtf8(difference.deviceValue)},
                {outcome.comparedWith, MendedUtf8(difference.fileValue)}};
        }
    }
    return JsonText(json);
}

std::string CsvHeader(const CsvColumns& columns) {
    std::vector<std::string> names{"device", "result", "reason"};
    if (columns.differences) {
        names.insert(names.end(), {"setting", "device_value", "file_value"});
    }
    for (const ReadoutField field : columns.values) {
        names.push_back(Name(field));
    }
    return CsvRow(names);
}

std::string FormatCsv(const DeviceOutcome& outcome, const CsvColumns& columns) {
    const std::vector<std::string> start{outcome.device, std::string(ResultWord(outcome)),
                                         outcome.reason};
    if (columns.differences) {
        if (outcome.differences.empty()) {
            std::vector<std::string> row = start;
            row.resize(start.size() + 3);
            return CsvRow(row);
        }
        std::string rows;
        for (const Difference& difference : outcome.differences) {
            std::vector<std::string> row = start;
            row.insert(row.end(),
                       {Name(difference.field), difference.deviceValue, difference.fileValue});
            rows += (rows.empty() ? "" : "\n") + CsvRow(row);
        }
        return rows;
    }
    std::vector<std::string> row = start;
    for (const ReadoutField field : columns.values) {
        row.emplace_back();
        for (const auto& [given, text] : outcome.values) {
            if (given == field) {
                row.back() = text;
            }
        }
    }
    return CsvRow(row);
}

} // namespace kelvra::cli
