// Reading PGN: games from tokens, every move checked by replaying it.

#include "notation/game_notation.h"
#include "notation/move_notes.h"
#include "notation/move_rules.h"
#include "notation/pgn_scanner.h"
#include "notation/san.h"

#include <algorithm>
#include <optional>

namespace notation {

namespace {

    // Builds the games of one text, one at a time. A game is its tags followed by its movetext; it ends
    // with a result token, or where the next game's tags begin, or with the text. A damaged game is
    // given back with its error and the tags read before the damage, and reading goes on at the next
    // game's tags.
    class PgnReader {
    public:
        explicit PgnReader(std::string_view text)
            : Scanner(text)
        {
        }

        // The next game, complete or refused; nothing after the last.
        std::optional<PgnGameRead> ReadGame()
        {
            Current = Game();
            TagPlaces.clear();
            InMovetext = false;
            try {
                return ReadTokens();
            } catch (const NotationError& error) {
                Scanner.SkipDamagedGame();
                PgnGameRead damaged;
                damaged.Read.Tags = std::move(Current.Tags);
                // The scanner knows the place but not the game.
                damaged.Error = error.Game() == 0 ? error.At(GameNumber(), error.Line(), error.Column()) : error;
                ++GamesRead;
                return damaged;
            }
        }

    private:
        int GameNumber() const { return GamesRead + 1; }

        std::optional<PgnGameRead> ReadTokens()
        {
            for (;;) {
                PgnToken token = Pending ? std::move(*Pending) : Scanner.Next();
                Pending.reset();
                switch (token.Type) {
                case PgnToken::Kind::Tag:
                    // Tags after movetext begin the next game.
                    if (InMovetext) {
                        Pending = std::move(token);
                        return FinishGame({});
                    }
                    Current.Tags.push_back({ std::string(token.Text), std::move(token.Value) });
                    TagPlaces.push_back({ token.Line, token.Column });
                    break;
                case PgnToken::Kind::Move: PlayMove(token); break;
                case PgnToken::Kind::Mark: NoteMark(token.Text); break;
                case PgnToken::Kind::Comment: NoteComment(token.Text); break;
                case PgnToken::Kind::Result: return FinishGame(token.Text);
                case PgnToken::Kind::End:
                    if (Current.Tags.empty() && !InMovetext)
                        return std::nullopt;
                    return FinishGame({});
                }
            }
        }

        // Where the tag that TagValue reads (the first of that name) starts.
        std::pair<int, int> PlaceOfTag(std::string_view name) const
        {
            for (std::size_t i = 0; i < Current.Tags.size(); ++i)
                if (Current.Tags[i].Name == name)
                    return TagPlaces[i];
            return {};
        }

        // The start position comes from the FEN tag, if any; SetUp "1" without one is an error.
        void BeginMovetext()
        {
            const std::string fen = Current.TagValue("FEN");
            const auto fail = [&](const NotationError& error, std::string_view tag) {
                const auto [line, column] = PlaceOfTag(tag);
                throw error.At(GameNumber(), line, column);
            };
            if (!fen.empty()) {
                try {
                    Current.Start = ReadFen(fen);
                } catch (const NotationError& error) {
                    fail(error, "FEN");
                }
            } else if (Current.TagValue("SetUp") == "1") {
                fail(NotationError("SetUp tag \"1\" without a FEN tag"), "SetUp");
            }
            Rules.Load(Current.Start);
            InMovetext = true;
        }

        void PlayMove(const PgnToken& token)
        {
            if (!InMovetext)
                BeginMovetext();
            try {
                const Move move = ParseSan(Rules, token.Text);
                Rules.Play(move);
                Current.Moves.push_back(move);
                Current.Notes.emplace_back();
            } catch (const NotationError& error) {
                // ParseSan refused: the position is still the one the move was meant for.
                throw error.At(GameNumber(), token.Line, token.Column, MoveContext(Rules.Current()));
            }
        }

        // Marks and comments note the move before them; before the first move they note nothing. The
        // first mark and the first evaluation after a move count.
        MoveNote* LastNote() { return Current.Notes.empty() ? nullptr : &Current.Notes.back(); }
        void NoteMark(std::string_view text)
        {
            const std::string_view mark = text.starts_with('$') ? MarkOfGlyph(text) : text;
            if (MoveNote* note = LastNote(); note && note->Mark.empty() && IsMoveMark(mark))
                note->Mark = mark;
        }
        void NoteComment(std::string_view text)
        {
            if (MoveNote* note = LastNote(); note && !note->Eval)
                note->Eval = EvalInComment(text);
        }

        // The result token ends the game; without one the Result tag stands, else "*".
        PgnGameRead FinishGame(std::string_view resultToken)
        {
            if (!InMovetext)
                BeginMovetext();
            const std::string tagged = Current.TagValue("Result");
            Current.Result = !resultToken.empty() ? std::string(resultToken) : IsResult(tagged) ? tagged : "*";
            // A game without any note compares equal to the same game written without them.
            if (std::all_of(Current.Notes.begin(), Current.Notes.end(),
                    [](const MoveNote& note) { return note == MoveNote(); }))
                Current.Notes.clear();
            ++GamesRead;
            return { std::move(Current), std::nullopt };
        }

        PgnScanner Scanner;
        MoveRules Rules;
        int GamesRead = 0; // complete and damaged
        std::optional<PgnToken> Pending; // the tag that ended the last game and begins this one
        Game Current;
        bool InMovetext = false;
        std::vector<std::pair<int, int>> TagPlaces; // line and column of each tag of the current game
    };

} // namespace

std::vector<PgnGameRead> ReadPgnGames(std::string_view text)
{
    PgnReader reader(text);
    std::vector<PgnGameRead> games;
    while (std::optional<PgnGameRead> game = reader.ReadGame())
        games.push_back(std::move(*game));
    return games;
}

std::vector<Game> ReadPgn(std::string_view text)
{
    PgnReader reader(text);
    std::vector<Game> games;
    while (std::optional<PgnGameRead> game = reader.ReadGame()) {
        if (game->Error)
            throw *game->Error;
        games.push_back(std::move(game->Read));
    }
    return games;
}

} // namespace notation
