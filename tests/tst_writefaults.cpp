// Every way a save can fail, at start-up and on Apply: the box names the
// file, the previous bytes of both files stay, and no temporary is left.
#include "dialogfixture.h"
#include "filesizelimit.h"
#include "recordingprompter.h"

#include <QDir>
#include <QTest>

namespace {

QString created(const QString &path)
{
    return QStringLiteral("Unable to create the file \"%1\"").arg(path);
}

QString written(const QString &path)
{
    return QStringLiteral("Unable to write in the file \"%1\"").arg(path);
}

} // namespace

class tst_WriteFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onApply_data();
    void onApply();
    void atStartUp_data();
    void atStartUp();
    void nameRefusedBySystem();
};

void tst_WriteFaults::onApply_data()
{
    QTest::addColumn<int>("sizeLimit"); // -1: none
    QTest::addColumn<bool>("activationIsDirectory");
    QTest::addColumn<QStringList>("boxes"); // "create:" or "write:" and the file's suffix

    QTest::newRow("options-write-short") << 1 << false << QStringList{"write:"};
    QTest::newRow("both-writes-short") << 0 << false << QStringList{"write:", "write:_act"};
    QTest::newRow("activation-cannot-be-created") << -1 << true << QStringList{"create:_act"};
}

void tst_WriteFaults::onApply()
{
    QFETCH(int, sizeLimit);
    QFETCH(bool, activationIsDirectory);
    QFETCH(QStringList, boxes);
#ifdef Q_OS_WIN
    if (sizeLimit >= 0)
        QSKIP("Windows has no file-size limit to fail a write with");
#endif

    DialogFixture f;
    f.open(QByteArray("-count -trace"), QByteArray("0"));
    if (activationIsDirectory) {
        QVERIFY(QFile::remove(f.activationPath()));
        QVERIFY(QDir().mkdir(f.activationPath()));
    }
    f.click("btDisable");
    f.click("cbMemoryProfiling");

    RecordingPrompter recorded;
    {
#ifdef Q_OS_UNIX
        std::optional<FileSizeLimit> limit;
        if (sizeLimit >= 0)
            limit.emplace(sizeLimit);
#endif
        f.click("btApply");
    }

    QStringList expected;
    for (const QString &box : boxes) {
        const QString path = f.optionsPath() + box.section(':', 1);
        expected.append(box.startsWith("create") ? created(path) : written(path));
    }
    QCOMPARE(recorded.texts(), expected);
    const bool optionsFailed = boxes.contains("write:");
    QCOMPARE(f.options(), optionsFailed ? QByteArray("-count -trace")
                                        : QByteArray("-noproc -nocall -noblock -nocond -count "
                                                     "-trace -mempro "));
    if (!activationIsDirectory)
        QCOMPARE(f.active(), QByteArray(boxes.contains("write:_act") ? "0" : "1"));
    QCOMPARE(entriesOf(f.directory()), QStringList({"proj.opt", "proj.opt_act"}));
    QVERIFY(f.dialog->isVisible());
}

void tst_WriteFaults::atStartUp_data()
{
    QTest::addColumn<int>("sizeLimit");
    QTest::addColumn<QStringList>("boxes");

    // The activation file is missing, so the store writes both at once.
    QTest::newRow("options-write-short") << 1 << QStringList{"write:"};
    QTest::newRow("both-writes-short") << 0 << QStringList{"write:", "write:_act"};
}

void tst_WriteFaults::atStartUp()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no file-size limit to fail a write with");
#else
    QFETCH(int, sizeLimit);
    QFETCH(QStringList, boxes);

    QTemporaryDir dir;
    const QString path = dir.filePath("proj.opt");
    QVERIFY(writeBytes(path, "  -proc  -nocall "));

    RecordingPrompter recorded;
    {
        const FileSizeLimit limit(sizeLimit);
        OptionsFile store(path);
    }

    QStringList expected;
    for (const QString &box : boxes)
        expected.append(written(path + box.section(':', 1)));
    QCOMPARE(recorded.texts(), expected);
    QCOMPARE(readBytes(path), QByteArray("  -proc  -nocall "));
    QCOMPARE(entriesOf(dir.path()),
             boxes.size() == 2 ? QStringList{"proj.opt"} : QStringList({"proj.opt", "proj.opt_act"}));
#endif
}

// The bytes reach a temporary file, but the system refuses the final name
// (longer than a file name may be), so the commit fails: nothing appears.
void tst_WriteFaults::nameRefusedBySystem()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString(300, 'n'));
    const QStringList onceOver = {created(path), created(path + "_act")};

    RecordingPrompter recorded;
    OptionsFile store(path);
    MirloCL dialog(store, Language::C);
    QCOMPARE(recorded.texts(), onceOver); // the store's load and the dialog's reload say it once
    dialog.action();
    QCOMPARE(recorded.texts(), onceOver + onceOver);
    QCOMPARE(entriesOf(dir.path()), QStringList());
}

QTEST_MAIN(tst_WriteFaults)
#include "tst_writefaults.moc"
