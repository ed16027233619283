#pragma once

// Move notes as PGN text: the marks glued to a move ("Nf3?!"), the numeric annotation glyphs that
// stand for the same six marks ("$1" to "$6"), and evaluations as the "[%eval ...]" command inside
// a comment, the form analysis programs write and read.

#include "notation/game_notation.h"

#include <optional>
#include <string>
#include <string_view>

namespace notation {

// The marks in the order of their glyphs: MoveMarks[n - 1] is the mark that "$n" stands for.
inline constexpr std::string_view MoveMarks[] = { "!", "?", "!!", "??", "!?", "?!" };

bool IsMoveMark(std::string_view text);
// The mark of a glyph ("$5" -> "!?"), empty for any other glyph or text.
std::string_view MarkOfGlyph(std::string_view glyph);

// "[%eval 0.23]", "[%eval -1.50]" (pawns from White's side, two decimals), "[%eval #3]", "[%eval #-2]".
std::string EvalCommand(const Evaluation& eval);
// The first well-formed "[%eval ...]" anywhere in a comment's text: pawns with any number of decimals
// or "#" and a move count, optionally followed by ",depth". Comments are free text, so a malformed
// command is simply no evaluation.
std::optional<Evaluation> EvalInComment(std::string_view comment);

} // namespace notation
