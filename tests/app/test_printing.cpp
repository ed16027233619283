// The two printouts, made as PDF files and read back: the page count, and the size at which the
// window's image lands on paper.

#include "tests/app/app_test_support.h"

#include "app/printing.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtEndian>

namespace {

// What a test needs of a PDF that the program printed.
struct PdfFacts {
    int pages = 0;
    // The size of the last image drawn, in points (1/72 inch), from the page's drawing operators.
    QSizeF imageSize;
};

// Multiplies the scale factors of every "a 0 0 d e f cm" before each image's "Do": the printouts
// draw at most one image, with no transformation undone between the page's base and the image.
PdfFacts ReadPdf(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray pdf = file.readAll();
    PdfFacts facts;
    facts.pages = static_cast<int>(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page(?!s)")));
    static const QRegularExpression scale("([-0-9.]+) 0 0 ([-0-9.]+) [-0-9.]+ [-0-9.]+ cm|Do");
    for (qsizetype at = 0; (at = pdf.indexOf("stream\n", at)) >= 0;) {
        at += 7;
        const qsizetype end = pdf.indexOf("endstream", at);
        QByteArray compressed(4, '\0');
        qToBigEndian<quint32>(1 << 16, compressed.data());
        const QString page = QString::fromLatin1(qUncompress(compressed + pdf.mid(at, end - at)));
        double width = 1, height = 1;
        for (const QRegularExpressionMatch& m : scale.globalMatch(page)) {
            if (m.captured(0) == "Do") {
                facts.imageSize = QSizeF(std::abs(width), std::abs(height));
                continue;
            }
            width *= m.captured(1).toDouble();
            height *= m.captured(2).toDouble();
        }
        at = end + 9;
    }
    return facts;
}

class Printing : public WindowTest {
protected:
    QTemporaryDir folder;
    QString pdf = folder.filePath("printout.pdf");

    void SetUp() override
    {
        WindowTest::SetUp();
        QPrinter& printer = form->Printer1();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
    }
    // Runs a menu command as the event loop does, the print dialog answered as given.
    void Run(QAction* command, bool printDialogAccepted = true)
    {
        dialogs.PrintAnswers.push_back(printDialogAccepted);
        QMetaObject::invokeMethod(command, &QAction::trigger, Qt::QueuedConnection);
        QCoreApplication::processEvents();
    }
};

TEST_F(Printing, TheChessboardPrintoutIsOnePageAtTheWindowsPhysicalSize)
{
    const QSize image = form->ClientAreaImage().size();
    EXPECT_EQ(image.width(), form->width());
    for (const int dpi : { 300, 600, 1200 }) {
        form->Printer1().setResolution(dpi);
        Run(form->Print1);
        const PdfFacts facts = ReadPdf(pdf);
        EXPECT_EQ(facts.pages, 1) << dpi;
        const double dotInPoints = 72.0 / dpi;
        EXPECT_NEAR(facts.imageSize.width(), image.width() * 72.0 / 96, dotInPoints) << dpi;
        EXPECT_NEAR(facts.imageSize.height(), image.height() * 72.0 / 96, dotInPoints) << dpi;
        EXPECT_EQ(PrintedImageRect(image, form->Printer1()).width(), MulDiv(image.width(), dpi, 96));
        QFile::remove(pdf);
    }
    Run(form->Print1, false);
    EXPECT_FALSE(QFile::exists(pdf)) << "a cancelled print dialog prints nothing";
    EXPECT_TRUE(dialogs.Boxes.empty());
}

TEST_F(Printing, TheMoveListFillsPagesAndAnEmptyListPrintsOneEmptyPage)
{
    Run(form->PrintMoves1);
    EXPECT_EQ(ReadPdf(pdf).pages, 1);

    QStringList lines;
    for (int i = 1; i <= 250; ++i)
        lines.append(QString("%1. e2-e4 e7-e5").arg(i));
    form->ListBox1->SetLines(lines);
    Run(form->PrintMoves1);
    const int pages = ReadPdf(pdf).pages;
    // 250 lines of 13 pixels, about 3250 pixels of text, on pages about 1050 pixels high.
    EXPECT_GE(pages, 3);
    EXPECT_LE(pages, 4);
    EXPECT_EQ(form->RichEdit1->blockCount(), 250);
    EXPECT_TRUE(dialogs.Boxes.empty());
}

TEST_F(Printing, APrinterThatCannotStartTheJobReachesTheErrorBox)
{
    const struct {
        QString outputFile;
        QString error;
    } cases[] = {
        { folder.filePath("no folder/printout.pdf"),
            "Cannot create file " + folder.filePath("no folder/printout.pdf") + "." },
        { QString(), "There is no default printer currently selected." },
    };
    for (const auto& c : cases) {
        dialogs.Boxes.clear();
        form->Printer1().setOutputFileName(c.outputFile);
        Run(form->Print1);
        EXPECT_EQ(dialogs.Texts(), std::vector<QString> { c.error });
    }
    form->PrintSetup1->trigger();
    EXPECT_EQ(dialogs.PrinterSetupsShown, 1);
    EXPECT_EQ(MulDiv(7, 1, 2), 4);
    EXPECT_EQ(MulDiv(-7, 1, 2), -4);
    EXPECT_EQ(MulDiv(7, 1, 0), -1);
}

} // namespace
