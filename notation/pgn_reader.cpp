// Reading PGN: games from tokens, every move checked by replaying it.

#include "game_notation.h"
#include "move_rules.h"
#include "pgn_scanner.h"
#include "san.h"

namespace notation {

namespace {

    // Builds the games of one text. A game is its tags followed by its movetext; it ends with a result
    // token, or where the next game's tags begin, or with the text.
    class PgnReader {
    public:
        explicit PgnReader(std::string_view text)
            : Scanner(text)
        {
        }

        std::vector<Game> ReadAll()
        {
            try {
                for (;;) {
                    const PgnToken token = Scanner.Next();
                    switch (token.Type) {
                    case PgnToken::Kind::Tag: AddTag(token); break;
                    case PgnToken::Kind::Move: PlayMove(token); break;
                    case PgnToken::Kind::Result: FinishGame(token.Text); break;
                    case PgnToken::Kind::End:
                        if (Started)
                            FinishGame({});
                        return std::move(Games);
                    }
                }
            } catch (const NotationError& error) {
                // The scanner knows the place but not the game.
                if (error.Game() == 0)
                    throw error.At(GameNumber(), error.Line(), error.Column());
                throw;
            }
        }

    private:
        int GameNumber() const { return static_cast<int>(Games.size()) + 1; }

        void AddTag(const PgnToken& token)
        {
            if (InMovetext)
                FinishGame({});
            Current.Tags.push_back({ std::string(token.Text), token.Value });
            TagPlaces.push_back({ token.Line, token.Column });
            Started = true;
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
            Started = true;
        }

        void PlayMove(const PgnToken& token)
        {
            if (!InMovetext)
                BeginMovetext();
            try {
                const Move move = ParseSan(Rules, token.Text);
                Rules.Play(move);
                Current.Moves.push_back(move);
            } catch (const NotationError& error) {
                // ParseSan refused: the position is still the one the move was meant for.
                throw error.At(GameNumber(), token.Line, token.Column, MoveContext(Rules.Current()));
            }
        }

        // The result token ends the game; without one the Result tag stands, else "*".
        void FinishGame(std::string_view resultToken)
        {
            if (!InMovetext)
                BeginMovetext();
            const std::string tagged = Current.TagValue("Result");
            Current.Result = !resultToken.empty() ? std::string(resultToken) : IsResult(tagged) ? tagged : "*";
            Games.push_back(std::move(Current));
            Current = Game();
            TagPlaces.clear();
            InMovetext = false;
            Started = false;
        }

        PgnScanner Scanner;
        MoveRules Rules;
        std::vector<Game> Games;
        Game Current;
        bool Started = false; // the current game has a tag or movetext
        bool InMovetext = false;
        std::vector<std::pair<int, int>> TagPlaces; // line and column of each tag of the current game
    };

} // namespace

std::vector<Game> ReadPgn(std::string_view text) { return PgnReader(text).ReadAll(); }

} // namespace notation
