#include "store/fileformat.h"

#include "filekeeping/filetext.h"
#include "filekeeping/textencoding.h"

#include <cctype>
#include <limits>

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
    // A line that itself begins with a byte order mark, UTF-8's or another
    // encoding's, would read back as the file's own mark; the file's UTF-8
    // mark before it keeps it in the line.
    const bool marked = content.startsWith(utf8ByteOrderMark) || line.startsWith(utf8ByteOrderMark)
            || encodingOf(line) != TextEncoding::Utf8;
    const QByteArray start = marked ? utf8ByteOrderMark : "";
    const qsizetype newline = content.indexOf('\n');
    if (newline < 0 || newline == content.size() - 1)
        return start + line;
    const qsizetype terminator = (newline > 0 && content.at(newline - 1) == '\r') ? newline - 1 : newline;
    // Before a bare line feed, a line's last carriage return would read back
    // as part of the terminator; a space keeps it in the line.
    const bool keepCarriageReturn = line.endsWith('\r') && terminator == newline;
    return start + line + (keepCarriageReturn ? " " : "") + content.mid(terminator);
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
