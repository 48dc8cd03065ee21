// Helper programs started with fork and exec, never through a shell: the text they are given
// (a search address, the selection) is untrusted.
#include "platform/posix/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace qs {

namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

// argv for exec, built before fork: the child may only call async-signal-safe functions.
std::vector<char*> ArgumentVector(const std::string& path, const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    return argv;
}

bool WaitFor(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void QuietStandardStreams() {
    const int null = open("/dev/null", O_RDWR);
    if (null >= 0) {
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        if (null > STDERR_FILENO) close(null);
    }
}

}  // namespace

std::string FindProgram(const std::string& name) {
    if (name.empty()) return std::string();
    if (name.find('/') != std::string::npos) return IsExecutableFile(name) ? name : std::string();
    const char* path = std::getenv("PATH");
    std::string directories = path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= directories.size()) {
        std::size_t end = directories.find(':', start);
        if (end == std::string::npos) end = directories.size();
        const std::string directory = end > start ? directories.substr(start, end - start) : ".";
        const std::string candidate = directory + "/" + name;
        if (IsExecutableFile(candidate)) return candidate;
        start = end + 1;
    }
    return std::string();
}

bool StartDetached(const std::string& path, const std::vector<std::string>& arguments) {
    std::vector<char*> argv = ArgumentVector(path, arguments);
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        // The grandchild runs the program; the child exits at once so that the host never
        // keeps a zombie and never waits for the program.
        setsid();
        if (fork() == 0) {
            QuietStandardStreams();
            execv(argv[0], argv.data());
        }
        _exit(0);
    }
    return WaitFor(child);
}

bool RunWithInput(const std::string& path, const std::vector<std::string>& arguments, const std::string& input) {
    std::vector<char*> argv = ArgumentVector(path, arguments);
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return false;
    const pid_t child = fork();
    if (child < 0) {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        return false;
    }
    if (child == 0) {
        dup2(pipeEnds[0], STDIN_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        QuietStandardStreams();
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipeEnds[0]);
    // A helper that exits early must not kill the host with SIGPIPE.
    struct sigaction ignore {}, previous {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &previous);
    bool written = true;
    for (std::size_t offset = 0; offset < input.size();) {
        const ssize_t count = write(pipeEnds[1], input.data() + offset, input.size() - offset);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) {
            written = false;
            break;
        }
        offset += static_cast<std::size_t>(count);
    }
    close(pipeEnds[1]);
    sigaction(SIGPIPE, &previous, nullptr);
    return WaitFor(child) && written;
}

}  // namespace qs
