#pragma once

// The command-line engine as a chess GUI sees it: a child process fed through one pipe and read
// through another.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

namespace uci::test {

using Lines = std::vector<std::string>;
using std::chrono::milliseconds;

bool StartsWith(std::string_view text, std::string_view prefix);

// Owns one running zugwerk-engine; the destructor kills it if it is still running.
class UciProcess {
public:
    UciProcess();
    ~UciProcess();
    UciProcess(const UciProcess&) = delete;
    UciProcess& operator=(const UciProcess&) = delete;

    void Send(std::string_view line);
    // End of input, as when the GUI closes the pipe.
    void CloseInput();
    // The next line, or nothing when none comes within the timeout or the output has ended.
    std::optional<std::string> ReadLine(milliseconds timeout);
    // The lines up to and including the first that starts with `prefix`; they end early (without
    // such a line) when the timeout passes or the output ends.
    Lines ReadUntil(std::string_view prefix, milliseconds timeout);
    // Whether the process ended within the timeout; the lines it wrote meanwhile go to `rest`.
    bool WaitForExit(milliseconds timeout, Lines* rest = nullptr);

private:
    pid_t Pid = -1;
    int ToEngine = -1;
    int FromEngine = -1;
    std::string Pending;
    bool OutputEnded = false;
};

} // namespace uci::test
