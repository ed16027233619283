#pragma once

// Accessible names from captions: what a screen reader reads for a control is its caption without
// the access-key mark ("&New Game" is "New Game").

#include <QString>
#include <QWidget>

inline QString CaptionWithoutAccessKey(QString caption) { return caption.remove(QLatin1Char('&')); }

inline void NameAfterCaption(QWidget& control, const QString& caption)
{
    control.setAccessibleName(CaptionWithoutAccessKey(caption));
}
