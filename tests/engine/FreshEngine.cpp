#include "FreshEngine.h"

#include "Random.h"
#include "Simulation.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

namespace {

void WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error("cannot send a snapshot to the test process");
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

std::vector<char> ReadAll(int fd)
{
    std::vector<char> bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return bytes;
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
}

[[noreturn]] void RunChild(int fd, const std::function<void(SnapshotSink&)>& scenario)
{
    int status = 0;
    try {
        // A state left behind by an earlier test in this process would not
        // be the launch state that the scenario expects.
        if (RawFrame != nullptr || DarkPending != 0 || MinLevel != 0)
            throw std::runtime_error("the engine was already used in the test process");
        SnapshotSink sink(fd);
        scenario(sink);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "scenario failed in the child process: %s\n", e.what());
        status = 3;
    }
    close(fd);
    // Leaves without the test process's exit handlers and stdio buffers.
    _exit(status);
}

std::string DescribeEnd(int status)
{
    if (WIFEXITED(status))
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return "was killed by signal " + std::to_string(WTERMSIG(status));
    return "ended in an unknown way";
}

}  // namespace

void Play(const Press& press)
{
    if (press.button == Press::Button::Start)
        PressStart(press.at);
    else
        PressDark(press.at);
}

void SnapshotSink::Take()
{
    const std::vector<char> bytes = Serialize(CaptureEngine());
    WriteAll(fd, bytes.data(), bytes.size());
}

std::vector<EngineSnapshot> RunInFreshProcess(const std::function<void(SnapshotSink&)>& scenario)
{
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("cannot create a pipe");
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) {
        close(fds[0]);
        close(fds[1]);
        throw std::runtime_error("cannot fork");
    }
    if (child == 0) {
        close(fds[0]);
        RunChild(fds[1], scenario);
    }
    close(fds[1]);
    const std::vector<char> bytes = ReadAll(fds[0]);
    close(fds[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            throw std::runtime_error("cannot wait for the child process");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("the scenario's child process " + DescribeEnd(status));

    std::vector<EngineSnapshot> snapshots;
    const char* cursor = bytes.data();
    const char* end = cursor + bytes.size();
    while (cursor != end)
        snapshots.push_back(Deserialize(cursor, end));
    return snapshots;
}

std::vector<EngineSnapshot> PlayFromLaunch(const std::vector<Press>& presses)
{
    return RunInFreshProcess([&](SnapshotSink& sink) {
        StartRandomSource();
        SetUpSimulation();
        sink.Take();
        for (const Press& press : presses) {
            Play(press);
            sink.Take();
        }
    });
}
