// Times the start of the program up to its first painted main window against a bare Qt
// window with one Japanese label, both started the same way in the same run, alternately,
// so that a busy machine slows both alike. Each start is a fresh process; wall time is from
// fork to exit (both end right after their first paint), CPU time and peak memory come from
// the kernel's account of the child.
//
// bench_startup SORAMAME BARE_WINDOW [ROUNDS]
#include "bench_games.h"
#include "store/folder_tree.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Start {
    double wallMs = 0;
    double cpuMs = 0;
    double maxRssMb = 0;
};

/// Runs `argv` to its end with SORAMAME_EXIT_WHEN_SHOWN set; false when it failed.
bool RunOnce(const std::vector<std::string>& args, Start& start) {
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const auto begin = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setenv("SORAMAME_EXIT_WHEN_SHOWN", "1", 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return false;
    const auto end = std::chrono::steady_clock::now();
    start.wallMs = std::chrono::duration<double, std::milli>(end - begin).count();
    start.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                  (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    start.maxRssMb = usage.ru_maxrss / 1024.0;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

/// A data root as a player of many years has it: 200 opponents of 5 games each.
void FillDataRoot(const QString& root) {
    const QString folder = root + '/' + store::kInProgressFolderName;
    for (int opponent = 1; opponent <= 200; ++opponent) {
        const QString dir =
            folder + QStringLiteral("/対局者%1").arg(opponent, 3, 10, QLatin1Char('0'));
        QDir().mkpath(dir);
        for (int game = 1; game <= 5; ++game)
            WriteSpreadGame(dir + QStringLiteral("/%1.txt").arg(game), 120);
    }
}

struct Subject {
    const char* name;
    std::vector<std::string> args;
    std::vector<Start> starts;
    double Median(double Start::*field) const {
        std::vector<double> values;
        for (const Start& start : starts)
            values.push_back(start.*field);
        return ::Median(values);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SORAMAME BARE_WINDOW [ROUNDS]\n", argv[0]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;
    QTemporaryDir emptyRoot;
    QTemporaryDir fullRoot;
    FillDataRoot(fullRoot.path());
    const std::string program = argv[1];
    std::vector<Subject> subjects{
        {"bare Qt window, one Japanese label", {argv[2]}, {}},
        {"main window, empty data root",
         {program, "--data-root", emptyRoot.path().toStdString()},
         {}},
        {"main window, 200 opponents", {program, "--data-root", fullRoot.path().toStdString()}, {}},
    };
    // One start of each first: it fills the file cache and lets the program set up a new
    // data root, which later starts do not do.
    for (int round = -1; round < rounds; ++round) {
        for (Subject& subject : subjects) {
            Start start;
            if (!RunOnce(subject.args, start)) {
                std::fprintf(stderr, "%s did not start and end cleanly\n", subject.args[0].c_str());
                return 1;
            }
            if (round >= 0)
                subject.starts.push_back(start);
        }
    }
    const double bareWall = subjects[0].Median(&Start::wallMs);
    const double bareCpu = subjects[0].Median(&Start::cpuMs);
    for (const Subject& subject : subjects) {
        std::printf(
            "start-up to first paint: %s (median of %d)\t%.0f ms wall, %.0f ms CPU, "
            "%.1f MB RSS\t\n",
            subject.name, rounds, subject.Median(&Start::wallMs), subject.Median(&Start::cpuMs),
            subject.Median(&Start::maxRssMb));
    }
    const double emptyWall = subjects[1].Median(&Start::wallMs);
    std::printf(
        "main window (empty data root) / bare window\t%.2f × wall, %.2f × CPU\t"
        "<= 1.15 ×\n",
        emptyWall / bareWall, subjects[1].Median(&Start::cpuMs) / bareCpu);
    std::printf("main window RSS, empty data root\t%.1f MB\t<= 40 MB\n",
                subjects[1].Median(&Start::maxRssMb));
    std::printf("200 opponents / empty data root\t%.2f × wall, %.2f × CPU\t<= 1.10 ×\n",
                subjects[2].Median(&Start::wallMs) / emptyWall,
                subjects[2].Median(&Start::cpuMs) / subjects[1].Median(&Start::cpuMs));
    return 0;
}
