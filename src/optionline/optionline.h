#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Only U+0020 separates tokens; runs of spaces count as one separator. The
// tokens are views into `line`, which must outlive them.
QList<QStringView> splitTokens(QStringView line);

// Pass mode is never stored: it is implied by a line that mentions neither
// "-compact" nor "-count", even inside a longer token.
bool impliesPassMode(const QString &line);

// Drops every "-pass" token. A line that mentions "-pass" anywhere is split
// and rejoined with single spaces; any other line is returned unchanged. A
// "-pass" inside a quoted value is part of the value and stays.
QString stripPassTokens(const QString &line);
// The same, whether or not the line mentions "-pass".
QString withoutPassTokens(const QString &line);

// The length of the value prefix ("-link=", "-fdcdir=", "-tsfdir=") that the
// token starts with, or 0.
qsizetype valuePrefixLength(QStringView token);

struct ValueSpan
{
    QString value;
    qsizetype end; // the first token after the value
};

// The first token after the value that starts in tokens[at] after its
// prefix: the next token, or for a quoted value the one after the token that
// closes it (the end of the line when it is never closed).
qsizetype valueEnd(const QList<QStringView> &tokens, qsizetype at, qsizetype prefixLength);

// Reads the value that starts in tokens[at] after its prefix. A value that
// begins with a double quote runs up to the first token that ends with one;
// the quotes are not part of it. A value that is never closed keeps all the
// tokens it took in.
ValueSpan readValue(const QList<QStringView> &tokens, qsizetype at, qsizetype prefixLength);

// Appends a token to a space-separated list.
void appendSeparated(QString &list, QStringView token);
