#include "cli/JsonText.h"

#include "core/Utf8.h"

namespace kelvra::cli {

std::string MendedUtf8(std::string_view text) {
    std::string mended;
    mended.reserve(text.size());
    for (const std::string_view character : Utf8Characters(text)) {
        mended += Utf8CodePoint(character) ? character : "\xEF\xBF\xBD";
    }
    return mended;
}

std::string JsonText(const nlohmann::ordered_json& value) {
    const std::string dumped = value.dump(-1, ' ', false, nlohmann::json::error_handler_t::strict);
    // The library names backspace and form feed; every backslash in its output
    // begins an escape, so the one after it says which.
    std::string text;
    text.reserve(dumped.size());
    for (std::size_t at = 0; at < dumped.size(); ++at) {
        if (dumped[at] != '\\') {
            text += dumped[at];
            continue;
        }
        const char named = dumped[++at];
        text += named == 'b' ? "\\u0008" : named == 'f' ? "\\u000c" : std::string{'\\', named};
    }
    return text;
}

} // namespace kelvra::cli
