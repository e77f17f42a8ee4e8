// Parsing and composing lines of 1,000 to 1,000,000 tokens: the time per
// token must stay flat as the line grows.
#include "optionline/optioncomposer.h"
#include "optionline/optionline.h"
#include "optionline/optionparser.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

namespace {

// A realistic mix: vocabulary tokens, quoted values over several tokens and
// other options.
QString lineOf(int tokens)
{
    static const char *const pattern[] = {
        "-proc", "-call", "-block=decision", "-cond", "-trace", "-link=\"my", "libs/app.lnk\"",
        "-DFOO=1", "-fdcdir=\"out", "dir\"", "-I/usr/include", "-count",
    };
    QString line;
    line.reserve(tokens * 12);
    for (int i = 0; i < tokens; ++i) {
        if (i)
            line += QLatin1Char(' ');
        line += QLatin1String(pattern[i % std::size(pattern)]);
    }
    return line;
}

template <typename Work>
double bestNanoseconds(Work work)
{
    double best = 1e300;
    for (int repeat = 0; repeat < 3; ++repeat) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, double(timer.nsecsElapsed()));
    }
    return best;
}

} // namespace

int main()
{
    std::printf("%10s %14s %16s %14s\n", "tokens", "parse ns/tok", "compose ns/tok", "strip ns/tok");
    for (int tokens : {1000, 10000, 100000, 1000000}) {
        const QString line = lineOf(tokens);
        OptionState state;
        const double parse = bestNanoseconds([&] { state = parseOptionLine(line); });
        QString composed;
        const double compose = bestNanoseconds(
                [&] { composed = composeOptionLine(state, Language::C).line; });
        QString stripped;
        const double strip = bestNanoseconds([&] { stripped = stripPassTokens(line + QStringLiteral(" -pass")); });
        std::printf("%10d %14.1f %16.1f %14.1f\n", tokens, parse / tokens, compose / tokens,
                    strip / tokens);
    }
    return 0;
}
