// DecToHexText: for any value at least two upper-case digits, no needless leading
// zero, reading back through "$"; "00" for values below 1; any text either fails
// with the conversion error or converts as its value does.
#include "FuzzChecks.h"
#include "core/Errors.h"
#include "core/HexText.h"
#include "core/IntegerText.h"

#include <cstdint>
#include <string>

using namespace kelvra;
using fuzz::Check;

namespace {

void CheckValue(std::int32_t value, std::string_view input) {
    const std::string hex = DecToHexText(std::to_string(value));
    Check(hex.size() >= 2, "at least two digits", input);
    for (const char c : hex) {
        Check(fuzz::IsUpperHexDigit(c), "upper-case hexadecimal digits only", input);
    }
    Check(hex.size() == 2 || hex[0] != '0', "no needless leading zero", input);
    if (value < 1) {
        Check(hex == "00", "below 1 gives 00", input);
    } else {
        Check(StrToInt("$" + hex) == value, "reads back through $", input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::AsText(data, size);
    std::int32_t value = 0;
    if (fuzz::LeadingInt32(input, value)) {
        CheckValue(value, input);
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
