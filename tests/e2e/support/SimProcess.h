#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace kelvra::e2e {

// A kelvra-sim child (on a free loopback port unless told otherwise), stopped
// when this goes. What it prints is kept, so a test can see what the device was sent.
class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> switches = {},
                        const std::string& bindAddress = "127.0.0.1", int port = 0);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    int port() const { return port_; }
    std::string portText() const { return std::to_string(port_); }

    // Waits at most timeoutMs for a printed line that contains text.
    bool waitForLine(const std::string& text, int timeoutMs = 2000);

private:
    void stop();

    pid_t pid_ = -1;
    int output_ = -1;
    int port_ = 0;
    std::string printed_; // read so far; the few lines a test causes fit the pipe
};

} // namespace kelvra::e2e
