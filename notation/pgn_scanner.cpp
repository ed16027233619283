// Splitting PGN text into tokens, with line and column of each.

#include "notation/pgn_scanner.h"

#include "notation/game_notation.h"
#include "notation/quoted_text.h"

#include <algorithm>

namespace notation {

namespace {

    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

    bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
    bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    bool IsLetterOrDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    // Characters that continue a move or result token once a letter or digit has begun it.
    bool IsSymbolChar(char c)
    {
        return IsLetterOrDigit(c) || std::string_view("_+#=:-/").find(c) != std::string_view::npos;
    }
    // Bytes outside printable ASCII never end a token that a letter or digit has begun, so that the
    // refusal of "N\xFF\xFEf3" quotes all of it rather than "N".
    bool IsForeignByte(char c)
    {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x7F || (byte < 0x20 && !IsBlank(c));
    }

} // namespace

PgnScanner::PgnScanner(std::string_view text)
    : Text(text)
{
    if (Text.starts_with(ByteOrderMark))
        Pos = ByteOrderMark.size();
}

void PgnScanner::Advance()
{
    const char c = Text[Pos++];
    if (c == '\n' || (c == '\r' && Peek() != '\n')) {
        ++Line;
        Column = 1;
    } else if (c != '\r' && (static_cast<unsigned char>(c) & 0xC0) != 0x80) {
        ++Column; // UTF-8 continuation bytes belong to the character before them
    }
}

void PgnScanner::SkipLine()
{
    const int line = Line;
    while (!AtEnd() && Line == line)
        Advance();
}

void PgnScanner::Fail(const std::string& reason, std::string_view text, int line, int column) const
{
    throw NotationError(reason, std::string(text)).At(0, line, column);
}

void PgnScanner::FailQuoting(const std::string& reason, std::size_t from, int line, int column) const
{
    // The construct's start, up to its line's end; the message quotes the beginning of it.
    std::string_view excerpt = Text.substr(from);
    excerpt = excerpt.substr(0, excerpt.find_first_of("\r\n"));
    Fail(reason + ": " + Quoted(excerpt), excerpt, line, column);
}

void PgnScanner::SkipComment()
{
    const std::size_t start = Pos;
    const int line = Line, column = Column;
    while (!AtEnd() && Peek() != '}')
        Advance();
    if (AtEnd())
        FailQuoting("comment not closed with \"}\"", start, line, column);
    Advance();
}

void PgnScanner::SkipVariation()
{
    const std::size_t start = Pos;
    const int line = Line, column = Column;
    int depth = 0;
    do {
        if (AtEnd())
            FailQuoting("variation not closed with \")\"", start, line, column);
        switch (Peek()) {
        case '(': ++depth; break;
        case ')': --depth; break;
        case '{': SkipComment(); continue;
        case ';': SkipLine(); continue;
        default: break;
        }
        Advance();
    } while (depth > 0);
}

bool PgnScanner::SkipMoveNumber()
{
    // Digits alone, or followed by dots ("12." "12..."), number a move; "1-0" or "0-0" do not.
    std::size_t end = Pos;
    while (end < Text.size() && IsDigit(Text[end]))
        ++end;
    if (end == Pos || (end < Text.size() && Text[end] != '.' && IsSymbolChar(Text[end])))
        return false;
    while (Pos < end || Peek() == '.')
        Advance();
    return true;
}

void PgnScanner::SkipIgnored()
{
    for (;;) {
        const char c = Peek();
        if (AtEnd())
            return;
        if (IsBlank(c) || c == '.') {
            Advance(); // blanks, the dots of "12 ..."
        } else if (c == '%' && Column == 1) {
            SkipLine();
        } else if (c == '(') {
            MarkConstruct();
            SkipVariation();
        } else if (Text.substr(Pos, 4) == "e.p.") {
            for (int i = 0; i < 4; ++i)
                Advance();
        } else if (!SkipMoveNumber()) {
            return;
        }
    }
}

std::string_view PgnScanner::ReadSymbol()
{
    const std::size_t start = Pos;
    while (!AtEnd() && (IsSymbolChar(Peek()) || IsForeignByte(Peek())))
        Advance();
    return Text.substr(start, Pos - start);
}

std::string_view PgnScanner::ReadMark()
{
    const std::size_t start = Pos;
    if (Peek() == '$') {
        Advance();
        while (IsDigit(Peek()))
            Advance();
    } else {
        while (Peek() == '!' || Peek() == '?')
            Advance();
    }
    return Text.substr(start, Pos - start);
}

std::string_view PgnScanner::ReadComment()
{
    const std::size_t start = Pos + 1;
    if (Peek() == ';') {
        const std::size_t end = std::min(Text.find_first_of("\r\n", start), Text.size());
        SkipLine();
        return Text.substr(start, end - start);
    }
    SkipComment();
    return Text.substr(start, Pos - 1 - start);
}

PgnToken PgnScanner::ReadTag()
{
    PgnToken token { PgnToken::Kind::Tag, {}, {}, Line, Column };
    const std::size_t start = Pos;
    const auto fail = [&](const std::string& reason) { FailQuoting(reason, start, token.Line, token.Column); };
    const auto skipSpaces = [&] {
        while (Peek() == ' ' || Peek() == '\t')
            Advance();
    };
    Advance(); // "["
    skipSpaces();
    const std::size_t nameStart = Pos;
    while (IsLetterOrDigit(Peek()) || Peek() == '_')
        Advance();
    token.Text = Text.substr(nameStart, Pos - nameStart);
    if (token.Text.empty())
        fail("tag without a name");
    skipSpaces();
    if (Peek() != '"')
        fail("tag value must be in double quotes");
    Advance();
    // The value ends at the first quote that no backslash escapes; it cannot span lines.
    for (;;) {
        const char c = Peek();
        if (AtEnd() || c == '\n' || c == '\r')
            fail("tag value not closed with a double quote");
        Advance();
        if (c == '"')
            break;
        if (c == '\\' && (Peek() == '"' || Peek() == '\\')) {
            token.Value += Peek();
            Advance();
        } else {
            token.Value += c;
        }
    }
    skipSpaces();
    if (Peek() != ']')
        fail("tag not closed with \"]\"");
    Advance();
    return token;
}

PgnToken PgnScanner::Next()
{
    SkipIgnored();
    MarkConstruct();
    if (AtEnd())
        return { PgnToken::Kind::End, {}, {}, Line, Column };
    const char c = Peek();
    if (c == '[')
        return ReadTag();
    PgnToken token { PgnToken::Kind::Move, {}, {}, Line, Column };
    if (c == '*') {
        token.Text = Text.substr(Pos, 1);
        Advance();
    } else if (c == '!' || c == '?' || c == '$') {
        return { PgnToken::Kind::Mark, ReadMark(), {}, token.Line, token.Column };
    } else if (c == '{' || c == ';') {
        return { PgnToken::Kind::Comment, ReadComment(), {}, token.Line, token.Column };
    } else if (IsLetterOrDigit(c)) {
        token.Text = ReadSymbol();
        // "exd6e.p.": the marker is written onto the move.
        if (token.Text.ends_with('e') && Text.substr(Pos, 3) == ".p.") {
            token.Text.remove_suffix(1);
            for (int i = 0; i < 3; ++i)
                Advance();
        }
    } else {
        const std::string_view what = Text.substr(Pos, CharacterLength(Text.substr(Pos)));
        Fail("unexpected character " + Quoted(what), what, Line, Column);
    }
    if (IsResult(token.Text))
        token.Type = PgnToken::Kind::Result;
    return token;
}

void PgnScanner::SkipDamagedGame()
{
    Pos = Construct.Pos;
    Line = Construct.Line;
    Column = Construct.Column;
    bool separated = Peek() != '[';
    SkipLine();
    while (!AtEnd()) {
        while (Peek() == ' ' || Peek() == '\t')
            Advance();
        if (Peek() == '[' && separated)
            return;
        separated |= Peek() != '['; // a blank line, movetext or the end
        SkipLine();
    }
}

} // namespace notation
