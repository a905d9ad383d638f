#include "net/SystemHostNetwork.h"

#include "net/EchoProbe.h"
#include "net/HostResolution.h"
#include "net/LocalAddress.h"
#include "net/NeighbourTable.h"

namespace kelvra::net {

bool SystemHostNetwork::localIp(std::string& text) {
    const LocalAddress local = FindLocalAddress();
    if (!local.address) {
        return false;
    }
    text = FormatIpv4(*local.address);
    return true;
}

std::string SystemHostNetwork::localIpText() {
    const LocalAddress local = FindLocalAddress();
    return local.address ? FormatIpv4(*local.address) : std::string(local.failureToken);
}

bool SystemHostNetwork::ping(const std::string& text) {
    return PingHost(text);
}

bool SystemHostNetwork::hardwareAddressKnown(const std::string& text) {
    const Ipv4Bytes address = LookUpHostName(text).value_or(Ipv4Bytes{});
    return address != Ipv4Bytes{} && HasLearnedHardwareAddress(address);
}

} // namespace kelvra::net
