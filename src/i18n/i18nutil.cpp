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
void installTranslator(QCoreApplication &application, const QString &baseName,
                       const QString &directory)
{
    auto *translator = new QTranslator(&application);
    if (translator->load(baseName, directory))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
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
    const QByteArray variable = qgetenv("VIMBRADIR");
    const QString installation = QFile::decodeName(variable);
    if (installation.isEmpty()) {
        showFatalWarning(QStringLiteral("Fatal Error: please setup VIMBRADIR environment variable.\n"));
        return false;
    }
    // Decoded with replacement characters, it would name another directory.
    if (QFile::encodeName(installation) != variable) {
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
    for (const QString &prefix : prefixes)
        installTranslator(application, prefix + localeName, directory.filePath());
    // Qt's own texts: the file chooser's and the message boxes' buttons.
    installTranslator(application, QStringLiteral("qtbase_") + localeName,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}
