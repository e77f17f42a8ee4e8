#include "optionline/optionline.h"

#include <QTest>

class tst_OptionLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stripPassTokens_data();
    void stripPassTokens();
    void impliesPassMode_data();
    void impliesPassMode();
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

QTEST_GUILESS_MAIN(tst_OptionLine)
#include "tst_optionline.moc"
