#include "dialog/accesskeys.h"

#include <QHash>

namespace {

constexpr QChar marker = u'&';

// The position of the fixed key's character, or -1.
qsizetype fixedKeyAt(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != marker)
            continue;
        if (text.at(i + 1) != marker)
            return i + 1;
        ++i; // "&&" is an ampersand
    }
    return -1;
}

bool isKeyCandidate(QChar c)
{
    return c.isLetterOrNumber();
}

// Word starts first, then the other letters, in reading order.
QList<qsizetype> candidatesOf(const QString &text)
{
    QList<qsizetype> starts;
    QList<qsizetype> others;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isKeyCandidate(text.at(i)))
            continue;
        const bool startsWord = i == 0 || !isKeyCandidate(text.at(i - 1));
        (startsWord ? starts : others).append(i);
    }
    return starts + others;
}

QString keyed(const QString &text, qsizetype at)
{
    return QString(text).insert(at, marker);
}

} // namespace

QStringList withAccessKeys(const QStringList &texts)
{
    QHash<QChar, int> uses;
    for (const QString &text : texts) {
        if (const qsizetype at = fixedKeyAt(text); at >= 0)
            ++uses[text.at(at).toLower()];
    }
    QStringList result;
    for (const QString &text : texts) {
        const QList<qsizetype> candidates = candidatesOf(text);
        if (fixedKeyAt(text) >= 0 || candidates.isEmpty()) {
            result.append(text);
            continue;
        }
        // The first free letter, else the least shared one.
        qsizetype chosen = candidates.first();
        for (const qsizetype at : candidates) {
            if (uses.value(text.at(at).toLower()) < uses.value(text.at(chosen).toLower()))
                chosen = at;
        }
        ++uses[text.at(chosen).toLower()];
        result.append(keyed(text, chosen));
    }
    return result;
}

QString withoutAccessKey(const QString &text)
{
    const qsizetype at = fixedKeyAt(text);
    return at < 0 ? text : QString(text).remove(at - 1, 1);
}
