#pragma once

// The tokens of a PGN text that carry a game: tags, moves and result tokens, and the notes on moves:
// marks ("!?"), NAGs ("$12") and comments in braces and after ";". Everything else that import format
// allows is read past here: blanks and line ends (LF, CR LF or CR), variations in parentheses (nested,
// comments inside included), move numbers with their dots, "e.p." after a move and "%" escape lines.
// A UTF-8 byte order mark at the start is skipped.

#include <string>
#include <string_view>

namespace notation {

struct PgnToken {
    enum class Kind { Tag, Move, Result, Mark, Comment, End };
    Kind Type = Kind::End;
    // The tag's name, the move, the result token, the mark or NAG ("!?", "$5") or the comment's text
    // without its braces or ";".
    std::string_view Text;
    std::string Value; // the tag's value, escapes resolved
    int Line = 0; // where the token starts, from 1; columns count characters, not bytes
    int Column = 0;
};

// Reads one text from start to end. Throws NotationError placed at the line and column of the
// trouble (game 0: the reader knows which game it is in). The text must outlive the scanner.
class PgnScanner {
public:
    explicit PgnScanner(std::string_view text);
    PgnToken Next();
    // After damage (a Next that threw, or a token the reader refused): moves on to where the next
    // game can begin, the first tag line after the damaged construct's line that follows a blank
    // line or a line of movetext. Damage in movetext counts its own line as movetext; damage in a
    // tag skips the rest of its tag section.
    void SkipDamagedGame();

private:
    bool AtEnd() const { return Pos >= Text.size(); }
    char Peek(std::size_t ahead = 0) const { return Pos + ahead < Text.size() ? Text[Pos + ahead] : '\0'; }
    void Advance();
    void SkipLine();
    void SkipIgnored();
    void SkipComment();
    void SkipVariation();
    bool SkipMoveNumber();
    std::string_view ReadSymbol();
    std::string_view ReadMark();
    std::string_view ReadComment();
    PgnToken ReadTag();
    [[noreturn]] void Fail(const std::string& reason, std::string_view text, int line, int column) const;
    // Fail, quoting the text from `from` on.
    [[noreturn]] void FailQuoting(const std::string& reason, std::size_t from, int line, int column) const;

    struct Place {
        std::size_t Pos = 0;
        int Line = 1;
        int Column = 1;
    };
    void MarkConstruct() { Construct = { Pos, Line, Column }; }

    std::string_view Text;
    std::size_t Pos = 0;
    int Line = 1;
    int Column = 1;
    Place Construct; // the start of the last token, comment or variation begun: where damage lies
};

} // namespace notation
