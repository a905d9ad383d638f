#ifndef _WIN32

#include "net/EchoSocket.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kelvra::net {

EchoSocket::EchoSocket() {
    handle_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (handle_ >= 0) {
        kind_ = EchoSocketKind::Datagram;
        // Error reports that quote our echo count as answers; this kind hands
        // them over only with IP_RECVERR.
        const int on = 1;
        ::setsockopt(handle_, IPPROTO_IP, IP_RECVERR, &on, sizeof(on));
        return;
    }
    handle_ = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (handle_ >= 0) {
        kind_ = EchoSocketKind::Raw;
    }
}

EchoSocket::~EchoSocket() {
    if (handle_ >= 0) {
        ::close(handle_);
    }
}

} // namespace kelvra::net

#endif
