#pragma once

// TQVChronometre: a stopwatch that adds up laps. Start begins a lap, Stop ends it and adds it to the
// total; Reset clears everything. Times are date-time values: whole days in the date, the elapsed
// part of the day as a fraction in the time of day. A lap that runs across midnight counts the days
// it crossed.
//
// The clock it reads is replaceable, so that tests can let a lap cross midnight. A non-visual
// component owned by the window that holds it; main thread only.

#include <QDateTime>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

class TQVChronometre : public QObject {
    Q_OBJECT

public:
    // The local date and time; one reading gives both, so a lap never mixes two moments.
    using TClock = std::function<QDateTime()>;

    explicit TQVChronometre(QObject* owner = nullptr);

    void Reset();
    void Start();
    void Stop();
    bool Running() const { return FRunning; }

    // Seconds of the running lap, or of the last completed one when stopped.
    double TimeElapsed() const;
    // Seconds of all laps, the running one included.
    double TotalTimeElapsed() const;

    // a - b in whole days, halves to the even neighbour, as an unsigned 16-bit number.
    static std::uint16_t Jours_Ecoule(double a, double b);
    // "hh:mm:ss.cc", at most 14 characters; the hours take as many digits as they need, up to 5.
    static QString Time2Str(double seconds);

    void set_Clock(TClock clock) { Clock = std::move(clock); }

private:
    // The date as whole days and the time of day as a fraction of a day.
    struct Reading {
        double date;
        double time;
    };
    Reading Now() const;
    // Seconds from the start of the lap to the given reading, with the midnights crossed.
    double LapSeconds(Reading end) const;

    double StartTime = 0;
    double StartDate = 0;
    double StopTime = 0;
    double StopDate = 0;
    double TotalSeconds = 0;
    bool FRunning = false;
    TClock Clock;
};
