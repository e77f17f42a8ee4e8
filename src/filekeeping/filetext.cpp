#include "filekeeping/filetext.h"

#include <QStringDecoder>

namespace {

constexpr char16_t firstEscape = 0xDC80;
constexpr char16_t lastEscape = 0xDCFF;

bool isContinuation(const QByteArray &bytes, qsizetype at, unsigned char low = 0x80,
                    unsigned char high = 0xBF)
{
    if (at >= bytes.size())
        return false;
    const auto byte = static_cast<unsigned char>(bytes.at(at));
    return byte >= low && byte <= high;
}

// Length of the well-formed UTF-8 sequence at `at`, or 0 when there is none.
int sequenceLength(const QByteArray &bytes, qsizetype at)
{
    const auto lead = static_cast<unsigned char>(bytes.at(at));
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return isContinuation(bytes, at + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
        return isContinuation(bytes, at + 1, low, high) && isContinuation(bytes, at + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
        return isContinuation(bytes, at + 1, low, high) && isContinuation(bytes, at + 2)
                        && isContinuation(bytes, at + 3)
                ? 4
                : 0;
    }
    return 0;
}

// Keeps every U+FEFF: only a leading one is dropped, and only once.
QString decodeKeepingBom(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QString decodeEscapingInvalidBytes(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    qsizetype runStart = 0;
    qsizetype i = 0;
    auto flushRun = [&] { text += decodeKeepingBom(bytes.mid(runStart, i - runStart)); };
    while (i < bytes.size()) {
        const int length = sequenceLength(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        flushRun();
        text += QChar(char16_t(0xDC00 + static_cast<unsigned char>(bytes.at(i))));
        runStart = ++i;
    }
    flushRun();
    return text;
}

bool isEscape(QChar c)
{
    return c.unicode() >= firstEscape && c.unicode() <= lastEscape;
}

} // namespace

QString decodeFileText(const QByteArray &bytes)
{
    const QByteArray content = bytes.startsWith(utf8ByteOrderMark)
            ? bytes.mid(qstrlen(utf8ByteOrderMark))
            : bytes;
    if (content.isValidUtf8())
        return decodeKeepingBom(content);
    return decodeEscapingInvalidBytes(content);
}

QByteArray encodeFileText(const QString &text)
{
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool pairedLow = i > 0 && text.at(i - 1).isHighSurrogate();
        if (!isEscape(c) || pairedLow)
            continue;
        bytes += QStringView(text).mid(runStart, i - runStart).toUtf8();
        bytes += char(c.unicode() - 0xDC00);
        runStart = i + 1;
    }
    if (runStart == 0)
        return text.toUtf8();
    bytes += QStringView(text).mid(runStart).toUtf8();
    return bytes;
}
