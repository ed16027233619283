// zugwerk-engine: the search engine core as a UCI engine on standard input and output, with the
// engine's self-checks `go perft N` and `bench`.

#include "zugwerk_engine_uci.h"

#include <iostream>
#include <string>

int main()
{
    UciSession session(std::cout);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!session.HandleCommand(line))
            return 0;
    }
    // End of input without `quit`: let a running search finish and report its move.
    session.WaitUntilIdle();
    return 0;
}
