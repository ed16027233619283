// UCI commands of zugwerk-engine: uci, isready, ucinewgame, setoption, position, go (depth / perft),
// stop, quit, and bench. Each refused command answers one "info string error: ..." line and leaves
// the session as it was.

#include "zugwerk_engine_uci.h"

#include "bench.h"
#include "notation.h"
#include "perft.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>

using namespace engine;

namespace {

std::vector<std::string_view> SplitWords(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && std::isspace(static_cast<unsigned char>(line[pos])))
            ++pos;
        const std::size_t start = pos;
        while (pos < line.size() && !std::isspace(static_cast<unsigned char>(line[pos])))
            ++pos;
        if (pos > start)
            words.push_back(line.substr(start, pos - start));
    }
    return words;
}

bool ParseInt(std::string_view text, int& value)
{
    const auto [end, err] = std::from_chars(text.data(), text.data() + text.size(), value);
    return err == std::errc() && end == text.data() + text.size();
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string Join(const std::vector<std::string_view>& words, std::size_t first, std::size_t last)
{
    std::string text;
    for (std::size_t i = first; i < last; ++i) {
        if (!text.empty())
            text += ' ';
        text += words[i];
    }
    return text;
}

// "cp 35", or "mate 3" / "mate -2" in moves when the score is a mate within the search's reach.
std::string ScoreText(int score)
{
    if (!IsMateScore(score))
        return "cp " + std::to_string(score);
    const int plies = Infinity - std::abs(score);
    return "mate " + std::to_string(score > 0 ? (plies + 1) / 2 : -(plies / 2));
}

std::int64_t MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

std::uint64_t NodesPerSecond(std::uint64_t nodes, std::int64_t ms)
{
    return ms > 0 ? nodes * 1000 / static_cast<std::uint64_t>(ms) : nodes * 1000;
}

// Time-control parameters of `go` and whether a value follows them. The engine searches to a fixed
// depth, so they are accepted and ignored.
bool IsIgnoredGoParameter(std::string_view word, bool& takesValue)
{
    static constexpr std::string_view withValue[]
        = { "wtime", "btime", "winc", "binc", "movestogo", "movetime", "nodes", "mate" };
    static constexpr std::string_view alone[] = { "infinite", "ponder" };
    takesValue = std::find(std::begin(withValue), std::end(withValue), word) != std::end(withValue);
    return takesValue || std::find(std::begin(alone), std::end(alone), word) != std::end(alone);
}

} // namespace

UciSession::UciSession(std::ostream& out)
    : Out(out)
    , SearchEngine(std::make_unique<Engine>())
    , OptionSearchDepth(DefaultSearchDepth)
{
    std::string error;
    ParseFen(StartFen, Root, error);
    SearchEngine->SetIterationHook([this](const IterationReport& report) { ReportIteration(report); });
}

UciSession::~UciSession() { StopWorker(); }

void UciSession::Write(const std::string& line)
{
    const std::lock_guard lock(OutputMutex);
    Out << line << '\n' << std::flush;
}

void UciSession::Error(const std::string& message) { Write("info string error: " + message); }

bool UciSession::HandleCommand(std::string_view line)
{
    const std::vector<std::string_view> words = SplitWords(line);
    if (words.empty())
        return true;
    const std::string_view command = words[0];
    if (command == "uci")
        CommandUci();
    else if (command == "isready")
        Write("readyok");
    else if (command == "ucinewgame") {
        StopWorker();
        std::string error;
        ParseFen(StartFen, Root, error);
    } else if (command == "setoption")
        CommandSetOption(words);
    else if (command == "position")
        CommandPosition(words);
    else if (command == "go")
        CommandGo(words);
    else if (command == "stop")
        CommandStop();
    else if (command == "bench")
        CommandBench();
    else if (command == "quit") {
        StopWorker();
        return false;
    } else
        Error("unknown command '" + std::string(command) + "'");
    return true;
}

void UciSession::CommandUci()
{
    Write("id name Zugwerk! 2.0");
    Write("id author the Zugwerk! developers");
    Write("option name SearchDepth type spin default " + std::to_string(DefaultSearchDepth) + " min "
        + std::to_string(MinSearchDepth) + " max " + std::to_string(MaxSearchDepth));
    Write("uciok");
}

void UciSession::CommandSetOption(const std::vector<std::string_view>& words)
{
    // setoption name <name> value <value>; names may hold spaces.
    const auto valueAt = std::find(words.begin(), words.end(), "value");
    if (words.size() < 3 || words[1] != "name" || valueAt == words.end() || valueAt + 1 == words.end()) {
        Error("expected 'setoption name <name> value <value>'");
        return;
    }
    const std::string name = Join(words, 2, static_cast<std::size_t>(valueAt - words.begin()));
    if (!EqualsIgnoringCase(name, "SearchDepth")) {
        Error("unknown option '" + name + "'");
        return;
    }
    int depth = 0;
    if (valueAt + 2 != words.end() || !ParseInt(*(valueAt + 1), depth) || depth < MinSearchDepth
        || depth > MaxSearchDepth) {
        Error("SearchDepth must be a whole number from " + std::to_string(MinSearchDepth) + " to "
            + std::to_string(MaxSearchDepth));
        return;
    }
    OptionSearchDepth = depth;
}

void UciSession::CommandPosition(const std::vector<std::string_view>& words)
{
    // position startpos|fen <FEN> [moves <m>...]; the whole command is refused on any error.
    const auto movesAt = std::find(words.begin(), words.end(), "moves");
    const std::size_t movesIndex = static_cast<std::size_t>(movesAt - words.begin());
    RootPosition position {};
    std::string error;
    if (words.size() >= 2 && words[1] == "startpos" && movesIndex == 2) {
        ParseFen(StartFen, position, error);
    } else if (words.size() >= 2 && words[1] == "fen") {
        if (!ParseFen(Join(words, 2, movesIndex), position, error)) {
            Error("bad FEN: " + error);
            return;
        }
    } else {
        Error("expected 'position startpos|fen <FEN> [moves <move>...]'");
        return;
    }

    StopWorker();
    if (movesAt != words.end()) {
        LoadRootPosition(*SearchEngine, position);
        for (auto word = movesAt + 1; word != words.end(); ++word) {
            if (!PlayUciMove(*SearchEngine, *word, error)) {
                Error(error + "; position not changed");
                return;
            }
        }
        SearchEngine->ExportPosition(
            position.Squares, position.WhiteToMove, position.CastlingBits, position.EnPassantSquare);
    }
    Root = position;
}

void UciSession::CommandGo(const std::vector<std::string_view>& words)
{
    int depth = OptionSearchDepth;
    for (std::size_t i = 1; i < words.size(); ++i) {
        bool takesValue = false;
        if (words[i] == "perft") {
            int perftDepth = 0;
            if (i + 1 >= words.size() || !ParseInt(words[i + 1], perftDepth) || perftDepth < 1
                || perftDepth > MaxPerftDepth) {
                Error("perft needs a depth from 1 to " + std::to_string(MaxPerftDepth));
                return;
            }
            StartWorker([this, perftDepth] { RunPerftJob(perftDepth); });
            return;
        }
        if (words[i] == "depth") {
            if (i + 1 >= words.size() || !ParseInt(words[i + 1], depth) || depth < 1) {
                Error("depth needs a whole number from " + std::to_string(MinSearchDepth) + " on");
                return;
            }
            ++i;
        } else if (IsIgnoredGoParameter(words[i], takesValue)) {
            i += takesValue ? 1 : 0;
        } else {
            Error("unknown go parameter '" + std::string(words[i]) + "'");
            return;
        }
    }
    if (depth > MaxSearchDepth) {
        Write("info string depth " + std::to_string(depth) + " is beyond the limit, searching to "
            + std::to_string(MaxSearchDepth));
        depth = MaxSearchDepth;
    }
    StartWorker([this, depth] { RunSearchJob(depth); });
}

void UciSession::CommandStop()
{
    // A stop without a running search is harmless; interfaces send it freely.
    StopRequested = true;
    WaitUntilIdle();
}

void UciSession::CommandBench()
{
    StartWorker([this] { RunBenchJob(); });
}

void UciSession::StartWorker(std::function<void()> job)
{
    // A new job replaces whatever still runs: that one ends first and says so (a search with its
    // bestmove), so answers never interleave.
    StopWorker();
    Worker = std::thread(std::move(job));
}

void UciSession::WaitUntilIdle()
{
    if (Worker.joinable())
        Worker.join();
}

void UciSession::StopWorker()
{
    StopRequested = true;
    WaitUntilIdle();
    StopRequested = false;
}

void UciSession::RunSearchJob(int depth)
{
    LoadRootPosition(*SearchEngine, Root);
    const EngineMove fallback = SearchEngine->FirstLegalRootMove();
    SearchDepth = depth;
    SearchStart = std::chrono::steady_clock::now();
    SearchEngine->RunSearch(SearchDepth, StopRequested);
    if (SearchEngine->LimitCutoffs() > 0)
        Write("info string " + std::to_string(SearchEngine->LimitCutoffs())
            + " nodes reached the end of the ply or move list and were scored statically");
    // A stopped search still owes the interface a move: that of the last completed iteration.
    const EngineMove best = SearchEngine->HasBestMove() ? SearchEngine->BestMove() : fallback;
    Write("bestmove " + MoveToUci(best));
}

void UciSession::ReportIteration(const IterationReport& report)
{
    const std::int64_t ms = MillisecondsSince(SearchStart);
    std::ostringstream line;
    line << "info depth " << report.Depth << " seldepth " << report.SelectiveDepth << " score "
         << ScoreText(report.Score) << " nodes " << report.Nodes << " nps " << NodesPerSecond(report.Nodes, ms)
         << " time " << ms << " pv";
    for (int i = 0; i < report.PvLength; ++i)
        line << ' ' << MoveToUci(report.Pv[i]);
    Write(line.str());
}

void UciSession::RunPerftJob(int depth)
{
    LoadRootPosition(*SearchEngine, Root);
    const auto entries = PerftDivide(*SearchEngine, depth, &StopRequested);
    if (!entries) {
        // A partial count would read like a wrong one; say only that it was cut short.
        if (StopRequested)
            Write("info string perft interrupted");
        else
            Error("perft ran out of move list space in this position");
        return;
    }
    std::uint64_t total = 0;
    for (const PerftDivideEntry& entry : *entries) {
        Write(MoveToUci(entry.Move) + ": " + std::to_string(entry.Nodes));
        total += entry.Nodes;
    }
    Write("");
    Write("Nodes searched: " + std::to_string(total));
}

void UciSession::RunBenchJob()
{
    // The bench reports per position, not per iteration.
    SearchEngine->SetIterationHook(nullptr);
    std::uint64_t totalNodes = 0;
    const auto start = std::chrono::steady_clock::now();
    std::int64_t ms = 0;
    std::size_t completed = 0;
    for (const BenchPosition& position : BenchPositions) {
        const BenchOutcome outcome = RunBenchPosition(*SearchEngine, position, &StopRequested);
        if (!outcome.Completed)
            break;
        ++completed;
        totalNodes += outcome.Nodes;
        ms = MillisecondsSince(start);
        Write("Position " + std::to_string(completed) + "/" + std::to_string(BenchPositions.size()) + " ("
            + position.Name + "): bestmove " + MoveToUci(outcome.Move) + " score " + ScoreText(outcome.Score)
            + " nodes " + std::to_string(outcome.Nodes));
    }
    SearchEngine->SetIterationHook([this](const IterationReport& report) { ReportIteration(report); });
    // An interrupted run is no measurement of the suite: its totals, if any, say so.
    if (completed == 0)
        return;
    const std::string label = completed == BenchPositions.size() ? "Total: "
                                                                 : "Interrupted after " + std::to_string(completed)
            + " of " + std::to_string(BenchPositions.size()) + " positions: ";
    Write(label + std::to_string(totalNodes) + " nodes, " + std::to_string(ms) + " ms, "
        + std::to_string(NodesPerSecond(totalNodes, ms)) + " nps");
}
