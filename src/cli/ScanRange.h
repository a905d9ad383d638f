#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvra::cli {

// The network a scan searches, as NETWORK/PREFIX; an address inside the network
// stands for the network.
struct ScanRange {
    std::string text; // as given
    std::uint32_t network = 0;
    int prefix = 0;
    bool operator==(const ScanRange&) const = default;
};

inline constexpr int kShortestScanPrefix = 22; // 1022 hosts
inline constexpr int kLongestScanPrefix = 30;  // 2 hosts

// Throws UsageError for anything but four dotted parts of 0 to 255, "/" and a prefix
// of 22 to 30.
ScanRange ParseScanRange(std::string_view text);

// Every host address of the range in ascending order, without the network and the
// broadcast address.
std::vector<std::string> HostAddresses(const ScanRange& range);

} // namespace kelvra::cli
