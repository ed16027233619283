// Games: their tags, their positions and how they ended.

#include "notation/game_notation.h"
#include "notation/move_rules.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace notation {

std::string Game::TagValue(std::string_view name) const
{
    for (const Tag& tag : Tags)
        if (tag.Name == name)
            return tag.Value;
    return {};
}

void Game::SetTag(std::string_view name, std::string value)
{
    for (Tag& tag : Tags)
        if (tag.Name == name) {
            tag.Value = std::move(value);
            return;
        }
    Tags.push_back({ std::string(name), std::move(value) });
}

Game CasualGame(std::string date, std::string white, std::string black)
{
    Game game;
    game.Tags = { { "Event", "Casual game" }, { "Site", "?" }, { "Date", std::move(date) }, { "Round", "-" },
        { "White", std::move(white) }, { "Black", std::move(black) } };
    return game;
}

std::string PgnDate(int year, int month, int day)
{
    // Unknown parts are question marks, as the Date tag writes them.
    const auto part = [](int value, int low, int high, const char* format, const char* unknown) {
        if (value < low || value > high)
            return std::string(unknown);
        char text[8];
        std::snprintf(text, sizeof text, format, value);
        return std::string(text);
    };
    return part(year, 0, 9999, "%04d", "????") + "." + part(month, 1, 12, "%02d", "??") + "."
        + part(day, 1, 31, "%02d", "??");
}

std::string PlayerName(bool computer, int searchDepth)
{
    return computer ? "Zugwerk! 2.0 (depth " + std::to_string(searchDepth) + ")" : "Human";
}

bool IsResult(std::string_view text) { return text == "1-0" || text == "0-1" || text == "1/2-1/2" || text == "*"; }

std::vector<Position> Replay(const Game& game)
{
    MoveRules rules(game.Start);
    std::vector<Position> positions { game.Start };
    positions.reserve(game.Moves.size() + 1);
    for (const Move move : game.Moves) {
        const Position& before = rules.Current();
        try {
            rules.Play(move);
        } catch (const NotationError& error) {
            throw NotationError(MoveContext(before) + ": " + error.Reason(), error.Text());
        }
        positions.push_back(rules.Current());
    }
    return positions;
}

namespace {

    // The square of an en passant capture that is legal in the position, or 0. A double step that no
    // pawn can take leaves its en passant square behind, but no capture: it changes nothing.
    int EnPassantCapture(const Position& position, MoveRules& rules)
    {
        if (position.EnPassantSquare == 0)
            return 0;
        rules.Load(position);
        for (const LegalMove& legal : rules.Legal())
            if (legal.Piece == 'P' && legal.Move.To == position.EnPassantSquare)
                return position.EnPassantSquare;
        return 0;
    }

    // How often the last position stands in the game. Two positions are the same with the same
    // placement, side to move, castling rights and en passant capture; the move counters do not count.
    long TimesLastPositionStands(const std::vector<Position>& positions, MoveRules& rules)
    {
        const Position& last = positions.back();
        std::optional<int> lastCapture; // found only when a position differs from the last in its square
        const auto sameAsLast = [&](const Position& p) {
            if (!std::equal(std::begin(p.Squares), std::end(p.Squares), last.Squares)
                || p.WhiteToMove != last.WhiteToMove || p.CastlingBits != last.CastlingBits)
                return false;
            if (p.EnPassantSquare == last.EnPassantSquare)
                return true;
            if (!lastCapture)
                lastCapture = EnPassantCapture(last, rules);
            return EnPassantCapture(p, rules) == *lastCapture;
        };
        return std::count_if(positions.begin(), positions.end(), sameAsLast);
    }

    // The further draw rules, after the classic ends have been ruled out.
    GameEnd DrawRuleEnd(const Game& game, const Position& last)
    {
        if (!game.MoreDrawRules)
            return GameEnd::None;
        if (DeadMaterial(last.Squares))
            return GameEnd::DeadPosition;
        if (last.HalfmoveClock >= SeventyFiveMoveRuleHalfMoves)
            return GameEnd::SeventyFiveMoves;
        if (game.FiftyMoveDrawClaimed && last.HalfmoveClock >= FiftyMoveRuleHalfMoves)
            return GameEnd::FiftyMovesClaimed;
        return GameEnd::None;
    }

    GameEnd EndAfter(const Game& game, const std::vector<Position>& positions)
    {
        const Position& last = positions.back();
        MoveRules rules(last);
        if (!rules.HasLegalMove())
            return rules.InCheck() ? GameEnd::Mate : GameEnd::Stalemate;
        const auto onlyKings = [](char c) { return c == 'K' || c == 'k' || c == ' '; };
        if (std::all_of(std::begin(last.Squares), std::end(last.Squares), onlyKings))
            return GameEnd::OnlyKings;
        if (TimesLastPositionStands(positions, rules) >= 3)
            return GameEnd::Repetition;
        return DrawRuleEnd(game, last);
    }

} // namespace

bool DeadMaterial(const char (&squares)[64])
{
    int knights = 0;
    bool bishopOnLight = false;
    bool bishopOnDark = false;
    for (int i = 0; i < 64; ++i) {
        switch (squares[i]) {
        case ' ':
        case 'K':
        case 'k': break;
        case 'N':
        case 'n': ++knights; break;
        case 'B':
        case 'b': ((i / 8 + i % 8) % 2 == 0 ? bishopOnLight : bishopOnDark) = true; break;
        default: return false; // a pawn, rook or queen can still mate
        }
    }
    // Bishops of both colours, or a knight beside any other piece, leave a mate that the other side
    // can walk into; bare kings are a game end of their own.
    if (knights == 0)
        return bishopOnLight != bishopOnDark;
    return knights == 1 && !bishopOnLight && !bishopOnDark;
}

GameEnd EndOfGame(const Game& game) { return EndAfter(game, Replay(game)); }

std::string ResultOf(const Game& game)
{
    const std::vector<Position> positions = Replay(game);
    switch (EndAfter(game, positions)) {
    case GameEnd::Mate: return positions.back().WhiteToMove ? "0-1" : "1-0";
    case GameEnd::Stalemate:
    case GameEnd::OnlyKings:
    case GameEnd::Repetition:
    case GameEnd::DeadPosition:
    case GameEnd::SeventyFiveMoves:
    case GameEnd::FiftyMovesClaimed: return "1/2-1/2";
    case GameEnd::None: break;
    }
    return IsResult(game.Result) ? game.Result : "*";
}

} // namespace notation
