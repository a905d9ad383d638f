// HexPairsToChars: succeeds exactly when every whole pair is two hexadecimal
// digits; then one character per pair, whose Windows-1254 code is the pair's value.
// A failure names "$" and the first bad pair.
#include "core/Cp1254.h"
#include "core/Errors.h"
#include "core/HexText.h"
#include "core/Utf8.h"
#include "fuzz/FuzzChecks.h"

#include <vector>

using namespace kelvra;
using fuzz::Check;

namespace {

// The value of a one-byte hexadecimal digit, or -1.
int HexValue(std::string_view character) {
    constexpr std::string_view kDigits = "0123456789abcdef0123456789ABCDEF";
    const std::size_t at = character.size() == 1 ? kDigits.find(character[0]) : kDigits.npos;
    return at == kDigits.npos ? -1 : static_cast<int>(at % 16);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::AsText(data, size);
    const std::vector<std::string_view> characters = Utf8Characters(input);

    std::string expectedCodes;
    std::string firstBadPair;
    for (std::size_t i = 0; i + 1 < characters.size(); i += 2) {
        const int high = HexValue(characters[i]);
        const int low = HexValue(characters[i + 1]);
        if (high < 0 || low < 0) {
            firstBadPair = "$" + std::string(characters[i]) + std::string(characters[i + 1]);
            break;
        }
        expectedCodes += static_cast<char>(high * 16 + low);
    }

    std::string result;
    try {
        result = HexPairsToChars(input);
    } catch (const EConvertError& error) {
        Check(!firstBadPair.empty(), "fails only on a bad pair", input);
        Check(fuzz::IsConvertMessageFor(error.what(), firstBadPair), "message names the pair",
              input);
        return 0;
    }
    Check(firstBadPair.empty(), "a bad pair fails", input);
    Check(Utf8Characters(result).size() == characters.size() / 2, "one character per pair", input);
    Check(EncodeCp1254(result) == expectedCodes, "each character has its pair's code", input);
    return 0;
}
