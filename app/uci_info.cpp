// An engine's "info" line read into a search result.

#include "app/uci_info.h"

#include "notation/move_rules.h"

namespace {

// The words of the info line that take one number each, and those that are single flags.
template <typename T> bool ReadNumber(const QStringList& words, qsizetype& i, std::optional<T>& into)
{
    if (i + 1 >= words.size())
        return false;
    bool ok = false;
    const qlonglong value = words[++i].toLongLong(&ok);
    if (!ok)
        return false;
    into = static_cast<T>(value);
    return true;
}

} // namespace

std::optional<TUciInfo> ParseUciInfo(const QString& line)
{
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty() || words[0] != QLatin1String("info"))
        return std::nullopt;
    TUciInfo info;
    std::optional<int> depth;
    std::optional<int> multiPv;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString& word = words[i];
        bool ok = true;
        if (word == QLatin1String("depth"))
            ok = ReadNumber(words, i, depth);
        else if (word == QLatin1String("seldepth"))
            ok = ReadNumber(words, i, info.SelDepth);
        else if (word == QLatin1String("multipv"))
            ok = ReadNumber(words, i, multiPv);
        else if (word == QLatin1String("nodes"))
            ok = ReadNumber(words, i, info.Nodes);
        else if (word == QLatin1String("nps"))
            ok = ReadNumber(words, i, info.Nps);
        else if (word == QLatin1String("time"))
            ok = ReadNumber(words, i, info.TimeMs);
        else if (word == QLatin1String("score") && i + 1 < words.size()) {
            const QString kind = words[++i];
            if (kind == QLatin1String("cp"))
                ok = ReadNumber(words, i, info.ScoreCp);
            else if (kind == QLatin1String("mate"))
                ok = ReadNumber(words, i, info.MateIn);
            else
                ok = false;
        } else if (word == QLatin1String("lowerbound"))
            info.LowerBound = true;
        else if (word == QLatin1String("upperbound"))
            info.UpperBound = true;
        else if (word == QLatin1String("pv")) {
            info.Pv = words.mid(i + 1);
            break;
        } else if (word == QLatin1String("string"))
            return std::nullopt; // free text to the end of the line
        if (!ok)
            return std::nullopt;
    }
    if (!depth || *depth < 1 || (!info.ScoreCp && !info.MateIn) || info.Pv.isEmpty())
        return std::nullopt;
    if (multiPv && *multiPv < 1)
        return std::nullopt;
    info.Depth = *depth;
    info.MultiPv = multiPv.value_or(1);
    return info;
}

const notation::LegalMove* LegalMoveNamed(const notation::MoveRules& rules, const QString& coordinates)
{
    const std::string text = coordinates.toLower().toStdString();
    for (const notation::LegalMove& legal : rules.Legal())
        if (notation::CoordinateText(legal.Move) == text)
            return &legal;
    return nullptr;
}
