#include "net/NeighbourTable.h"

#include "net/SocketAddress.h"

#ifdef _WIN32
// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
// clang-format on
#else
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#endif

namespace kelvra::net {

#ifdef _WIN32

bool HasLearnedHardwareAddress(const Ipv4Bytes& address) {
    const sockaddr_in socketAddress = SocketAddress(address);
    DWORD interfaceIndex = 0;
    if (GetBestInterface(socketAddress.sin_addr.s_addr, &interfaceIndex) != NO_ERROR) {
        return false;
    }
    MIB_IPNET_ROW2 row{};
    row.Address.Ipv4 = socketAddress;
    row.InterfaceIndex = interfaceIndex;
    if (GetIpNetEntry2(&row) != NO_ERROR) {
        return false;
    }
    return row.PhysicalAddressLength > 0 && row.State != NlnsUnreachable &&
           row.State != NlnsIncomplete;
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
