// SplitItems: nothing unless the delimiter occurs; never a code 0 in an item; and
// on texts without quotes the items are exactly the runs between delimiters and
// blanks (empty ones aside), with no blank or delimiter inside.
#include "FuzzChecks.h"
#include "core/FieldSplitting.h"

#include <cstdint>
#include <string>
#include <vector>

using namespace kelvra;
using fuzz::Check;

namespace {

bool IsBlank(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

// The non-empty runs of the walk that neither blanks nor the delimiter break.
std::vector<std::string> Runs(char delimiter, std::string_view walk) {
    std::vector<std::string> runs;
    std::string run;
    for (const char c : walk) {
        if (c == delimiter || IsBlank(c)) {
            if (!run.empty()) {
                runs.push_back(run);
            }
            run.clear();
        } else {
            run += c;
        }
    }
    if (!run.empty()) {
        runs.push_back(run);
    }
    return runs;
}

char DelimiterFrom(unsigned char choice) {
    // Mostly the delimiters the program uses; sometimes any ASCII character.
    if (choice & 0x80) {
        return static_cast<char>(choice & 0x7F);
    }
    return (choice & 1) ? '.' : '|';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view input = fuzz::AsText(data, size);
    const char delimiter = DelimiterFrom(data[0]);
    const std::string_view text = input.substr(1);
    const auto items = SplitItems(delimiter, text);

    const bool occurs = text.find(delimiter) != std::string_view::npos;
    Check(items.has_value() == occurs, "split exactly when the delimiter occurs", input);
    if (!items) {
        return 0;
    }
    const std::string_view walk = text.substr(0, text.find('\0'));
    Check(items->size() <= walk.size() + 1, "no more items than characters and one", input);
    for (const std::string& item : *items) {
        Check(item.find('\0') == std::string::npos, "no code 0 in an item", input);
    }
    if (text.find('"') != std::string_view::npos) {
        return 0;
    }

    std::vector<std::string> nonEmpty;
    for (const std::string& item : *items) {
        Check(item.find(delimiter) == std::string::npos, "no delimiter in an item", input);
        for (const char c : item) {
            Check(!IsBlank(c), "no blank in an unquoted item", input);
        }
        if (!item.empty()) {
            nonEmpty.push_back(item);
        }
    }
    Check(nonEmpty == Runs(delimiter, walk), "items are the runs of the text", input);
    return 0;
}
