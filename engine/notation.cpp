// Converting moves to and from UCI text.

#include "engine/notation.h"

#include "engine/engine.h"
#include "engine/fen.h"
#include "engine/legal_moves.h"

namespace engine {

namespace {

    constexpr char PromotionLetters[] = " nbrq"; // by piece code, Knight..Queen

    // Square from two characters like "e4", or NoSquare.
    int ParseSquare(char file, char rank)
    {
        if (file < 'a' || file > 'h' || rank < '1' || rank > '8')
            return NoSquare;
        return MakeSquare('8' - rank, file - 'a');
    }

    // Piece code from a promotion letter (either case), or 0 when there is none.
    int ParsePromotion(char letter)
    {
        switch (letter) {
        case 'n':
        case 'N': return Knight;
        case 'b':
        case 'B': return Bishop;
        case 'r':
        case 'R': return Rook;
        case 'q':
        case 'Q': return Queen;
        default: return -1;
        }
    }

} // namespace

std::string SquareName(int square)
{
    if (square < 0 || square >= SquareCount)
        return "-";
    return { static_cast<char>('a' + FileOf(square)), static_cast<char>('8' - RowOf(square)) };
}

std::string MoveToUci(EngineMove m)
{
    if (m == NoMove)
        return "0000";
    std::string text = SquareName(MoveFrom(m)) + SquareName(MoveTo(m));
    const int promotion = MovePromotion(m);
    if (promotion >= Knight && promotion <= Queen)
        text += PromotionLetters[promotion];
    return text;
}

EngineMove FindLegalUciMove(Engine& engine, std::string_view text, std::string& error)
{
    const auto refuse = [&](const std::string& why) {
        error = "move '" + std::string(text) + "' " + why;
        return NoMove;
    };
    if (text.size() != 4 && text.size() != 5)
        return refuse("is not of the form e2e4 or e7e8q");
    const int from = ParseSquare(text[0], text[1]);
    const int to = ParseSquare(text[2], text[3]);
    const int promotion = text.size() == 5 ? ParsePromotion(text[4]) : 0;
    if (from == NoSquare || to == NoSquare || promotion < 0)
        return refuse("is not of the form e2e4 or e7e8q");

    EngineMove found = NoMove;
    const bool complete = ForEachLegalMove(engine, [&](EngineMove m) {
        if (MoveFrom(m) == from && MoveTo(m) == to && MovePromotion(m) == promotion)
            found = m;
    });
    if (!complete)
        return refuse("cannot be checked: the move list is full");
    if (found == NoMove)
        return refuse("is illegal in this position");
    return found;
}

bool PlayUciMove(Engine& engine, std::string_view text, std::string& error)
{
    const EngineMove m = FindLegalUciMove(engine, text, error);
    if (m == NoMove)
        return false;
    engine.MakeMove(m);
    // Re-root so that the ply arrays start again at 0 after every played move.
    LoadRootPosition(engine, ExportRootPosition(engine));
    return true;
}

} // namespace engine
