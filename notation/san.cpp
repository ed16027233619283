// Standard algebraic notation, both ways.

#include "notation/san.h"

#include "engine/coordinate_text.h"
#include "engine/engine_types.h"
#include "notation/quoted_text.h"

#include <algorithm>
#include <optional>

namespace notation {

namespace {

    int FileOfSquare(int square) { return engine::FileOf(square - 1); }
    int RankOfSquare(int square) { return 8 - engine::RowOf(square - 1); }
    char FileLetter(int square) { return static_cast<char>('a' + FileOfSquare(square)); }
    char RankDigit(int square) { return static_cast<char>('0' + RankOfSquare(square)); }

    // SAN without the check mark. Pieces name their origin only as far as another piece of the same
    // kind that can go to the same square makes it necessary: the file, else the rank, else both.
    std::string SanWithoutCheck(const MoveRules& rules, const LegalMove& legal)
    {
        const Move move = legal.Move;
        if (legal.Castle)
            return FileOfSquare(move.To) == 6 ? "O-O" : "O-O-O";
        std::string san;
        if (legal.Piece == 'P') {
            if (legal.Capture)
                san += FileLetter(move.From);
        } else {
            san += legal.Piece;
            bool rivals = false, sameFile = false, sameRank = false;
            rules.VisitLegal(
                [&](const LegalMove& other) {
                    return other.Piece == legal.Piece && other.Move.To == move.To && other.Move.From != move.From;
                },
                [&](const LegalMove& other) {
                    rivals = true;
                    sameFile |= FileOfSquare(other.Move.From) == FileOfSquare(move.From);
                    sameRank |= RankOfSquare(other.Move.From) == RankOfSquare(move.From);
                });
            if (rivals && (!sameFile || sameRank))
                san += FileLetter(move.From);
            if (rivals && sameFile)
                san += RankDigit(move.From);
        }
        if (legal.Capture)
            san += 'x';
        san += FileLetter(move.To);
        san += RankDigit(move.To);
        if (move.Promotion) {
            san += '=';
            san += move.Promotion;
        }
        return san;
    }

    // What a SAN text says of its move; a missing square part is -1, a missing promotion 0.
    struct SanParts {
        enum class Castling { None, KingSide, QueenSide } Castle = Castling::None;
        char Piece = 'P';
        int FromFile = -1;
        int FromRank = -1;
        int ToSquare = 0;
        char Promotion = 0;
    };

    bool IsFile(char c) { return c >= 'a' && c <= 'h'; }
    bool IsRank(char c) { return c >= '1' && c <= '8'; }
    bool EndsWith(std::string_view text, char c) { return !text.empty() && text.back() == c; }

    std::string_view WithoutMarks(std::string_view text)
    {
        // Surrounding blanks and a NAG written onto the move ("e4$1").
        while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
            text.remove_prefix(1);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
            text.remove_suffix(1);
        if (const std::size_t nag = text.find('$'); nag != std::string_view::npos)
            text = text.substr(0, nag);
        // Check and mate marks, "!" and "?" in any number and order.
        while (!text.empty() && std::string_view("+#!?").find(text.back()) != std::string_view::npos)
            text.remove_suffix(1);
        return text;
    }

    std::optional<SanParts> Split(std::string_view text)
    {
        SanParts parts;
        if (text == "O-O" || text == "0-0" || text == "o-o") {
            parts.Castle = SanParts::Castling::KingSide;
            return parts;
        }
        if (text == "O-O-O" || text == "0-0-0" || text == "o-o-o") {
            parts.Castle = SanParts::Castling::QueenSide;
            return parts;
        }
        // Piece letters are upper case only: a lower-case "b" is the b-file. Some files write "P" for pawns.
        if (!text.empty() && std::string_view("PNBRQK").find(text.front()) != std::string_view::npos) {
            parts.Piece = text.front();
            text.remove_prefix(1);
        }
        // Promotion at the end, with or without "=" ("e8=Q", "e8Q", "e8=q").
        const int promotion = text.empty() ? engine::NoPiece : engine::PromotionPieceOf(text.back());
        if (parts.Piece == 'P' && promotion != engine::NoPiece) {
            parts.Promotion = engine::PromotionLetter(promotion);
            text.remove_suffix(1);
            if (EndsWith(text, '=') || EndsWith(text, '/'))
                text.remove_suffix(1);
        }
        if (text.size() < 2 || !IsFile(text[text.size() - 2]) || !IsRank(text.back()))
            return std::nullopt;
        parts.ToSquare = engine::BoardSquareNumber(engine::SquareNamed(text[text.size() - 2], text.back()));
        text.remove_suffix(2);
        // The capture mark is not checked against the position: "x", ":" or the "-" of long forms.
        if (EndsWith(text, 'x') || EndsWith(text, ':') || EndsWith(text, '-'))
            text.remove_suffix(1);
        if (!text.empty() && IsFile(text.front())) {
            parts.FromFile = text.front() - 'a';
            text.remove_prefix(1);
        }
        if (!text.empty() && IsRank(text.front())) {
            parts.FromRank = text.front() - '0';
            text.remove_prefix(1);
        }
        if (!text.empty())
            return std::nullopt;
        return parts;
    }

    bool Matches(const LegalMove& legal, const SanParts& parts)
    {
        const Move move = legal.Move;
        if (parts.Castle != SanParts::Castling::None)
            return legal.Castle && (FileOfSquare(move.To) == 6) == (parts.Castle == SanParts::Castling::KingSide);
        // A pawn without an origin file moves straight ahead.
        const int fromFile = parts.Piece == 'P' && parts.FromFile < 0 ? FileOfSquare(parts.ToSquare) : parts.FromFile;
        return legal.Piece == parts.Piece && move.To == parts.ToSquare
            && (fromFile < 0 || FileOfSquare(move.From) == fromFile)
            && (parts.FromRank < 0 || RankOfSquare(move.From) == parts.FromRank)
            && (parts.Promotion == 0 || move.Promotion == parts.Promotion);
    }

} // namespace

std::string PlaySan(MoveRules& rules, Move move)
{
    const LegalMove* legal = rules.Find(move);
    if (!legal) {
        const std::string text = CoordinateText(move);
        throw NotationError(Quoted(text) + " is not a legal move", text);
    }
    std::string san = SanWithoutCheck(rules, *legal);
    rules.Play(move);
    if (rules.InCheck())
        san += rules.HasLegalMove() ? '+' : '#';
    return san;
}

Move ParseSan(const MoveRules& rules, std::string_view san)
{
    const auto refusal = [&](const std::string& why) { return NotationError(Quoted(san) + why, std::string(san)); };
    const std::optional<SanParts> parts = Split(WithoutMarks(san));
    if (!parts)
        throw refusal(" is not a move");

    // Counted rather than collected, and only the moves the text fits are tested for legality: this
    // runs for every move of an imported file.
    const LegalMove* found = nullptr;
    const auto fits = [&](const LegalMove& legal) { return Matches(legal, *parts); };
    const int matches
        = parts->ToSquare != 0 ? rules.CountLegalTo(parts->ToSquare, fits, found) : rules.CountLegal(fits, found);
    if (!found)
        throw refusal(" is not a legal move");
    if (parts->Promotion == 0 && found->Move.Promotion != 0)
        throw refusal(" does not say which piece the pawn becomes");
    if (matches > 1) {
        std::vector<std::string> choices;
        for (const LegalMove& legal : rules.Legal())
            if (Matches(legal, *parts))
                choices.push_back(SanWithoutCheck(rules, legal));
        std::sort(choices.begin(), choices.end());
        std::string list;
        for (const std::string& choice : choices)
            list += (list.empty() ? "" : " or ") + choice;
        throw refusal(" is ambiguous: " + list);
    }
    return found->Move;
}

std::string MoveToSan(const Position& position, Move move)
{
    MoveRules rules(position);
    return PlaySan(rules, move);
}

Move SanToMove(const Position& position, std::string_view san) { return ParseSan(MoveRules(position), san); }

} // namespace notation
