// StrToInt: decimal and hexadecimal spellings of any value read back as it; any
// text that reads keeps reading the same after a leading space and fails after a
// trailing one; a failure names the whole text.
#include "FuzzChecks.h"
#include "core/Errors.h"
#include "core/IntegerText.h"

#include <cstdint>
#include <cstdio>
#include <string>

using namespace kelvra;
using fuzz::Check;

namespace {

void CheckSpellingsOf(std::int32_t value, std::string_view input) {
    Check(StrToInt(std::to_string(value)) == value, "decimal round trip", input);
    char hex[16];
    std::snprintf(hex, sizeof hex, "$%X", static_cast<std::uint32_t>(value));
    Check(StrToInt(hex) == value, "hexadecimal pattern round trip", input);
    std::snprintf(hex, sizeof hex, "0x%08x", static_cast<std::uint32_t>(value));
    Check(StrToInt(hex) == value, "padded hexadecimal round trip", input);
    const std::uint32_t negated = 0U - static_cast<std::uint32_t>(value);
    std::snprintf(hex, sizeof hex, "-x%X", negated);
    Check(StrToInt(hex) == value, "negated hexadecimal round trip", input);
}

void CheckText(std::string_view text) {
    std::int32_t value = 0;
    try {
        value = StrToInt(text);
    } catch (const EConvertError& error) {
        Check(fuzz::IsConvertMessageFor(error.what(), text), "message names the text", text);
        return;
    }
    Check(StrToInt(" " + std::string(text)) == value, "leading space is skipped", text);
    try {
        StrToInt(std::string(text) + " ");
        fuzz::Violated("trailing space fails", text);
    } catch (const EConvertError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::AsText(data, size);
    try {
        std::int32_t value = 0;
        if (fuzz::LeadingInt32(input, value)) {
            CheckSpellingsOf(value, input);
        }
        CheckText(input);
    } catch (const EConvertError&) {
        fuzz::Violated("a spelling of a value was refused", input);
    }
    return 0;
}
