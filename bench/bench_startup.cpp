// Start-up figures: each program runs as its own process until its first
// paint, runs alternated, and the medians of wall time and peak memory are
// printed with their ratios to the bare dialog, for option lines from the
// default one to 1 MB. It uses the platform QT_QPA_PLATFORM names, else the
// X server in DISPLAY. Usage: bench_startup [RUNS]
#include "benchlines.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Sample
{
    double milliseconds;
    long peakKilobytes;
};

struct Scenario
{
    const char *name;
    QByteArray program;
    QList<QByteArray> arguments;
    QString directory;
    std::vector<Sample> samples;
};

Sample runOnce(const Scenario &scenario)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(QFile::encodeName(scenario.directory).constData()) != 0)
            _exit(127);
        std::vector<char *> argv{const_cast<char *>(scenario.program.constData())};
        for (const QByteArray &argument : scenario.arguments)
            argv.push_back(const_cast<char *>(argument.constData()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed with status %d\n", scenario.name, status);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

template <typename Value>
Value median(std::vector<Value> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double medianTime(const Scenario &s)
{
    std::vector<double> values;
    for (const Sample &sample : s.samples)
        values.push_back(sample.milliseconds);
    return median(values);
}

double medianPeak(const Scenario &s)
{
    std::vector<double> values;
    for (const Sample &sample : s.samples)
        values.push_back(double(sample.peakKilobytes));
    return median(values);
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

QString project(const QTemporaryDir &root, const char *name, const QByteArray &line)
{
    const QString directory = root.filePath(QString::fromLatin1(name));
    QDir().mkpath(directory);
    writeFile(directory + QStringLiteral("/proj.opt"), line);
    writeFile(directory + QStringLiteral("/proj.opt_act"), "1");
    return directory;
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    QTemporaryDir root;
    QDir().mkpath(root.filePath(QStringLiteral("install/lib/locale")));
    setenv("VIMBRADIR", QFile::encodeName(root.filePath(QStringLiteral("install"))).constData(), 1);
    setenv("XDG_RUNTIME_DIR", QFile::encodeName(root.path()).constData(), 1);
    const QByteArray platform = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
            ? QByteArray("xcb")
            : qgetenv("QT_QPA_PLATFORM");

    std::vector<Scenario> scenarios = {{"bare dialog", BARE_DIALOG, {}, root.path(), {}}};
    // About 13 bytes an option: from the default line to 1 MB.
    const std::vector<std::pair<const char *, int>> lengths = {
            {"default line", 0}, {"1 KB line", 75}, {"10 KB line", 770},
            {"130 KB line", 10000}, {"1 MB line", 77000}};
    for (const auto &[name, options] : lengths)
        scenarios.push_back({name, VIMBRACL, {"-c++", "proj.opt"},
                             project(root, name, lineWithOptions(options)), {}});
    for (Scenario &s : scenarios)
        runOnce(s); // warm the caches
    for (int run = 0; run < runs; ++run) {
        for (Scenario &s : scenarios)
            s.samples.push_back(runOnce(s));
    }

    std::printf("start-up to first paint (%s), median of %d alternated runs\n",
                platform.constData(), runs);
    std::printf("  %-16s %10s %10s %12s %12s\n", "", "ms", "KiB", "time ratio", "memory ratio");
    const Scenario &bare = scenarios.front();
    for (const Scenario &s : scenarios)
        std::printf("  %-16s %10.1f %10.0f %12.3f %12.3f\n", s.name, medianTime(s), medianPeak(s),
                    medianTime(s) / medianTime(bare), medianPeak(s) / medianPeak(bare));
    return 0;
}
