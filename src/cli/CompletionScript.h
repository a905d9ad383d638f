#pragma once

#include <string>

namespace kelvra::cli {

// kelvra-cli's bash completion: the commands, the options of the help text, the
// quantities after set-limit, the address kinds after set-address, and file names
// after --devices, diff and restore.
std::string CompletionScript();

} // namespace kelvra::cli
