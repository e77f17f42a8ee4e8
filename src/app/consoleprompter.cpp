#include "app/consoleprompter.h"

#include <QCoreApplication>

#include <cstdio>

void print(FILE *stream, const QString &text)
{
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
