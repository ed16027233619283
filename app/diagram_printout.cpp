// Printing a diagram with the game's players, event and moves under it.

#include "app/diagram_printout.h"

#include "app/printing.h"
#include "board/diagram.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <vector>

namespace {

constexpr double MillimetresPerInch = 25.4;
constexpr int CaptionPointSize = 10;

void AddParagraph(QTextCursor& cursor, const QString& text, bool bold, bool first)
{
    if (text.isEmpty())
        return;
    QTextBlockFormat spacing;
    spacing.setTopMargin(first ? 0 : 4);
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    if (first)
        cursor.setBlockFormat(spacing);
    else
        cursor.insertBlock(spacing);
    cursor.insertText(text, format);
}

// Where each page's part of the text begins in the document, and where the last ends: a page ends
// before the first line that would reach over its bottom, so no line is ever cut.
std::vector<qreal> PageBreaks(const QTextDocument& document, qreal firstPageHeight, qreal pageHeight)
{
    std::vector<qreal> breaks { 0 };
    qreal room = firstPageHeight;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const qreal blockTop = document.documentLayout()->blockBoundingRect(block).top();
        const QTextLayout& layout = *block.layout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            const qreal top = blockTop + line.y();
            const qreal bottom = top + line.height();
            if (bottom - breaks.back() > room && top > breaks.back() - 1) {
                breaks.push_back(std::max(top, breaks.back()));
                room = pageHeight;
            }
        }
    }
    breaks.push_back(document.documentLayout()->documentSize().height());
    return breaks;
}

} // namespace

QString NumberedMoves(const notation::Game& game)
{
    const std::vector<notation::Position> positions = notation::Replay(game);
    QStringList words;
    for (std::size_t i = 0; i < game.Moves.size(); ++i) {
        const notation::Position& before = positions[i];
        if (before.WhiteToMove)
            words.append(QStringLiteral("%1.").arg(before.FullmoveNumber));
        else if (i == 0)
            words.append(QStringLiteral("%1...").arg(before.FullmoveNumber));
        words.append(QString::fromStdString(notation::MoveToSan(before, game.Moves[i])));
    }
    if (game.Result != "*")
        words.append(QString::fromStdString(game.Result));
    return words.join(QLatin1Char(' '));
}

TDiagramCaption CaptionOf(const notation::Game& game)
{
    const auto player = [&](const char* tag) {
        const std::string name = game.TagValue(tag);
        return name.empty() ? QStringLiteral("?") : QString::fromStdString(name);
    };
    TDiagramCaption caption;
    caption.Players = player("White") + QStringLiteral(" \u2013 ") + player("Black");
    const std::string event = game.TagValue("Event");
    if (event != "?")
        caption.Event = QString::fromStdString(event);
    caption.Moves = NumberedMoves(game);
    return caption;
}

int PrintDiagram(QPrinter& printer, const TDiagram& diagram, double widthMm, const TDiagramCaption& caption)
{
    QPainter painter;
    BeginPrintJob(printer, painter);

    // The diagram in printer dots, at the printable area's top-left corner, where the caption's lines
    // start too.
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal wanted = widthMm / MillimetresPerInch * printer.resolution();
    const qreal width = std::min({ wanted, qreal(printable.width()), printable.height() * DiagramAspect(diagram) });
    const qreal height = width / DiagramAspect(diagram);
    PaintDiagram(painter, diagram, QRectF(0, 0, width, height));

    // The caption is laid out in screen pixels and drawn scaled to the printer's dots, as the move
    // list's printout is, so that its font keeps its size in points.
    const qreal dotsPerPixel = static_cast<qreal>(printer.resolution()) / ScreenPixelsPerInch;
    QTextDocument document;
    document.setDocumentMargin(0);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(CaptionPointSize);
    document.setDefaultFont(font);
    document.setTextWidth(printable.width() / dotsPerPixel);
    QTextCursor cursor(&document);
    AddParagraph(cursor, caption.Players, true, true);
    AddParagraph(cursor, caption.Event, false, caption.Players.isEmpty());
    AddParagraph(cursor, caption.Moves, false, caption.Players.isEmpty() && caption.Event.isEmpty());

    const qreal captionTop = height / dotsPerPixel + QFontMetricsF(font).height();
    const qreal pageHeight = printable.height() / dotsPerPixel;
    const std::vector<qreal> breaks = PageBreaks(document, pageHeight - captionTop, pageHeight);
    painter.scale(dotsPerPixel, dotsPerPixel);
    for (std::size_t page = 0; page + 1 < breaks.size(); ++page) {
        if (page > 0)
            printer.newPage();
        const QRectF part(0, breaks[page], document.textWidth(), breaks[page + 1] - breaks[page]);
        painter.save();
        painter.translate(0, (page == 0 ? captionTop : 0) - part.top());
        painter.setClipRect(part);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = part;
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
    return static_cast<int>(breaks.size()) - 1;
}
