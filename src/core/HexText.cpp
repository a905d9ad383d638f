#include "core/HexText.h"

#include "core/Cp1254.h"
#include "core/IntegerText.h"
#include "core/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvra {

std::string DecToHexText(std::string_view text) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::int32_t value = StrToInt(text);
    std::string run;
    while (value >= 1) {
        run.insert(run.begin(), kDigits[value % 16]);
        value /= 16;
    }
    while (run.size() < 2) {
        run.insert(run.begin(), '0');
    }
    return run;
}

std::string HexPairsToChars(std::string_view text) {
    const std::vector<std::string_view> characters = Utf8Characters(text);
    std::string result;
    for (std::size_t i = 0; i + 1 < characters.size(); i += 2) {
        std::string pair = "$";
        pair += characters[i];
        pair += characters[i + 1];
        // Two hexadecimal digits after "$" cannot read as anything outside 0..255.
        result += Cp1254Char(static_cast<unsigned char>(StrToInt(pair)));
    }
    return result;
}

} // namespace kelvra
