// Atomic whole-file writes and bounded reads.

#include "app/text_files.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// The context of this file's translations.
struct TextFiles {
    Q_DECLARE_TR_FUNCTIONS(TextFiles)
};

} // namespace

TFileError::TFileError(const QString& message)
    : std::runtime_error(message.toLocal8Bit().toStdString())
{
}

void WriteWholeFile(const QString& fileName, const QByteArray& bytes)
{
    QSaveFile file(fileName);
    // Unbuffered, so that a short write shows here: a buffered one may fail at commit time without
    // a word and leave a truncated file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw TFileError(TextFiles::tr("Cannot create file %1").arg(fileName));
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw TFileError(TextFiles::tr("Failed to Save Stream"));
    }
    if (!file.commit())
        throw TFileError(TextFiles::tr("Failed to Save Stream"));
}

QByteArray ReadFileStart(const QString& fileName, qint64 maxBytes)
{
    // Opening a pipe for reading would wait for a writer, and a directory has no content.
    const QFileInfo info(fileName);
    QFile file(fileName);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly) || file.isSequential())
        throw TFileError(TextFiles::tr("Cannot open file %1").arg(fileName));
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        throw TFileError(TextFiles::tr("Failed to Load Stream"));
    return bytes;
}
