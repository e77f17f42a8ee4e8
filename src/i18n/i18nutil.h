#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The translations live in $VIMBRADIR/lib/locale, which is also how the
// program knows it is installed. Without it a warning box is shown and false
// returned: the program must stop. Otherwise one translator per prefix is
// loaded for the locale (fr_FR falls back to fr) and installed when found,
// and so is Qt's own translation of its dialogs and buttons.
bool installTranslators(QCoreApplication &application, const QStringList &prefixes,
                        const QString &localeName = QLocale::system().name());

// The translators of `directory` alone, with no check: a locale without its
// files keeps the English source texts.
void installTranslatorsFrom(QCoreApplication &application, const QStringList &prefixes,
                            const QString &directory,
                            const QString &localeName = QLocale::system().name());

// $VIMBRADIR/lib/locale with the platform's separators.
QString translationDirectory(const QString &installation);
