#include "filekeeping/textencoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr qsizetype utf16MarkBytes = 2;

bool isUtf16(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf16LittleEndian || encoding == TextEncoding::Utf16BigEndian;
}

QStringConverter::Encoding converterFor(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf16BigEndian ? QStringConverter::Utf16BE
                                                    : QStringConverter::Utf16LE;
}

bool hasUnpairedSurrogate(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isLowSurrogate())
            return true;
        if (text.at(i).isHighSurrogate() && !(i + 1 < text.size() && text.at(++i).isLowSurrogate()))
            return true;
    }
    return false;
}

} // namespace

TextEncoding encodingOf(const QByteArray &content)
{
    if (content.startsWith(QByteArray("\xFF\xFE\0\0", 4)) || content.startsWith(QByteArray("\0\0\xFE\xFF", 4)))
        return TextEncoding::Utf32;
    if (content.startsWith("\xFF\xFE"))
        return TextEncoding::Utf16LittleEndian;
    if (content.startsWith("\xFE\xFF"))
        return TextEncoding::Utf16BigEndian;
    return TextEncoding::Utf8;
}

qsizetype endOfFirstLine(const QByteArray &content, qsizetype from)
{
    const TextEncoding encoding = encodingOf(content);
    if (!isUtf16(encoding)) {
        const qsizetype newline = content.indexOf('\n', from);
        return newline < 0 ? -1 : newline + 1;
    }
    // A line feed byte may be half of another character: only whole units count.
    const QByteArray lineFeed = encoding == TextEncoding::Utf16LittleEndian ? QByteArray("\n\0", 2)
                                                                             : QByteArray("\0\n", 2);
    for (qsizetype at = qMax(utf16MarkBytes, from - 1) & ~qsizetype(1); at + 1 < content.size(); at += 2) {
        if (content.mid(at, 2) == lineFeed)
            return at + 2;
    }
    return -1;
}

std::optional<QByteArray> asUtf8(const QByteArray &content, bool prefix)
{
    const TextEncoding encoding = encodingOf(content);
    if (encoding == TextEncoding::Utf8)
        return content;
    QByteArray units = content.mid(utf16MarkBytes);
    if (prefix)
        units.chop(units.size() % 2);
    if (encoding == TextEncoding::Utf32 || units.size() % 2 != 0)
        return std::nullopt;
    QStringDecoder decoder(converterFor(encoding), QStringConverter::Flag::Stateless);
    QString text = decoder.decode(units);
    if (prefix && !text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1);
    if (decoder.hasError() || hasUnpairedSurrogate(text))
        return std::nullopt;
    return text.toUtf8();
}

QByteArray encodedLike(const QByteArray &like, const QByteArray &text)
{
    const TextEncoding encoding = encodingOf(like);
    if (!isUtf16(encoding))
        return text;
    // A U+FEFF the text begins with is text, kept behind the file's own mark.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    QStringEncoder encoder(converterFor(encoding), QStringConverter::Flag::Stateless);
    return like.left(utf16MarkBytes) + QByteArray(encoder.encode(decoder.decode(text)));
}
