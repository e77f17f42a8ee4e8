#include "store/fileformat.h"

#include <QTest>

#include <limits>

class tst_FileFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstLine_data();
    void firstLine();
    void withFirstLineReplaced_data();
    void withFirstLineReplaced();
    void scanInteger_data();
    void scanInteger();
};

void tst_FileFormat::firstLine_data()
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

void tst_FileFormat::firstLine()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, hasLine);
    QFETCH(QByteArray, expected);
    const std::optional<QByteArray> line = ::firstLine(content);
    QCOMPARE(line.has_value(), hasLine);
    if (hasLine)
        QCOMPARE(*line, expected);
}

void tst_FileFormat::withFirstLineReplaced_data()
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

void tst_FileFormat::withFirstLineReplaced()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, expected);
    QCOMPARE(::withFirstLineReplaced(content, "-new"), expected);
}

void tst_FileFormat::scanInteger_data()
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

void tst_FileFormat::scanInteger()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, scanned);
    QFETCH(int, value);
    const std::optional<int> result = ::scanInteger(content);
    QCOMPARE(result.has_value(), scanned);
    if (scanned)
        QCOMPARE(*result, value);
}

QTEST_GUILESS_MAIN(tst_FileFormat)
#include "tst_fileformat.moc"
