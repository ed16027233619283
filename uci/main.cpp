// zugwerk-engine: the search engine core as a UCI engine on standard input and output, with the
// engine's self-checks `go perft N` and `bench`. `zugwerk-engine bench` runs the bench suite alone.

#include "uci/session.h"

#include <iostream>
#include <string>
#include <string_view>

int main(int argc, char** argv)
{
    uci::Session session(std::cout);
    if (argc == 2 && std::string_view(argv[1]) == "bench") {
        session.HandleCommand("bench");
        session.WaitUntilIdle();
        return 0;
    }
    if (argc > 1) {
        std::cerr << "usage: zugwerk-engine [bench]  (without arguments it speaks UCI on standard input)\n";
        return 2;
    }
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!session.HandleCommand(line))
            return 0;
    }
    // End of input is the GUI going away: a running search has no one left to answer.
    session.HandleCommand("quit");
    return 0;
}
