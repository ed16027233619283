// Diagrams of the position on the board: copied to the clipboard, exported as PNG or SVG, printed
// with the game's players and moves. Each asks for its options first; the window keeps the last
// choices of each for the rest of the run.

#include "app/unit1.h"

#include "app/diagram_printout.h"
#include "app/dialogs.h"
#include "app/text_files.h"
#include "board/chessbrd.h"
#include "board/diagram.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMenu>
#include <QMimeData>

#include <algorithm>

namespace {

QString PngFilter() { return TForm1::tr("PNG image (*.png)"); }
QString SvgFilter() { return TForm1::tr("SVG drawing (*.svg)"); }

QByteArray PngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(image);
    return bytes;
}

} // namespace

void TForm1::CreateDiagramItems()
{
    File1->addSeparator();
    ExportDiagram1 = MenuItem(File1, "ExportDiagram1", tr("Export &Diagram..."), {}, &TForm1::ExportDiagram1Click);
    PrintDiagram1 = MenuItem(File1, "PrintDiagram1", tr("Print D&iagram"), {}, &TForm1::PrintDiagram1Click);
    Edit1->addSeparator();
    CopyDiagram1 = MenuItem(Edit1, "CopyDiagram1", tr("Copy Di&agram"), {}, &TForm1::CopyDiagram1Click);
}

bool TForm1::AskDiagramOptions(TDiagramUse use, TDiagram& diagram)
{
    auto kept = FDiagramOptions.try_emplace(use, DefaultDiagramOptions(use)).first;
    TDiagramOptions options = kept->second;
    if (!FDialogs.ChooseDiagramOptions(this, use, options))
        return false;
    const TDiagramSizeRange range = DiagramSizeRange(use);
    options.Size = std::clamp(options.Size, range.Smallest, range.Largest);
    kept->second = options;
    diagram = DiagramOf(*ChessBrd1);
    diagram.ShowCoordinates = options.Coordinates;
    diagram.MarkSideToMove = options.MarkSideToMove;
    return true;
}

void TForm1::CopyDiagram1Click(QObject*)
{
    TDiagram diagram;
    if (!AskDiagramOptions(TDiagramUse::Copy, diagram))
        return;
    const int width = FDiagramOptions[TDiagramUse::Copy].Size;
    // A picture for every program, and the drawing for those that take vectors.
    auto* data = new QMimeData;
    data->setImageData(DiagramImage(diagram, width));
    data->setData(QStringLiteral("image/svg+xml"), DiagramSvg(diagram, width));
    QGuiApplication::clipboard()->setMimeData(data);
    SetStatus(tr("Diagram copied"));
}

// The format follows the name's extension; a name without a known one gets the chosen filter's.
void TForm1::ExportDiagram1Click(QObject*)
{
    TDiagram diagram;
    if (!AskDiagramOptions(TDiagramUse::Export, diagram))
        return;
    QString filter;
    const TFileDialogOptions dialog { tr("Export Diagram"), PngFilter() + QStringLiteral(";;") + SvgFilter(), QString(),
        &filter };
    QString fileName = FDialogs.SaveFileName(this, dialog);
    if (fileName.isEmpty())
        return;
    QString format = QFileInfo(fileName).suffix().toLower();
    if (format != QLatin1String("png") && format != QLatin1String("svg")) {
        format = filter == SvgFilter() ? QStringLiteral("svg") : QStringLiteral("png");
        fileName += QLatin1Char('.') + format;
    }
    const int width = FDiagramOptions[TDiagramUse::Export].Size;
    WriteWholeFile(
        fileName, format == QLatin1String("svg") ? DiagramSvg(diagram, width) : PngBytes(DiagramImage(diagram, width)));
    SetStatus(tr("Diagram exported to %1").arg(QFileInfo(fileName).fileName()));
}

// A position that stands in no legal game still prints, without the game's text.
void TForm1::PrintDiagram1Click(QObject*)
{
    TDiagram diagram;
    if (!AskDiagramOptions(TDiagramUse::Print, diagram) || !FDialogs.Print(this, *FPrinter1))
        return;
    TDiagramCaption caption;
    try {
        caption = CaptionOf(GameToExport());
    } catch (const notation::NotationError&) {
    }
    PrintDiagram(*FPrinter1, diagram, FDiagramOptions[TDiagramUse::Print].Size, caption);
}
