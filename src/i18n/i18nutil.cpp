#include "i18n/i18nutil.h"

#include "messages/prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Shown before any translation exists, so deliberately not translated.
void showFatalWarning(const QString &text)
{
    prompter().showMessage(Prompter::Severity::Warning, QStringLiteral("Warning"), text);
}

// Loads the file for the locale, or its language's (fr_FR falls back to
// fr); a locale without one keeps the English source texts.
bool installTranslator(QCoreApplication &application, const QString &baseName,
                       const QString &directory)
{
    auto *translator = new QTranslator(&application);
    if (translator->load(baseName, directory))
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

bool nameDecodes([[maybe_unused]] const QString &name, [[maybe_unused]] const QByteArray &bytes)
{
#ifdef Q_OS_WIN
    return true;
#else
    return QFile::encodeName(name) == bytes;
#endif
}

} // namespace

QString translationDirectory(const QString &installation)
{
    return installation + QDir::separator() + QLatin1String("lib") + QDir::separator()
            + QLatin1String("locale");
}

bool installTranslators(QCoreApplication &application, const QStringList &prefixes,
                        const QString &localeName)
{
    // Windows keeps the environment in UTF-16, which its code page would
    // narrow: read as text there, every name decodes.
    const QString installation = qEnvironmentVariable("VIMBRADIR");
    if (installation.isEmpty()) {
        showFatalWarning(QStringLiteral("Fatal Error: please setup VIMBRADIR environment variable.\n"));
        return false;
    }
    // Decoded with replacement characters, it would name another directory.
    if (!nameDecodes(installation, qgetenv("VIMBRADIR"))) {
        showFatalWarning(QStringLiteral("Fatal Error: VIMBRADIR is not valid in the system's "
                                        "character encoding '%1'\n")
                                 .arg(installation));
        return false;
    }
    const QFileInfo directory(translationDirectory(installation));
    if (!directory.isDir()) {
        showFatalWarning(QStringLiteral("Fatal Error: directory doesn't exist '%1'\n")
                                 .arg(directory.filePath()));
        return false;
    }
    installTranslatorsFrom(application, prefixes, directory.filePath(), localeName);
    return true;
}

void installTranslatorsFrom(QCoreApplication &application, const QStringList &prefixes,
                            const QString &directory, const QString &localeName)
{
    for (const QString &prefix : prefixes)
        installTranslator(application, prefix + localeName, directory);
    // Qt's own texts: the file chooser's and the message boxes' buttons. An
    // installation that brings its Qt (a Windows one) brings them too.
    const QString qtBaseName = QStringLiteral("qtbase_") + localeName;
    if (!installTranslator(application, qtBaseName, directory))
        installTranslator(application, qtBaseName, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
