#include "tests/uci/uci_process.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace uci::test {

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

UciProcess::UciProcess()
{
    // A write to an engine that has already ended must fail the test, not kill it.
    std::signal(SIGPIPE, SIG_IGN);
    int input[2];
    int output[2];
    if (pipe(input) != 0 || pipe(output) != 0) {
        ADD_FAILURE() << "pipe: " << std::strerror(errno);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    for (const int fd : { input[0], input[1], output[0], output[1] })
        posix_spawn_file_actions_addclose(&actions, fd);
    char path[] = ZUGWERK_ENGINE_PATH;
    char* argv[] = { path, nullptr };
    const int spawned = posix_spawn(&Pid, path, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(input[0]);
    close(output[1]);
    ToEngine = input[1];
    FromEngine = output[0];
    if (spawned != 0) {
        Pid = -1;
        ADD_FAILURE() << "cannot start " << path << ": " << std::strerror(spawned);
    }
}

UciProcess::~UciProcess()
{
    if (Pid > 0) {
        kill(Pid, SIGKILL);
        waitpid(Pid, nullptr, 0);
    }
    for (const int fd : { ToEngine, FromEngine })
        if (fd >= 0)
            close(fd);
}

void UciProcess::Send(std::string_view line)
{
    const std::string text = std::string(line) + '\n';
    ASSERT_EQ(write(ToEngine, text.data(), text.size()), static_cast<ssize_t>(text.size())) << "sending " << line;
}

void UciProcess::CloseInput()
{
    close(ToEngine);
    ToEngine = -1;
}

std::optional<std::string> UciProcess::ReadLine(milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        if (const std::size_t end = Pending.find('\n'); end != std::string::npos) {
            std::string line = Pending.substr(0, end);
            Pending.erase(0, end + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - std::chrono::steady_clock::now());
        if (OutputEnded || left.count() < 0)
            return std::nullopt;
        pollfd ready { FromEngine, POLLIN, 0 };
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0)
            continue;
        char chunk[4096];
        const ssize_t got = read(FromEngine, chunk, sizeof chunk);
        if (got <= 0)
            OutputEnded = true;
        else
            Pending.append(chunk, static_cast<std::size_t>(got));
    }
}

Lines UciProcess::ReadUntil(std::string_view prefix, milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    Lines lines;
    while (
        auto line = ReadLine(std::chrono::duration_cast<milliseconds>(deadline - std::chrono::steady_clock::now()))) {
        lines.push_back(*line);
        if (StartsWith(*line, prefix))
            break;
    }
    return lines;
}

bool UciProcess::WaitForExit(milliseconds timeout, Lines* rest)
{
    // The output ends when the process does; only then is waiting for it sure to be short.
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (auto line = ReadLine(std::chrono::duration_cast<milliseconds>(deadline - std::chrono::steady_clock::now())))
        if (rest != nullptr)
            rest->push_back(*line);
    if (!OutputEnded)
        return false;
    waitpid(Pid, nullptr, 0);
    Pid = -1;
    return true;
}

} // namespace uci::test
