// SPDX-License-Identifier: GPL-3.0-or-later
// Time and peak memory of `tarnquil --route FILE --export OUT.pdf` on the
// 10,000-waypoint coastal route, the program run as a navigator runs it:
// each run a process of its own, its wall-clock time from start to exit,
// its processor time and its peak resident memory as the kernel counts
// them (wait4). Prints each run and the median.
//   cmake --preset bench && cmake --build --preset bench --target route_pdf_bench
//   build/bench/bench/route_pdf_bench [RUNS]      (default 5)
#include "bench/coastal_route.h"
#include "routefiles/route_csv.h"
#include "routefiles/save_file.h"

#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct Measure {
    double seconds = 0;
    double processorSeconds = 0;
    long peakKiB = 0;
    int status = -1;
};

double secondsOf(const timeval& time)
{
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

Measure runOnce(const std::vector<QByteArray>& arguments)
{
    std::vector<char*> argv;
    for (const QByteArray& argument : arguments)
        argv.push_back(const_cast<char*>(argument.constData()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    return {wall.count(), secondsOf(usage.ru_utime) + secondsOf(usage.ru_stime), usage.ru_maxrss,
            WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const QString route = dir.filePath(u"route.csv"_s);
    if (!tarnquil::saveFile(route, tarnquil::routeCsv(tarnquil::coastalRoute(), geo::NumberForm::Minutes))
             .isEmpty()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(route));
        return 1;
    }
    const std::vector<QByteArray> arguments = {
        TARNQUIL_PROGRAM, "--route", route.toUtf8(), "--export", dir.filePath(u"legs.pdf"_s).toUtf8(),
        "--speed", "12.5", "--depart", "2025-01-01 08:00"};
    std::vector<Measure> measures;
    for (int run = 0; run < runs; ++run) {
        measures.push_back(runOnce(arguments));
        const Measure& m = measures.back();
        std::printf("run %d: %.2f s wall, %.2f s processor, %ld KiB peak, exit %d\n", run + 1, m.seconds,
                    m.processorSeconds, m.peakKiB, m.status);
        if (m.status != 0)
            return 1;
    }
    std::sort(measures.begin(), measures.end(),
              [](const Measure& a, const Measure& b) { return a.seconds < b.seconds; });
    const Measure& median = measures[measures.size() / 2];
    long peak = 0;
    for (const Measure& m : measures)
        peak = std::max(peak, m.peakKiB);
    std::printf("median of %d: %.2f s wall (%.2f s processor); highest peak %ld KiB (%.1f MiB)\n", runs,
                median.seconds, median.processorSeconds, peak, double(peak) / 1024);
    return 0;
}
