#include "optionlinecheck.h"

#include "optionline/optioncomposer.h"
#include "optionline/optionparser.h"
#include "store/optionsfile.h"

#include <QFile>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the program does on every start: the store loads, the dialog reloads.
// Without an activation file, the store writes both files.
QByteArray startUp(const QString &path, bool withActivation)
{
    if (!withActivation)
        QFile::remove(path + QStringLiteral("_act"));
    OptionsFile store(path);
    store.readInto();
    return readFile(path) + '\0' + readFile(path + QStringLiteral("_act"));
}

QString composedLine(const QString &line)
{
    return composeOptionLine(parseOptionLine(line), Language::C).line;
}

} // namespace

QString checkOptionLineRoundTrip(const QByteArray &content, const QString &directory)
{
    const QString path = directory + QStringLiteral("/fuzz.opt");
    for (const bool withActivation : {false, true}) {
        if (!writeFile(path, content) || !writeFile(path + QStringLiteral("_act"), "1"))
            return QStringLiteral("cannot write the input files");
        const QByteArray firstStart = startUp(path, withActivation);
        const QByteArray secondStart = startUp(path, withActivation);
        if (firstStart != secondStart)
            return QStringLiteral("a second start changed the files:\n  first:  %1\n  second: %2")
                    .arg(QString::fromLatin1(firstStart.toPercentEncoding()),
                         QString::fromLatin1(secondStart.toPercentEncoding()));
    }

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
