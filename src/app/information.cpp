#include "app/information.h"

namespace {

const char usage[] =
        "Usage: vimbracl [-c | -c++ | -ada] [-nolink] [-nostaticdir] OPTIONS_FILE\n"
        "\n"
        "Opens the Runtime Analysis Setup dialog on a project's options; OK or\n"
        "Apply saves them.\n"
        "\n"
        "  -c, -c++, -ada  the project's language (C by default; the last one counts)\n"
        "  -nolink         accepted from the tool chain; changes nothing\n"
        "  -nostaticdir    accepted from the tool chain; changes nothing\n"
        "  --help          print this text\n"
        "  --version       print the program's version\n"
        "\n"
        "Files, created with defaults when missing:\n"
        "  OPTIONS_FILE      one line of instrumentor options; later lines are kept\n"
        "  OPTIONS_FILE_act  1 when runtime analysis is on for the project, 0 when off\n"
        "\n"
        "Environment:\n"
        "  VIMBRADIR  the installation, whose lib/locale holds the translations\n";

} // namespace

std::optional<QString> requestedInformation(const QStringList &arguments)
{
    if (arguments.contains(QLatin1String("--help")))
        return QString::fromLatin1(usage);
    if (arguments.contains(QLatin1String("--version")))
        return QStringLiteral("vimbracl %1\n").arg(QStringLiteral(VIMBRACL_VERSION));
    return std::nullopt;
}
