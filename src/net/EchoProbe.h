#pragma once

#include <string>

namespace kelvra::net {

// One ICMP echo request to text with a 100 ms time-out; true when anything came
// back for it, an error report included. False when no echo socket can be opened.
bool PingHost(const std::string& text);

} // namespace kelvra::net
