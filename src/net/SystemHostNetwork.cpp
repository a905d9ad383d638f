#include "net/SystemHostNetwork.h"

#include "net/LocalAddress.h"
#include "net/raw_ping.h"

namespace kelvra {

bool SystemHostNetwork::localIp(std::string& text) {
    const net::LocalAddress local = net::FindLocalAddress();
    if (!local.address) {
        return false;
    }
    text = FormatIpv4(*local.address);
    return true;
}

std::string SystemHostNetwork::localIpText() {
    const net::LocalAddress local = net::FindLocalAddress();
    return local.address ? FormatIpv4(*local.address) : std::string(local.failureToken);
}

bool SystemHostNetwork::ping(const std::string& text) {
    return PingHost(text);
}

} // namespace kelvra
