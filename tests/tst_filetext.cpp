#include "filekeeping/filetext.h"

#include <QStringDecoder>
#include <QTest>

#include <functional>

namespace {

// The text `bytes` should read as by Qt's own validation: at each place the
// shortest well-formed piece, and every byte that starts none as its escape.
QString escapedByQtsValidation(QByteArrayView bytes)
{
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        qsizetype length = 1;
        while (length <= 4 && !bytes.sliced(i, qMin(length, bytes.size() - i)).isValidUtf8())
            ++length;
        if (length > 4 || i + length > bytes.size()) {
            text += QChar(char16_t(0xDC00 + quint8(bytes[i++])));
            continue;
        }
        QStringDecoder piece(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        text += piece.decode(bytes.sliced(i, length));
        i += length;
    }
    return text;
}

} // namespace

class tst_FileText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileTextRoundTrip_data();
    void fileTextRoundTrip();
    void leadingBomIsDropped();
    void agreesWithQtsValidation();
};

void tst_FileText::fileTextRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ascii") << QByteArray("-proc") << QStringLiteral("-proc");
    QTest::newRow("utf8") << QByteArray("-link=\"caf\xc3\xa9\"") << QStringLiteral("-link=\"café\"");
    QTest::newRow("astral") << QByteArray("\xf0\x9f\x98\x80") << QStringLiteral("\U0001F600");
    QTest::newRow("inner-bom-kept") << QByteArray("a\xef\xbb\xbf") << QStringLiteral("a\uFEFF");
    QTest::newRow("inner-bom-after-invalid-kept") << QByteArray("\xff\xef\xbb\xbf")
                                                  << QString::fromUtf16(u"\xDCFF\xFEFF");
    // Invalid bytes travel as U+DC80..U+DCFF.
    const auto utf16 = [](const char16_t *s) { return QString::fromUtf16(s); };
    QTest::newRow("latin1-byte") << QByteArray("-Dcaf\xe9 -proc") << utf16(u"-Dcaf\xDCE9 -proc");
    QTest::newRow("truncated-sequence") << QByteArray("a\xe2\x82") << utf16(u"a\xDCE2\xDC82");
    QTest::newRow("encoded-surrogate") << QByteArray("\xed\xa0\x80")
                                       << utf16(u"\xDCED\xDCA0\xDC80");
    QTest::newRow("overlong") << QByteArray("\xc0\xaf") << utf16(u"\xDCC0\xDCAF");
    QTest::newRow("overlong-three-bytes") << QByteArray("\xe0\x80\xaf") << utf16(u"\xDCE0\xDC80\xDCAF");
    QTest::newRow("astral-then-invalid") << QByteArray("\xf0\x90\x82\x80\x80")
                                         << utf16(u"\xD800\xDC80\xDC80");
}

void tst_FileText::fileTextRoundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeFileText(bytes), text);
    QCOMPARE(encodeFileText(text), bytes);
}

void tst_FileText::leadingBomIsDropped()
{
    QCOMPARE(decodeFileText("\xef\xbb\xbf-proc"), QStringLiteral("-proc"));
    QCOMPARE(decodeFileText("\xef\xbb\xbf-D\xff"), QString::fromUtf16(u"-D\xDCFF"));
}

// Every sequence of up to two bytes, and every one of up to four bytes drawn
// from both ends of each range that UTF-8 decoding tells apart: the
// decoder's answer depends on no byte's value but its range.
void tst_FileText::agreesWithQtsValidation()
{
    QStringList wrong;
    const auto check = [&wrong](const QByteArray &bytes) {
        if (bytes.startsWith(utf8ByteOrderMark))
            return;
        const QString text = decodeFileText(bytes);
        if (text != escapedByQtsValidation(bytes) || encodeFileText(text) != bytes)
            wrong.append(QString::fromLatin1(bytes.toHex(' ')));
    };
    for (int length = 1; length <= 2; ++length) {
        for (quint32 n = 0; n < 1u << (8 * length); ++n)
            check(QByteArray(reinterpret_cast<const char *>(&n), length));
    }
    const QByteArray bounds("\x00\x7f\x80\x8f\x90\x9f\xa0\xbf\xc0\xc1\xc2\xdf\xe0\xe1\xec\xed"
                            "\xee\xef\xf0\xf1\xf3\xf4\xf5\xff", 24);
    const std::function<void(const QByteArray &)> extend = [&](const QByteArray &start) {
        check(start);
        if (start.size() < 4) {
            for (const char next : bounds)
                extend(start + next);
        }
    };
    extend({});
    QCOMPARE(wrong.mid(0, 5), QStringList());
}

QTEST_GUILESS_MAIN(tst_FileText)
#include "tst_filetext.moc"
