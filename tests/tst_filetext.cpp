#include "filekeeping/filetext.h"

#include <QTest>

class tst_FileText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileTextRoundTrip_data();
    void fileTextRoundTrip();
    void leadingBomIsDropped();
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

QTEST_GUILESS_MAIN(tst_FileText)
#include "tst_filetext.moc"
