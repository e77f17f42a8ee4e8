#include "app/commandline.h"
#include "app/request.h"

#include "recordingprompter.h"

#include <QDir>
#include <QTest>

namespace {

// The working directory of the parse rows, and names in it, in the
// platform's own path rules.
#ifdef Q_OS_WIN
const QString project = QStringLiteral("C:\\proj");
const QString elsewhere = QStringLiteral("C:\\x\\y.opt");
#else
const QString project = QStringLiteral("/proj");
const QString elsewhere = QStringLiteral("/x/y.opt");
#endif

QString inProject(const QString &name)
{
    return project + QDir::separator() + name;
}

} // namespace

class tst_CommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void absoluteFileName_data();
    void absoluteFileName();
    void request_data();
    void request();
};

void tst_CommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("noLink");
    QTest::addColumn<bool>("noStaticDir");
    QTest::addColumn<bool>("error");

    const int c = int(Language::C), cpp = int(Language::CPlusPlus), ada = int(Language::Ada);
    QTest::newRow("ada-relative") << QStringList{"-ada", "opts.opt"} << ada << inProject("opts.opt")
                                  << false << false << false;
    QTest::newRow("c++-absolute") << QStringList{"-c++", elsewhere} << cpp << elsewhere << false
                                  << false << false;
    QTest::newRow("last-file-wins") << QStringList{"a.opt", "b.opt"} << c << inProject("b.opt") << false
                                    << false << false;
    QTest::newRow("last-switch-wins") << QStringList{"-c++", "-c", "x.opt"} << c << inProject("x.opt")
                                      << false << false << false;
    QTest::newRow("switches-not-file") << QStringList{"x.opt", "-nolink", "-nostaticdir"} << c
                                       << inProject("x.opt") << true << true << false;
    QTest::newRow("unknown-switch-is-file") << QStringList{"-verbose"} << c << inProject("-verbose")
                                            << false << false << false;
    QTest::newRow("case-sensitive-switch") << QStringList{"-ADA"} << c << inProject("-ADA") << false
                                           << false << false;
    QTest::newRow("no-arguments") << QStringList{} << c << "" << false << false << true;
    QTest::newRow("empty-last-argument") << QStringList{"a.opt", ""} << c << "" << false << false
                                         << true;
    QTest::newRow("nolink-alone") << QStringList{"-nolink"} << c << "" << true << false << true;
}

void tst_CommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, language);
    QFETCH(QString, fileName);
    QFETCH(bool, noLink);
    QFETCH(bool, noStaticDir);
    QFETCH(bool, error);

    RecordingPrompter boxes;
    const CommandLine commandLine = parseCommandLine(arguments, project);

    QCOMPARE(int(commandLine.language), language);
    QCOMPARE(commandLine.noLink, noLink);
    QCOMPARE(commandLine.noStaticDir, noStaticDir);
    QCOMPARE(commandLine.error, error);
    if (error) {
        QCOMPARE(boxes.messages.size(), 1);
        QCOMPARE(boxes.messages[0].severity, Prompter::Severity::Error);
        QCOMPARE(boxes.messages[0].caption, QStringLiteral("Error"));
        QCOMPARE(boxes.messages[0].text, QStringLiteral("Error in Command Line : no File"));
    } else {
        QCOMPARE(commandLine.fileName, fileName);
        QVERIFY(boxes.messages.isEmpty());
    }
}

void tst_CommandLine::absoluteFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("workingDirectory");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("expected");

    const int posix = int(PathStyle::Posix), windows = int(PathStyle::Windows);
    QTest::newRow("posix-relative") << "opts.opt" << "/home/u" << posix << "/home/u/opts.opt";
    QTest::newRow("posix-absolute") << "/etc/x.opt" << "/home/u" << posix << "/etc/x.opt";
    QTest::newRow("posix-root-keeps-separator") << "opts.opt" << "/" << posix << "//opts.opt";
    QTest::newRow("posix-dot-relative") << "./a/b.opt" << "/w" << posix << "/w/./a/b.opt";
    QTest::newRow("posix-backslash-is-relative") << "\\x.opt" << "/w" << posix << "/w/\\x.opt";
    QTest::newRow("windows-drive") << "C:x.opt" << "D:\\w" << windows << "C:x.opt";
    QTest::newRow("windows-lower-case-drive") << "c:x.opt" << "D:\\w" << windows << "c:x.opt";
    QTest::newRow("windows-drive-backslash") << "C:\\p\\x.opt" << "D:\\w" << windows
                                             << "C:\\p\\x.opt";
    QTest::newRow("windows-relative") << "opts.opt" << "D:\\w" << windows << "D:\\w\\opts.opt";
    QTest::newRow("windows-drive-root") << "opts.opt" << "C:\\" << windows << "C:\\\\opts.opt";
    QTest::newRow("windows-leading-backslash") << "\\x.opt" << "C:\\w" << windows
                                               << "C:\\w\\\\x.opt";
    QTest::newRow("windows-network-path") << "\\\\server\\share\\x.opt" << "C:\\w" << windows
                                          << "\\\\server\\share\\x.opt";
    QTest::newRow("windows-single-char") << "x" << "C:\\w" << windows << "C:\\w\\x";
}

void tst_CommandLine::absoluteFileName()
{
    QFETCH(QString, name);
    QFETCH(QString, workingDirectory);
    QFETCH(int, style);
    QFETCH(QString, expected);
    QCOMPARE(::absoluteFileName(name, workingDirectory, PathStyle(style)), expected);
}

void tst_CommandLine::request_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("fileOrError"); // the file, or a part of the error
    QTest::addColumn<int>("changes");

    using A = Request::Action;
    const int error = int(A::UsageError);
    QTest::newRow("help-anywhere") << QStringList{"-c", "--set", "--help", "x"} << int(A::Help) << "" << 0;
    QTest::newRow("version") << QStringList{"--version"} << int(A::Version) << "" << 0;
    QTest::newRow("single-dash-is-the-dialog") << QStringList{"-help"} << int(A::Dialog) << "" << 0;
    QTest::newRow("dot-slash-reaches-the-file") << QStringList{"./--help"} << int(A::Dialog) << "" << 0;
    QTest::newRow("after-double-dash-a-file") << QStringList{"--", "--set"} << int(A::Dialog) << "" << 0;
    QTest::newRow("show") << QStringList{"-ada", "--show", "x.opt"} << int(A::Show) << "x.opt" << 0;
    QTest::newRow("set-pairs-then-file") << QStringList{"--set", "mode=count", "link-file=a=b", "--on", "x=y"}
                                         << int(A::Set) << "x=y" << 2;
    QTest::newRow("file-named-like-option") << QStringList{"--set", "--off", "--", "--set"} << int(A::Set) << "--set" << 0;
    QTest::newRow("set-without-file") << QStringList{"--set", "mode=count", ""} << error << ": no File" << 0;
    QTest::newRow("unknown-name-lists-names") << QStringList{"--set", "Mode=count", "x"} << error
                                              << "no setting \"Mode\"; the settings are: functions, calls," << 0;
    QTest::newRow("wrong-value-lists-values") << QStringList{"--set", "mode=fast", "x"} << error
                                              << "\"mode\" cannot be \"fast\"; its values are: pass, count, compact" << 0;
    QTest::newRow("flag-is-on-or-off") << QStringList{"--set", "ada83=yes", "x"} << error << "are: on, off" << 0;
    QTest::newRow("text-on-one-line") << QStringList{"--set", "other-options=a\nb", "x"} << error << "line break" << 0;
    QTest::newRow("show-changes-nothing") << QStringList{"--show", "--on", "x"} << error << "--show changes nothing" << 0;
}

void tst_CommandLine::request()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, fileOrError);
    QFETCH(int, changes);
    const Request request = parseRequest(arguments);
    QCOMPARE(int(request.action), action);
    QCOMPARE(request.changes.size(), changes);
    if (request.action == Request::Action::UsageError)
        QVERIFY2(request.error().contains(fileOrError), qPrintable(request.error()));
    else if (!fileOrError.isEmpty())
        QCOMPARE(request.fileName, fileOrError);
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
