// The two printouts: the window's client area as a picture, and the move list as text. The printer's
// settings from Print Setup hold for the following jobs.

#include "app/unit1.h"

#include "app/dialogs.h"
#include "app/printing.h"

#include <QMenuBar>
#include <QPrinter>
#include <QTextDocument>

void TForm1::Print1Click(QObject*)
{
    if (!FDialogs.Print(this, *FPrinter1))
        return;
    PrintImage(*FPrinter1, ClientAreaImage());
}

void TForm1::PrintMoves1Click(QObject*)
{
    if (!FDialogs.Print(this, *FPrinter1))
        return;
    RichEdit1->setPlainText(MoveListLines().join(QLatin1Char('\n')));
    PrintText(*FPrinter1, *RichEdit1);
}

void TForm1::PrintSetup1Click(QObject*) { FDialogs.PrinterSetup(this, *FPrinter1); }

QImage TForm1::ClientAreaImage()
{
    const int top = menuBar()->isVisible() ? menuBar()->height() : 0;
    QImage image(width(), height() - top, QImage::Format_RGB32);
    image.fill(palette().color(QPalette::Window));
    render(&image, QPoint(0, 0), QRegion(0, top, width(), height() - top));
    return image;
}
