// The time controls and the chess clock that counts them down.

#include "app/chess_clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRegularExpression>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace {

TChessClock::TTimeSource SystemMonotonicClock()
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    return [timer] { return static_cast<std::int64_t>(timer->elapsed()); };
}

QString TwoDigits(std::int64_t n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

} // namespace

bool TTimeControl::IsValid() const
{
    return Minutes >= 1 && Minutes <= MaxMinutes && IncrementSeconds >= 0 && IncrementSeconds <= MaxIncrementSeconds;
}

QString TTimeControl::Name() const { return QStringLiteral("%1+%2").arg(Minutes).arg(IncrementSeconds); }

QString TTimeControl::PgnTag() const { return QStringLiteral("%1+%2").arg(BaseMs() / 1000).arg(IncrementSeconds); }

std::optional<TTimeControl> TTimeControl::FromName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,4})\\s*\\+\\s*(\\d{1,4})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    const TTimeControl control { match.captured(1).toInt(), match.captured(2).toInt() };
    return control.IsValid() ? std::optional(control) : std::nullopt;
}

const std::vector<TTimeControl>& TTimeControl::Presets()
{
    static const std::vector<TTimeControl> presets { { 1, 0 }, { 3, 2 }, { 5, 3 }, { 10, 5 }, { 15, 10 }, { 30, 0 } };
    return presets;
}

TChessClock::TChessClock(const TTimeControl& control, TTimeSource now)
    : FControl(control)
    , FNow(now ? std::move(now) : SystemMonotonicClock())
{
    if (!control.IsValid())
        throw std::invalid_argument(QCoreApplication::translate("TChessClock",
            "The time control %1 is not one the clock can keep: from 1 to %2 minutes and from 0 to %3 seconds of "
            "increment")
                                        .arg(control.Name())
                                        .arg(TTimeControl::MaxMinutes)
                                        .arg(TTimeControl::MaxIncrementSeconds)
                                        .toStdString());
    FWhiteMs = FBlackMs = control.BaseMs();
    FLastReading = FNow();
}

void TChessClock::Start(bool whiteToMove)
{
    FWhiteMs = FBlackMs = FControl.BaseMs();
    FFlag.reset();
    FFlagReported = false;
    FWhiteToMove = whiteToMove;
    FPaused = false;
    FLastReading = FNow();
}

void TChessClock::MoveMade(bool whiteToMove)
{
    Update();
    if (whiteToMove == FWhiteToMove)
        return;
    // A flag that fell before the move stays fallen: the move came too late.
    if (!FFlag)
        Remaining(FWhiteToMove) += FControl.IncrementMs();
    FWhiteToMove = whiteToMove;
}

void TChessClock::SetSideToMove(bool whiteToMove)
{
    Update();
    FWhiteToMove = whiteToMove;
}

void TChessClock::Pause()
{
    Update();
    FPaused = true;
}

void TChessClock::Resume()
{
    Update();
    FPaused = false;
    FFlag.reset();
    FFlagReported = false;
}

std::int64_t TChessClock::RemainingMs(bool white) const
{
    Update();
    return Remaining(white);
}

std::optional<bool> TChessClock::FlagFallen() const
{
    Update();
    return FFlag;
}

std::optional<bool> TChessClock::TakeFlagFall()
{
    const std::optional<bool> flag = FlagFallen();
    if (!flag || FFlagReported)
        return std::nullopt;
    FFlagReported = true;
    return flag;
}

QString TChessClock::DisplayText(std::int64_t ms)
{
    ms = std::max<std::int64_t>(ms, 0);
    const std::int64_t seconds = ms / 1000;
    const std::int64_t h = seconds / 3600;
    const std::int64_t m = seconds / 60 % 60;
    const std::int64_t s = seconds % 60;
    if (h > 0)
        return QStringLiteral("%1:%2:%3").arg(h).arg(TwoDigits(m), TwoDigits(s));
    const QString text = QStringLiteral("%1:%2").arg(m).arg(TwoDigits(s));
    return seconds < 10 ? text + QLatin1Char('.') + QString::number(ms / 100 % 10) : text;
}

void TChessClock::Update() const
{
    const std::int64_t now = FNow();
    const std::int64_t elapsed = std::max<std::int64_t>(now - FLastReading, 0);
    FLastReading = now;
    if (!Running())
        return;
    std::int64_t& remaining = Remaining(FWhiteToMove);
    remaining -= elapsed;
    if (remaining <= 0) {
        remaining = 0;
        FFlag = FWhiteToMove;
    }
}

bool OnlyKingLeft(const char (&squares)[64], bool white)
{
    return std::none_of(std::begin(squares), std::end(squares), [white](char c) {
        const bool piece = white ? (c >= 'A' && c <= 'Z') : (c >= 'a' && c <= 'z');
        return piece && c != 'K' && c != 'k';
    });
}
