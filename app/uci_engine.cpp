// The UCI client: the engine's process, the lines it writes, the waits for its answers.

#include "app/uci_engine.h"

#include "board/entry_point.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// Output without a line end beyond this is no protocol: it is dropped rather than kept growing.
constexpr int LongestLine = 1 << 16;
// What the destructor waits at the most for an engine to end, so that closing the program stays quick.
constexpr int DestructorQuitWait = 500;

qint64 Now() { return QDeadlineTimer::current().deadline(); }

const QStringList OptionKeywords { "name", "type", "default", "min", "max", "var" };

std::optional<TUciOption::TType> OptionType(const QString& word)
{
    using T = TUciOption::TType;
    const std::pair<const char*, T> types[] = { { "check", T::Check }, { "spin", T::Spin }, { "combo", T::Combo },
        { "button", T::Button }, { "string", T::String } };
    for (const auto& [text, type] : types)
        if (word == QLatin1String(text))
            return type;
    return std::nullopt;
}

} // namespace

std::optional<TUciOption> ParseUciOption(const QString& line)
{
    const QStringList words = line.split(' ', Qt::SkipEmptyParts);
    if (words.size() < 5 || words[0] != "option" || words[1] != "name")
        return std::nullopt;
    // Each keyword takes the words up to the next keyword as its value; names may hold spaces.
    TUciOption option;
    QString keyword;
    QStringList value;
    std::optional<TUciOption::TType> type;
    bool minSeen = false;
    bool maxSeen = false;
    bool valid = true;
    const auto take = [&] {
        const QString text = value.join(' ');
        if (keyword == "name")
            option.Name = text;
        else if (keyword == "type")
            type = OptionType(text);
        else if (keyword == "default")
            option.Default = text == "<empty>" ? QString() : text;
        else if (keyword == "min" || keyword == "max") {
            bool ok = false;
            const int number = text.toInt(&ok);
            valid = valid && ok;
            (keyword == "min" ? option.Min : option.Max) = number;
            (keyword == "min" ? minSeen : maxSeen) = true;
        } else if (keyword == "var")
            option.Vars.append(text);
        value.clear();
    };
    for (qsizetype i = 1; i < words.size(); ++i) {
        // "type" ends a name only once; a later keyword inside a string default stays text.
        if (OptionKeywords.contains(words[i]) && !(keyword == "default" && option.Type == TUciOption::TType::String)) {
            if (!keyword.isEmpty())
                take();
            keyword = words[i];
            if (keyword == "type" && i + 1 < words.size())
                option.Type = OptionType(words[i + 1]).value_or(TUciOption::TType::String);
        } else
            value.append(words[i]);
    }
    take();
    if (!valid || !type || option.Name.isEmpty())
        return std::nullopt;
    option.Type = *type;
    if (option.Type == TUciOption::TType::Spin && !(minSeen && maxSeen && option.Min <= option.Max))
        return std::nullopt;
    return option;
}

QString TUciGo::Arguments() const
{
    // A clock below zero (a flag that fell meanwhile) is no time at all to the engine.
    const auto ms = [](qint64 value) { return QString::number(std::max<qint64>(0, value)); };
    if (Infinite)
        return QStringLiteral("infinite");
    if (Depth)
        return "depth " + QString::number(std::max(1, *Depth));
    if (!HasClock)
        return "movetime " + ms(MoveTimeMs);
    return QStringLiteral("wtime %1 btime %2 winc %3 binc %4")
        .arg(ms(WhiteMs), ms(BlackMs), ms(WhiteIncrementMs), ms(BlackIncrementMs));
}

std::optional<qint64> TUciGo::ThinkingTimeMs(bool whiteToMove) const
{
    if (Infinite || Depth)
        return std::nullopt;
    if (!HasClock)
        return MoveTimeMs;
    return whiteToMove ? WhiteMs : BlackMs;
}

TUciEngine::TUciEngine(QObject* parent)
    : QObject(parent)
    , Process(new QProcess(this))
    , Timer(new QTimer(this))
{
    Timer->setSingleShot(true);
    // The engine's messages for people are not the protocol; a full stderr pipe must not stall it.
    Process->setStandardErrorFile(QProcess::nullDevice());
    connect(Process, &QProcess::started, this, [this] {
        CatchAtEntryPoint([this] {
            FState = TState::Handshake;
            Send("uci");
            WaitFor(HandshakeTimeout);
        });
    });
    connect(Process, &QProcess::readyReadStandardOutput, this, [this] { CatchAtEntryPoint([this] { ReadOutput(); }); });
    connect(Process, &QProcess::finished, this, [this] { CatchAtEntryPoint([this] { ProcessEnded(); }); });
    connect(Process, &QProcess::errorOccurred, this, [this] { CatchAtEntryPoint([this] { ProcessError(); }); });
    connect(Timer, &QTimer::timeout, this, [this] { CatchAtEntryPoint([this] { TimedOut(); }); });
}

TUciEngine::~TUciEngine()
{
    Process->disconnect(this);
    Timer->stop();
    if (Process->state() == QProcess::NotRunning)
        return;
    if (Process->state() == QProcess::Running) {
        Process->write("quit\n");
        Process->closeWriteChannel();
        if (Process->waitForFinished(std::min(QuitTimeout, DestructorQuitWait)))
            return;
    }
    Process->kill();
    Process->waitForFinished(1000);
}

void TUciEngine::Start(const QString& program, const QStringList& arguments)
{
    if (FState != TState::NotStarted)
        return;
    FProgram = program;
    FState = TState::Starting;
    Process->start(program, arguments);
}

QString TUciEngine::Name() const { return FName.isEmpty() ? QFileInfo(FProgram).fileName() : FName; }

const TUciOption* TUciEngine::Option(const QString& name) const
{
    const auto found = std::find_if(FOptions.begin(), FOptions.end(),
        [&](const TUciOption& option) { return option.Name.compare(name, Qt::CaseInsensitive) == 0; });
    return found == FOptions.end() ? nullptr : &*found;
}

qint64 TUciEngine::ProcessId() const { return Process->processId(); }

void TUciEngine::SetOption(const QString& name, const QString& value)
{
    Send(value.isEmpty() ? QStringLiteral("setoption name %1").arg(name)
                         : QStringLiteral("setoption name %1 value %2").arg(name, value));
}

void TUciEngine::NewGame()
{
    Send("ucinewgame");
    SyncReady();
}

void TUciEngine::SyncReady()
{
    if (FState != TState::Ready && FState != TState::Readying)
        return;
    FState = TState::Readying;
    AwaitingReady = true;
    Send("isready");
    WaitFor(ReadyTimeout);
}

int TUciEngine::Go(const QString& fen, const QStringList& moves, const TUciGo& limits, bool whiteToMove)
{
    const int number = NextSearch++;
    if (FState != TState::Ready && FState != TState::Readying)
        return number;
    Send(moves.isEmpty() ? QStringLiteral("position fen %1").arg(fen)
                         : QStringLiteral("position fen %1 moves %2").arg(fen, moves.join(' ')));
    Send("go " + limits.Arguments());
    // A search without a time limit has no deadline until it is stopped.
    const std::optional<qint64> thinking = limits.ThinkingTimeMs(whiteToMove);
    Searches.push_back({ number,
        thinking ? Now() + std::max<qint64>(0, *thinking) + BestMoveGrace : std::numeric_limits<qint64>::max(),
        false });
    ArmSearchTimer();
    return number;
}

void TUciEngine::Stop()
{
    bool running = false;
    for (TSearch& search : Searches)
        if (!search.Dropped) {
            search.Dropped = true;
            // A stopped engine answers at once; it has the grace for it.
            search.Deadline = std::min(search.Deadline, Now() + BestMoveGrace);
            running = true;
        }
    if (running) {
        Send("stop");
        ArmSearchTimer();
    }
}

void TUciEngine::Quit()
{
    if (FState == TState::Ended || FState == TState::Quitting)
        return;
    if (Process->state() == QProcess::NotRunning) {
        FState = TState::Ended;
        Q_EMIT Finished();
        return;
    }
    EndProcess(QuitTimeout);
}

void TUciEngine::EndProcess(int quitTimeout)
{
    FState = TState::Quitting;
    Searches.clear();
    AwaitingReady = false;
    if (Process->state() == QProcess::Running) {
        Process->write("quit\n");
        Process->closeWriteChannel();
        WaitFor(quitTimeout);
    } else
        Process->kill();
}

void TUciEngine::Send(const QString& line)
{
    const bool handshakeDone = FState == TState::Readying || FState == TState::Ready;
    if (Process->state() != QProcess::Running || (!handshakeDone && line != "uci"))
        return;
    Process->write((line + '\n').toUtf8());
}

void TUciEngine::ReadOutput()
{
    Pending += Process->readAllStandardOutput();
    // Lines end in LF or CRLF; a lone CR ends one too.
    qsizetype start = 0;
    for (qsizetype i = 0; i < Pending.size(); ++i)
        if (Pending[i] == '\n' || Pending[i] == '\r') {
            const QString line = QString::fromUtf8(Pending.mid(start, i - start)).trimmed();
            start = i + 1;
            if (!line.isEmpty())
                Lines.push_back(line);
        }
    Pending.remove(0, start);
    if (Pending.size() > LongestLine)
        Pending.clear();
    // A handler of ours may open a dialog whose event loop reads more output: the lines then wait
    // in order for the loop below, which is already running.
    if (HandlingLines)
        return;
    HandlingLines = true;
    const auto done = qScopeGuard([this] { HandlingLines = false; });
    while (!Lines.empty() && FState != TState::Ended && FState != TState::Quitting) {
        const QString line = Lines.front();
        Lines.pop_front();
        HandleLine(line);
    }
}

void TUciEngine::HandleLine(const QString& line)
{
    const QStringList words = line.split(' ', Qt::SkipEmptyParts);
    const QString& command = words[0];
    if (FState == TState::Handshake) {
        if (command == "id" && words.size() > 2 && (words[1] == "name" || words[1] == "author")) {
            const QString text = line.section(' ', 2, -1, QString::SectionSkipEmpty);
            (words[1] == "name" ? FName : FAuthor) = text;
        } else if (command == "option") {
            if (const std::optional<TUciOption> option = ParseUciOption(line))
                FOptions.push_back(*option);
        } else if (command == "uciok") {
            FState = TState::Readying;
            SyncReady();
        }
        return;
    }
    if (command == "readyok" && AwaitingReady) {
        AwaitingReady = false;
        FState = TState::Ready;
        ArmSearchTimer();
        Q_EMIT Ready();
    } else if (command == "info" && !Searches.empty() && !Searches.front().Dropped) {
        if (const std::optional<TUciInfo> info = ParseUciInfo(line))
            Q_EMIT Info(Searches.front().Number, *info);
    } else if (command == "bestmove" && words.size() >= 2 && !Searches.empty()) {
        const TSearch answered = Searches.front();
        Searches.pop_front();
        ArmSearchTimer();
        if (answered.Dropped)
            ++FDroppedAnswers;
        else
            Q_EMIT BestMove(answered.Number, words[1]);
    }
}

void TUciEngine::ProcessEnded()
{
    Timer->stop();
    const TState was = std::exchange(FState, TState::Ended);
    Searches.clear();
    if (was == TState::Quitting || was == TState::Ended) {
        if (was == TState::Quitting)
            Q_EMIT Finished();
        return;
    }
    const QString how = Process->exitStatus() == QProcess::CrashExit
        ? tr("%1 crashed").arg(Name())
        : tr("%1 ended (exit code %2)").arg(Name()).arg(Process->exitCode());
    if (was == TState::Handshake || was == TState::Starting)
        Q_EMIT Failed(TFailure::NoUciOk, tr("%1 before it finished the UCI handshake").arg(how));
    else
        Q_EMIT Failed(TFailure::Ended, how);
    Q_EMIT Finished();
}

void TUciEngine::ProcessError()
{
    if (Process->error() != QProcess::FailedToStart || (FState != TState::Starting && FState != TState::Quitting))
        return;
    // Told to quit while it was starting, it has simply ended.
    if (std::exchange(FState, TState::Ended) == TState::Starting)
        Q_EMIT Failed(TFailure::DidNotStart, tr("%1 could not be started: %2").arg(FProgram, Process->errorString()));
    Q_EMIT Finished();
}

void TUciEngine::Fail(TFailure failure, const QString& message)
{
    EndProcess(0);
    Q_EMIT Failed(failure, message);
}

void TUciEngine::WaitFor(int milliseconds) { Timer->start(std::max(0, milliseconds)); }

void TUciEngine::ArmSearchTimer()
{
    if (AwaitingReady || FState != TState::Ready)
        return; // the readyok wait runs; the searches' turn comes after it
    if (Searches.empty()) {
        Timer->stop();
        return;
    }
    qint64 earliest = std::numeric_limits<qint64>::max();
    for (const TSearch& search : Searches)
        earliest = std::min(earliest, search.Deadline);
    if (earliest == std::numeric_limits<qint64>::max()) {
        Timer->stop(); // only searches without a deadline run
        return;
    }
    Timer->start(static_cast<int>(std::clamp<qint64>(earliest - Now(), 0, std::numeric_limits<int>::max())));
}

void TUciEngine::TimedOut()
{
    switch (FState) {
    case TState::Handshake:
        Fail(TFailure::NoUciOk,
            tr("%1 gave no answer to the UCI handshake within %2 ms: is it a UCI engine?")
                .arg(Name())
                .arg(HandshakeTimeout));
        break;
    case TState::Readying:
        Fail(TFailure::NoReadyOk, tr("%1 did not report ready within %2 ms").arg(Name()).arg(ReadyTimeout));
        break;
    case TState::Ready: Fail(TFailure::NoBestMove, tr("%1 gave no move in time").arg(Name())); break;
    case TState::Quitting: Process->kill(); break;
    default: break;
    }
}
