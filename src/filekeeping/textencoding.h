#pragma once

#include <QByteArray>

#include <optional>

// The encoding a file's byte order mark names. Older Windows editors save
// "Unicode" text as UTF-16 with a mark; a file without a mark is UTF-8.
enum class TextEncoding {
    Utf8,
    Utf16LittleEndian,
    Utf16BigEndian,
    Utf32, // read by no tool of the chain: never rewritten
};

TextEncoding encodingOf(const QByteArray &content);

// The index just past the first line feed of `content`, in its encoding, or
// -1 when there is none; searching may start at `from`, where the bytes
// before it held none.
qsizetype endOfFirstLine(const QByteArray &content, qsizetype from = 0);

// The content as UTF-8, its UTF-16 mark dropped; UTF-8 stays as it is.
// Nothing for content that could not be written back byte for byte: UTF-32,
// or UTF-16 with an odd byte or an unpaired surrogate. Of a file's first
// bytes only (`prefix`), a character cut at the end is left out.
std::optional<QByteArray> asUtf8(const QByteArray &content, bool prefix = false);

// The UTF-8 `text` in the encoding of `like`, with its mark.
QByteArray encodedLike(const QByteArray &like, const QByteArray &text);
