#pragma once

#include "link/Operations.h"

#include <string>

namespace kelvra::cli {

// The checks a set- command makes of its values before anything is sent, shared by
// the settings files. Each throws UsageError.

// A limit or calibration value: the integer text rule, as the limit buttons apply it.
void RequireInteger(const std::string& text);

// An address the link would refuse, or a device address that would cut the device
// off its network.
void RequireAddress(const std::string& value, const AddressKind& kind);

} // namespace kelvra::cli
