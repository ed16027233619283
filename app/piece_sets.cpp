#include "app/piece_sets.h"

#include <QFile>

namespace {

QImage LoadBmpResource(const char* path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QImage::fromData(file.readAll(), "BMP");
}

} // namespace

QImage LoadSetZgw32() { return LoadBmpResource(":/app/resources/SetZgw32.bmp"); }

QImage LoadSetCm36() { return LoadBmpResource(":/app/resources/SetCm36.bmp"); }
