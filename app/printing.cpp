// Printing an image and paged plain text.

#include "app/printing.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

#include <cstdint>
#include <memory>

namespace {

// The context of this file's translations.
struct Printing {
    Q_DECLARE_TR_FUNCTIONS(Printing)
};

// Starts the job with an empty title, or says why the printer cannot take it.
void BeginJob(QPrinter& printer, QPainter& painter)
{
    printer.setDocName(QString());
    const bool noPrinter = printer.outputFormat() == QPrinter::NativeFormat ? printer.printerName().isEmpty()
                                                                            : printer.outputFileName().isEmpty();
    if (noPrinter)
        throw TPrintError(Printing::tr("There is no default printer currently selected"));
    if (printer.isValid() && painter.begin(&printer))
        return;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        throw TPrintError(Printing::tr("Cannot create file %1").arg(printer.outputFileName()));
    throw TPrintError(Printing::tr("Printer selected is not valid"));
}

} // namespace

void BeginPrintJob(QPrinter& printer, QPainter& painter) { BeginJob(printer, painter); }

TPrintError::TPrintError(const QString& message)
    : std::runtime_error(message.toLocal8Bit().toStdString())
{
}

QRect PrintedImageRect(const QSize& imageSize, const QPrinter& printer)
{
    return { 0, 0, MulDiv(imageSize.width(), printer.logicalDpiX(), ScreenPixelsPerInch),
        MulDiv(imageSize.height(), printer.logicalDpiY(), ScreenPixelsPerInch) };
}

void PrintImage(QPrinter& printer, const QImage& image)
{
    QPainter painter;
    BeginJob(printer, painter);
    painter.drawImage(PrintedImageRect(image.size(), printer), image);
    painter.end();
}

int PrintText(QPrinter& printer, const QTextDocument& document)
{
    QPainter painter;
    BeginJob(printer, painter);

    // Lay the text out in screen pixels on a page of the printable area's physical size, then draw
    // each page scaled to the printer's dots: the font keeps its size in points.
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal dotsPerPixel = static_cast<qreal>(printer.resolution()) / ScreenPixelsPerInch;
    const QSizeF page(printable.width() / dotsPerPixel, printable.height() / dotsPerPixel);

    std::unique_ptr<QTextDocument> layout(document.clone());
    layout->setDocumentMargin(0);
    QTextOption wrapping = layout->defaultTextOption();
    wrapping.setWrapMode(QTextOption::WordWrap);
    layout->setDefaultTextOption(wrapping);
    layout->setPageSize(page);

    const int pages = layout->pageCount();
    painter.scale(dotsPerPixel, dotsPerPixel);
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            printer.newPage();
        const QRectF area(0, index * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -area.top());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = area;
        painter.setClipRect(area);
        layout->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
    return pages;
}
