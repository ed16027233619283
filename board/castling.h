#pragma once

// The four castlings as the rules and the move maker see them.

#include "board/chesstypes.h"

struct CastlingMove {
    Square kingFrom, kingTo;
    CanStillCastle right;
    char king, rook;
    Square rookFrom, rookTo;
    // Squares that must be empty (None pads the king side), and the squares the king stands on,
    // crosses and reaches, which must not be attacked; b1 and b8 may be attacked.
    Square mustBeEmpty[3];
    Square mustBeSafe[3];
};

inline constexpr CastlingMove Castlings[4] = {
    { Square::E1, Square::G1, CanStillCastle::WhiteKingSide, 'K', 'R', Square::H1, Square::F1,
        { Square::G1, Square::F1, Square::None }, { Square::E1, Square::F1, Square::G1 } },
    { Square::E1, Square::C1, CanStillCastle::WhiteQueenSide, 'K', 'R', Square::A1, Square::D1,
        { Square::B1, Square::C1, Square::D1 }, { Square::E1, Square::D1, Square::C1 } },
    { Square::E8, Square::G8, CanStillCastle::BlackKingSide, 'k', 'r', Square::H8, Square::F8,
        { Square::G8, Square::F8, Square::None }, { Square::E8, Square::F8, Square::G8 } },
    { Square::E8, Square::C8, CanStillCastle::BlackQueenSide, 'k', 'r', Square::A8, Square::D8,
        { Square::B8, Square::C8, Square::D8 }, { Square::E8, Square::D8, Square::C8 } },
};

// The castling a king move from kingFrom to kingTo would be, or nullptr.
inline const CastlingMove* FindCastling(Square kingFrom, Square kingTo)
{
    for (const CastlingMove& c : Castlings)
        if (c.kingFrom == kingFrom && c.kingTo == kingTo)
            return &c;
    return nullptr;
}
