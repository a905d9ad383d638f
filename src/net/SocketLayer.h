#pragma once

// The few socket calls every part of net/ shares, with the platform differences
// (BSD sockets here, Winsock on Windows) kept inside SocketLayer.cpp.

#include "core/Errors.h"

#include <cstdint>
#include <string>

namespace kelvra::net {

#ifdef _WIN32
using NativeSocket = std::uintptr_t; // SOCKET
inline constexpr NativeSocket kNoSocket = ~NativeSocket{0};
#else
using NativeSocket = int;
inline constexpr NativeSocket kNoSocket = -1;
#endif

// Keeps the socket layer started while it lives (WSAStartup/WSACleanup on
// Windows; nothing to do elsewhere).
class SocketLayer {
public:
    SocketLayer();
    ~SocketLayer();
    SocketLayer(const SocketLayer&) = delete;
    SocketLayer& operator=(const SocketLayer&) = delete;

    bool started() const { return started_; }

private:
    bool started_ = false;
};

// The error number of the socket call that failed last on this thread.
int LastSocketError();
// The system's description of a socket error number.
std::string SocketErrorDescription(int code);
// "Socket Error # <code>" and the description of that error number.
ESocketError SocketFailure(int code);
// The same for the socket call that failed last.
ESocketError LastSocketFailure();
// The same for a value the socket layer would refuse as an invalid argument.
ESocketError InvalidArgumentFailure();

void CloseSocket(NativeSocket socket);

// Waits until a datagram (or a pending error) can be read from socket, at most
// timeoutMs. False on time-out and when the wait itself fails.
bool WaitReadable(NativeSocket socket, int timeoutMs);

} // namespace kelvra::net
