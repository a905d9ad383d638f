#pragma once

#include <string>

namespace kelvra {

// The text of the stop box for an error message: a full stop is added when the
// message's last byte sorts after '.'; an empty message stays empty.
std::string StopBoxText(std::string message);

} // namespace kelvra
