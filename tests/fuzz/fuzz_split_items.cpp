// SplitItems: nothing unless the delimiter occurs; never a code 0 in an item; and
// on texts without quotes the items are exactly the runs between delimiters and
// blanks (empty ones aside), with no blank or delimiter inside.
#include "core/FieldSplitting.h"
#include "fuzz/FuzzChecks.h"

#include <vector>

using namespace kelvra;
using fuzz::Check;

namespace {

bool Breaks(char c, char delimiter) {
    const auto code = static_cast<unsigned char>(c);
    return c == delimiter || (code >= 1 && code <= 32);
}

// The non-empty runs of the walk that neither blanks nor the delimiter break.
std::vector<std::string> Runs(char delimiter, std::string_view walk) {
    std::vector<std::string> runs(1);
    for (const char c : walk) {
        if (!Breaks(c, delimiter)) {
            runs.back() += c;
        } else if (!runs.back().empty()) {
            runs.emplace_back();
        }
    }
    if (runs.back().empty()) {
        runs.pop_back();
    }
    return runs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view input = fuzz::AsText(data, size);
    // Mostly the delimiters the program uses; sometimes any ASCII character.
    const char delimiter =
        (data[0] & 0x80) ? static_cast<char>(data[0] & 0x7F) : ((data[0] & 1) ? '.' : '|');
    const std::string_view text = input.substr(1);
    const auto items = SplitItems(delimiter, text);

    Check(items.has_value() == (text.find(delimiter) != text.npos),
          "split exactly when the delimiter occurs", input);
    if (!items) {
        return 0;
    }
    const std::string_view walk = text.substr(0, text.find('\0'));
    Check(items->size() <= walk.size() + 1, "no more items than characters and one", input);
    std::vector<std::string> nonEmpty;
    for (const std::string& item : *items) {
        Check(item.find('\0') == std::string::npos, "no code 0 in an item", input);
        if (text.find('"') == text.npos) {
            for (const char c : item) {
                Check(!Breaks(c, delimiter), "no blank or delimiter in an unquoted item", input);
            }
        }
        if (!item.empty()) {
            nonEmpty.push_back(item);
        }
    }
    Check(text.find('"') != text.npos || nonEmpty == Runs(delimiter, walk),
          "items are the runs of the text", input);
    return 0;
}
