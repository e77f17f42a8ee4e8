#include "optionlinecheck.h"

#include "optionline/optioncomposer.h"
#include "optionline/optionparser.h"

#include "messages/messages.h"

#include "filehelpers.h"
#include "storeruns.h"

namespace {

QString composedLine(const QString &line)
{
    return composeOptionLine(parseOptionLine(line), Language::C).line;
}

// Saving into the check's own directory never fails: any box is a finding.
QString unexpected(const QStringList &boxes)
{
    return QStringLiteral("unexpected box: %1").arg(boxes.join(u'\n'));
}

// Content behind a UTF-16 or UTF-32 mark may be no such text: then it could
// not be written back byte for byte, and is reported unreadable instead.
QStringList unexpectedBoxes(QStringList boxes, const QByteArray &content, const QString &path)
{
    if (content.startsWith("\xFF\xFE") || content.startsWith("\xFE\xFF") || content.startsWith(QByteArray("\0\0\xFE\xFF", 4)))
        boxes.removeAll(cannotReadFileMessage(path));
    return boxes;
}

} // namespace

QString checkOptionLineRoundTrip(const QByteArray &content, const QString &directory)
{
    const QString path = directory + QStringLiteral("/fuzz.opt");
    const QString activation = path + QStringLiteral("_act");
    for (const bool withActivation : {false, true}) {
        if (!writeBytes(path, content) || !writeBytes(activation, "1"))
            return QStringLiteral("cannot write the input files");
        QByteArray starts[2];
        for (QByteArray &files : starts) {
            // Without an activation file, the store writes both files.
            if (!withActivation)
                QFile::remove(activation);
            if (const QStringList boxes = unexpectedBoxes(startUp(path), content, path); !boxes.isEmpty())
                return unexpected(boxes);
            files = readBytes(path) + '\0' + readBytes(activation);
        }
        if (starts[0] != starts[1])
            return QStringLiteral("a second start changed the files:\n  first:  %1\n  second: %2")
                    .arg(QString::fromLatin1(starts[0].toPercentEncoding()),
                         QString::fromLatin1(starts[1].toPercentEncoding()));
    }

    RecordingPrompter boxes;
    OptionsFile store(path);
    const QString first = composedLine(store.options());
    store.setOptions(first);
    store.save();
    store.load();
    const QString second = composedLine(store.options());
    if (const QStringList unexpectedTexts = unexpectedBoxes(boxes.texts(), content, path); !unexpectedTexts.isEmpty())
        return unexpected(unexpectedTexts);
    if (first == second)
        return {};
    return QStringLiteral("composing is not a fixpoint:\n  first:  %1\n  second: %2")
            .arg(first, second);
}
