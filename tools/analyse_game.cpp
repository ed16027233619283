// Analyses the first game of a PGN file as Analyse Game does, with one engine and a time or depth
// per position, and prints the time it took, the marks and the game with its notes as PGN:
//     analyse-game --pgn game.pgn [--engine build/zugwerk-engine] [--ms 500 | --depth N]

#include "app/game_analysis.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({ "pgn", "The game to analyse (its first game).", "file" });
    parser.addOption({ "engine", "The UCI engine (default: zugwerk-engine beside this program).", "program" });
    parser.addOption({ "ms", "Milliseconds per position (default 500).", "ms", "500" });
    parser.addOption({ "depth", "A depth per position instead of a time.", "plies" });
    parser.process(app);
    QFile file(parser.value("pgn"));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(parser.value("pgn")));
        return 2;
    }
    std::vector<notation::Game> games;
    try {
        games = notation::ReadPgn(file.readAll().toStdString());
    } catch (const notation::NotationError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
    if (games.empty()) {
        std::fprintf(stderr, "no game in the file\n");
        return 2;
    }
    TEngineSetup engine;
    engine.Program = parser.isSet("engine") ? parser.value("engine") : app.applicationDirPath() + "/zugwerk-engine";
    TUciGo limits = DefaultAnalysisLimits();
    limits.MoveTimeMs = parser.value("ms").toLongLong();
    if (parser.isSet("depth"))
        limits.Depth = parser.value("depth").toInt();

    TGameAnalysis analysis;
    QElapsedTimer timer;
    int result = 0;
    QObject::connect(&analysis, &TGameAnalysis::Finished, &app, [&] { app.quit(); });
    QObject::connect(&analysis, &TGameAnalysis::Failed, &app, [&](const QString& message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        result = 1;
        app.quit();
    });
    timer.start();
    analysis.Start(games.front(), engine, limits);
    app.exec();
    if (result != 0)
        return result;
    notation::Game annotated = games.front();
    annotated.Notes = analysis.Notes();
    const auto count = [&](const char* mark) {
        return std::count_if(annotated.Notes.begin(), annotated.Notes.end(),
            [mark](const notation::MoveNote& note) { return note.Mark == mark; });
    };
    std::printf("%zu positions in %.1f s (%.0f ms each); %ld mistakes, %ld blunders\n\n%s", annotated.Moves.size() + 1,
        timer.elapsed() / 1000.0,
        static_cast<double>(timer.elapsed()) / static_cast<double>(annotated.Moves.size() + 1), count("?"), count("??"),
        notation::WritePgn(annotated).c_str());
    return 0;
}
