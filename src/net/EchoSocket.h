#pragma once

#ifndef _WIN32

namespace kelvra::net {

enum class EchoSocketKind {
    None,     // neither kind may be opened: every probe goes unanswered
    Datagram, // the kernel's unprivileged ICMP socket: bare ICMP, only our replies
    Raw,      // every ICMP message of the host, behind its IP header
};

// An ICMP socket for one echo: the datagram kind where net.ipv4.ping_group_range
// admits the process's group, a raw one where the process may open it
// (CAP_NET_RAW), otherwise none.
class EchoSocket {
public:
    EchoSocket();
    ~EchoSocket();
    EchoSocket(const EchoSocket&) = delete;
    EchoSocket& operator=(const EchoSocket&) = delete;

    EchoSocketKind kind() const { return kind_; }
    int handle() const { return handle_; }

private:
    int handle_ = -1;
    EchoSocketKind kind_ = EchoSocketKind::None;
};

} // namespace kelvra::net

#endif
