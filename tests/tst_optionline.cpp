#include "options/filetext.h"
#include "options/optionline.h"

#include <QTest>

class tst_OptionLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stripPassTokens_data();
    void stripPassTokens();
    void impliesPassMode_data();
    void impliesPassMode();
    void firstLine_data();
    void firstLine();
    void withFirstLineReplaced_data();
    void withFirstLineReplaced();
    void scanInteger_data();
    void scanInteger();
    void fileTextRoundTrip_data();
    void fileTextRoundTrip();
    void leadingBomIsDropped();
};

void tst_OptionLine::stripPassTokens_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");

    QTest::newRow("pass-trailing-space") << "-proc -nocall -pass " << "-proc -nocall";
    QTest::newRow("no-pass-kept-verbatim") << "-proc -count " << "-proc -count ";
    QTest::newRow("pass-inside-token-normalises") << "-passive  -proc " << "-passive -proc";
    QTest::newRow("several-pass") << "-pass -proc -pass" << "-proc";
    QTest::newRow("only-pass") << "-pass" << "";
    QTest::newRow("tab-is-not-separator") << "-pass\t-proc -pass" << "-pass\t-proc";
    QTest::newRow("other-case-kept") << "-PASS -pass" << "-PASS";
    QTest::newRow("pass-inside-quoted-value-kept")
            << "-link=\" -pass \" -pass -fdcdir=\"a -pass\"" << "-link=\" -pass \" -fdcdir=\"a -pass\"";
    QTest::newRow("pass-after-unclosed-quote-kept") << "-pass -link=\"a -pass" << "-link=\"a -pass";
    QTest::newRow("pass-after-unquoted-value-dropped") << "-link=a -pass" << "-link=a";
}

void tst_OptionLine::stripPassTokens()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(::stripPassTokens(line), expected);
}

void tst_OptionLine::impliesPassMode_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("pass");

    QTest::newRow("default") << "-proc -block=decision -nocall -nocond" << true;
    QTest::newRow("count") << "-count -proc" << false;
    QTest::newRow("compact") << "-compact" << false;
    QTest::newRow("count-inside-other-option") << "-proc -counter" << false;
    QTest::newRow("other-case") << "-COUNT" << true;
    QTest::newRow("empty") << "" << true;
}

void tst_OptionLine::impliesPassMode()
{
    QFETCH(QString, line);
    QFETCH(bool, pass);
    QCOMPARE(::impliesPassMode(line), pass);
}

void tst_OptionLine::firstLine_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("hasLine");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty-file") << QByteArray() << false << QByteArray();
    QTest::newRow("no-terminator") << QByteArray("-proc -count") << true << QByteArray("-proc -count");
    QTest::newRow("lf") << QByteArray("-proc -count\n") << true << QByteArray("-proc -count");
    QTest::newRow("crlf") << QByteArray("-proc -count\r\n") << true << QByteArray("-proc -count");
    QTest::newRow("second-line-ignored") << QByteArray("a\nb\n") << true << QByteArray("a");
    QTest::newRow("lone-cr-kept") << QByteArray("a\rb") << true << QByteArray("a\rb");
    QTest::newRow("blank-first-line") << QByteArray("\nx") << true << QByteArray();
    QTest::newRow("tabs-kept") << QByteArray("\t-proc\t \n") << true << QByteArray("\t-proc\t ");
}

void tst_OptionLine::firstLine()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, hasLine);
    QFETCH(QByteArray, expected);
    const std::optional<QByteArray> line = ::firstLine(content);
    QCOMPARE(line.has_value(), hasLine);
    if (hasLine)
        QCOMPARE(*line, expected);
}

void tst_OptionLine::scanInteger_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("scanned");
    QTest::addColumn<int>("value");

    QTest::newRow("one") << QByteArray("1") << true << 1;
    QTest::newRow("zero") << QByteArray("0") << true << 0;
    QTest::newRow("two") << QByteArray("2") << true << 2;
    QTest::newRow("leading-space-and-newline") << QByteArray(" \n 1\n") << true << 1;
    QTest::newRow("signed") << QByteArray("-1") << true << -1;
    QTest::newRow("trailing-garbage") << QByteArray("1abc") << true << 1;
    QTest::newRow("empty") << QByteArray() << false << 0;
    QTest::newRow("text") << QByteArray("yes") << false << 0;
    QTest::newRow("sign-only") << QByteArray("-") << false << 0;
    QTest::newRow("overflow-saturates") << QByteArray("99999999999999999999") << true
                                        << std::numeric_limits<int>::max();
    QTest::newRow("underflow-saturates") << QByteArray("-99999999999999999999") << true
                                         << std::numeric_limits<int>::min();
}

void tst_OptionLine::scanInteger()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, scanned);
    QFETCH(int, value);
    const std::optional<int> result = ::scanInteger(content);
    QCOMPARE(result.has_value(), scanned);
    if (scanned)
        QCOMPARE(*result, value);
}

void tst_OptionLine::fileTextRoundTrip_data()
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
    QTest::newRow("astral-then-invalid") << QByteArray("\xf0\x90\x82\x80\x80")
                                         << utf16(u"\xD800\xDC80\xDC80");
}

void tst_OptionLine::fileTextRoundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeFileText(bytes), text);
    QCOMPARE(encodeFileText(text), bytes);
}

void tst_OptionLine::leadingBomIsDropped()
{
    QCOMPARE(decodeFileText("\xef\xbb\xbf-proc"), QStringLiteral("-proc"));
    QCOMPARE(decodeFileText("\xef\xbb\xbf-D\xff"), QString::fromUtf16(u"-D\xDCFF"));
}

void tst_OptionLine::withFirstLineReplaced_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("line-only") << QByteArray("-old") << QByteArray("-new");
    QTest::newRow("lone-lf-dropped") << QByteArray("-old\n") << QByteArray("-new");
    QTest::newRow("lone-crlf-dropped") << QByteArray("-old\r\n") << QByteArray("-new");
    QTest::newRow("lf-and-rest-kept") << QByteArray("-old\nnote\n") << QByteArray("-new\nnote\n");
    QTest::newRow("crlf-and-rest-kept") << QByteArray("-old\r\n\r\n") << QByteArray("-new\r\n\r\n");
    QTest::newRow("empty-first-line") << QByteArray("\nnote") << QByteArray("-new\nnote");
    QTest::newRow("byte-order-mark-kept") << QByteArray("\xEF\xBB\xBF-old") << QByteArray("\xEF\xBB\xBF-new");
}

void tst_OptionLine::withFirstLineReplaced()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, expected);
    QCOMPARE(::withFirstLineReplaced(content, "-new"), expected);
}

QTEST_GUILESS_MAIN(tst_OptionLine)
#include "tst_optionline.moc"
