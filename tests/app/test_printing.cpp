// The two printouts, made as PDF files and read back: the page count, and the size at which the
// window's image lands on paper.

#include "tests/app/app_test_support.h"

#include "app/printing.h"
#include "tests/app/pdf_reading.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextDocument>

namespace {

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
