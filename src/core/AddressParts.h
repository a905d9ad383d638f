#pragma once

#include "core/FieldSplitting.h"

#include <string>
#include <string_view>
#include <vector>

namespace kelvra {

// The octets of an address are its first four dotted parts, as typed.
inline constexpr std::size_t kAddressPartCount = 4;

// The dotted parts of an address text, split as the shared list splits it; parts
// after the fourth are kept but never sent. Throws EStringListError with the first
// missing position when there are fewer than four (0 for a text without a dot), so
// that no octet of an incomplete address, or of another one, reaches a device.
std::vector<std::string> AddressParts(std::string_view value);

// The four octets of an address to program. Fewer than four parts throw
// EStringListError, as AddressParts does; anything else but four parts of one to
// three decimal digits, each at most 255, throws EAddressError naming caption, so
// that "192.168.1." or "10.0.0.300" never reaches a device. "01" stays as typed.
std::vector<std::string> ProgrammableAddressParts(std::string_view value, std::string_view caption);

// A new device address whose last octet is 0: the text ends in ".0", or its fourth
// part reads as 0 by the integer text rule ("192.168.1.00", "192.168.1.0x0").
bool LastOctetIsZero(std::string_view value);

// A new device address in the loopback block: the text begins with "127", or its
// first part reads as 127 by the integer text rule ("0127.0.0.1").
bool FirstOctetIs127(std::string_view value);

// Why a device must not be given an address: it would no longer answer there.
enum class DeviceAddressRefusal { None, LastOctetZero, Loopback };

// The rule that refuses value as a device's new address, the last octet tried
// first; None when neither does. The window and the command line both go by it.
DeviceAddressRefusal RefuseAsDeviceAddress(std::string_view value);

// Whether the first three parts of the two lists are the same texts, position by
// position, the PC's part read first. Throws EStringListError for the first part
// either list lacks, up to the first pair that differs.
bool SameAddressGroup(const FieldList& pcParts, const FieldList& deviceParts);

} // namespace kelvra
