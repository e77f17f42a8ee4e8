#include "options/optionline.h"

#include "options/filetext.h"
#include "options/vocabulary.h"

#include <cctype>
#include <limits>

QList<QStringView> splitTokens(QStringView line)
{
    return line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool impliesPassMode(const QString &line)
{
    return !line.contains(Token::compact) && !line.contains(Token::count);
}

QString stripPassTokens(const QString &line)
{
    return line.contains(Token::pass) ? withoutPassTokens(line) : line;
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
            if (tokens.at(i) != Token::pass)
                appendSeparated(kept, tokens.at(i));
            ++i;
        }
    }
    return kept;
}

qsizetype valuePrefixLength(QStringView token)
{
    for (const QLatin1StringView prefix :
         {Token::staticDirectory, Token::secondStaticDirectory, Token::link}) {
        if (token.startsWith(prefix))
            return prefix.size();
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

QString activationPathFor(const QString &optionsPath)
{
    return optionsPath + QLatin1String("_act");
}

std::optional<QByteArray> firstLine(const QByteArray &content)
{
    if (content.isEmpty())
        return std::nullopt;
    const qsizetype newline = content.indexOf('\n');
    if (newline < 0)
        return content;
    const qsizetype end = (newline > 0 && content.at(newline - 1) == '\r') ? newline - 1 : newline;
    return content.left(end);
}

QByteArray withFirstLineReplaced(const QByteArray &content, const QByteArray &line)
{
    const QByteArray start = content.startsWith(utf8ByteOrderMark) ? utf8ByteOrderMark : "";
    const qsizetype newline = content.indexOf('\n');
    if (newline < 0 || newline == content.size() - 1)
        return start + line;
    const qsizetype terminator = (newline > 0 && content.at(newline - 1) == '\r') ? newline - 1 : newline;
    return start + line + content.mid(terminator);
}

std::optional<int> scanInteger(const QByteArray &content)
{
    qsizetype i = 0;
    while (i < content.size() && std::isspace(static_cast<unsigned char>(content.at(i))))
        ++i;
    bool negative = false;
    if (i < content.size() && (content.at(i) == '+' || content.at(i) == '-')) {
        negative = content.at(i) == '-';
        ++i;
    }
    const qsizetype firstDigit = i;
    long long value = 0;
    constexpr long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; i < content.size() && std::isdigit(static_cast<unsigned char>(content.at(i))); ++i) {
        if (value < limit)
            value = value * 10 + (content.at(i) - '0');
    }
    if (i == firstDigit)
        return std::nullopt;
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}
