// FormatMacText: six numbers joined by dots give six pieces of two or more upper-case
// hexadecimal digits joined by five dots, each the number's own; any other reply
// fails only with the conversion or the list-index error.
#include "core/Errors.h"
#include "core/HexText.h"
#include "core/MacText.h"
#include "fuzz/FuzzChecks.h"

#include <cstring>
#include <vector>

using namespace kelvra;
using fuzz::Check;

namespace {

// The pieces of a MAC text between its dots; each must be hexadecimal.
std::vector<std::string> HexPieces(const std::string& mac, std::string_view input) {
    std::vector<std::string> pieces(1);
    for (const char c : mac) {
        if (c == '.') {
            pieces.emplace_back();
        } else {
            pieces.back() += c;
        }
    }
    Check(pieces.size() == 6, "six pieces joined by five dots", input);
    for (const std::string& piece : pieces) {
        Check(fuzz::IsUpperHex(piece), "each piece two or more upper-case hex digits", input);
    }
    return pieces;
}

// Six numbers from the input, joined by dots, each as its own piece.
void CheckSixNumbers(std::string_view input) {
    std::int32_t numbers[6];
    if (input.size() < sizeof numbers) {
        return;
    }
    std::memcpy(numbers, input.data(), sizeof numbers);
    std::string dotted = std::to_string(numbers[0]);
    for (int i = 1; i < 6; ++i) {
        dotted += "." + std::to_string(numbers[i]);
    }
    const std::vector<std::string> pieces = HexPieces(FormatMacText(dotted), input);
    for (int i = 0; i < 6; ++i) {
        Check(pieces[i] == DecToHexText(std::to_string(numbers[i])), "each number's own piece",
              input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::AsText(data, size);
    try {
        CheckSixNumbers(input);
    } catch (const std::exception&) {
        fuzz::Violated("six numbers always format", input);
    }

    const bool dotted = input.find('.') != input.npos;
    try {
        const std::string mac = FormatMacText(input);
        if (dotted) {
            HexPieces(mac, input);
        }
    } catch (const EConvertError&) {
    } catch (const EStringListError&) {
        Check(dotted, "only a dotted reply misses items", input);
    }
    return 0;
}
