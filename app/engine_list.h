#pragma once

// TEngineList: the external engines a player can choose, each confirmed by a UCI handshake before it
// is listed, with the name and options it reported. Engines come two ways:
//   found    the program names of the UCI engines Debian packages (stockfish, fruit, toga2, ...) and
//            this program's own zugwerk-engine beside it, looked up in the PATH folders and in
//            /usr/games; no other program is ever run;
//   added    a program path the player names, with arguments; refused with the reason when it does
//            not answer as a UCI engine.
// The added ones are remembered through Save and Load, which the window calls only when the player
// asked for the settings to be kept.
//
// An XBoard-only engine (crafty, phalanx, sjeng, fairymax...) is added through polyglot (Debian
// package polyglot), which speaks UCI for it: write an .ini file with
//     [PolyGlot]
//     EngineCommand = /usr/games/crafty
//     EngineDir = /tmp
// and add "/usr/games/polyglot" (or /usr/bin/polyglot) with the argument "/path/to/crafty.ini".

#include "app/uci_engine.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class QSettings;

struct TEngineEntry {
    QString Program;
    QStringList Arguments;
    QString Name;
    QString Author;
    std::vector<TUciOption> Options;
    bool Found = false; // found on the system rather than added by the player
};

// Where the engines are looked for: folders in order, and the program's own folder for its engine.
struct TEngineSearch {
    QStringList Folders;
    QString ProgramFolder;
    // The PATH folders, then /usr/games; the running program's folder.
    static TEngineSearch FromEnvironment();
    // This program's own engine in ProgramFolder; empty when it is not there.
    QString OwnEngine() const;
};

class TEngineList : public QObject {
    Q_OBJECT

public:
    explicit TEngineList(QObject* parent = nullptr);
    ~TEngineList() override;

    const std::vector<TEngineEntry>& Engines() const { return FEngines; }
    // The program names that are looked for.
    static const QStringList& KnownEngineNames();

    // Looks for the known engines and confirms each by a handshake; DiscoveryFinished follows once
    // every candidate has answered or failed.
    void Discover(const TEngineSearch& where = TEngineSearch::FromEnvironment());
    // Tries the program; Added or Refused follows.
    void Add(const QString& program, const QStringList& arguments = {});
    void Remove(int index);
    // Handshakes still running.
    bool Busy() const { return Pending > 0; }

    // The added engines, program and arguments, under the group "engines".
    void Save(QSettings& settings) const;
    // Tries the engines saved again: each is listed, or refused, as when added.
    void Load(QSettings& settings);

    int HandshakeTimeout = 5000;

Q_SIGNALS:
    void Added(const TEngineEntry& entry);
    void Refused(const QString& program, const QString& reason);
    void DiscoveryFinished();
    void Changed();

private:
    void Try(const QString& program, const QStringList& arguments, bool found);
    bool Listed(const QString& program, const QStringList& arguments) const;

    std::vector<TEngineEntry> FEngines;
    int Pending = 0;
    int DiscoveryPending = 0;
};
