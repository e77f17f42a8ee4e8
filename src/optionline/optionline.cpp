#include "optionline/optionline.h"

#include "optionline/optiontable.h"
#include "optionline/storedform.h"

QList<QStringView> splitTokens(QStringView line)
{
    return line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

namespace {

constexpr QLatin1StringView passToken = optionNamed("pass")->token;

} // namespace

bool impliesPassMode(const QString &line)
{
    return !line.contains(optionNamed("compact")->token) && !line.contains(optionNamed("count")->token);
}

QString stripPassTokens(const QString &line)
{
    return line.contains(passToken) ? withoutPassTokens(line) : line;
}

QString storedOptionLine(const QString &line)
{
    if (line.isEmpty())
        return defaultOptionLine();
    if (!impliesPassMode(line))
        return stripPassTokens(line);
    // A line of spaces stays: stored empty, it would read back as the
    // default line.
    const QString normalised = withoutPassTokens(line);
    return normalised.isEmpty() ? line : normalised;
}

QString withoutPassTokens(const QString &line)
{
    const QList<QStringView> tokens = splitTokens(line);
    QString kept;
    kept.reserve(line.size());
    for (qsizetype i = 0; i < tokens.size();) {
        if (const qsizetype prefixLength = valuePrefixLength(tokens.at(i))) {
            for (const qsizetype end = valueEnd(tokens, i, prefixLength); i < end; ++i)
                appendSeparated(kept, tokens.at(i));
        } else {
            if (tokens.at(i) != passToken)
                appendSeparated(kept, tokens.at(i));
            ++i;
        }
    }
    return kept;
}

qsizetype valuePrefixLength(QStringView token)
{
    for (const Option &option : optionTable) {
        if (option.form == Option::Form::QuotedValue && token.startsWith(option.token))
            return option.token.size();
    }
    return 0;
}

namespace {

constexpr QLatin1Char quote('"');

bool opensQuote(QStringView token, qsizetype prefixLength)
{
    return token.size() > prefixLength && token.at(prefixLength) == quote;
}

} // namespace

qsizetype valueEnd(const QList<QStringView> &tokens, qsizetype at, qsizetype prefixLength)
{
    qsizetype next = at + 1;
    if (!opensQuote(tokens.at(at), prefixLength)
        || tokens.at(at).mid(prefixLength + 1).endsWith(quote))
        return next;
    // Tokens are never empty, so the value ends in a quote exactly when the
    // last token it took in does.
    while (next < tokens.size() && !tokens.at(next++).endsWith(quote)) {
    }
    return next;
}

ValueSpan readValue(const QList<QStringView> &tokens, qsizetype at, qsizetype prefixLength)
{
    const QStringView token = tokens.at(at);
    const qsizetype end = valueEnd(tokens, at, prefixLength);
    if (!opensQuote(token, prefixLength))
        return {token.mid(prefixLength).toString(), end};
    QString value = token.mid(prefixLength + 1).toString();
    for (qsizetype next = at + 1; next < end; ++next) {
        value += QLatin1Char(' ');
        value += tokens.at(next);
    }
    if (value.endsWith(quote))
        value.chop(1);
    return {value, end};
}

void appendSeparated(QString &list, QStringView token)
{
    if (!list.isEmpty())
        list += QLatin1Char(' ');
    list += token;
}
