#include "net/SocketLayer.h"

#ifdef _WIN32
#include "net/WideText.h"

#include <winsock2.h>
#else
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>
#endif

namespace kelvra::net {

#ifdef _WIN32

SocketLayer::SocketLayer() {
    WSADATA data{};
    started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

SocketLayer::~SocketLayer() {
    if (started_) {
        WSACleanup();
    }
}

int LastSocketError() {
    return WSAGetLastError();
}

std::string SocketErrorDescription(int code) {
    // The wide call: the narrow one would hand out the ANSI code page, not UTF-8.
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string description =
        length > 0 ? WideToUtf8(std::wstring_view(text, length)) : std::string();
    LocalFree(text);
    // The system ends its texts with CR LF; the message has its own layout.
    while (!description.empty() && (description.back() == '\n' || description.back() == '\r')) {
        description.pop_back();
    }
    return description;
}

ESocketError InvalidArgumentFailure() {
    return SocketFailure(WSAEINVAL);
}

void CloseSocket(NativeSocket socket) {
    closesocket(static_cast<SOCKET>(socket));
}

bool WaitReadable(NativeSocket socket, int timeoutMs) {
    WSAPOLLFD entry{};
    entry.fd = static_cast<SOCKET>(socket);
    entry.events = POLLRDNORM;
    return WSAPoll(&entry, 1, timeoutMs < 0 ? 0 : timeoutMs) > 0;
}

#else

namespace {

// strerror_r comes in two forms: the GNU one returns the text, which may live
// elsewhere than the buffer; the POSIX one returns a status and leaves the text,
// also the one for an unknown number, in the buffer.
[[maybe_unused]] std::string DescriptionFrom(const char* text, const char*) {
    return text;
}
[[maybe_unused]] std::string DescriptionFrom(int, const char* buffer) {
    return buffer;
}

} // namespace

SocketLayer::SocketLayer() : started_(true) {}

SocketLayer::~SocketLayer() = default;

int LastSocketError() {
    return errno;
}

std::string SocketErrorDescription(int code) {
    // Not std::strerror: the command line's threads fail their sockets at once.
    char buffer[256] = {};
    return DescriptionFrom(strerror_r(code, buffer, sizeof buffer), buffer);
}

ESocketError InvalidArgumentFailure() {
    return SocketFailure(EINVAL);
}

void CloseSocket(NativeSocket socket) {
    ::close(socket);
}

bool WaitReadable(NativeSocket socket, int timeoutMs) {
    pollfd entry{};
    entry.fd = socket;
    entry.events = POLLIN;
    return ::poll(&entry, 1, timeoutMs < 0 ? 0 : timeoutMs) > 0;
}

#endif

ESocketError SocketFailure(int code) {
    return ESocketError::fromCode(code, SocketErrorDescription(code));
}

ESocketError LastSocketFailure() {
    return SocketFailure(LastSocketError());
}

} // namespace kelvra::net
