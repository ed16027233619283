// The stopwatch: laps, their total and the text form of a time.

#include "app/qvchrono.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double SecondsPerDay = 86400;
constexpr double MillisecondsPerDay = 86400000;

// Whole part towards zero as the stopwatch's unsigned 16-bit field: larger values wrap.
std::uint16_t Field16(double x) { return static_cast<std::uint16_t>(static_cast<long long>(std::trunc(x))); }

// The decimal text of n cut to at most width characters; a single digit gets a leading "0".
QString FieldText(std::uint16_t n, int width)
{
    QString text = QString::number(n).left(width);
    return text.size() == 1 ? QLatin1Char('0') + text : text;
}

} // namespace

TQVChronometre::TQVChronometre(QObject* owner)
    : QObject(owner)
    , Clock([] { return QDateTime::currentDateTime(); })
{
    Reset();
}

void TQVChronometre::Reset()
{
    StartTime = StartDate = StopTime = StopDate = TotalSeconds = 0;
    FRunning = false;
}

void TQVChronometre::Start()
{
    if (FRunning)
        return;
    const Reading now = Now();
    StartDate = now.date;
    StartTime = now.time;
    FRunning = true;
    StopTime = StopDate = 0;
}

void TQVChronometre::Stop()
{
    if (!FRunning)
        return;
    const Reading now = Now();
    StopDate = now.date;
    StopTime = now.time;
    FRunning = false;
    TotalSeconds += LapSeconds({ StopDate, StopTime });
}

double TQVChronometre::TimeElapsed() const { return LapSeconds(FRunning ? Now() : Reading { StopDate, StopTime }); }

double TQVChronometre::TotalTimeElapsed() const { return FRunning ? TotalSeconds + LapSeconds(Now()) : TotalSeconds; }

std::uint16_t TQVChronometre::Jours_Ecoule(double a, double b)
{
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    return static_cast<std::uint16_t>(static_cast<long long>(std::nearbyint(a - b)));
}

QString TQVChronometre::Time2Str(double seconds)
{
    double x = seconds;
    const auto cc = Field16(std::nearbyint((x - std::trunc(x)) * 100));
    x = std::trunc(x);
    const std::uint16_t h = Field16(x / 3600);
    x -= h * 3600.0;
    const std::uint16_t m = Field16(x / 60);
    x -= m * 60.0;
    const std::uint16_t s = Field16(x);
    const QString text = FieldText(h, 5) + QLatin1Char(':') + FieldText(m, 2) + QLatin1Char(':') + FieldText(s, 2)
        + QLatin1Char('.') + FieldText(cc, 2);
    return text.left(14);
}

TQVChronometre::Reading TQVChronometre::Now() const
{
    const QDateTime now = Clock();
    return { static_cast<double>(now.date().toJulianDay()), now.time().msecsSinceStartOfDay() / MillisecondsPerDay };
}

double TQVChronometre::LapSeconds(Reading end) const
{
    double seconds = (end.time - StartTime) * SecondsPerDay;
    // A date that went backwards (the system clock was set back) counts no days and no negative
    // time; the unsigned day count would otherwise add some 179 years.
    if (end.date < StartDate)
        return 0;
    if (const std::uint16_t days = Jours_Ecoule(end.date, StartDate); days != 0)
        seconds += days * SecondsPerDay;
    // The clock reads whole milliseconds; rounding to them drops the noise of the day fractions, so
    // that a lap of one second shows as one second.
    return std::max(std::round(seconds * 1000) / 1000, 0.0);
}
