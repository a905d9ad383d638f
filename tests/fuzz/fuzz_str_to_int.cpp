// StrToInt: decimal and hexadecimal spellings of any value read back as it; any
// text that reads keeps reading the same after a leading space and fails after a
// trailing one; a failure names the whole text.
#include "core/Errors.h"
#include "core/IntegerText.h"
#include "fuzz/FuzzChecks.h"

using namespace kelvra;
using fuzz::Check;

namespace {

void CheckSpellingsOf(std::int32_t value, std::string_view input) {
    const auto pattern = static_cast<std::uint32_t>(value);
    char text[16];
    Check(StrToInt(std::to_string(value)) == value, "decimal round trip", input);
    std::snprintf(text, sizeof text, "$%X", pattern);
    Check(StrToInt(text) == value, "hexadecimal pattern round trip", input);
    std::snprintf(text, sizeof text, "0x%08x", pattern);
    Check(StrToInt(text) == value, "padded hexadecimal round trip", input);
    std::snprintf(text, sizeof text, "-x%X", 0U - pattern);
    Check(StrToInt(text) == value, "negated hexadecimal round trip", input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::AsText(data, size);
    std::int32_t value = 0;
    try {
        if (fuzz::LeadingInt32(input, value)) {
            CheckSpellingsOf(value, input);
        }
    } catch (const EConvertError&) {
        fuzz::Violated("a spelling of a value was refused", input);
    }

    try {
        value = StrToInt(input);
    } catch (const EConvertError& error) {
        Check(fuzz::IsConvertMessageFor(error.what(), input), "message names the text", input);
        return 0;
    }
    Check(StrToInt(" " + std::string(input)) == value, "leading space is skipped", input);
    try {
        StrToInt(std::string(input) + " ");
    } catch (const EConvertError&) {
        return 0;
    }
    fuzz::Violated("trailing space fails", input);
}
