#include "e2e/support/ChildProgram.h"

#include "e2e/support/Spawn.h"

#include <cerrno>
#include <chrono>
#include <poll.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvra::e2e {

ProgramRun RunProgram(const std::string& path, const std::vector<std::string>& arguments) {
    int out[2];
    int err[2];
    if (::pipe(out) != 0 || ::pipe(err) != 0) {
        throw std::runtime_error("no pipes for " + path);
    }
    std::vector<std::string> words{path};
    words.insert(words.end(), arguments.begin(), arguments.end());
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid =
        Spawn(path, std::move(words), out[1], err[1], {out[0], out[1], err[0], err[1]});
    ::close(out[1]);
    ::close(err[1]);
    if (pid == -1) {
        ::close(out[0]);
        ::close(err[0]);
        throw std::runtime_error("cannot start " + path);
    }

    // Both streams at once, so that neither pipe fills while the other is read.
    ProgramRun run;
    pollfd streams[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* texts[2] = {&run.out, &run.err};
    int open = 2;
    while (open > 0) {
        if (::poll(streams, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (streams[i].fd < 0 || streams[i].revents == 0) {
                continue;
            }
            char buffer[4096];
            const ssize_t got = ::read(streams[i].fd, buffer, sizeof buffer);
            if (got <= 0) {
                ::close(streams[i].fd);
                streams[i].fd = -1;
                --open;
            } else {
                texts[i]->append(buffer, static_cast<std::size_t>(got));
            }
        }
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakMemoryKiB = usage.ru_maxrss;
    return run;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

} // namespace kelvra::e2e
