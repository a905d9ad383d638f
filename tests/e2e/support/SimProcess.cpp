#include "e2e/support/SimProcess.h"

#include "e2e/support/Spawn.h"

#include <chrono>
#include <csignal>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvra::e2e {

namespace {

constexpr std::string_view kListening = "kelvra-sim listening on ";

} // namespace

SimProcess::SimProcess(std::vector<std::string> switches, const std::string& bindAddress,
                       int port) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        throw std::runtime_error("no pipe for kelvra-sim");
    }
    std::vector<std::string> words{KELVRA_SIM_PATH, "--bind", bindAddress, "--port",
                                   std::to_string(port)};
    words.insert(words.end(), switches.begin(), switches.end());
    pid_ = Spawn(KELVRA_SIM_PATH, std::move(words), pipeEnds[1], -1, {pipeEnds[0], pipeEnds[1]});
    ::close(pipeEnds[1]);
    output_ = pipeEnds[0];
    if (pid_ == -1 || !waitForLine(std::string(kListening), 5000)) {
        stop();
        throw std::runtime_error("kelvra-sim did not start listening");
    }
    const std::size_t at = printed_.find(kListening);
    const std::string line = printed_.substr(at, printed_.find('\n', at) - at);
    port_ = std::stoi(line.substr(line.rfind(':') + 1));
}

SimProcess::~SimProcess() {
    stop();
}

void SimProcess::stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    if (output_ >= 0) {
        ::close(output_);
        output_ = -1;
    }
}

bool SimProcess::waitForLine(const std::string& text, int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        // Whole lines only: the last one may still be on its way.
        if (printed_.substr(0, printed_.rfind('\n') + 1).find(text) != std::string::npos) {
            return true;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd entry{output_, POLLIN, 0};
        char buffer[4096];
        if (left <= 0 || ::poll(&entry, 1, static_cast<int>(left)) <= 0) {
            return false;
        }
        const ssize_t got = ::read(output_, buffer, sizeof buffer);
        if (got <= 0) {
            return false; // the simulator has ended
        }
        printed_.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace kelvra::e2e
