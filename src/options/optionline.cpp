#include "options/optionline.h"

#include "options/vocabulary.h"

#include <cctype>
#include <limits>

QStringList splitTokens(const QString &line)
{
    return line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool impliesPassMode(const QString &line)
{
    return !line.contains(Token::compact) && !line.contains(Token::count);
}

QString stripPassTokens(const QString &line)
{
    if (!line.contains(Token::pass))
        return line;
    QStringList kept = splitTokens(line);
    kept.removeAll(QString(Token::pass));
    return kept.join(QLatin1Char(' '));
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
