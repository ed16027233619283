#pragma once

// The chess clock of a game played with a time control: each side has a budget that counts down
// while it is to move, and the Fischer increment is added to a side each time it completes a move.
// The clock is told the side to move (after a move, or when the position changes without one, as
// after stepping back through the game), so it follows the position rather than counting moves.
// When the running side's time reaches zero its flag falls: the clock stops and reports the fall
// once. It reads time from a monotonic source in milliseconds, replaceable so that tests turn it.
// Plain data and logic, no widgets; main thread only.

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// Minutes per side and seconds added after each move.
struct TTimeControl {
    int Minutes = 5;
    int IncrementSeconds = 0;

    static constexpr int MaxMinutes = 600;
    static constexpr int MaxIncrementSeconds = 600;

    std::int64_t BaseMs() const { return std::int64_t(Minutes) * 60'000; }
    std::int64_t IncrementMs() const { return std::int64_t(IncrementSeconds) * 1'000; }
    // At least one minute, and both within their maxima.
    bool IsValid() const;
    // "5+3": minutes and increment seconds.
    QString Name() const;
    // The PGN TimeControl tag's value: seconds per side and increment, "300+3".
    QString PgnTag() const;
    // The control named "5+3" (spaces allowed around the "+"), or nothing for an invalid name.
    static std::optional<TTimeControl> FromName(const QString& name);
    // The usual controls, fastest first: 1+0, 3+2, 5+3, 10+5, 15+10, 30+0.
    static const std::vector<TTimeControl>& Presets();

    bool operator==(const TTimeControl&) const = default;
};

// The side has nothing but its king on these squares (piece letters, upper case White's, as a
// position holds them). A flag that falls against such a side draws: it has no way to mate.
bool OnlyKingLeft(const char (&squares)[64], bool white);

class TChessClock {
public:
    // Milliseconds since some fixed moment, never going backwards.
    using TTimeSource = std::function<std::int64_t()>;

    // Both sides start with the full time, White to move, the clock not yet running. An empty source
    // reads the system's monotonic clock. Throws std::invalid_argument for an invalid control.
    explicit TChessClock(const TTimeControl& control, TTimeSource now = {});

    const TTimeControl& Control() const { return FControl; }

    // A new game: both sides get the full time and the side to move's clock runs.
    void Start(bool whiteToMove);
    // A move was made and whiteToMove is now to move: the side that moved gets the increment, the
    // other side's clock runs. A move made after the mover's time ran out makes its flag fall.
    void MoveMade(bool whiteToMove);
    // The side to move changed without a move (navigation, a take-back): the times stay as they are.
    void SetSideToMove(bool whiteToMove);
    // Pause stops both clocks (the game is over or waits); Resume runs the side to move's clock
    // again. Resuming after a flag fall takes the fall back: it falls again once that side runs.
    void Pause();
    void Resume();

    bool WhiteToMove() const { return FWhiteToMove; }
    // True while a side's time is counting down.
    bool Running() const { return !FPaused && !FFlag; }
    bool Paused() const { return FPaused; }
    // Milliseconds left for the side, never below zero.
    std::int64_t RemainingMs(bool white) const;
    // The side whose flag fell (true for White), once the running side's time has run out.
    std::optional<bool> FlagFallen() const;
    // The flag fall, reported once: the side whose flag fell the first time it is asked after the
    // fall, nothing before and afterwards.
    std::optional<bool> TakeFlagFall();

    // The side's time as a clock shows it: "h:mm:ss" from one hour, "m:ss" below, and "m:ss.t" with
    // tenths below ten seconds. Times are cut, not rounded, so that "0:00.0" means no time is left.
    QString Text(bool white) const { return DisplayText(RemainingMs(white)); }
    static QString DisplayText(std::int64_t ms);

private:
    // Charges the time since the last reading to the running side; a side at zero has flagged.
    void Update() const;
    std::int64_t& Remaining(bool white) const { return white ? FWhiteMs : FBlackMs; }

    TTimeControl FControl;
    TTimeSource FNow;
    bool FWhiteToMove = true;
    bool FPaused = true;
    bool FFlagReported = false;
    // Readings change with time even through const access: the remaining times are what they are now.
    mutable std::optional<bool> FFlag;
    mutable std::int64_t FWhiteMs = 0;
    mutable std::int64_t FBlackMs = 0;
    mutable std::int64_t FLastReading = 0;
};
