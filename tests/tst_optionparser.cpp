#include "optionline/optionparser.h"

#include "optionstatebuilder.h"

#include <QTest>

class tst_OptionParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
};

void tst_OptionParser::parse_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<OptionState>("expected");

    using S = OptionState &;
    QTest::newRow("empty-line") << "" << OptionState();
    QTest::newRow("default-line-with-pass")
            << "-proc -block=decision -nocall -nocond -pass" << defaultLineState();
    QTest::newRow("last-function-token-wins")
            << "-noproc -proc=ret" << stateWith([](S s) { s.functions = FunctionCoverage::WithExits; });
    QTest::newRow("last-function-token-wins-reversed") << "-proc=ret -noproc" << OptionState();
    QTest::newRow("every-group") << "-call -block=logical -cond=forceevaluation -noternary -compact"
                                 << stateWith([](S s) {
                                        s.calls = CallCoverage::Calls;
                                        s.blocks = BlockCoverage::Loops;
                                        s.conditions = ConditionCoverage::Forced;
                                        s.noTernary = true;
                                        s.mode = InstrumentationMode::Compact;
                                    });
    QTest::newRow("block-and-cond-plain") << "-block -cond=modified -cond"
                                          << stateWith([](S s) {
                                                 s.blocks = BlockCoverage::StatementBlocks;
                                                 s.conditions = ConditionCoverage::Basic;
                                             });
    QTest::newRow("pass-after-count-wins") << "-count -pass" << OptionState();
    QTest::newRow("synonyms") << "-sylmor -dravenko" << stateWith([](S s) {
        s.memoryProfiling = true;
        s.performanceProfiling = true;
    });
    QTest::newRow("features-and-ada") << "-trace -mempro -perfpro -ada83" << stateWith([](S s) {
        s.runtimeTrace = s.memoryProfiling = s.performanceProfiling = s.ada83 = true;
    });
    QTest::newRow("other-letter-case-and-near-tokens")
            << "-PROC -proc= -procx" << stateWith([](S s) { s.otherOptions = "-PROC -proc= -procx"; });
    QTest::newRow("line-feed-in-last-token")
            << "-count -proc\n" << stateWith([](S s) {
                   s.mode = InstrumentationMode::Count;
                   s.otherOptions = "-proc\n";
               });
    QTest::newRow("tab-stays-inside-token")
            << "-proc\t-count -call" << stateWith([](S s) {
                   s.calls = CallCoverage::Calls;
                   s.otherOptions = "-proc\t-count";
               });
    QTest::newRow("other-options-in-line-order")
            << "-DFOO -proc  -I/include" << stateWith([](S s) {
                   s.functions = FunctionCoverage::Functions;
                   s.otherOptions = "-DFOO -I/include";
               });
    QTest::newRow("dump-with-name") << "-dumpcalling=main" << stateWith([](S s) {
        s.dump = FunctionDump::AfterCall;
        s.dumpFunction = "main";
    });
    QTest::newRow("dump-prefix-alone") << "-dumpreturning="
                                       << stateWith([](S s) { s.dump = FunctionDump::BeforeReturn; });
    QTest::newRow("later-dump-wins") << "-dumpcalling=a -dumpincoming=b" << stateWith([](S s) {
        s.dump = FunctionDump::BeforeCall;
        s.dumpFunction = "b";
    });
    QTest::newRow("dump-name-keeps-quotes") << "-dumpcalling=\"f\"" << stateWith([](S s) {
        s.dump = FunctionDump::AfterCall;
        s.dumpFunction = "\"f\"";
    });
    QTest::newRow("quoted-link-over-two-tokens")
            << "-link=\"D:\\my files\\app.lnk\" -trace" << stateWith([](S s) {
                   s.linkFile = "D:\\my files\\app.lnk";
                   s.runtimeTrace = true;
               });
    QTest::newRow("two-spaces-in-quoted-path-become-one")
            << "-link=\"a  b\"" << stateWith([](S s) { s.linkFile = "a b"; });
    QTest::newRow("quote-closed-in-first-token")
            << "-fdcdir=\"out\" -x" << stateWith([](S s) {
                   s.staticFileDirectory = "out";
                   s.otherOptions = "-x";
               });
    QTest::newRow("unquoted-link") << "-link=plain" << stateWith([](S s) { s.linkFile = "plain"; });
    QTest::newRow("link-prefix-alone") << "-link= -trace"
                                       << stateWith([](S s) { s.runtimeTrace = true; });
    QTest::newRow("unclosed-quote-last-keeps-all")
            << "-link=\"abc" << stateWith([](S s) { s.linkFile = "abc"; });
    QTest::newRow("unclosed-quote-takes-rest")
            << "-link=\"abc def" << stateWith([](S s) { s.linkFile = "abc def"; });
    QTest::newRow("closing-quote-only") << "-link=abc\" -x" << stateWith([](S s) {
        s.linkFile = "abc\"";
        s.otherOptions = "-x";
    });
    QTest::newRow("three-quotes-are-one") << "-link=\"\"\" -trace" << stateWith([](S s) {
        s.linkFile = "\"";
        s.runtimeTrace = true;
    });
    QTest::newRow("empty-quoted-value-takes-next-token")
            << "-link=\" x\"" << stateWith([](S s) { s.linkFile = " x"; });
    QTest::newRow("fdcdir-after-tsfdir-wins")
            << "-tsfdir=x -fdcdir=y" << stateWith([](S s) { s.staticFileDirectory = "y"; });
    QTest::newRow("utf8-in-every-field")
            << QStringLiteral("-dumpcalling=gr\u00f6\u00dfe -link=\"caf\u00e9/\u00fc\" "
                              "-fdcdir=\"\u65e5\u672c\" -D\u00df=1")
            << stateWith([](S s) {
                   s.dump = FunctionDump::AfterCall;
                   s.dumpFunction = QStringLiteral("gr\u00f6\u00dfe");
                   s.linkFile = QStringLiteral("caf\u00e9/\u00fc");
                   s.staticFileDirectory = QStringLiteral("\u65e5\u672c");
                   s.otherOptions = QStringLiteral("-D\u00df=1");
               });
}

void tst_OptionParser::parse()
{
    QFETCH(QString, line);
    QFETCH(OptionState, expected);
    QCOMPARE(parseOptionLine(line), expected);
}

QTEST_GUILESS_MAIN(tst_OptionParser)
#include "tst_optionparser.moc"
