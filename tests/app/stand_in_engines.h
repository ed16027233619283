#pragma once

// Stand-in UCI engines for the tests of external engines: shell scripts in a folder of the test's.

#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

// A stand-in engine: a shell script that does the handshake and then what `onGo` and `onStop` say;
// told to quit, it leaves a file named after itself with ".quit" behind.
inline QString WriteEngine(const QString& folder, const QString& name, const QString& handshake, const QString& onGo,
    const QString& onStop = QStringLiteral(":"))
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("#!/bin/sh\n"
                              "while read -r line; do\n"
                              "  case \"$line\" in\n"
                              "    uci) printf '%1' ;;\n"
                              "    isready) echo readyok ;;\n"
                              "    go*) %2 ;;\n"
                              "    stop) %3 ;;\n"
                              "    quit) touch \"$0.quit\"; exit 0 ;;\n"
                              "  esac\n"
                              "done\n")
                   .arg(handshake, onGo, onStop)
                   .toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// The handshake of an engine that names itself and offers no options.
inline QString Handshake(const QString& name) { return QStringLiteral("id name %1\\nuciok\\n").arg(name); }
