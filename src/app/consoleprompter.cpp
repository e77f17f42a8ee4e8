#include "app/consoleprompter.h"

#include <QCoreApplication>

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#include <qt_windows.h>

namespace {

// A console shows any text written as UTF-16; a code page would lose what
// it lacks (and a console's is not even the system's).
bool writtenToConsole(FILE *stream, const QString &text)
{
    const auto handle = HANDLE(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode))
        return false;
    DWORD written = 0;
    return WriteConsoleW(handle, text.utf16(), DWORD(text.size()), &written, nullptr) != 0;
}

} // namespace
#endif

void print(FILE *stream, const QString &text)
{
#ifdef Q_OS_WIN
    std::fflush(stream);
    if (writtenToConsole(stream, text))
        return;
#endif
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

void ConsolePrompter::showMessage(Severity severity, const QString &caption, const QString &text)
{
    // An error's text says it is one; a warning's caption tells it apart.
    if (severity == Severity::Error)
        print(stderr, QStringLiteral("vimbracl: %1\n").arg(text));
    else
        print(stderr, QStringLiteral("vimbracl: %1: %2\n").arg(caption, text));
}

bool ConsolePrompter::confirm(const QString &caption, const QString &text, const QString &details)
{
    showMessage(Severity::Warning, caption, text);
    print(stderr, details + QLatin1Char('\n')
                  + QCoreApplication::translate("Vimbracl message",
                                                "No: the file is left as it is.")
                  + QLatin1Char('\n'));
    return false;
}
