#pragma once

// Positions for the command-line tools, written as FEN placements.

#include "board/chessbrd.h"

// Writes a FEN placement such as "7k/8/6QK/8/8/8/8/8" into a record entry.
inline void FillPlacement(MoveInfo& info, const char* placement)
{
    int square = 1;
    for (const char* c = placement; *c && square <= 64; ++c) {
        if (*c >= '1' && *c <= '8')
            for (int n = 0; n < *c - '0'; ++n)
                info.PosStr[square++] = ' ';
        else if (*c != '/')
            info.PosStr[square++] = *c;
    }
    while (square <= 64)
        info.PosStr[square++] = ' ';
}
