#include "optionline/optioncomposer.h"

#include "optionstatebuilder.h"

#include <QTest>

class tst_OptionComposer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compose_data();
    void compose();
};

void tst_OptionComposer::compose_data()
{
    QTest::addColumn<OptionState>("state");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("dumpFunctionMissing");

    using S = OptionState &;
    const int c = int(Language::C), cpp = int(Language::CPlusPlus), ada = int(Language::Ada);
    const auto workedExample = stateWith([](S s) {
        s.functions = FunctionCoverage::WithExits;
        s.calls = CallCoverage::Calls;
        s.blocks = BlockCoverage::StatementBlocks;
        s.conditions = ConditionCoverage::Basic;
        s.noTernary = true;
        s.mode = InstrumentationMode::Count;
        s.dump = FunctionDump::BeforeReturn;
        s.dumpFunction = "compute";
        s.linkFile = "my libs/app.lnk";
        s.staticFileDirectory = "out";
        s.runtimeTrace = s.memoryProfiling = true;
        s.otherOptions = "DFOO=1";
    });

    QTest::newRow("default-line-order") << defaultLineState() << c
                                        << "-proc -nocall -block=decision -nocond -pass " << false;
    QTest::newRow("all-defaults") << OptionState() << c << "-noproc -nocall -noblock -nocond -pass "
                                  << false;
    QTest::newRow("worked-example") << workedExample << cpp
                                    << "-proc=ret -call -block -cond -noternary -count "
                                       "-dumpreturning=compute -link=\"my libs/app.lnk\" "
                                       "-fdcdir=\"out\" -tsfdir=\"out\" -trace -mempro -DFOO=1 "
                                    << false;
    QTest::newRow("worked-example-ada") << workedExample << ada
                                        << "-proc=ret -call -block -cond -noternary -count "
                                           "-dumpreturning=compute -link=\"my libs/app.lnk\" "
                                           "-fdcdir=\"out\" -trace -mempro -DFOO=1 "
                                        << false;
    QTest::newRow("every-other-choice")
            << stateWith([](S s) {
                   s.blocks = BlockCoverage::Loops;
                   s.conditions = ConditionCoverage::ModifiedMultiple;
                   s.mode = InstrumentationMode::Compact;
                   s.dump = FunctionDump::BeforeCall;
                   s.dumpFunction = "f";
                   s.ada83 = s.performanceProfiling = true;
               })
            << c
            << "-noproc -nocall -block=logical -cond=modified -compact -dumpincoming=f "
               "-ada83 -perfpro "
            << false;
    QTest::newRow("forced-conditions")
            << stateWith([](S s) { s.conditions = ConditionCoverage::Forced; }) << c
            << "-noproc -nocall -noblock -cond=forceevaluation -pass " << false;
    QTest::newRow("dump-without-name")
            << stateWith([](S s) { s.dump = FunctionDump::AfterCall; }) << c
            << "-noproc -nocall -noblock -nocond -pass -dumpcalling= " << true;
    QTest::newRow("dump-name-with-space-unchanged")
            << stateWith([](S s) {
                   s.dump = FunctionDump::AfterCall;
                   s.dumpFunction = "a b";
               })
            << c << "-noproc -nocall -noblock -nocond -pass -dumpcalling=a b " << false;
    QTest::newRow("link-already-quoted")
            << stateWith([](S s) { s.linkFile = "\"a b\""; }) << c
            << "-noproc -nocall -noblock -nocond -pass -link=\"a b\" " << false;
    QTest::newRow("link-opening-quote-only")
            << stateWith([](S s) { s.linkFile = "\"ab"; }) << c
            << "-noproc -nocall -noblock -nocond -pass -link=\"ab\" " << false;
    QTest::newRow("link-closing-quote-only")
            << stateWith([](S s) { s.linkFile = "ab\""; }) << c
            << "-noproc -nocall -noblock -nocond -pass -link=\"ab\" " << false;
    QTest::newRow("link-lone-quote-becomes-three")
            << stateWith([](S s) { s.linkFile = "\""; }) << c
            << "-noproc -nocall -noblock -nocond -pass -link=\"\"\" " << false;
    QTest::newRow("static-lone-quote-becomes-three")
            << stateWith([](S s) { s.staticFileDirectory = "\""; }) << cpp
            << "-noproc -nocall -noblock -nocond -pass -fdcdir=\"\"\" -tsfdir=\"\"\" " << false;
    QTest::newRow("link-two-quotes-kept")
            << stateWith([](S s) { s.linkFile = "\"\""; }) << c
            << "-noproc -nocall -noblock -nocond -pass -link=\"\"\"\" " << false;
    QTest::newRow("link-double-quotes-at-ends-kept")
            << stateWith([](S s) { s.linkFile = "a\"\""; }) << c
            << "-noproc -nocall -noblock -nocond -pass -link=\"a\"\"\" " << false;
    QTest::newRow("link-one-and-two-quotes")
            << stateWith([](S s) { s.linkFile = "\"a\"\""; }) << c
            << "-noproc -nocall -noblock -nocond -pass -link=\"a\"\"\" " << false;
    QTest::newRow("other-option-not-dashed-into-a-token")
            << stateWith([](S s) { s.otherOptions = "proc -x"; }) << c
            << "-noproc -nocall -noblock -nocond -pass proc -x " << false;
    QTest::newRow("other-option-not-dashed-into-a-prefix")
            << stateWith([](S s) { s.otherOptions = "link=a"; }) << c
            << "-noproc -nocall -noblock -nocond -pass link=a " << false;
    QTest::newRow("other-options-gain-dash")
            << stateWith([](S s) { s.otherOptions = "DFOO -DBAR"; }) << c
            << "-noproc -nocall -noblock -nocond -pass -DFOO -DBAR " << false;
    QTest::newRow("other-options-with-dash")
            << stateWith([](S s) { s.otherOptions = "-DFOO"; }) << c
            << "-noproc -nocall -noblock -nocond -pass -DFOO " << false;
    QTest::newRow("other-options-leading-space")
            << stateWith([](S s) { s.otherOptions = " x"; }) << c
            << "-noproc -nocall -noblock -nocond -pass - x " << false;
    QTest::newRow("utf8-text-fields")
            << stateWith([](S s) {
                   s.dump = FunctionDump::BeforeReturn;
                   s.dumpFunction = QStringLiteral("\u00e9t\u00e9");
                   s.linkFile = QStringLiteral("\u65e5 \u672c");
                   s.otherOptions = QStringLiteral("-D\u00df");
               })
            << ada
            << QStringLiteral("-noproc -nocall -noblock -nocond -pass -dumpreturning=\u00e9t\u00e9 "
                              "-link=\"\u65e5 \u672c\" -D\u00df ")
            << false;
}

void tst_OptionComposer::compose()
{
    QFETCH(OptionState, state);
    QFETCH(int, language);
    QFETCH(QString, line);
    QFETCH(bool, dumpFunctionMissing);
    const ComposedLine composed = composeOptionLine(state, Language(language));
    QCOMPARE(composed.line, line);
    QCOMPARE(composed.dumpFunctionMissing, dumpFunctionMissing);
}

QTEST_GUILESS_MAIN(tst_OptionComposer)
#include "tst_optioncomposer.moc"
