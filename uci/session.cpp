// The UCI commands of zugwerk-engine: uci, debug, isready, ucinewgame, setoption, position, go (with
// depth, nodes, mate, movetime, the clocks, infinite, ponder, searchmoves; or perft), stop,
// ponderhit, quit, and bench. Each refused command answers one "info string error: ..." line and
// leaves the session as it was; a refused `go` is answered by "bestmove 0000" as well. A search
// reports every completed depth (score, nodes, nps, time, pv, multipv with several lines) and, once
// it has run for a second, each root move as its search begins ("currmove", "currmovenumber").

#include "uci/session.h"

#include "engine/bench.h"
#include "engine/coordinate_text.h"
#include "engine/perft.h"
#include "engine/words_and_numbers.h"
#include "notation/game_notation.h"
#include "uci/go_command.h"
#include "uci/move_text.h"
#include "uci/time_allotment.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <limits>
#include <sstream>

using namespace engine;

namespace uci {

namespace {

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

    // The engine's options: whole numbers, each with its range and default.
    struct SpinOption {
        std::string_view Name;
        int Min;
        int Max;
        int Default;
    };

    // The deepest iteration. The default is the engine's limit, so that under a clock the time decides.
    constexpr SpinOption SearchDepthOption { "SearchDepth", MinSearchDepth, MaxSearchDepth, MaxSearchDepth };
    // Milliseconds kept back from the clock for the delay between the GUI's clock and the engine.
    constexpr SpinOption MoveOverheadOption { "MoveOverhead", 0, 5000, 30 };
    // How many of the best root moves each depth reports, each with its score and line.
    constexpr SpinOption MultiPvOption { "MultiPV", 1, MaxLineCount, 1 };

    // Root moves are reported only after this long: a short search would drown in them, and a long
    // one shows that it is getting on.
    constexpr std::int64_t RootMoveReportDelayMs = 1000;

} // namespace

Session::Session(std::ostream& out)
    : Out(out)
    , SearchEngine(std::make_unique<Engine>())
    , OptionSearchDepth(SearchDepthOption.Default)
    , OptionMoveOverhead(MoveOverheadOption.Default)
    , OptionMultiPv(MultiPvOption.Default)
{
    StartNewGame();
    ReportSearches(true);
}

Session::~Session() { StopWorker(); }

void Session::Write(std::string_view line)
{
    const std::lock_guard lock(OutputMutex);
    Out << line << '\n' << std::flush;
}

void Session::Error(const std::string& message) { Write("info string error: " + message); }

void Session::StartNewGame()
{
    std::string error;
    ReadFenFields(StartFen, Root, error);
    History.Start(Root);
}

bool Session::HandleCommand(std::string_view line)
{
    const std::vector<std::string_view> words = SplitWords(line, WhiteSpace);
    if (words.empty())
        return true;
    const std::string_view command = words[0];
    if (command == "uci")
        CommandUci();
    else if (command == "debug")
        CommandDebug(words);
    else if (command == "isready")
        Write("readyok");
    else if (command == "ucinewgame") {
        StopWorker();
        StartNewGame();
    } else if (command == "setoption")
        CommandSetOption(words);
    else if (command == "position")
        CommandPosition(words);
    else if (command == "go")
        CommandGo(words);
    else if (command == "stop")
        StopWorker();
    else if (command == "ponderhit")
        Control.PonderHit();
    else if (command == "bench")
        CommandBench();
    else if (command == "quit") {
        StopWorker();
        return false;
    } else
        Error("unknown command '" + std::string(command) + "'");
    return true;
}

void Session::CommandUci()
{
    Write("id name Zugwerk! 2.0");
    Write("id author the Zugwerk! developers");
    for (const SpinOption& option : { SearchDepthOption, MoveOverheadOption, MultiPvOption })
        Write("option name " + std::string(option.Name) + " type spin default " + std::to_string(option.Default)
            + " min " + std::to_string(option.Min) + " max " + std::to_string(option.Max));
    Write("uciok");
}

void Session::CommandDebug(const std::vector<std::string_view>& words)
{
    // With debug on, each timed search says how much time it takes.
    if (words.size() == 2 && (words[1] == "on" || words[1] == "off"))
        DebugMode = words[1] == "on";
    else
        Error("expected 'debug on' or 'debug off'");
}

void Session::CommandSetOption(const std::vector<std::string_view>& words)
{
    // setoption name <name> value <value>; names may hold spaces.
    const auto valueAt = std::find(words.begin(), words.end(), "value");
    if (words.size() < 3 || words[1] != "name" || valueAt == words.end() || valueAt + 1 == words.end()) {
        Error("expected 'setoption name <name> value <value>'");
        return;
    }
    const std::string name = Join(words, 2, static_cast<std::size_t>(valueAt - words.begin()));
    const std::pair<const SpinOption&, int&> options[] = { { SearchDepthOption, OptionSearchDepth },
        { MoveOverheadOption, OptionMoveOverhead }, { MultiPvOption, OptionMultiPv } };
    const auto found = std::find_if(std::begin(options), std::end(options),
        [&](const auto& option) { return EqualsIgnoringCase(name, option.first.Name); });
    if (found == std::end(options)) {
        Error("unknown option '" + name + "'");
        return;
    }
    const SpinOption& option = found->first;
    const std::optional<int> value
        = valueAt + 2 == words.end() ? NumberWithin(*(valueAt + 1), option.Min, option.Max) : std::nullopt;
    if (!value) {
        Error(std::string(option.Name) + " must be a whole number from " + std::to_string(option.Min) + " to "
            + std::to_string(option.Max));
        return;
    }
    found->second = *value;
}

void Session::CommandPosition(const std::vector<std::string_view>& words)
{
    // position startpos|fen <FEN> [moves <m>...]; the whole command is refused on any error.
    const auto movesAt = std::find(words.begin(), words.end(), "moves");
    const std::size_t movesIndex = static_cast<std::size_t>(movesAt - words.begin());
    RootPosition position {};
    std::string error;
    if (words.size() >= 2 && words[1] == "startpos" && movesIndex == 2) {
        ReadFenFields(StartFen, position, error);
    } else if (words.size() >= 2 && words[1] == "fen") {
        // Only a position that can stand on a board, as the notation library judges it: the search
        // assumes one king a side and the side not to move out of check.
        try {
            position = notation::ReadFen(Join(words, 2, movesIndex));
        } catch (const notation::NotationError& refusal) {
            Error(refusal.Reason());
            return;
        }
    } else {
        Error("expected 'position startpos|fen <FEN> [moves <move>...]'");
        return;
    }

    // The moves are replayed on the engine, which must be idle; every position passed is kept for
    // the repetition rule.
    StopWorker();
    GameHistory history;
    history.Start(position);
    LoadRootPosition(*SearchEngine, position);
    if (movesAt != words.end()) {
        for (auto word = movesAt + 1; word != words.end(); ++word) {
            if (!PlayMove(*SearchEngine, *word, error)) {
                Error(error + "; position not changed");
                return;
            }
            history.Add(ExportRootPosition(*SearchEngine));
        }
        position = ExportRootPosition(*SearchEngine);
    }
    Root = position;
    History = std::move(history);
}

void Session::CommandGo(const std::vector<std::string_view>& words)
{
    // A new command ends whatever runs, and the engine is free for the checks below.
    StopWorker();
    if (words.size() >= 2 && words[1] == "perft") {
        CommandPerft(words);
        return;
    }
    // Every search request owes the GUI one bestmove, also a refused one.
    const auto refuse = [this](const std::string& why) {
        Error(why);
        Write("bestmove 0000");
    };
    GoRequest request;
    std::string error;
    if (!ParseGo(words, request, error))
        return refuse(error);

    LoadRootPosition(*SearchEngine, Root);
    SearchPlan plan { {}, History.ThirdRepetitionMoves(*SearchEngine),
        request.Nodes.value_or(std::numeric_limits<std::uint64_t>::max()), OptionMultiPv };
    for (const std::string& text : request.SearchMoves) {
        const EngineMove m = FindLegalMove(*SearchEngine, text, error);
        if (m == NoMove)
            return refuse("searchmoves: " + error);
        plan.RootMoves.push_back(m);
    }

    // A mate in n moves lies n + n - 1 plies deep.
    int depth = request.Depth ? *request.Depth : request.Mate ? 2 * *request.Mate - 1 : OptionSearchDepth;
    if (depth > MaxSearchDepth) {
        Write("info string depth " + std::to_string(depth) + " is beyond the limit, searching to "
            + std::to_string(MaxSearchDepth));
        depth = MaxSearchDepth;
    }
    const auto budget
        = AllotTime(request, Root.WhiteToMove ? White : Black, std::chrono::milliseconds(OptionMoveOverhead));
    if (DebugMode && budget)
        Write("info string time for this move: no new depth after " + std::to_string(budget->SoftLimit.count())
            + " ms, stop at " + std::to_string(budget->HardLimit.count()) + " ms");
    SearchStart = std::chrono::steady_clock::now();
    Control.Begin(depth, budget, request.Infinite, request.Ponder);
    StartWorker([this, plan = std::move(plan)] { RunSearchJob(plan); });
}

void Session::CommandPerft(const std::vector<std::string_view>& words)
{
    const std::optional<int> depth = words.size() == 3 ? NumberWithin(words[2], 1, MaxPerftDepth) : std::nullopt;
    if (!depth) {
        Error("perft needs a depth from 1 to " + std::to_string(MaxPerftDepth));
        return;
    }
    StartWorker([this, depth = *depth] { RunPerftJob(depth); });
}

void Session::CommandBench()
{
    StopWorker();
    StartWorker([this] { RunBenchJob(); });
}

void Session::StartWorker(std::function<void()> job)
{
    // The caller has ended the job before (StopWorker), so answers never interleave.
    assert(!Worker.joinable());
    Worker = std::thread(std::move(job));
}

void Session::WaitUntilIdle()
{
    if (Worker.joinable())
        Worker.join();
}

void Session::StopWorker()
{
    // A stop without a running job is harmless; interfaces send it freely.
    Control.Stop();
    WaitUntilIdle();
    Control.Reset();
}

void Session::RunSearchJob(const SearchPlan& plan)
{
    SearchEngine->RunSearch(Control.DepthLimit, Control.StopRequested,
        { plan.RootMoves, plan.DrawnRootMoves, plan.NodeLimit, plan.LineCount });
    // `go infinite` and `go ponder` answer only when told to.
    Control.Finish();
    if (SearchEngine->LimitCutoffs() > 0)
        Write("info string " + std::to_string(SearchEngine->LimitCutoffs())
            + " nodes reached the end of the ply or move list and were scored statically");
    // A stopped search still owes the interface a move: that of the last completed iteration.
    Write("bestmove " + CoordinateText(SearchEngine->BestMoveSoFar()));
}

void Session::ReportSearches(bool on)
{
    if (!on) {
        SearchEngine->SetIterationHook(nullptr);
        SearchEngine->SetRootMoveHook(nullptr);
        return;
    }
    SearchEngine->SetIterationHook([this](const IterationReport& report) { ReportIteration(report); });
    SearchEngine->SetRootMoveHook([this](const RootMoveReport& report) { ReportRootMove(report); });
}

void Session::ReportRootMove(const RootMoveReport& report)
{
    if (MillisecondsSince(SearchStart) < RootMoveReportDelayMs)
        return;
    // Written into a fixed buffer: this runs inside the search, which allocates nothing. The move's
    // text fits the string's own small buffer.
    char line[80];
    const int length = std::snprintf(line, sizeof line, "info depth %d currmove %s currmovenumber %d", report.Depth,
        CoordinateText(report.Move).c_str(), report.Number);
    Write(std::string_view(line, static_cast<std::size_t>(std::clamp(length, 0, int(sizeof line) - 1))));
}

void Session::ReportIteration(const IterationReport& report)
{
    const std::int64_t ms = MillisecondsSince(SearchStart);
    std::ostringstream line;
    line << "info depth " << report.Depth << " seldepth " << report.SelectiveDepth;
    if (report.LineCount > 1)
        line << " multipv " << report.Line;
    line << " score " << ScoreText(report.Score) << " nodes " << report.Nodes << " nps "
         << NodesPerSecond(report.Nodes, ms) << " time " << ms << " pv";
    for (int i = 0; i < report.PvLength; ++i)
        line << ' ' << CoordinateText(report.Pv[i]);
    Write(line.str());
    // The time decides on a new depth only once all lines of this one are in.
    if (report.Line == report.LineCount)
        Control.IterationCompleted(report.Depth);
}

void Session::RunPerftJob(int depth)
{
    LoadRootPosition(*SearchEngine, Root);
    const auto entries = PerftDivide(*SearchEngine, depth, &Control.StopRequested);
    if (!entries) {
        // A partial count would read like a wrong one; say only that it was cut short.
        if (Control.StopRequested)
            Write("info string perft interrupted");
        else
            Error("perft ran out of move list space in this position");
        return;
    }
    std::uint64_t total = 0;
    for (const PerftDivideEntry& entry : *entries) {
        Write(CoordinateText(entry.Move) + ": " + std::to_string(entry.Nodes));
        total += entry.Nodes;
    }
    Write("");
    Write("Nodes searched: " + std::to_string(total));
}

void Session::RunBenchJob()
{
    // The bench reports per position, not per iteration.
    ReportSearches(false);
    std::uint64_t totalNodes = 0;
    const auto start = std::chrono::steady_clock::now();
    std::int64_t ms = 0;
    std::size_t completed = 0;
    for (const BenchPosition& position : BenchPositions) {
        const BenchOutcome outcome = RunBenchPosition(*SearchEngine, position, &Control.StopRequested);
        if (!outcome.Completed)
            break;
        ++completed;
        totalNodes += outcome.Nodes;
        ms = MillisecondsSince(start);
        Write("Position " + std::to_string(completed) + "/" + std::to_string(BenchPositions.size()) + " ("
            + position.Name + "): bestmove " + CoordinateText(outcome.Move) + " score " + ScoreText(outcome.Score)
            + " nodes " + std::to_string(outcome.Nodes));
    }
    ReportSearches(true);
    // An interrupted run is no measurement of the suite: its totals, if any, say so.
    if (completed == 0)
        return;
    const std::string label = completed == BenchPositions.size() ? "Total: "
                                                                 : "Interrupted after " + std::to_string(completed)
            + " of " + std::to_string(BenchPositions.size()) + " positions: ";
    Write(label + std::to_string(totalNodes) + " nodes, " + std::to_string(ms) + " ms, "
        + std::to_string(NodesPerSecond(totalNodes, ms)) + " nps");
}

} // namespace uci
