#include "cli/ManualPage.h"

#include <cctype>

namespace kelvra::cli {

namespace {

// One line of text safe in roff: backslashes and minus signs spelled out, and a
// line that starts like a request kept as text.
std::string RoffLine(std::string_view line) {
    std::string roff = !line.empty() && (line.front() == '.' || line.front() == '\'') ? "\\&" : "";
    for (const char c : line) {
        roff += c == '\\' ? std::string("\\e") : c == '-' ? std::string("\\-") : std::string(1, c);
    }
    return roff + "\n";
}

bool IsHeading(std::string_view line) {
    return line.size() > 1 && line.back() == ':' && line.find(' ') == std::string_view::npos;
}

std::string Upper(std::string_view text) {
    std::string upper;
    for (const char c : text) {
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

} // namespace

std::string ManualPage(std::string_view help, std::string_view version) {
    constexpr std::string_view kUsage = "usage: ";
    std::string page = ".TH KELVRA\\-CLI 1 \"\" \"KelvraWizard " + std::string(version) +
                       "\" \"User Commands\"\n.SH NAME\n"
                       "kelvra\\-cli \\- device operations on data loggers from the command line\n";
    const std::size_t firstEnd = help.find('\n');
    std::string_view synopsis = help.substr(0, firstEnd);
    if (synopsis.starts_with(kUsage)) {
        synopsis.remove_prefix(kUsage.size());
    }
    page += ".SH SYNOPSIS\n" + RoffLine(synopsis) + ".SH DESCRIPTION\n.nf\n";
    help.remove_prefix(firstEnd == std::string_view::npos ? help.size() : firstEnd + 1);
    while (!help.empty()) {
        const std::size_t end = help.find('\n');
        const std::string_view line = help.substr(0, end);
        help.remove_prefix(end == std::string_view::npos ? help.size() : end + 1);
        page += IsHeading(line) ? ".fi\n.SH " + Upper(line.substr(0, line.size() - 1)) + "\n.nf\n"
                                : RoffLine(line);
    }
    return page + ".fi\n";
}

} // namespace kelvra::cli
