#include "SimProcess.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace kelvra::e2e {

namespace {

constexpr std::string_view kListening = "kelvra-sim listening on ";
constexpr int kStartTimeoutMs = 5000;

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
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    const int spawned =
        ::posix_spawn(&pid_, KELVRA_SIM_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    output_ = pipeEnds[0];
    if (spawned != 0) {
        ::close(output_);
        throw std::runtime_error("cannot start " + std::string(KELVRA_SIM_PATH));
    }
    reader_ = std::thread([this] { readOutput(); });

    if (!waitForLine(std::string(kListening), kStartTimeoutMs)) {
        stop();
        throw std::runtime_error("kelvra-sim did not start listening");
    }
    const std::string first = lines().front();
    port_ = std::stoi(first.substr(first.rfind(':') + 1));
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
    if (reader_.joinable()) {
        reader_.join(); // the pipe ends with the child
    }
    if (output_ >= 0) {
        ::close(output_);
        output_ = -1;
    }
}

std::vector<std::string> SimProcess::lines() const {
    const std::lock_guard lock(mutex_);
    return lines_;
}

bool SimProcess::waitForLine(const std::string& text, int timeoutMs) {
    const auto seen = [&] {
        return std::any_of(lines_.begin(), lines_.end(), [&](const std::string& line) {
            return line.find(text) != std::string::npos;
        });
    };
    std::unique_lock lock(mutex_);
    printed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return seen() || ended_; });
    return seen();
}

void SimProcess::readOutput() {
    std::string partial;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(output_, buffer, sizeof(buffer));
        if (got <= 0) {
            break;
        }
        partial.append(buffer, static_cast<std::size_t>(got));
        std::size_t end = 0;
        while ((end = partial.find('\n')) != std::string::npos) {
            {
                const std::lock_guard lock(mutex_);
                lines_.push_back(partial.substr(0, end));
            }
            partial.erase(0, end + 1);
            printed_.notify_all();
        }
    }
    {
        const std::lock_guard lock(mutex_);
        ended_ = true;
    }
    printed_.notify_all();
}

} // namespace kelvra::e2e
