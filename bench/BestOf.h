#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <limits>

// The time of one call of `measure`, in milliseconds.
template<typename Measure>
double millisecondsOf(Measure measure)
{
    QElapsedTimer timer;
    timer.start();
    measure();
    return double(timer.nsecsElapsed()) / 1e6;
}

// The fastest of `repetitions` timed calls of `measure`, in milliseconds. `prepare` runs before
// each call, untimed, so that every call starts from the same state; the fastest call is the
// one least disturbed by the rest of the machine.
template<typename Prepare, typename Measure>
double bestOfMilliseconds(int repetitions, Prepare prepare, Measure measure)
{
    double best = std::numeric_limits<double>::infinity();
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        prepare();
        best = std::min(best, millisecondsOf(measure));
    }
    return best;
}
