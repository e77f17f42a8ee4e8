#include "dialog/accesskeys.h"
#include "dialog/mirlocl.h"

#include "accessibilityevents.h"
#include "accessiblenames.h"
#include "dialogfixture.h"
#include "recordingprompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>

using TextMap = QMap<QString, QString>;
Q_DECLARE_METATYPE(TextMap)

namespace {

// The option controls: every control inside a group box.
bool isOptionControl(const QWidget *widget)
{
    return !qobject_cast<const QGroupBox *>(widget) && qobject_cast<const QGroupBox *>(widget->parentWidget());
}

// The checked options; the toggle's own checked state is runtime analysis.
QStringList checkedButtons(const MirloCL &dialog)
{
    QStringList names;
    for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>()) {
        if (button->isChecked() && !qobject_cast<const QPushButton *>(button))
            names.append(button->objectName());
    }
    names.sort();
    return names;
}

const QStringList defaultLineButtons = {
    "rbBlocks_implicit_blocks", "rbCalls_none", "rbConditions_none", "rbFunctionDump_none",
    "rbFunctions_functions", "rbInstrumentationMode_pass",
};

} // namespace

class tst_MirloCL : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void construction();
    void tabOrder();
    void accessKeysInEnglish();
    void controlsAreNamed_data();
    void controlsAreNamed();
    void tabReachesOnlyCheckedRadioButtons();
    void toggleIsHeardWhenPressed_data();
    void toggleIsHeardWhenPressed();
    void groupKeyGoesToItsCheckedButton();
    void everyOptionExplainsWhatItWrites();
    void tabSkipsWhatCannotTakeFocus_data();
    void tabSkipsWhatCannotTakeFocus();
    void loadsIntoWidgets_data();
    void loadsIntoWidgets();
    void savesWhatWasClicked_data();
    void savesWhatWasClicked();
    void longTextsSurviveApply();
    void toggleGreysExactlyTheOptionWidgets();
    void toggleTwiceRestoresEverything();
    void disableThenCancelWritesNothing();
    void disableThenApplyWritesZeroAndStaysOpen();
    void okWithoutDumpNameWarnsSavesAndStays();
    void okSavesAndQuits();
    void escapeSavesNothingAndQuits();
    void applyThenCancelKeepsWhatApplyWrote();
    void browseButtons_data();
    void browseButtons();

private:
    void verifyActivation(const DialogFixture &f, bool on);
};

// No test may leave a window open behind it.
void tst_MirloCL::cleanup()
{
    const auto windows = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(windows.cbegin(), windows.cend(),
                         [](const QWidget *w) { return w->isVisible(); }));
}

void tst_MirloCL::verifyActivation(const DialogFixture &f, bool on)
{
    QCOMPARE(f.store->active(), on ? 1 : 0);
    for (const QWidget *widget : f.dialog->findChildren<QWidget *>())
        QVERIFY2(widget->isEnabled() == (on || !isOptionControl(widget)), qPrintable(widget->objectName()));
    QCOMPARE(withoutAccessKey(f.widget<QPushButton>("btDisable")->text()), on ? QString("Disable") : QString("Enable"));
    QCOMPARE(f.dialog->nextToggleEnables(), !on);
}

void tst_MirloCL::construction()
{
    DialogFixture f;
    f.open(std::nullopt, std::nullopt);
    QCOMPARE(f.dialog->objectName(), QString("MirloCL"));
    QCOMPARE(f.dialog->windowTitle(), QString("Vimbra Runtime Analysis Setup"));
    QCOMPARE(f.dialog->minimumSize(), QSize(590, 456));
    QCOMPARE(f.dialog->maximumSize(), QSize(590, 456));
    QCOMPARE(f.dialog->findChildren<QWidget *>().size(), 48);
    QVERIFY(!f.dialog->windowIcon().isNull());
    QCOMPARE(f.widget("bgInstrumentationMode")->toolTip(), QString("Instrumentation Mode (C/C++)"));
    QCOMPARE(f.widget("cbTernaryCoverage")->toolTip(), QString("No Ternaries Coverage"));
    QCOMPARE(f.widget("bgFunctionDump")->toolTip(), QString("Function Specific Dump"));
    QCOMPARE(f.widget("rbFunctionDump_before_call")->toolTip(), QString("Before Call (C only)"));
    QCOMPARE(f.widget("txtFunctionDump")->parentWidget()->objectName(), QString("bgFunctionDump"));
    QVERIFY(!f.dialog->lastActionKeepsDialogOpen());
}

void tst_MirloCL::tabOrder()
{
    const QStringList chain = {
        "rbFunctions_none", "rbFunctions_functions", "rbFunctions_with_exits", "rbCalls_none", "rbCalls_calls",
        "rbBlocks_none", "rbBlocks_statement_blocks", "rbBlocks_implicit_blocks", "rbBlocks_loops",
        "rbConditions_none", "rbConditions_basic", "rbConditions_modified_multiple", "rbConditions_forced",
        "cbRuntimeTrace", "cbMemoryProfiling", "cbPerformanceProfiling", "cbAda83Restrictions", "txtLinkFile",
        "btLinkFile", "rbInstrumentationMode_pass", "rbInstrumentationMode_count", "rbInstrumentationMode_compact",
        "cbTernaryCoverage", "rbFunctionDump_none", "rbFunctionDump_before_call", "rbFunctionDump_after_call",
        "rbFunctionDump_before_return", "txtFunctionDump", "txtStaticFileDirectory", "btStaticFileDirectory",
        "txtOther", "btOK", "btApply", "btCancel", "btDisable"};
    DialogFixture f;
    f.open(std::nullopt, std::nullopt);
    QStringList walked;
    QWidget *w = f.widget(chain.first());
    do {
        if (chain.contains(w->objectName()))
            walked.append(w->objectName());
        w = w->nextInFocusChain();
    } while (w != f.widget(chain.first()));
    QCOMPARE(walked, chain);
    // Within a group, Tab reads as the eye does: down, then to the right.
    for (qsizetype i = 1; i + 4 < chain.size(); ++i) {
        const QWidget *before = f.widget(chain[i - 1]), *after = f.widget(chain[i]);
        QVERIFY2(before->parentWidget() != after->parentWidget()
                         || std::pair(before->y(), before->x()) < std::pair(after->y(), after->x()),
                 qPrintable(chain[i]));
    }
    QCOMPARE(f.widget("rbCalls_calls")->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(f.widget("rbBlocks_loops")->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(f.widget("txtFunctionDump")->focusPolicy(), Qt::StrongFocus);
}

// The most useful settings get the first letters of their words.
void tst_MirloCL::accessKeysInEnglish()
{
    DialogFixture f;
    f.open(std::nullopt, "1");
    QStringList keyed;
    for (const QWidget *w : f.dialog->findChildren<QWidget *>()) {
        const auto *box = qobject_cast<const QGroupBox *>(w);
        if (const QString text = box ? box->title() : w->property("text").toString(); text.contains(u'&'))
            keyed.append(text);
    }
    keyed.sort();
    QCOMPARE(keyed.join(u'|'),
             "&Apply|&Basic|&Before Return|&Blocks|&Calls|&Code Coverage Levels|&Disable|&Functions|&Functions|"
             "&Implicit Blocks|&Instrumentation Mode (C/C++)|&Loops|&Modified/Multiple|&None|&None|&Pass|"
             "&Static File Directory|&With Exits|Ada &83 Restrictions|Ada O&ptions (Ada)|Af&ter Call|"
             "Before Call (C onl&y)|C&onditions|Ca&lls (C/Ada)|Co&unt|Comp&act|F&unction Specific Dump|"
             "Fea&ture Activation (C/C++)|Fo&rced|Li&nk File :|Memor&y Profiling|N&one|N&one|"
             "No Ternaries Co&verage|Non&e|Ot&her Options|Performance Profilin&g|Runti&me Trace|Statement Bloc&ks|"
             "Te&rnary (C/C++)");
}

void tst_MirloCL::loadsIntoWidgets_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<TextMap>("texts");

    const auto with = [](QStringList names) {
        names.sort();
        return names;
    };
    QTest::newRow("default-line") << QByteArray("-proc -block=decision -nocall -nocond")
                                  << defaultLineButtons << TextMap{};
    QTest::newRow("every-token-of-one-kind")
            << QByteArray("-proc=ret -call -block=logical -cond=modified -noternary -compact "
                          "-dumpincoming=f -ada83 -trace -mempro -perfpro")
            << with({"rbFunctions_with_exits", "rbCalls_calls", "rbBlocks_loops",
                     "rbConditions_modified_multiple", "cbTernaryCoverage",
                     "rbInstrumentationMode_compact", "rbFunctionDump_before_call",
                     "cbAda83Restrictions", "cbRuntimeTrace", "cbMemoryProfiling",
                     "cbPerformanceProfiling"})
            << TextMap{{"txtFunctionDump", "f"}};
    QTest::newRow("the-other-kind")
            << QByteArray("-noproc -nocall -block -cond -count -dumpcalling=g -sylmor -dravenko")
            << with({"rbFunctions_none", "rbCalls_none", "rbBlocks_statement_blocks",
                     "rbConditions_basic", "rbInstrumentationMode_count",
                     "rbFunctionDump_after_call", "cbMemoryProfiling", "cbPerformanceProfiling"})
            << TextMap{{"txtFunctionDump", "g"}};
    QTest::newRow("forced-and-before-return")
            << QByteArray("-noblock -cond=forceevaluation -dumpreturning=")
            << with({"rbFunctions_none", "rbCalls_none", "rbBlocks_none", "rbConditions_forced",
                     "rbInstrumentationMode_pass", "rbFunctionDump_before_return"})
            << TextMap{{"txtFunctionDump", ""}};
    QTest::newRow("paths-and-other-options")
            << QByteArray("-count -link=\"D:\\my files\\app.lnk\" -X -tsfdir=\"x\" "
                          "-fdcdir=\"\xc3\xa9t\xc3\xa9\" -I/include\n")
            << with({"rbFunctions_none", "rbCalls_none", "rbBlocks_none", "rbConditions_none",
                     "rbInstrumentationMode_count", "rbFunctionDump_none"})
            << TextMap{{"txtLinkFile", "D:\\my files\\app.lnk"},
                       {"txtStaticFileDirectory", QString::fromUtf8("\xc3\xa9t\xc3\xa9")},
                       {"txtOther", "-X -I/include"}};
}

void tst_MirloCL::loadsIntoWidgets()
{
    QFETCH(QByteArray, line);
    QFETCH(QStringList, checked);
    QFETCH(TextMap, texts);
    DialogFixture f;
    f.open(line, "1");
    QCOMPARE(checkedButtons(*f.dialog), checked);
    for (const char *name : {"txtFunctionDump", "txtLinkFile", "txtStaticFileDirectory", "txtOther"})
        QCOMPARE(f.widget<QLineEdit>(name)->text(), texts.value(name));
}

void tst_MirloCL::savesWhatWasClicked_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<TextMap>("typed");
    QTest::addColumn<QByteArray>("saved");

    const int c = int(Language::C), cpp = int(Language::CPlusPlus), ada = int(Language::Ada);
    const QStringList workedExampleClicks = {
        "rbFunctions_with_exits", "rbCalls_calls", "rbBlocks_statement_blocks",
        "rbConditions_basic", "cbTernaryCoverage", "rbInstrumentationMode_count",
        "rbFunctionDump_before_return", "cbRuntimeTrace", "cbMemoryProfiling"};
    const TextMap workedExampleTexts = {{"txtFunctionDump", "compute"},
                                        {"txtLinkFile", "my libs/app.lnk"},
                                        {"txtStaticFileDirectory", "out"},
                                        {"txtOther", "DFOO=1"}};

    QTest::newRow("default-line-unchanged")
            << QByteArray() << c << QStringList() << TextMap()
            << QByteArray("-proc -nocall -block=decision -nocond");
    QTest::newRow("worked-example")
            << QByteArray() << cpp << workedExampleClicks << workedExampleTexts
            << QByteArray("-proc=ret -call -block -cond -noternary -count -dumpreturning=compute "
                          "-link=\"my libs/app.lnk\" -fdcdir=\"out\" -tsfdir=\"out\" -trace "
                          "-mempro -DFOO=1 ");
    QTest::newRow("worked-example-ada")
            << QByteArray() << ada << workedExampleClicks << workedExampleTexts
            << QByteArray("-proc=ret -call -block -cond -noternary -count -dumpreturning=compute "
                          "-link=\"my libs/app.lnk\" -fdcdir=\"out\" -trace -mempro -DFOO=1 ");
    QTest::newRow("every-other-button")
            << QByteArray() << c
            << QStringList{"rbFunctions_none", "rbBlocks_loops", "rbConditions_modified_multiple",
                           "rbInstrumentationMode_compact", "rbFunctionDump_before_call",
                           "cbAda83Restrictions", "cbPerformanceProfiling"}
            << TextMap{{"txtFunctionDump", "f"}}
            << QByteArray("-noproc -nocall -block=logical -cond=modified -compact "
                          "-dumpincoming=f -ada83 -perfpro ");
    QTest::newRow("remaining-buttons")
            << QByteArray("-proc=ret -call -block -cond=modified -count") << c
            << QStringList{"rbFunctions_functions", "rbCalls_none", "rbBlocks_none",
                           "rbConditions_forced", "rbInstrumentationMode_pass",
                           "rbFunctionDump_after_call"}
            << TextMap{{"txtFunctionDump", "main"}}
            << QByteArray("-proc -nocall -noblock -cond=forceevaluation -dumpcalling=main");
    QTest::newRow("synonyms-written-as-tokens")
            << QByteArray("-count -sylmor -dravenko") << c << QStringList() << TextMap()
            << QByteArray("-noproc -nocall -noblock -nocond -count -mempro -perfpro ");
    QTest::newRow("only-proc-gets-defaults")
            << QByteArray("-proc") << c << QStringList() << TextMap()
            << QByteArray("-proc -nocall -noblock -nocond");
    QTest::newRow("unticking-check-boxes")
            << QByteArray("-count -trace -noternary") << c
            << QStringList{"cbRuntimeTrace", "cbTernaryCoverage"} << TextMap()
            << QByteArray("-noproc -nocall -noblock -nocond -count ");
    QTest::newRow("utf8-and-quotes-typed")
            << QByteArray("-count") << c << QStringList{"rbFunctionDump_after_call"}
            << TextMap{{"txtFunctionDump", QString::fromUtf8("gr\xc3\xb6\xc3\x9f")},
                       {"txtLinkFile", "\""},
                       {"txtOther", "-D\xe6\x97\xa5"}}
            << QByteArray("-noproc -nocall -noblock -nocond -count -dumpcalling=gr\xc3\xb6\xc3\x9f "
                          "-link=\"\"\" -D\xe6\x97\xa5 ");
}

void tst_MirloCL::savesWhatWasClicked()
{
    QFETCH(QByteArray, line);
    QFETCH(int, language);
    QFETCH(QStringList, clicks);
    QFETCH(TextMap, typed);
    QFETCH(QByteArray, saved);

    DialogFixture f;
    f.open(line.isEmpty() ? std::nullopt : std::optional(line), "1", Language(language));
    for (const QString &name : clicks)
        f.click(name);
    for (auto it = typed.cbegin(); it != typed.cend(); ++it)
        f.type(it.key(), it.value());
    RecordingPrompter boxes;
    f.click("btApply");

    QCOMPARE(f.options(), saved);
    QCOMPARE(f.active(), QByteArray("1"));
    QVERIFY(boxes.messages.isEmpty());
    QVERIFY(f.dialog->isVisible());
}

void tst_MirloCL::longTextsSurviveApply()
{
    // Longer than the 32767 characters a line edit holds by default.
    QByteArray other;
    for (int i = 0; i < 10000; ++i)
        other += " -Dopt_" + QByteArray::number(i).rightJustified(4, '0') + "=1";
    const QByteArray link = QByteArray(40000, 'l');
    const QByteArray line = "-proc -nocall -noblock -nocond -count -link=\"" + link + "\"" + other + ' ';

    DialogFixture f;
    f.open(line, "1");
    QCOMPARE(f.widget<QLineEdit>("txtOther")->text().size(), other.size() - 1);
    f.click("btApply");
    QCOMPARE(f.options(), line);
}

void tst_MirloCL::toggleGreysExactlyTheOptionWidgets()
{
    DialogFixture f;
    f.open(std::nullopt, std::nullopt);
    verifyActivation(f, false);
    QSignalSpy dispatched(f.dialog.get(), &MirloCL::dispatchEnable);
    f.click("btDisable");
    verifyActivation(f, true);
    f.click("btDisable");
    verifyActivation(f, false);
    QCOMPARE(dispatched.size(), 2);
    QCOMPARE(dispatched.at(0).at(0).toBool(), true);
    QCOMPARE(dispatched.at(1).at(0).toBool(), false);
}

void tst_MirloCL::toggleTwiceRestoresEverything()
{
    DialogFixture f;
    f.open("-count -trace -link=x", "1");
    const QStringList before = checkedButtons(*f.dialog);
    f.click("btDisable");
    f.click("btDisable");
    verifyActivation(f, true);
    QCOMPARE(checkedButtons(*f.dialog), before);
    QCOMPARE(f.widget<QLineEdit>("txtLinkFile")->text(), QString("x"));
    QCOMPARE(f.options(), QByteArray("-count -trace -link=x"));
    QCOMPARE(f.active(), QByteArray("1"));
}

void tst_MirloCL::disableThenCancelWritesNothing()
{
    DialogFixture f;
    f.open("-count", "1");
    f.click("btDisable");
    f.click("cbRuntimeTrace"); // greyed: the click does nothing
    QVERIFY(quitsEventLoop([&] { f.click("btCancel"); }));
    QCOMPARE(f.options(), QByteArray("-count"));
    QCOMPARE(f.active(), QByteArray("1"));
}

void tst_MirloCL::disableThenApplyWritesZeroAndStaysOpen()
{
    DialogFixture f;
    f.open("-count -trace", "2");
    verifyActivation(f, false);
    f.click("btDisable");
    f.click("btDisable");
    f.click("btApply");
    QCOMPARE(f.active(), QByteArray("0"));
    QCOMPARE(f.options(), QByteArray("-noproc -nocall -noblock -nocond -count -trace "));
    QVERIFY(f.dialog->isVisible());
    verifyActivation(f, false);
    f.click("btDisable");
    f.click("btApply");
    QCOMPARE(f.active(), QByteArray("1"));
}

void tst_MirloCL::okWithoutDumpNameWarnsSavesAndStays()
{
    DialogFixture f;
    f.open(std::nullopt, "1");
    f.click("rbFunctionDump_after_call");
    RecordingPrompter boxes;
    QVERIFY(!quitsEventLoop([&] { f.click("btOK"); }));

    QCOMPARE(boxes.messages.size(), 1);
    QCOMPARE(boxes.messages[0].severity, Prompter::Severity::Warning);
    QCOMPARE(boxes.messages[0].caption, QString("Warning"));
    QCOMPARE(boxes.messages[0].text,
             QString("Dump option : The name of the function is not provided.\nFor more "
                     "informations, please refer to the Coverage reference manual."));
    QCOMPARE(f.options(), QByteArray("-proc -nocall -block=decision -nocond -dumpcalling="));
    QVERIFY(f.dialog->isVisible());
    QVERIFY(f.dialog->lastActionKeepsDialogOpen());

    f.type("txtFunctionDump", "main");
    QVERIFY(quitsEventLoop([&] { f.click("btApply"); f.click("btOK"); }));
    QVERIFY(!f.dialog->lastActionKeepsDialogOpen());
    QCOMPARE(boxes.messages.size(), 1);
}

void tst_MirloCL::okSavesAndQuits()
{
    DialogFixture f;
    f.open(std::nullopt, std::nullopt);
    f.click("btDisable");
    f.click("cbRuntimeTrace");
    QVERIFY(quitsEventLoop([&] { f.click("btOK"); }));
    QCOMPARE(f.options(), QByteArray("-proc -nocall -block=decision -nocond -trace"));
    QCOMPARE(f.active(), QByteArray("1"));
}

void tst_MirloCL::escapeSavesNothingAndQuits()
{
    DialogFixture f;
    f.open("-count", "0");
    f.click("btDisable");
    f.click("cbRuntimeTrace");
    QVERIFY(quitsEventLoop([&] { QTest::keyClick(f.dialog.get(), Qt::Key_Escape); }));
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.options(), QByteArray("-count"));
    QCOMPARE(f.active(), QByteArray("0"));
}

void tst_MirloCL::applyThenCancelKeepsWhatApplyWrote()
{
    DialogFixture f;
    f.open("-count", "1");
    f.click("cbRuntimeTrace");
    f.click("btApply");
    f.click("cbMemoryProfiling");
    f.click("btDisable");
    QVERIFY(quitsEventLoop([&] { f.click("btCancel"); }));
    QCOMPARE(f.options(), QByteArray("-noproc -nocall -noblock -nocond -count -trace "));
    QCOMPARE(f.active(), QByteArray("1"));
}

void tst_MirloCL::browseButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("startIsDirectory");

    QTest::newRow("directory") << "btStaticFileDirectory" << "txtStaticFileDirectory"
                               << "Choose a directory" << true;
    QTest::newRow("file") << "btLinkFile" << "txtLinkFile" << "Choose a file" << false;
}

void tst_MirloCL::browseButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, caption);
    QFETCH(bool, startIsDirectory);

    DialogFixture f;
    f.open("-count", "1");
    const QString aDirectory = f.directory();
    const QString aFile = f.optionsPath();
    const QString fitting = startIsDirectory ? aDirectory : aFile;
    const QString wrongKind = startIsDirectory ? aFile : aDirectory;

    RecordingPrompter choosers;
    choosers.answers = {"/chosen/path", "", "/again"};
    f.type(field, fitting);
    f.click(button);
    QCOMPARE(f.widget<QLineEdit>(field)->text(), QString("/chosen/path"));
    f.type(field, wrongKind);
    f.click(button); // answered as Cancel is: the field keeps its text
    QCOMPARE(f.widget<QLineEdit>(field)->text(), wrongKind);
    f.type(field, "/does/not/exist");
    f.click(button);
    QCOMPARE(f.widget<QLineEdit>(field)->text(), QString("/again"));

    QCOMPARE(choosers.choosers.size(), 3);
    QCOMPARE(choosers.choosers[0].caption, caption);
    QCOMPARE(choosers.choosers[0].start, fitting);
    // Never the directory the tool chain happened to start the program in.
    QCOMPARE(choosers.choosers[1].start, f.directory());
    QCOMPARE(choosers.choosers[2].start, f.directory());
}

void tst_MirloCL::controlsAreNamed_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("name");

    QTest::newRow("field-by-its-label") << "txtLinkFile" << "Link File :";
    QTest::newRow("browse-file") << "btLinkFile" << "Choose a file";
    QTest::newRow("browse-directory") << "btStaticFileDirectory" << "Choose a directory";
    QTest::newRow("group-by-its-title") << "bgCalls" << "Calls (C/Ada)";
    QTest::newRow("field-alone-in-group") << "txtOther" << "Other Options";
    QTest::newRow("dump-function-field") << "txtFunctionDump" << "Function name";
}

void tst_MirloCL::controlsAreNamed()
{
    QFETCH(QString, widget);
    QFETCH(QString, name);
    DialogFixture f;
    f.open(QByteArray("-proc"), QByteArray("1"));

    QCOMPARE(accessibleName(f.widget(widget)), name);
    QCOMPARE(unnamedControls(f.dialog.get()), QStringList());
}

void tst_MirloCL::tabReachesOnlyCheckedRadioButtons()
{
    DialogFixture f;
    f.open(QByteArray("-proc=ret -call -block=logical -cond=forceevaluation -count -dumpcalling=f"),
           QByteArray("1"));
    f.widget("rbFunctions_with_exits")->setFocus();
    QStringList reached;
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto *radio = qobject_cast<QRadioButton *>(QApplication::focusWidget());
        if (radio) {
            QVERIFY2(radio->isChecked(), qPrintable(radio->objectName()));
            reached.append(radio->objectName());
        }
    }
    // Also a checked button that takes focus only by click is a stop.
    QVERIFY(reached.contains("rbCalls_calls"));
    QVERIFY(reached.contains("rbBlocks_loops"));

    // The arrow keys still move and check within the group.
    QVERIFY(f.widget<QRadioButton>("rbConditions_forced")->isChecked());
    f.widget("rbConditions_forced")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("rbConditions_modified_multiple"));
    QVERIFY(f.widget<QRadioButton>("rbConditions_modified_multiple")->isChecked());
}

// Orca speaks the focused control's checked state as Qt reports its change
// (the AT-SPI bridge of Qt 6.4 loses name and description changes): every
// way of pressing the toggle sends one, and its name stays what it is.
void tst_MirloCL::toggleIsHeardWhenPressed_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("enter") << int(Qt::Key_Return);
    QTest::newRow("click") << 0;
}

void tst_MirloCL::toggleIsHeardWhenPressed()
{
    QFETCH(int, key);
    DialogFixture f;
    f.open(QByteArray("-proc"), QByteArray("1"));
    QWidget *toggle = f.widget("btDisable");
    QVERIFY(QAccessible::queryAccessibleInterface(toggle)->state().checked);
    const CheckedStateEvents events;
    for (const bool on : {false, true}) {
        if (key)
            QTest::keyClick(toggle, Qt::Key(key));
        else
            f.click("btDisable");
        QCOMPARE(CheckedStateEvents::take(), QList<QObject *>{toggle});
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(toggle);
        QCOMPARE(heard->state().checked, on);
        QCOMPARE(heard->text(QAccessible::Name), QStringLiteral("Runtime analysis"));
    }
}

// Also to one that Tab alone passes over; a key that controls share
// leads there on one of its presses.
void tst_MirloCL::groupKeyGoesToItsCheckedButton()
{
    DialogFixture f;
    f.open(QByteArray("-block=logical"), QByteArray("1"));
    const QString title = f.widget<QGroupBox>("bgBlocks")->title();
    QStringList reached;
    for (int press = 0; press < 8; ++press) {
        QTest::keyClick(QApplication::focusWidget(), title.at(title.indexOf(u'&') + 1).toLower().toLatin1(), Qt::AltModifier);
        reached.append(QApplication::focusWidget()->objectName());
    }
    const QStringList inGroup = reached.filter("rbBlocks_");
    QVERIFY2(!inGroup.isEmpty() && inGroup.count("rbBlocks_loops") == inGroup.size(), qPrintable(reached.join(u' ')));
}

// Shift+F1 and a screen reader tell what an option selects, never just its
// name, and the option it writes, as selecting it and applying writes it.
void tst_MirloCL::everyOptionExplainsWhatItWrites()
{
    DialogFixture f;
    f.open(QByteArray("-proc -nocond"), QByteArray("1"));
    f.type("txtFunctionDump", "f");
    static const QRegularExpression writes(QStringLiteral("Writes (-[^ ]*[^ .])"));
    for (QAbstractButton *option : f.dialog->findChildren<QAbstractButton *>()) {
        if (qobject_cast<QPushButton *>(option))
            continue;
        f.click(option->objectName());
        f.click("btApply");
        const QString description = QAccessible::queryAccessibleInterface(option)->text(QAccessible::Description);
        QCOMPARE(option->whatsThis(), description);
        QVERIFY2(!description.startsWith(withoutAccessKey(option->text())), qPrintable(description));
        const QString token = writes.match(description).captured(1);
        QVERIFY2(description.contains(QStringLiteral("Writes no")) || f.options().contains(token.toUtf8()),
                 qPrintable(description + u'\n' + f.options()));
    }
}

void tst_MirloCL::tabSkipsWhatCannotTakeFocus_data()
{
    QTest::addColumn<QByteArray>("active");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("reached");

    QTest::newRow("shift-tab-walks-back") << QByteArray("1") << "cbRuntimeTrace" << int(Qt::Key_Backtab)
                                          << "rbConditions_none";
    QTest::newRow("greyed-controls-passed-over") << QByteArray("0") << "btDisable" << int(Qt::Key_Tab)
                                                 << "btOK";
    // Focus can sit on an unchecked button (pressed, then released outside).
    QTest::newRow("unchecked-focus-leaves-its-group") << QByteArray("1") << "rbFunctions_none"
                                                      << int(Qt::Key_Tab) << "rbCalls_none";
}

void tst_MirloCL::tabSkipsWhatCannotTakeFocus()
{
    QFETCH(QByteArray, active);
    QFETCH(QString, start);
    QFETCH(int, key);
    QFETCH(QString, reached);
    DialogFixture f;
    f.open(QByteArray("-proc=ret"), active);
    f.widget(start)->setFocus();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

    QCOMPARE(QApplication::focusWidget()->objectName(), reached);
}

QTEST_MAIN(tst_MirloCL)
#include "tst_mirlocl.moc"
