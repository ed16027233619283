// Writing PGN export format.

#include "notation/game_notation.h"
#include "notation/move_notes.h"
#include "notation/move_rules.h"
#include "notation/quoted_text.h"
#include "notation/san.h"

#include <algorithm>

namespace notation {

namespace {

    // The Seven Tag Roster in its order, with the value written when the game lacks the tag.
    struct RosterTag {
        std::string_view Name;
        std::string_view Unknown;
    };
    constexpr RosterTag Roster[] = { { "Event", "?" }, { "Site", "?" }, { "Date", "????.??.??" }, { "Round", "?" },
        { "White", "?" }, { "Black", "?" }, { "Result", "*" } };

    // Export lines hold fewer than 80 characters.
    constexpr std::size_t MaxLineLength = 79;

    bool WrittenApart(std::string_view name)
    {
        return name == "SetUp" || name == "FEN"
            || std::any_of(
                std::begin(Roster), std::end(Roster), [&](const RosterTag& tag) { return tag.Name == name; });
    }

    void WriteTag(std::string& out, std::string_view name, std::string_view value)
    {
        out += '[';
        out += name;
        out += " \"";
        for (const char c : value) {
            if (c == '"' || c == '\\')
                out += '\\';
            // A tag lives on one line: control characters become blanks.
            out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
        out += "\"]\n";
    }

    const char* EndComment(GameEnd end)
    {
        switch (end) {
        case GameEnd::Mate: return "{Checkmate}";
        case GameEnd::Stalemate: return "{Stalemate}";
        case GameEnd::OnlyKings: return "{Only the two kings are left}";
        case GameEnd::Repetition: return "{Threefold repetition}";
        case GameEnd::DeadPosition: return "{Dead position}";
        case GameEnd::SeventyFiveMoves: return "{75-move rule}";
        case GameEnd::FiftyMovesClaimed: return "{50-move rule claimed}";
        case GameEnd::None: break;
        }
        return nullptr;
    }

    // Notes that the movetext cannot carry are refused rather than written as a file no reader takes.
    void CheckNotes(const Game& game)
    {
        if (!game.Notes.empty() && game.Notes.size() != game.Moves.size())
            throw NotationError("the game has " + std::to_string(game.Moves.size()) + " moves but notes for "
                + std::to_string(game.Notes.size()));
        for (const MoveNote& note : game.Notes)
            if (!note.Mark.empty() && !IsMoveMark(note.Mark))
                throw NotationError(Quoted(note.Mark) + " is not a move mark", note.Mark);
    }

    // Fills lines token by token, a blank between tokens, a new line before a token that would not fit.
    class LineFiller {
    public:
        explicit LineFiller(std::string& out)
            : Out(out)
        {
        }
        void Add(std::string_view token)
        {
            if (!Line.empty() && Line.size() + 1 + token.size() > MaxLineLength)
                Flush();
            if (!Line.empty())
                Line += ' ';
            Line += token;
        }
        void Flush()
        {
            Out += Line;
            Out += '\n';
            Line.clear();
        }

    private:
        std::string& Out;
        std::string Line;
    };

} // namespace

std::string WritePgn(const Game& game)
{
    const std::string result = ResultOf(game);
    std::string out;
    // Tags: the roster, the start position when it is not the usual one, then the rest in order.
    for (const RosterTag& tag : Roster) {
        const std::string value = tag.Name == "Result" ? result : game.TagValue(tag.Name);
        WriteTag(out, tag.Name, value.empty() ? tag.Unknown : value);
    }
    if (game.Start != StartPosition()) {
        WriteTag(out, "SetUp", "1");
        WriteTag(out, "FEN", WriteFen(game.Start));
    }
    for (const Tag& tag : game.Tags)
        if (!WrittenApart(tag.Name))
            WriteTag(out, tag.Name, tag.Value);
    out += '\n';

    // Movetext: a number before each White move, "N..." before a first move by Black; a move's mark
    // glued to it and its evaluation in a comment of its own, which moves to the next line as a whole.
    CheckNotes(game);
    LineFiller lines(out);
    MoveRules rules(game.Start);
    for (std::size_t i = 0; i < game.Moves.size(); ++i) {
        const Position& position = rules.Current();
        if (position.WhiteToMove || i == 0)
            lines.Add(std::to_string(position.FullmoveNumber) + (position.WhiteToMove ? "." : "..."));
        const MoveNote* note = game.Notes.empty() ? nullptr : &game.Notes[i];
        lines.Add(PlaySan(rules, game.Moves[i]) + (note ? note->Mark : std::string()));
        if (note && note->Eval)
            lines.Add("{" + EvalCommand(*note->Eval) + "}");
    }
    // How the game ended, then the termination marker.
    if (const char* comment = EndComment(EndOfGame(game)))
        lines.Add(comment);
    lines.Add(result);
    lines.Flush();
    return out;
}

} // namespace notation
