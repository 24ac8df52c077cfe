// SPDX-License-Identifier: MIT
// Small helpers shared by the benchmarks: each measures a case and its baseline in one run and
// prints both with their ratio, so figures compare within one machine state.
#ifndef BENCHUTIL_H
#define BENCHUTIL_H

#include <QtCore/qelapsedtimer.h>
#include <QtCore/qfile.h>
#include <QtCore/qprocess.h>
#include <QtCore/qstring.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <utility>
#include <vector>

namespace bench {

// Wall time of one run of `fn`, in nanoseconds.
template <typename Fn>
qint64 timedNs(Fn &&fn)
{
    QElapsedTimer timer;
    timer.start();
    fn();
    return timer.nsecsElapsed();
}

inline double median(std::vector<qint64> samples)
{
    std::sort(samples.begin(), samples.end());
    return double(samples[samples.size() / 2]);
}

// Median wall time in nanoseconds of `rounds` runs of `fn` (after one warm-up run).
template <typename Fn>
double medianNs(int rounds, Fn &&fn)
{
    fn();
    std::vector<qint64> samples;
    for (int i = 0; i < rounds; ++i)
        samples.push_back(timedNs(fn));
    return median(std::move(samples));
}

// Median wall times of a case and its baseline, run in turns (after one warm-up run of each), so
// that both meet the same cache, heap and clock state rather than one taking the machine's mood
// of the first half and the other of the second.
template <typename Case, typename Baseline>
std::pair<double, double> medianPairNs(int rounds, Case &&runCase, Baseline &&runBaseline)
{
    runCase();
    runBaseline();
    std::vector<qint64> cases, baselines;
    for (int i = 0; i < rounds; ++i) {
        cases.push_back(timedNs(runCase));
        baselines.push_back(timedNs(runBaseline));
    }
    return {median(std::move(cases)), median(std::move(baselines))};
}

// CPU time this process has used so far, all threads, in nanoseconds (0 where unknown).
inline double processCpuNs()
{
#if defined(CLOCK_PROCESS_CPUTIME_ID)
    timespec now {};
    if (clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now) == 0)
        return double(now.tv_sec) * 1e9 + double(now.tv_nsec);
#endif
    return 0;
}

inline void report(const char *what, double caseNs, const char *baselineName, double baselineNs)
{
    std::printf("%-48s %12.3f ms   %-32s %12.3f ms   ratio %.2f\n", what, caseNs / 1e6, baselineName,
                baselineNs / 1e6, baselineNs > 0 ? caseNs / baselineNs : 0.0);
}

// Resident set size of this process in kilobytes (Linux; 0 elsewhere).
inline double residentKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toDouble() * 4 : 0;
}

// Runs `program --memory kind` and reads the kilobytes it prints: a memory figure measured in a
// process of its own, so that one kind's allocations do not count for the other.
inline double memoryOf(const char *program, const char *kind)
{
    QProcess child;
    child.start(QString::fromLocal8Bit(program), {QStringLiteral("--memory"), QLatin1String(kind)});
    if (!child.waitForFinished(120000))
        return 0;
    return child.readAllStandardOutput().trimmed().toDouble();
}

} // namespace bench

#endif // BENCHUTIL_H
