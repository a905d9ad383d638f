// DecToHexText: for any value at least two upper-case digits, no needless leading
// zero, reading back through "$"; "00" for values below 1; any text either fails
// with the conversion error or converts as its value does.
#include "core/Errors.h"
#include "core/HexText.h"
#include "core/IntegerText.h"
#include "fuzz/FuzzChecks.h"

using namespace kelvra;
using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::AsText(data, size);
    std::int32_t value = 0;
    if (fuzz::LeadingInt32(input, value)) {
        const std::string hex = DecToHexText(std::to_string(value));
        Check(fuzz::IsUpperHex(hex), "two or more upper-case hexadecimal digits", input);
        Check(hex.size() == 2 || hex[0] != '0', "no needless leading zero", input);
        Check(value < 1 ? hex == "00" : StrToInt("$" + hex) == value,
              "00 below 1, else reads back through $", input);
    }

    std::int32_t read = 0;
    try {
        read = StrToInt(input);
    } catch (const EConvertError&) {
        try {
            DecToHexText(input);
            fuzz::Violated("converts only what the integer rule reads", input);
        } catch (const EConvertError& error) {
            Check(fuzz::IsConvertMessageFor(error.what(), input), "message names the text", input);
        }
        return 0;
    }
    Check(DecToHexText(input) == DecToHexText(std::to_string(read)),
          "converts the text as its value", input);
    return 0;
}
