// The engine list: engines found on the system and added by path, each confirmed by a handshake.

#include "app/engine_list.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>

#include <algorithm>

namespace {

const QString OwnEngineName = QStringLiteral("zugwerk-engine");

// The executable file a name stands for in a folder, empty when there is none.
QString ProgramIn(const QString& folder, const QString& name)
{
    const QFileInfo file(QDir(folder).filePath(name));
    return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
}

// Why a path cannot be an engine before anything runs; empty when it may be one.
QString WhyNoProgram(const QString& program)
{
    const QFileInfo file(program);
    if (program.isEmpty())
        return QCoreApplication::translate("TEngineList", "No program was named");
    if (!file.exists())
        return QCoreApplication::translate("TEngineList", "%1 does not exist").arg(program);
    if (!file.isFile())
        return QCoreApplication::translate("TEngineList", "%1 is not a program file").arg(program);
    if (!file.isExecutable())
        return QCoreApplication::translate("TEngineList", "%1 is not executable").arg(program);
    return {};
}

} // namespace

TEngineSearch TEngineSearch::FromEnvironment()
{
    TEngineSearch where;
    where.Folders = qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    where.Folders.append(QStringLiteral("/usr/games"));
    where.ProgramFolder = QCoreApplication::applicationDirPath();
    return where;
}

TEngineList::TEngineList(QObject* parent)
    : QObject(parent)
{
}

TEngineList::~TEngineList() = default;

const QStringList& TEngineList::KnownEngineNames()
{
    // The UCI engines of Debian's games section, by their program names.
    static const QStringList names { "stockfish", "fruit", "toga2", "glaurung", "ethereal-chess", "gnuchessu" };
    return names;
}

QString TEngineSearch::OwnEngine() const { return ProgramIn(ProgramFolder, OwnEngineName); }

void TEngineList::Discover(const TEngineSearch& where)
{
    QStringList candidates;
    for (const QString& name : KnownEngineNames())
        for (const QString& folder : where.Folders)
            if (const QString program = ProgramIn(folder, name); !program.isEmpty()) {
                candidates.append(program);
                break;
            }
    if (const QString own = where.OwnEngine(); !own.isEmpty())
        candidates.append(own);
    // Links (/usr/games/stockfish and /usr/bin/stockfish) are one engine.
    QStringList seen;
    for (const QString& program : candidates) {
        const QString canonical = QFileInfo(program).canonicalFilePath();
        if (seen.contains(canonical) || Listed(program, {}))
            continue;
        seen.append(canonical);
        ++DiscoveryPending;
        Try(program, {}, true);
    }
    if (DiscoveryPending == 0)
        QTimer::singleShot(0, this, [this] {
            if (DiscoveryPending == 0)
                Q_EMIT DiscoveryFinished();
        });
}

void TEngineList::Add(const QString& program, const QStringList& arguments)
{
    if (Listed(program, arguments)) {
        // Asynchronous like every other answer, so that callers connect before they call.
        QTimer::singleShot(
            0, this, [this, program] { Q_EMIT Refused(program, tr("%1 is listed already").arg(program)); });
        return;
    }
    if (const QString why = WhyNoProgram(program); !why.isEmpty()) {
        QTimer::singleShot(0, this, [this, program, why] { Q_EMIT Refused(program, why); });
        return;
    }
    Try(program, arguments, false);
}

void TEngineList::Remove(int index)
{
    if (index < 0 || index >= static_cast<int>(FEngines.size()))
        return;
    FEngines.erase(FEngines.begin() + index);
    Q_EMIT Changed();
}

bool TEngineList::Listed(const QString& program, const QStringList& arguments) const
{
    const QString canonical = QFileInfo(program).canonicalFilePath();
    return std::any_of(FEngines.begin(), FEngines.end(), [&](const TEngineEntry& entry) {
        return QFileInfo(entry.Program).canonicalFilePath() == canonical && entry.Arguments == arguments;
    });
}

void TEngineList::Try(const QString& program, const QStringList& arguments, bool found)
{
    ++Pending;
    auto* engine = new TUciEngine(this);
    engine->HandshakeTimeout = HandshakeTimeout;
    engine->ReadyTimeout = HandshakeTimeout;
    // The answer of the handshake, once: the engine is listed or refused, then ended.
    const auto settle = [this, engine, found] {
        engine->disconnect(this);
        connect(engine, &TUciEngine::Finished, engine, &QObject::deleteLater);
        engine->Quit();
        --Pending;
        if (found && --DiscoveryPending == 0)
            Q_EMIT DiscoveryFinished();
    };
    connect(engine, &TUciEngine::Ready, this, [this, engine, program, arguments, found, settle] {
        TEngineEntry entry { program, arguments, engine->Name(), engine->Author(), engine->Options(), found };
        const bool fresh = !Listed(program, arguments);
        if (fresh)
            FEngines.push_back(entry);
        settle();
        if (fresh) {
            Q_EMIT Added(entry);
            Q_EMIT Changed();
        }
    });
    connect(
        engine, &TUciEngine::Failed, this, [this, program, found, settle](TUciEngine::TFailure, const QString& why) {
            settle();
            if (!found)
                Q_EMIT Refused(program, tr("%1 is not usable as a UCI engine: %2").arg(program, why));
        });
    engine->Start(program, arguments);
}

void TEngineList::Save(QSettings& settings) const
{
    settings.beginWriteArray(QStringLiteral("engines"));
    int index = 0;
    for (const TEngineEntry& entry : FEngines) {
        if (entry.Found)
            continue; // found again on the next run
        settings.setArrayIndex(index++);
        settings.setValue(QStringLiteral("program"), entry.Program);
        settings.setValue(QStringLiteral("arguments"), entry.Arguments);
    }
    settings.endArray();
}

void TEngineList::Load(QSettings& settings)
{
    const int count = settings.beginReadArray(QStringLiteral("engines"));
    std::vector<std::pair<QString, QStringList>> saved;
    for (int index = 0; index < count; ++index) {
        settings.setArrayIndex(index);
        saved.emplace_back(settings.value(QStringLiteral("program")).toString(),
            settings.value(QStringLiteral("arguments")).toStringList());
    }
    settings.endArray();
    for (const auto& [program, arguments] : saved)
        Add(program, arguments);
}
