#pragma once

// Whole-file writes that never leave a half-written file behind, and bounded reads that never hang
// on what is not a regular file. Failures are thrown as TFileError with the text the user sees in
// the application's error box.

#include <QByteArray>
#include <QString>

#include <stdexcept>

class TFileError : public std::runtime_error {
public:
    explicit TFileError(const QString& message);
};

// Replaces the file's whole content with bytes, through a temporary file that is renamed over the
// old one only when everything was written: on failure the old content stays as it was.
// Throws "Cannot create file <name>" or "Failed to Save Stream".
void WriteWholeFile(const QString& fileName, const QByteArray& bytes);

// At most maxBytes from the start of a regular file. Directories, pipes and devices are refused as
// files that cannot be opened. Throws "Cannot open file <name>" or "Failed to Load Stream".
QByteArray ReadFileStart(const QString& fileName, qint64 maxBytes);
