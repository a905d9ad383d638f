#include "core/MacText.h"

#include "core/FieldSplitting.h"
#include "core/HexText.h"
#include "core/Utf8.h"

#include <array>
#include <vector>

namespace kelvra {

namespace {

constexpr int kPieces = 6;
constexpr char kDot = '.';

} // namespace

std::string FormatMacText(std::string_view text) {
    std::array<std::string, kPieces> pieces;
    if (auto items = SplitItems(kDot, text)) {
        const FieldList numbers(std::move(*items));
        for (int i = 0; i < kPieces; ++i) {
            pieces[i] = DecToHexText(numbers[i]);
        }
    } else {
        const std::vector<std::string_view> chars = Utf8Characters(text);
        for (std::size_t i = 0; i < kPieces; ++i) {
            std::string pair;
            for (std::size_t c = 2 * i; c < chars.size() && c < 2 * i + 2; ++c) {
                pair += chars[c];
            }
            pieces[i] = HexPairsToChars(pair);
        }
    }

    std::string result;
    for (const std::string& piece : pieces) {
        result = result.empty() ? piece : result + kDot + piece;
    }
    return result;
}

} // namespace kelvra
