#include "cli/ScanRange.h"

#include "cli/UsageError.h"
#include "core/Errors.h"
#include "core/IntegerText.h"
#include "core/Ipv4Address.h"

namespace kelvra::cli {

namespace {

std::uint32_t MaskOf(int prefix) {
    return prefix == 0 ? 0U : ~std::uint32_t{0} << (32 - prefix);
}

} // namespace

ScanRange ParseScanRange(std::string_view text) {
    const std::string shown(text);
    const std::size_t slash = text.find('/');
    const auto address =
        ParseDottedQuad(text.substr(0, slash == std::string_view::npos ? text.size() : slash));
    if (slash == std::string_view::npos || !address) {
        throw UsageError("'" + shown + "' is not a network: give NETWORK/PREFIX, as 10.0.0.0/24");
    }
    std::int32_t prefix = 0;
    try {
        prefix = StrToInt(text.substr(slash + 1));
    } catch (const EConvertError& error) {
        throw UsageError(error.what());
    }
    if (prefix < kShortestScanPrefix || prefix > kLongestScanPrefix) {
        throw UsageError("the prefix of '" + shown + "' must be " +
                         std::to_string(kShortestScanPrefix) + " to " +
                         std::to_string(kLongestScanPrefix));
    }
    ScanRange range{shown, 0, prefix};
    for (const std::uint8_t octet : *address) {
        range.network = (range.network << 8) | octet;
    }
    range.network &= MaskOf(prefix);
    return range;
}

std::vector<std::string> HostAddresses(const ScanRange& range) {
    const std::uint32_t size = ~MaskOf(range.prefix) + 1U;
    std::vector<std::string> hosts;
    for (std::uint32_t host = 1; host + 1 < size; ++host) {
        const std::uint32_t address = range.network + host;
        hosts.push_back(FormatIpv4(
            {static_cast<std::uint8_t>(address >> 24), static_cast<std::uint8_t>(address >> 16),
             static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address)}));
    }
    return hosts;
}

} // namespace kelvra::cli
