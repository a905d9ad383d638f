#include "bench/SampledRun.h"

#include "e2e/support/Spawn.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvra::bench {

namespace {

constexpr int kCountEveryMs = 20;

} // namespace

int OpenDescriptors(int pid) {
    const std::string folder = "/proc/" + std::to_string(pid) + "/fd";
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return 0;
    }
    int count = 0;
    while (const dirent* entry = ::readdir(listing)) {
        count += entry->d_name[0] != '.' ? 1 : 0;
    }
    ::closedir(listing);
    // The listing's own descriptor when the process counts itself.
    return pid == ::getpid() ? count - 1 : count;
}

SampledRun RunSampled(const std::string& path, const std::vector<std::string>& arguments,
                      const std::string& errFile) {
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        throw std::runtime_error("no pipe for " + path);
    }
    const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    std::vector<std::string> words{path};
    words.insert(words.end(), arguments.begin(), arguments.end());
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = kelvra::e2e::Spawn(path, std::move(words), out[1], err, {});
    ::close(out[1]);
    if (err >= 0) {
        ::close(err);
    }
    if (pid == -1) {
        ::close(out[0]);
        throw std::runtime_error("cannot start " + path);
    }

    SampledRun run;
    for (;;) {
        pollfd entry{out[0], POLLIN, 0};
        const int ready = ::poll(&entry, 1, kCountEveryMs);
        // Counted only after a wait: the spawn returns before the new program has
        // shut the descriptors it must not inherit.
        run.peakDescriptors = std::max(run.peakDescriptors, OpenDescriptors(pid));
        if (ready < 0 && errno != EINTR) {
            break;
        }
        if (ready <= 0) {
            continue;
        }
        char buffer[4096];
        const ssize_t got = ::read(out[0], buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        run.out.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(out[0]);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    run.peakMemoryKiB = usage.ru_maxrss;
    return run;
}

} // namespace kelvra::bench
