#include "dialog/fontfamily.h"

#include <QFont>
#include <QFontInfo>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

QFont withResolvedFamily(QFont font)
{
#ifdef Q_OS_WIN
    if (QFontInfo(font).family() == font.family())
        return font;
    const QSettings substitutes(
            QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes"),
            QSettings::NativeFormat);
    // A value may name a character set after a comma: "Arial,204".
    QStringList families = {substitutes.value(font.family()).toString().section(u',', 0, 0)};
    families += {QStringLiteral("Segoe UI"), QStringLiteral("Tahoma"), QStringLiteral("Arial"),
                 QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    families.removeAll(QString());
    font.setFamilies(families);
    // Wine's GDI drops some hinted glyphs at small sizes (Liberation Sans'
    // capital I at 11 pixels); with this preference Qt draws through
    // DirectWrite, which keeps them.
    font.setHintingPreference(QFont::PreferVerticalHinting);
#endif
    return font;
}
