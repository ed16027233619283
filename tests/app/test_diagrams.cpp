// Copy Diagram, Export Diagram and Print Diagram in the window: the options asked first, the files
// written (PNG and SVG, the format by the name or the chosen filter), the error for a path that cannot
// be written, the clipboard, and the printed page read back.

#include "tests/app/app_test_support.h"

#include "board/diagram.h"
#include "tests/app/pdf_reading.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

namespace {

class Diagrams : public WindowTest {
protected:
    QTemporaryDir folder;

    void Run(QAction* command)
    {
        QMetaObject::invokeMethod(command, &QAction::trigger, Qt::QueuedConnection);
        QCoreApplication::processEvents();
    }
    void Export(const QString& name, const TDiagramOptions& options, const QString& filter = {})
    {
        dialogs.DiagramAnswers.push_back(options);
        dialogs.FileNames.push_back(name);
        if (!filter.isEmpty())
            dialogs.SelectedFilters.push_back(filter);
        Run(form->ExportDiagram1);
    }
};

TEST_F(Diagrams, ExportWritesTheFormatOfTheNameOrOfTheChosenFilter)
{
    const struct {
        QString name;
        QString filter;
        QString written;
        QByteArray start;
    } cases[] = {
        { "board", "", "board.png", "\x89PNG" },
        { "board.PNG", "SVG drawing (*.svg)", "board.PNG", "\x89PNG" },
        { "drawing.svg", "PNG image (*.png)", "drawing.svg", "<?xml" },
        { "drawing", "SVG drawing (*.svg)", "drawing.svg", "<?xml" },
        { "board.v2", "", "board.v2.png", "\x89PNG" },
    };
    for (const auto& c : cases) {
        Export(folder.filePath(c.name), { 240, true, false }, c.filter);
        QFile file(folder.filePath(c.written));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.written.toStdString();
        EXPECT_TRUE(file.read(c.start.size()) == c.start) << c.written.toStdString();
        EXPECT_EQ(form->StatusText(), "Diagram exported to " + c.written);
    }
    EXPECT_EQ(dialogs.FileDialogs.back().Filter, "PNG image (*.png);;SVG drawing (*.svg)");
    QSvgRenderer svg(folder.filePath("drawing.svg"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.defaultSize(), QSize(240, 240));
    // The dialog opens on the defaults first, then on the last choice.
    EXPECT_EQ(dialogs.DiagramDialogs.front().first, TDiagramUse::Export);
    EXPECT_EQ(dialogs.DiagramDialogs.front().second, DefaultDiagramOptions(TDiagramUse::Export));
    EXPECT_EQ(dialogs.DiagramDialogs.back().second, (TDiagramOptions { 240, true, false }));
}

TEST_F(Diagrams, ThePngHasTheChosenSizeAndShowsTheBoardAsItIsTurned)
{
    Play(Board(), "e2e4 e7e5 g1f3");
    form->Whiteontop1->trigger();
    Export(folder.filePath("turned.png"), { 320, false, false });
    const QImage png(folder.filePath("turned.png"));
    ASSERT_EQ(png.size(), QSize(320, 320));

    // The turned board is the upright board's diagram with its squares reversed.
    TDiagram upright = DiagramOf(Board());
    upright.WhiteOnTop = false;
    upright.ShowCoordinates = false;
    std::reverse(upright.Squares.begin(), upright.Squares.end());
    EXPECT_EQ(
        png.convertToFormat(QImage::Format_ARGB32), DiagramImage(upright, 320).convertToFormat(QImage::Format_ARGB32));

    Export(folder.filePath("marked.png"), { 320, true, true });
    const QImage marked(folder.filePath("marked.png"));
    EXPECT_EQ(marked.width(), 320);
    EXPECT_LT(marked.height(), 320) << "the mark's column beside the frame";
}

TEST_F(Diagrams, APathThatCannotBeWrittenGetsTheErrorAndNoFile)
{
    QDir(folder.path()).mkdir("taken.png");
    const QString cases[] = { folder.filePath("no folder/board.png"), folder.filePath("taken.png") };
    for (const QString& path : cases) {
        dialogs.Boxes.clear();
        Export(path, { 200, true, false });
        EXPECT_EQ(dialogs.Texts(), std::vector<QString> { "Cannot create file " + path + "." });
    }
    EXPECT_FALSE(QFile::exists(folder.filePath("no folder/board.png")));
    EXPECT_TRUE(QFileInfo(folder.filePath("taken.png")).isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

TEST_F(Diagrams, ACancelledDialogDoesNothing)
{
    const QString before = form->StatusText();
    QGuiApplication::clipboard()->setText("untouched");
    for (QAction* command : { form->CopyDiagram1, form->ExportDiagram1, form->PrintDiagram1 })
        Run(command);
    EXPECT_EQ(dialogs.DiagramDialogs.size(), 3u);
    EXPECT_TRUE(dialogs.FileDialogs.empty());
    EXPECT_EQ(dialogs.PrintDialogsShown, 0);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "untouched");
    EXPECT_EQ(form->StatusText(), before);
    // A cancelled file dialog writes nothing either.
    Export(QString(), { 200, true, false });
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
    EXPECT_TRUE(dialogs.Boxes.empty());
}

TEST_F(Diagrams, CopyPutsTheImageAndTheDrawingOnTheClipboard)
{
    dialogs.DiagramAnswers.push_back(TDiagramOptions { 260, true, true });
    Run(form->CopyDiagram1);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    TDiagram diagram = DiagramOf(Board());
    diagram.MarkSideToMove = true;
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), DiagramSize(diagram, 260));
    EXPECT_TRUE(QSvgRenderer(data->data("image/svg+xml")).isValid());
    EXPECT_EQ(form->StatusText(), "Diagram copied");
    EXPECT_EQ(dialogs.DiagramDialogs.back().first, TDiagramUse::Copy);
}

TEST_F(Diagrams, ThePrintoutIsOneVectorPageWithThePlayersTheEventAndTheMoves)
{
    const QString pdf = folder.filePath("diagram.pdf");
    form->Printer1().setOutputFormat(QPrinter::PdfFormat);
    form->Printer1().setOutputFileName(pdf);
    form->Printer1().setPageSize(QPageSize(QPageSize::A4));
    Play(Board(), "e2e4 e7e5 g1f3 b8c6");
    dialogs.DiagramAnswers.push_back(DefaultDiagramOptions(TDiagramUse::Print));
    dialogs.PrintAnswers.push_back(true);
    Run(form->PrintDiagram1);
    EXPECT_EQ(dialogs.DiagramDialogs.back(), std::make_pair(TDiagramUse::Print, TDiagramOptions { 120, true, false }));
    const PdfFacts facts = ReadPdf(pdf);
    EXPECT_EQ(facts.pages, 1);
    EXPECT_TRUE(facts.imageSize.isEmpty()) << "the board is drawn in vectors, not as an image";
    const QString text = PdfText(pdf).remove(QRegularExpression("\\s"));
    EXPECT_TRUE(text.contains(QString::fromUtf8("Human–Human"))) << text.toStdString();
    EXPECT_TRUE(text.contains("Casualgame")) << text.toStdString();
    EXPECT_TRUE(text.contains("1.e4e52.Nf3Nc6")) << text.toStdString();
    EXPECT_TRUE(dialogs.Boxes.empty());
}

} // namespace
