// Times the start of the program up to its first painted main window against a bare Qt
// window with one Japanese label, both started the same way in the same run, alternately,
// so that a busy machine slows both alike. Each start is a fresh process; wall time is from
// fork to exit (both end right after their first paint), CPU time and peak memory come from
// the kernel's account of the child.
//
// bench_startup SORAMAME BARE_WINDOW [ROUNDS]
#include "app/instance_lock.h"
#include "bench_games.h"
#include "store/folder_tree.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <fcntl.h>
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

/// Instructions of one start under callgrind, repeatable where wall time is not: -1 without
/// valgrind. Qt forks a helper at start; its count is left out.
double MillionInstructions(const std::vector<std::string>& args, const QString& log) {
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (valgrind.isEmpty())
        return -1;
    std::vector<std::string> all{valgrind.toStdString(), "--tool=callgrind",
                                 "--callgrind-out-file=/dev/null", "--child-silent-after-fork=yes"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (const std::string& arg : all)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const int out =
            open(QFile::encodeName(log).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(out, STDERR_FILENO);
        setenv("SORAMAME_EXIT_WHEN_SHOWN", "1", 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return -1;
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Collected : (\\d+)"))
                                              .match(QString::fromUtf8(file.readAll()));
    return match.hasMatch() ? match.captured(1).toDouble() / 1e6 : -1;
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
    double millionInstructions = -1;
    double Median(double Start::*field) const {
        std::vector<double> values;
        for (const Start& start : starts)
            values.push_back(start.*field);
        return ::Median(values);
    }
};

/// "1.20 × wall, 1.40 × CPU" and, when counted, ", 1.50 × instructions".
std::string Ratios(const Subject& slower, const Subject& faster) {
    char text[160];
    std::snprintf(text, sizeof text, "%.2f × wall, %.2f × CPU",
                  slower.Median(&Start::wallMs) / faster.Median(&Start::wallMs),
                  slower.Median(&Start::cpuMs) / faster.Median(&Start::cpuMs));
    std::string ratios = text;
    if (slower.millionInstructions > 0 && faster.millionInstructions > 0) {
        std::snprintf(text, sizeof text, ", %.2f × instructions",
                      slower.millionInstructions / faster.millionInstructions);
        ratios += text;
    }
    return ratios;
}

/// The rows of the table: "what <tab> measured <tab> goal".
void PrintTable(const std::vector<Subject>& subjects, int rounds) {
    for (const Subject& subject : subjects) {
        std::printf(
            "start-up to first paint: %s (median of %d)\t%.0f ms wall, %.0f ms CPU, "
            "%.1f MB RSS",
            subject.name, rounds, subject.Median(&Start::wallMs), subject.Median(&Start::cpuMs),
            subject.Median(&Start::maxRssMb));
        if (subject.millionInstructions > 0)
            std::printf(", %.1f M instructions", subject.millionInstructions);
        std::printf("\t\n");
    }
    std::printf("main window (empty data root) / bare window\t%s\t<= 1.25 × instructions\n",
                Ratios(subjects[1], subjects[0]).c_str());
    std::printf("main window (empty data root) - bare window, wall\t%+.0f ms\t<= 15 ms\n",
                subjects[1].Median(&Start::wallMs) - subjects[0].Median(&Start::wallMs));
    std::printf("main window RSS, empty data root\t%.1f MB\t<= 40 MB\n",
                subjects[1].Median(&Start::maxRssMb));
    std::printf("200 opponents / empty data root\t%s\t<= 1.10 ×\n",
                Ratios(subjects[2], subjects[1]).c_str());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SORAMAME BARE_WINDOW [ROUNDS]\n", argv[0]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;
    // The kept numeral strips go to a cache of this run's own: the warm-up start fills it, as
    // a player's first start does, and the player's own cache is left alone.
    QTemporaryDir cacheHome;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome.path()));
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
    for (Subject& subject : subjects) {
        subject.millionInstructions =
            MillionInstructions(subject.args, emptyRoot.filePath(QStringLiteral(".callgrind.log")));
    }
    PrintTable(subjects, rounds);
    // Ended at their first paint, the starts left their channels for later starts behind.
    for (const QTemporaryDir* root : {&emptyRoot, &fullRoot})
        QFile::remove(app::LaterStartChannel(root->path()));
    return 0;
}
