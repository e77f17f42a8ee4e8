#include "app/information.h"

#include "app/settings.h"

namespace {

const char usage[] =
        "Usage: vimbracl [-c | -c++ | -ada] [-nolink] [-nostaticdir] OPTIONS_FILE\n"
        "       vimbracl --show [-c | -c++ | -ada] [--] OPTIONS_FILE\n"
        "       vimbracl --set NAME=VALUE... [--on | --off] [-c | -c++ | -ada] [--] OPTIONS_FILE\n"
        "\n"
        "Opens the Runtime Analysis Setup dialog on a project's options; OK or\n"
        "Apply saves them. --show prints the settings, one NAME=VALUE a line, then\n"
        "runtime-analysis and the line as stored; it reads only. --set changes the\n"
        "settings named and saves as OK does, then prints the line it wrote; --on\n"
        "and --off switch runtime analysis, as Enable and Disable do.\n"
        "\n"
        "  -c, -c++, -ada  the project's language (C by default; the last one counts)\n"
        "  -nolink         accepted from the tool chain; changes nothing\n"
        "  -nostaticdir    accepted from the tool chain; changes nothing\n"
        "  --              ends the options: what follows is the file\n"
        "  --help          print this text\n"
        "  --version       print the program's version\n"
        "\n"
        "Settings and their values (a text takes any value on one line):\n"
        "%1"
        "\n"
        "Exit status: 0 done, 1 a usage error or a dump option without its\n"
        "function, 2 a file that cannot be read or written.\n"
        "\n"
        "Files, created with defaults when missing (but by --show):\n"
        "  OPTIONS_FILE      one line of instrumentor options; later lines are kept\n"
        "  OPTIONS_FILE_act  1 when runtime analysis is on for the project, 0 when off\n"
        "\n"
        "Environment:\n"
        "  VIMBRADIR  the installation, whose lib/locale holds the translations\n";

QString settingList()
{
    QString list;
    for (const Setting &setting : settings()) {
        const QStringList values = valuesOf(setting);
        list += QStringLiteral("  %1=%2\n").arg(setting.name,
                                                values.isEmpty() ? QStringLiteral("TEXT")
                                                                 : values.join(QLatin1Char('|')));
    }
    return list;
}

} // namespace

QString usageText()
{
    return QString::fromLatin1(usage).arg(settingList());
}

QString versionText()
{
    return QStringLiteral("vimbracl %1\n").arg(QStringLiteral(VIMBRACL_VERSION));
}
