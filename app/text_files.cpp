// Atomic whole-file writes and bounded reads.

#include "app/text_files.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("TextFiles", text); }

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
        throw TFileError(Tr("Cannot create file %1").arg(fileName));
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw TFileError(Tr("Failed to Save Stream"));
    }
    if (!file.commit())
        throw TFileError(Tr("Failed to Save Stream"));
}

QByteArray ReadFileStart(const QString& fileName, qint64 maxBytes)
{
    // Opening a pipe for reading would wait for a writer, and a directory has no content.
    const QFileInfo info(fileName);
    QFile file(fileName);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly) || file.isSequential())
        throw TFileError(Tr("Cannot open file %1").arg(fileName));
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        throw TFileError(Tr("Failed to Load Stream"));
    return bytes;
}
