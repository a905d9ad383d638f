#include "net/NeighbourTable.h"

#include "net/SocketAddress.h"

#include <algorithm>
#include <cstddef>

#ifdef _WIN32
// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
// clang-format on
#include <vector>
#else
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#endif

namespace kelvra::net {

bool IsLearnedHardwareAddress(std::span<const unsigned char> hardwareAddress) {
    return std::any_of(hardwareAddress.begin(), hardwareAddress.end(),
                       [](unsigned char byte) { return byte != 0; });
}

#ifdef _WIN32

// The IPv4 neighbour table, read whole: wine has no GetIpNetEntry2, and the
// table is short.
bool HasLearnedHardwareAddress(const Ipv4Bytes& address) {
    const sockaddr_in socketAddress = SocketAddress(address);
    ULONG size = 0;
    if (GetIpNetTable(nullptr, &size, FALSE) != ERROR_INSUFFICIENT_BUFFER) {
        return false;
    }
    std::vector<unsigned char> buffer(size);
    auto* table = reinterpret_cast<MIB_IPNETTABLE*>(buffer.data());
    if (GetIpNetTable(table, &size, FALSE) != NO_ERROR) {
        return false;
    }
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
        const MIB_IPNETROW& row = table->table[i];
        const std::span<const unsigned char> hardwareAddress(
            row.bPhysAddr, std::min<std::size_t>(row.dwPhysAddrLen, MAXLEN_PHYSADDR));
        if (row.dwAddr == socketAddress.sin_addr.s_addr && row.dwType != MIB_IPNET_TYPE_INVALID &&
            IsLearnedHardwareAddress(hardwareAddress)) {
            return true;
        }
    }
    return false;
}

#else

namespace {

// The ATF_COM flag of /proc/net/arp: the hardware address is known.
constexpr unsigned kCompleteEntry = 0x2;

} // namespace

bool HasLearnedHardwareAddress(const Ipv4Bytes& address) {
    // The table of this process's own network namespace.
    std::ifstream table("/proc/net/arp");
    const std::string wanted = FormatIpv4(address);
    std::string line;
    std::getline(table, line); // the column titles
    while (std::getline(table, line)) {
        std::istringstream columns(line);
        std::string ip;
        std::string hardwareType;
        std::string flags;
        std::string hardwareAddress;
        if (!(columns >> ip >> hardwareType >> flags >> hardwareAddress) || ip != wanted) {
            continue;
        }
        const unsigned long flagBits = std::strtoul(flags.c_str(), nullptr, 16);
        if ((flagBits & kCompleteEntry) != 0 && hardwareAddress != "00:00:00:00:00:00") {
            return true;
        }
    }
    return false;
}

#endif

} // namespace kelvra::net
