// Marks, glyphs and evaluation commands: the PGN text of move notes.

#include "notation/move_notes.h"

#include <algorithm>
#include <cstdlib>

namespace notation {

namespace {

    constexpr std::string_view EvalOpening = "[%eval";
    // Longer numbers are no engine's judgement; the limits also keep the centipawns within an int.
    constexpr std::size_t MaxPawnDigits = 6;
    constexpr std::size_t MaxMateDigits = 4;

    bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

    std::string_view Trimmed(std::string_view text)
    {
        while (!text.empty() && IsBlank(text.front()))
            text.remove_prefix(1);
        while (!text.empty() && IsBlank(text.back()))
            text.remove_suffix(1);
        return text;
    }

    // The leading digits of the text, taken off it.
    std::string_view TakeDigits(std::string_view& text)
    {
        const std::size_t count = std::find_if_not(text.begin(), text.end(), IsDigit) - text.begin();
        const std::string_view digits = text.substr(0, count);
        text.remove_prefix(count);
        return digits;
    }

    int NumberOf(std::string_view digits)
    {
        int value = 0;
        for (const char c : digits)
            value = value * 10 + (c - '0');
        return value;
    }

    // "-1", "+1" or nothing (1) in front of a number, taken off the text.
    int TakeSign(std::string_view& text)
    {
        if (text.empty() || (text.front() != '-' && text.front() != '+'))
            return 1;
        const int sign = text.front() == '-' ? -1 : 1;
        text.remove_prefix(1);
        return sign;
    }

    std::optional<Evaluation> MateOf(std::string_view text)
    {
        const int sign = TakeSign(text);
        const std::string_view moves = TakeDigits(text);
        if (moves.empty() || moves.size() > MaxMateDigits || !text.empty())
            return std::nullopt;
        return Evaluation { 0, sign * NumberOf(moves) };
    }

    // Pawns with any number of decimals, rounded to the nearest centipawn.
    std::optional<Evaluation> PawnsOf(std::string_view text)
    {
        const int sign = TakeSign(text);
        const std::string_view whole = TakeDigits(text);
        std::string_view fraction;
        if (!text.empty() && text.front() == '.') {
            text.remove_prefix(1);
            fraction = TakeDigits(text);
        }
        if ((whole.empty() && fraction.empty()) || whole.size() > MaxPawnDigits || !text.empty())
            return std::nullopt;
        const auto decimal = [&](std::size_t i) { return i < fraction.size() ? fraction[i] - '0' : 0; };
        const int centipawns = NumberOf(whole) * 100 + decimal(0) * 10 + decimal(1) + (decimal(2) >= 5 ? 1 : 0);
        return Evaluation { sign * centipawns, std::nullopt };
    }

    // The argument of one command: the value, then perhaps "," and the depth searched.
    std::optional<Evaluation> EvalArgument(std::string_view argument)
    {
        if (const std::size_t comma = argument.find(','); comma != std::string_view::npos) {
            std::string_view depth = Trimmed(argument.substr(comma + 1));
            if (TakeDigits(depth).empty() || !depth.empty())
                return std::nullopt;
            argument = argument.substr(0, comma);
        }
        argument = Trimmed(argument);
        if (argument.starts_with('#'))
            return MateOf(argument.substr(1));
        return PawnsOf(argument);
    }

} // namespace

bool IsMoveMark(std::string_view text)
{
    return std::find(std::begin(MoveMarks), std::end(MoveMarks), text) != std::end(MoveMarks);
}

std::string_view MarkOfGlyph(std::string_view glyph)
{
    if (glyph.size() != 2 || glyph[0] != '$' || glyph[1] < '1' || glyph[1] > '0' + int(std::size(MoveMarks)))
        return {};
    return MoveMarks[glyph[1] - '1'];
}

std::string EvalCommand(const Evaluation& eval)
{
    if (eval.MateIn)
        return "[%eval #" + std::to_string(*eval.MateIn) + "]";
    const long long centipawns = std::llabs(eval.Centipawns);
    const std::string hundredths = std::to_string(centipawns % 100);
    return std::string("[%eval ") + (eval.Centipawns < 0 ? "-" : "") + std::to_string(centipawns / 100) + "."
        + (hundredths.size() < 2 ? "0" : "") + hundredths + "]";
}

std::optional<Evaluation> EvalInComment(std::string_view comment)
{
    for (std::size_t at = comment.find(EvalOpening); at != std::string_view::npos;
         at = comment.find(EvalOpening, at + 1)) {
        const std::string_view rest = comment.substr(at + EvalOpening.size());
        const std::size_t close = rest.find(']');
        // "[%evaluation ...]" is another command.
        if (rest.empty() || !IsBlank(rest.front()) || close == std::string_view::npos)
            continue;
        if (std::optional<Evaluation> eval = EvalArgument(rest.substr(0, close)))
            return eval;
    }
    return std::nullopt;
}

} // namespace notation
