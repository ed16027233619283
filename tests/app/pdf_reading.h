#pragma once

// Reading back the PDF files that the printouts make: the page count, the size of the last image, and
// the text drawn, decoded through each font's ToUnicode map.

#include <QFile>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QtEndian>

#include <cmath>

// What a test needs of a PDF that the program printed.
struct PdfFacts {
    int pages = 0;
    // The size of the last image drawn, in points (1/72 inch), from the page's drawing operators; empty
    // when the pages draw no image.
    QSizeF imageSize;
};

// The bytes of a stream object, inflated when it is compressed.
inline QByteArray PdfStreamBytes(const QByteArray& object)
{
    const qsizetype at = object.indexOf("stream\n");
    const qsizetype end = object.lastIndexOf("endstream");
    if (at < 0 || end < at)
        return {};
    const QByteArray data = object.mid(at + 7, end - at - 7);
    if (!object.left(at).contains("/FlateDecode"))
        return data;
    QByteArray compressed(4, '\0');
    qToBigEndian<quint32>(1 << 16, compressed.data());
    return qUncompress(compressed + data);
}

inline QByteArray ReadPdfFile(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Multiplies the scale factors of every "a 0 0 d e f cm" before each image's "Do": the printouts
// draw at most one image, with no transformation undone between the page's base and the image.
inline PdfFacts ReadPdf(const QString& fileName)
{
    const QByteArray pdf = ReadPdfFile(fileName);
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

// The glyph-to-text map of a ToUnicode CMap: its bfchar pairs and bfrange runs.
inline QHash<uint, QString> PdfToUnicode(const QByteArray& cmap)
{
    const auto text = [](const QString& hex) {
        QString chars;
        for (qsizetype i = 0; i + 4 <= hex.size(); i += 4)
            chars += QChar(hex.mid(i, 4).toUShort(nullptr, 16));
        return chars;
    };
    QHash<uint, QString> glyphs;
    const QString map = QString::fromLatin1(cmap);
    static const QRegularExpression ranges(
        "beginbf(char|range)(.*?)endbf\\1", QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression pair("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>");
    static const QRegularExpression run("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>\\s*(<[0-9A-Fa-f]+>|\\[[^\\]]*\\])");
    for (const QRegularExpressionMatch& section : ranges.globalMatch(map)) {
        if (section.captured(1) == "char") {
            for (const QRegularExpressionMatch& m : pair.globalMatch(section.captured(2)))
                glyphs[m.captured(1).toUInt(nullptr, 16)] = text(m.captured(2));
            continue;
        }
        for (const QRegularExpressionMatch& m : run.globalMatch(section.captured(2))) {
            const uint low = m.captured(1).toUInt(nullptr, 16), high = m.captured(2).toUInt(nullptr, 16);
            const QString target = m.captured(3);
            if (target.startsWith('[')) {
                uint glyph = low;
                static const QRegularExpression each("<([0-9A-Fa-f]+)>");
                for (const QRegularExpressionMatch& t : each.globalMatch(target))
                    glyphs[glyph++] = text(t.captured(1));
            } else {
                const uint first = target.mid(1, target.size() - 2).toUInt(nullptr, 16);
                for (uint glyph = low; glyph <= high; ++glyph)
                    glyphs[glyph] = QString(QChar(static_cast<char16_t>(first + glyph - low)));
            }
        }
    }
    return glyphs;
}

// The text that the pages draw, in drawing order, each glyph decoded through its font's map.
inline QString PdfText(const QString& fileName)
{
    const QByteArray pdf = ReadPdfFile(fileName);
    QMap<int, QByteArray> objects;
    static const QRegularExpression object("(\\d+) 0 obj(.*?)endobj", QRegularExpression::DotMatchesEverythingOption);
    const QString latin = QString::fromLatin1(pdf);
    for (const QRegularExpressionMatch& m : object.globalMatch(latin))
        objects[m.captured(1).toInt()] = m.captured(2).toLatin1();
    // Font resource names and their maps.
    QHash<QString, QHash<uint, QString>> fonts;
    static const QRegularExpression fontName("/(F\\d+) (\\d+) 0 R");
    static const QRegularExpression toUnicode("/ToUnicode (\\d+) 0 R");
    for (const QRegularExpressionMatch& m : fontName.globalMatch(latin)) {
        const QRegularExpressionMatch map = toUnicode.match(QString::fromLatin1(objects.value(m.captured(2).toInt())));
        if (map.hasMatch())
            fonts[m.captured(1)] = PdfToUnicode(PdfStreamBytes(objects.value(map.captured(1).toInt())));
    }
    QString text;
    static const QRegularExpression operators("/(F\\d+) [-0-9.]+ Tf|<([0-9A-Fa-f]*)> Tj");
    for (const QByteArray& body : objects) {
        const QString content = QString::fromLatin1(PdfStreamBytes(body));
        QString font;
        for (const QRegularExpressionMatch& m : operators.globalMatch(content)) {
            if (!m.captured(1).isEmpty()) {
                font = m.captured(1);
                continue;
            }
            const QString hex = m.captured(2);
            for (qsizetype i = 0; i + 4 <= hex.size(); i += 4)
                text += fonts.value(font).value(hex.mid(i, 4).toUInt(nullptr, 16));
        }
    }
    return text;
}
