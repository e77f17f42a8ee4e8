#include "app/request.h"
#include "app/scripting.h"
#include "app/settings.h"

#include "dialogfixture.h"
#include "recordingprompter.h"

namespace {

// One synonym only: read as another option's, it would change the bytes.
const QByteArray startLine = "-proc -call -count -dumpcalling=f -sylmor other\nsecond line\n";

// NAME=VALUE or --off, and the widget the user clicks, or types the value into.
const QList<QStringList> &clickRows()
{
    static const QList<QStringList> rows = {
        {"functions=no-functions", "rbFunctions_none"}, {"functions=functions", "rbFunctions_functions"},
        {"functions=functions-with-exits", "rbFunctions_with_exits"}, {"calls=calls", "rbCalls_calls"},
        {"calls=no-calls", "rbCalls_none"}, {"blocks=statement-blocks", "rbBlocks_statement_blocks"},
        {"blocks=loops", "rbBlocks_loops"}, {"blocks=implicit-blocks", "rbBlocks_implicit_blocks"},
        {"blocks=no-blocks", "rbBlocks_none"}, {"conditions=no-conditions", "rbConditions_none"},
        {"conditions=basic-conditions", "rbConditions_basic"},
        {"conditions=modified-conditions", "rbConditions_modified_multiple"},
        {"conditions=forced-conditions", "rbConditions_forced"}, {"no-ternary=on", "cbTernaryCoverage"},
        {"mode=pass", "rbInstrumentationMode_pass"}, {"mode=count", "rbInstrumentationMode_count"},
        {"mode=compact", "rbInstrumentationMode_compact"}, {"dump=no-dump", "rbFunctionDump_none"},
        {"dump=dump-after-call", "rbFunctionDump_after_call"},
        {"dump=dump-before-return", "rbFunctionDump_before_return"},
        {"dump=dump-before-call", "rbFunctionDump_before_call"}, {"dump-function=g h", "txtFunctionDump"},
        {"ada83=on", "cbAda83Restrictions"}, {"link-file=a \"b", "txtLinkFile"},
        {"static-file-directory=o d", "txtStaticFileDirectory"}, {"runtime-trace=on", "cbRuntimeTrace"},
        {"memory-profiling=off", "cbMemoryProfiling"}, {"performance-profiling=on", "cbPerformanceProfiling"},
        {"other-options=DX", "txtOther"}, {"--off", "btDisable"}};
    return rows;
}

} // namespace

class tst_Scripting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setWritesWhatOkWrites_data();
    void setWritesWhatOkWrites();
    void everySettingIsClicked();
    void showReadsOnly();
};

void tst_Scripting::setWritesWhatOkWrites_data()
{
    QTest::addColumn<QString>("arguments"); // [-ada] NAME=VALUE, or --off
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QByteArray>("expected"); // stated by hand for a few rows
    for (const QStringList &row : clickRows())
        QTest::newRow(qPrintable(row[0])) << row[0] << row[1] << QByteArray();
    QTest::newRow("ada-no-second-directory") << "-ada static-file-directory=o" << "txtStaticFileDirectory"
            << QByteArray("-proc -call -noblock -nocond -count -dumpcalling=f -fdcdir=\"o\" -mempro -other \nsecond line\n|1");
    QTest::newRow("synonym-written-as-its-token") << "performance-profiling=on" << "cbPerformanceProfiling"
            << QByteArray("-proc -call -noblock -nocond -count -dumpcalling=f -mempro -perfpro -other \nsecond line\n|1");
    QTest::newRow("pass-never-stored") << "mode=pass" << "rbInstrumentationMode_pass"
            << QByteArray("-proc -call -noblock -nocond -dumpcalling=f -mempro -other\nsecond line\n|1");
}

void tst_Scripting::setWritesWhatOkWrites()
{
    QFETCH(QString, arguments);
    QFETCH(QString, widget);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    writeBytes(dir.filePath("proj.opt"), startLine);
    writeBytes(dir.filePath("proj.opt_act"), "1");
    RecordingPrompter boxes;
    const bool ada = arguments.startsWith("-ada ");
    const QString pair = arguments.mid(ada ? 5 : 0);
    QCOMPARE(setSettings(parseRequest({ada ? "-ada" : "-c", "--set", pair, "proj.opt"}), dir.path()).exitCode, 0);
    QCOMPARE(boxes.texts(), QStringList());
    const QByteArray set = readBytes(dir.filePath("proj.opt")) + '|' + readBytes(dir.filePath("proj.opt_act"));

    DialogFixture f;
    f.open(startLine, QByteArray("1"), ada ? Language::Ada : Language::C);
    if (widget.startsWith("txt"))
        f.type(widget, pair.section('=', 1));
    else
        f.click(widget);
    QVERIFY(quitsEventLoop([&] { f.click("btOK"); }));
    QCOMPARE(set, f.options() + '|' + f.active());
    if (!expected.isEmpty())
        QCOMPARE(set, expected);
}

// A setting or a choice's value added to the option table needs its row above.
void tst_Scripting::everySettingIsClicked()
{
    QStringList clicked;
    for (const QStringList &row : clickRows())
        clicked += {row[0].section('=', 0, 0), row[0]};
    for (const Setting &setting : settings()) {
        QVERIFY2(clicked.contains(setting.name), qPrintable(setting.name));
        for (const QString &value : setting.kind == Setting::Kind::Choice ? valuesOf(setting) : QStringList())
            QVERIFY2(clicked.contains(setting.name + '=' + value), qPrintable(setting.name + '=' + value));
    }
}

void tst_Scripting::showReadsOnly()
{
    QTemporaryDir dir;
    RecordingPrompter boxes;
    ScriptResult shown = showSettings(parseRequest({"--show", "proj.opt"}), dir.path());
    QCOMPARE(shown.exitCode, 2);
    QVERIFY(shown.output.endsWith("runtime-analysis=off\nline=-proc -block=decision -nocall -nocond\n"));
    QCOMPARE(boxes.texts().size(), 2); // neither file could be read, and neither is made
    QCOMPARE(entriesOf(dir.path()), QStringList());

    writeBytes(dir.filePath("proj.opt"), startLine);
    writeBytes(dir.filePath("proj.opt_act"), "1");
    shown = showSettings(parseRequest({"--show", "proj.opt"}), dir.path());
    QCOMPARE(shown.exitCode, 0);
    QCOMPARE(shown.output, "functions=functions\ncalls=calls\nblocks=no-blocks\nconditions=no-conditions\n"
                           "no-ternary=off\nmode=count\ndump=dump-after-call\ndump-function=f\nada83=off\n"
                           "link-file=\nstatic-file-directory=\nruntime-trace=off\nmemory-profiling=on\n"
                           "performance-profiling=off\nother-options=other\nruntime-analysis=on\n"
                           "line=-proc -call -count -dumpcalling=f -sylmor other\n");
}

QTEST_MAIN(tst_Scripting)
#include "tst_scripting.moc"
