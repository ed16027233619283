#pragma once

// Text from a file or the clipboard, made fit to stand in an error message: every byte that would not
// show (control characters, bytes that are not UTF-8) is written as "\xHH", and a long text is cut,
// so that neither a damaged file nor one huge token can make a message unreadable. Printable UTF-8,
// players' names for one, stays as it is.

#include <cstddef>
#include <string>
#include <string_view>

namespace notation {

// The text with every byte that would not show written as "\xHH".
std::string Printable(std::string_view text);
// The text printable and in double quotes; past its first QuotedCharacters characters it is cut, and
// "..." and the text's whole size in bytes mark the cut: "Nf3Nf3...Nf3..." (100000 bytes).
std::string Quoted(std::string_view text);
constexpr std::size_t QuotedCharacters = 40;

// The bytes of the character at the start of the text: a whole UTF-8 sequence, or one byte where the
// text is no UTF-8. The text must not be empty.
std::size_t CharacterLength(std::string_view text);

} // namespace notation
