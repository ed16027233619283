#pragma once

// The two printouts: an image at its physical screen size, and plain text laid out over as many
// pages as it needs. Each is one print job with an empty title. A printer that cannot start the job
// is reported by a thrown TPrintError with the text the user sees in the application's error box.

#include "board/view_types.h"

#include <QRect>

#include <stdexcept>

class QImage;
class QPainter;
class QPrinter;
class QString;
class QTextDocument;

class TPrintError : public std::runtime_error {
public:
    explicit TPrintError(const QString& message);
};

// Starts a print job with an empty title on the painter, or throws TPrintError with the reason the
// printer cannot take it; the printouts all begin this way.
void BeginPrintJob(QPrinter& printer, QPainter& painter);

// The rectangle, in printer dots from the printable area's top-left corner, that an image of this
// size covers so that it keeps its physical size on paper.
QRect PrintedImageRect(const QSize& imageSize, const QPrinter& printer);

// Prints the image on one page at PrintedImageRect; what lies beyond the printable area is cut off.
void PrintImage(QPrinter& printer, const QImage& image);

// Prints the document's text in its font over the whole printable area of each page, wrapped at word
// boundaries; an empty document gives one empty page. Returns the number of pages printed.
int PrintText(QPrinter& printer, const QTextDocument& document);
