#include "optionlinecheck.h"

#include "options/optioncomposer.h"
#include "options/optionparser.h"
#include "options/optionsfile.h"

#include <QFile>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString composedLine(const QString &line)
{
    return composeOptionLine(parseOptionLine(line), Language::C).line;
}

} // namespace

QString checkOptionLineRoundTrip(const QByteArray &content, const QString &directory)
{
    const QString path = directory + QStringLiteral("/fuzz.opt");
    if (!writeFile(path, content) || !writeFile(path + QStringLiteral("_act"), "1"))
        return QStringLiteral("cannot write the input files");

    OptionsFile store(path);
    const QString first = composedLine(store.options());
    store.setOptions(first);
    store.save();
    store.load();
    const QString second = composedLine(store.options());
    if (first == second)
        return {};
    return QStringLiteral("composing is not a fixpoint:\n  first:  %1\n  second: %2")
            .arg(first, second);
}
