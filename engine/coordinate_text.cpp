// Squares, promotion letters and moves as coordinate text.

#include "engine/coordinate_text.h"

#include <cctype>
#include <string_view>

namespace engine {

namespace {

    // The pieces a pawn may become, from Knight on.
    constexpr std::string_view PromotionLetters = "NBRQ";

} // namespace

std::string SquareName(int square)
{
    if (square < 0 || square >= SquareCount)
        return "-";
    return { static_cast<char>('a' + FileOf(square)), static_cast<char>('8' - RowOf(square)) };
}

int SquareNamed(char file, char rank)
{
    if (file < 'a' || file > 'h' || rank < '1' || rank > '8')
        return NoSquare;
    return MakeSquare('8' - rank, file - 'a');
}

char PromotionLetter(int piece) { return piece >= Knight && piece <= Queen ? PromotionLetters[piece - Knight] : 0; }

int PromotionPieceOf(char letter)
{
    const std::size_t at = PromotionLetters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
    return at == std::string_view::npos ? NoPiece : Knight + static_cast<int>(at);
}

std::string CoordinateText(int from, int to, char promotionLetter)
{
    std::string text = SquareName(from) + SquareName(to);
    if (promotionLetter)
        text += static_cast<char>(std::tolower(static_cast<unsigned char>(promotionLetter)));
    return text;
}

std::string CoordinateText(EngineMove m)
{
    if (m == NoMove)
        return "0000";
    return CoordinateText(MoveFrom(m), MoveTo(m), PromotionLetter(MovePromotion(m)));
}

} // namespace engine
