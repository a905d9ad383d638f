#include "e2e/support/Spawn.h"

#include <spawn.h>
#include <unistd.h>

extern char** environ;

namespace kelvra::e2e {

pid_t Spawn(const std::string& path, std::vector<std::string> words, int outFd, int errFd,
            const std::vector<int>& closeInChild) {
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    if (errFd != -1) {
        posix_spawn_file_actions_adddup2(&actions, errFd, STDERR_FILENO);
    }
    for (const int end : closeInChild) {
        posix_spawn_file_actions_addclose(&actions, end);
    }
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? pid : -1;
}

} // namespace kelvra::e2e
