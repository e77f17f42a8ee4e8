#include "store/optionsfile.h"

#include "filehelpers.h"
#include "filesizelimit.h"
#include "recordingprompter.h"
#include "unprivileged.h"

#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QByteArray defaultLine = "-proc -block=decision -nocall -nocond";

QDateTime aWhileAgo()
{
    return QDateTime::currentDateTime().addSecs(-3600);
}

void backdate(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(aWhileAgo(), QFileDevice::FileModificationTime));
}

} // namespace

class tst_OptionsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void firstStartWritesDefaults();
    void missingActivationRewritesBoth_data();
    void missingActivationRewritesBoth();
    void existingPairIsNotRewritten_data();
    void existingPairIsNotRewritten();
    void emptyOptionsFileKeepsItsBytes();
    void activationValues_data();
    void activationValues();
    void unwritableDirectoryReportsEachFile();
    void saveStripsPassAndWritesBoth_data();
    void saveStripsPassAndWritesBoth();
    void shortWriteKeepsPreviousBytes_data();
    void shortWriteKeepsPreviousBytes();
    void readOnlyOptionsFile();
    void symbolicLinkStaysLink();
    void longPathsAndLines_data();
    void longPathsAndLines();
    void pathRefusedBySystem();
    void byteOrderMarkedFiles_data();
    void byteOrderMarkedFiles();
    void brokenUtf16IsFoundAtStartUp_data();
    void brokenUtf16IsFoundAtStartUp();

private:
    QString optionsPath() const { return m_dir->filePath(QStringLiteral("proj.opt")); }
    QString activationPath() const { return optionsPath() + QStringLiteral("_act"); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_OptionsFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_OptionsFile::firstStartWritesDefaults()
{
    RecordingPrompter boxes;
    OptionsFile store(optionsPath());

    QCOMPARE(readBytes(optionsPath()), defaultLine);
    QCOMPARE(readBytes(activationPath()), QByteArray("0"));
    QCOMPARE(entriesOf(m_dir->path()), QStringList({"proj.opt", "proj.opt_act"}));
    QCOMPARE(store.options(), QString::fromLatin1(defaultLine));
    QCOMPARE(store.active(), 0);
    QVERIFY(boxes.messages.isEmpty());
}

void tst_OptionsFile::missingActivationRewritesBoth_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("rewritten");

    QTest::newRow("pass-mode-normalised") << QByteArray("  -proc  -nocall   -noblock ")
                                          << QByteArray("-proc -nocall -noblock");
    QTest::newRow("count-mode-unchanged") << QByteArray("  -proc  -count ")
                                          << QByteArray("  -proc  -count ");
    QTest::newRow("compact-mode-unchanged") << QByteArray("-compact\t-x ")
                                            << QByteArray("-compact\t-x ");
    QTest::newRow("lf-terminator-dropped") << QByteArray("-proc -count\n")
                                           << QByteArray("-proc -count");
    QTest::newRow("crlf-and-later-lines-kept") << QByteArray("-proc  -nocall\r\nsecond line\r\n")
                                               << QByteArray("-proc -nocall\r\nsecond line\r\n");
    QTest::newRow("invalid-utf8-kept") << QByteArray("-count -Dcaf\xe9 -I\xff\xfe")
                                       << QByteArray("-count -Dcaf\xe9 -I\xff\xfe");
}

void tst_OptionsFile::missingActivationRewritesBoth()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, rewritten);
    QVERIFY(writeBytes(optionsPath(), content));

    RecordingPrompter boxes;
    OptionsFile store(optionsPath());

    QCOMPARE(readBytes(optionsPath()), rewritten);
    QCOMPARE(readBytes(activationPath()), QByteArray("0"));
    QVERIFY(boxes.messages.isEmpty());
}

void tst_OptionsFile::existingPairIsNotRewritten_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("inMemory");

    QTest::newRow("count-mode") << QByteArray("-count -proc") << QStringLiteral("-count -proc");
    QTest::newRow("pass-implied") << QByteArray("-proc  -call ")
                                  << QStringLiteral("-proc  -call ");
    QTest::newRow("counter-suppresses-pass") << QByteArray("-proc -counter")
                                             << QStringLiteral("-proc -counter");
    QTest::newRow("lf-ended") << QByteArray("-proc -trace\n") << QStringLiteral("-proc -trace");
}

void tst_OptionsFile::existingPairIsNotRewritten()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, inMemory);
    QVERIFY(writeBytes(optionsPath(), content));
    QVERIFY(writeBytes(activationPath(), "1"));
    backdate(optionsPath());
    backdate(activationPath());

    RecordingPrompter boxes;
    OptionsFile store(optionsPath());
    QCOMPARE(store.options(), inMemory);

    QCOMPARE(readBytes(optionsPath()), content);
    QCOMPARE(readBytes(activationPath()), QByteArray("1"));
    QVERIFY(QFileInfo(optionsPath()).lastModified() < QDateTime::currentDateTime().addSecs(-60));
    QVERIFY(QFileInfo(activationPath()).lastModified() < QDateTime::currentDateTime().addSecs(-60));
    QCOMPARE(store.active(), 1);
    QVERIFY(boxes.messages.isEmpty());
}

void tst_OptionsFile::emptyOptionsFileKeepsItsBytes()
{
    QVERIFY(writeBytes(optionsPath(), ""));
    QVERIFY(writeBytes(activationPath(), "1"));

    OptionsFile store(optionsPath());

    QCOMPARE(store.options(), QString::fromLatin1(defaultLine));
    QCOMPARE(readBytes(optionsPath()), QByteArray());
}

void tst_OptionsFile::activationValues_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("active");

    QTest::newRow("one") << QByteArray("1") << 1;
    QTest::newRow("zero") << QByteArray("0") << 0;
    QTest::newRow("two") << QByteArray("2") << 2;
    QTest::newRow("hand-edited-newline") << QByteArray("1\n") << 1;
    QTest::newRow("no-integer-keeps-previous") << QByteArray("on") << 0;
    QTest::newRow("empty-keeps-previous") << QByteArray() << 0;
    QTest::newRow("longer-than-scanned") << QByteArray("1" + QByteArray(5000, ' ')) << 1;
}

void tst_OptionsFile::activationValues()
{
    QFETCH(QByteArray, content);
    QFETCH(int, active);
    QVERIFY(writeBytes(optionsPath(), defaultLine));
    QVERIFY(writeBytes(activationPath(), content));

    RecordingPrompter boxes;
    OptionsFile store(optionsPath());
    QCOMPARE(boxes.texts(), QStringList());
    QCOMPARE(store.active(), active);
    QCOMPARE(readBytes(activationPath()), content);

    store.setActive(store.active() == 1);
    store.save();
    QCOMPARE(readBytes(activationPath()), QByteArray(active == 1 ? "1" : "0"));
}

void tst_OptionsFile::unwritableDirectoryReportsEachFile()
{
    const QString missing = m_dir->filePath(QStringLiteral("gone/proj.opt"));
    const QStringList onceOver = {
        QStringLiteral("Unable to create the file \"%1\"").arg(missing),
        QStringLiteral("Unable to create the file \"%1_act\"").arg(missing),
    };

    RecordingPrompter boxes;
    OptionsFile store(missing);
    QCOMPARE(boxes.texts(), onceOver);
    QCOMPARE(boxes.messages.at(0).caption, QStringLiteral("Error"));
    QCOMPARE(boxes.messages.at(0).severity, Prompter::Severity::Error);
    QCOMPARE(store.options(), QString::fromLatin1(defaultLine));
    QVERIFY(!store.save());
    QCOMPARE(boxes.texts(), onceOver + onceOver);
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("gone"))));
}

void tst_OptionsFile::saveStripsPassAndWritesBoth_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("pass-removed") << "-proc -nocall -pass " << QByteArray("-proc -nocall");
    QTest::newRow("count-trailing-space-kept") << "-proc -count " << QByteArray("-proc -count ");
    QTest::newRow("passive-normalised") << "-proc  -passive " << QByteArray("-proc -passive");
    QTest::newRow("utf8") << "-count -link=\"d\u00e9j\u00e0\" "
                          << QByteArray("-count -link=\"d\xc3\xa9j\xc3\xa0\" ");
}

void tst_OptionsFile::saveStripsPassAndWritesBoth()
{
    QFETCH(QString, line);
    QFETCH(QByteArray, written);
    OptionsFile store(optionsPath());
    store.setOptions(line);
    store.setActive(7);
    store.save();

    QCOMPARE(readBytes(optionsPath()), written);
    QCOMPARE(store.options(), QString::fromUtf8(written));
    QCOMPARE(readBytes(activationPath()), QByteArray("1"));
}

void tst_OptionsFile::shortWriteKeepsPreviousBytes_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("failing");

    // A one-byte limit still lets the activation file through.
    QTest::newRow("options-file-too-large") << 1 << QStringList{"proj.opt"};
    QTest::newRow("both-too-large") << 0 << QStringList{"proj.opt", "proj.opt_act"};
}

void tst_OptionsFile::shortWriteKeepsPreviousBytes()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no file-size limit to fail a write with");
#else
    QFETCH(int, limit);
    QFETCH(QStringList, failing);
    QVERIFY(writeBytes(optionsPath(), "-old -count"));
    QVERIFY(writeBytes(activationPath(), "0"));
    OptionsFile store(optionsPath());
    store.setOptions(QStringLiteral("-proc -nocall -noblock -nocond -count -trace "));
    store.setActive(1);

    RecordingPrompter boxes;
    {
        const FileSizeLimit guard(limit);
        store.save();
    }

    QStringList expected;
    for (const QString &name : failing)
        expected.append(QStringLiteral("Unable to write in the file \"%1\"").arg(m_dir->filePath(name)));
    QCOMPARE(boxes.texts(), expected);
    QCOMPARE(readBytes(optionsPath()), QByteArray("-old -count"));
    QCOMPARE(readBytes(activationPath()), QByteArray(failing.size() == 2 ? "0" : "1"));
    QCOMPARE(entriesOf(m_dir->path()), QStringList({"proj.opt", "proj.opt_act"}));
#endif
}

// Saved by an ordinary user on POSIX, as root may write any file there; on
// Windows the read-only attribute binds everyone.
void tst_OptionsFile::readOnlyOptionsFile()
{
    QVERIFY(writeBytes(optionsPath(), "-old -count"));
    QVERIFY(writeBytes(activationPath(), "0"));
    QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7777)));
#ifdef Q_OS_UNIX
    for (const QString &file : {optionsPath(), activationPath()})
        QVERIFY(::chown(QFile::encodeName(file).constData(), unprivilegedId, unprivilegedId) == 0 || geteuid() != 0);
#endif
    QVERIFY(QFile::setPermissions(optionsPath(), QFileDevice::ReadOwner));

    const auto saveIt = [this] {
        OptionsFile store(optionsPath());
        store.setActive(1);
        RecordingPrompter boxes;
        store.save();
        return boxes.texts().join(u'\n').toUtf8();
    };
#ifdef Q_OS_UNIX
    const ChildResult saved = runUnprivileged(saveIt);
#else
    const ChildResult saved{0, saveIt()};
#endif

    QCOMPARE(saved.status, 0);
    QCOMPARE(QString::fromUtf8(saved.output), QStringLiteral("Unable to create the file \"%1\"").arg(optionsPath()));
    QCOMPARE(readBytes(optionsPath()), QByteArray("-old -count"));
    QCOMPARE(readBytes(activationPath()), QByteArray("1"));
}

void tst_OptionsFile::symbolicLinkStaysLink()
{
#ifdef Q_OS_WIN
    QSKIP("Qt's links on Windows are shortcut files, which the system does not follow");
#else
    const QString target = m_dir->filePath(QStringLiteral("real.opt"));
    QVERIFY(writeBytes(target, "-old -count"));
    QVERIFY(QFile::link(target, optionsPath()));
    QVERIFY(writeBytes(activationPath(), "0"));

    OptionsFile store(optionsPath());
    store.setOptions(QStringLiteral("-proc -compact "));
    store.save();

    QVERIFY(QFileInfo(optionsPath()).isSymLink());
    QCOMPARE(readBytes(target), QByteArray("-proc -compact "));
#endif
}

void tst_OptionsFile::longPathsAndLines_data()
{
    QTest::addColumn<int>("pathBytes");
    QTest::addColumn<int>("lineBytes");

    QTest::newRow("path-over-1100-bytes") << 1200 << 40;
    QTest::newRow("line-over-10-kilobytes") << 0 << 12000;
    QTest::newRow("both") << 2000 << 200000;
}

void tst_OptionsFile::longPathsAndLines()
{
    QFETCH(int, pathBytes);
    QFETCH(int, lineBytes);
    QString directory = m_dir->path();
    while (directory.size() < pathBytes)
        directory += QLatin1Char('/') + QString(200, QLatin1Char('d'));
    QVERIFY(QDir().mkpath(directory));
    const QString path = directory + QStringLiteral("/proj.opt");

    QByteArray line = "-count";
    for (int i = 0; line.size() < lineBytes; ++i)
        line += " -DOPTION_" + QByteArray::number(i) + "=\xc3\xa9";
    QVERIFY(writeBytes(path, line + "\n"));

    RecordingPrompter boxes;
    OptionsFile store(path);
    QVERIFY(boxes.messages.isEmpty());
    QCOMPARE(store.options(), QString::fromUtf8(line));
    QCOMPARE(readBytes(path), line);
    QCOMPARE(readBytes(path + QStringLiteral("_act")), QByteArray("0"));
}

void tst_OptionsFile::pathRefusedBySystem()
{
    const QString path = m_dir->filePath(QString(300, QLatin1Char('n')));
    RecordingPrompter boxes;
    OptionsFile store(path);
    QCOMPARE(boxes.texts(),
             QStringList({QStringLiteral("Unable to create the file \"%1\"").arg(path),
                          QStringLiteral("Unable to create the file \"%1_act\"").arg(path)}));
    QCOMPARE(store.options(), QString::fromLatin1(defaultLine));
}

void tst_OptionsFile::byteOrderMarkedFiles_data()
{
    QTest::addColumn<QByteArray>("mark");
    QTest::addColumn<QStringConverter::Encoding>("encoding");
    QTest::addColumn<bool>("rewritten");

    QTest::newRow("utf16-little-endian") << QByteArray("\xFF\xFE") << QStringConverter::Utf16LE << true;
    QTest::newRow("utf16-big-endian") << QByteArray("\xFE\xFF") << QStringConverter::Utf16BE << true;
    QTest::newRow("utf32-never-rewritten") << QByteArray("\xFF\xFE\0\0", 4) << QStringConverter::Utf32LE << false;
}

// U+010A holds a line feed byte; U+1F600 is a surrogate pair.
void tst_OptionsFile::byteOrderMarkedFiles()
{
    QFETCH(QByteArray, mark);
    QFETCH(QStringConverter::Encoding, encoding);
    QFETCH(bool, rewritten);
    const auto encoded = [&](const QString &text) { return mark + QByteArray(QStringEncoder(encoding)(text)); };
    const QString line = QStringLiteral("-proc -count -D\u010A");
    const QString later = QStringLiteral("\r\nsecond \U0001F600 line\r\n");
    const QByteArray options = encoded(line + later);
    QVERIFY(writeBytes(optionsPath(), options));
    QVERIFY(writeBytes(activationPath(), encoded(QStringLiteral("0"))));

    RecordingPrompter boxes;
    OptionsFile store(optionsPath());
    QCOMPARE(store.options(), rewritten ? line : QString::fromLatin1(defaultLine));
    store.setOptions(QStringLiteral("-count -trace"));
    store.setActive(1);
    store.save();

    QCOMPARE(readBytes(optionsPath()), rewritten ? encoded(QStringLiteral("-count -trace") + later) : options);
    QCOMPARE(readBytes(activationPath()), encoded(QString::number(rewritten ? 1 : 0)));
    QCOMPARE(boxes.messages.size(), rewritten ? 0 : 4);
}

// A save writes a UTF-16 options file back whole, so a later line that could
// not be written back is found at start-up; of the activation file only its
// first 4 KiB are read, and a character they cut is no fault.
void tst_OptionsFile::brokenUtf16IsFoundAtStartUp_data()
{
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<QByteArray>("activation");
    QTest::addColumn<bool>("optionsRead");
    QTest::addColumn<int>("active");
    const QByteArray line = QByteArray("\xFF\xFE-\0c\0o\0u\0n\0t\0\n\0", 16), one = QByteArray("\xFF\xFE" "1\0", 4);
    QTest::newRow("odd-byte-later") << line + "x" << one << false << 1;
    QTest::newRow("unpaired-surrogate-later") << line + QByteArray("\x3D\xD8x\0", 4) << one << false << 1;
    QTest::newRow("pair-cut-by-the-scan") << line << one + QByteArray(" \0", 2).repeated(2045)
                                                        + QByteArray("\x3D\xD8\x00\xDE", 4) << true << 1;
}

void tst_OptionsFile::brokenUtf16IsFoundAtStartUp()
{
    QFETCH(QByteArray, options);
    QFETCH(QByteArray, activation);
    QFETCH(bool, optionsRead);
    QFETCH(int, active);
    QVERIFY(writeBytes(optionsPath(), options) && writeBytes(activationPath(), activation));
    RecordingPrompter boxes;
    OptionsFile store(optionsPath());
    QCOMPARE(store.options(), optionsRead ? QStringLiteral("-count") : QString::fromLatin1(defaultLine));
    QCOMPARE(store.active(), active);
    QCOMPARE(boxes.texts(), optionsRead ? QStringList() : QStringList{"Unable to read the file \"" + optionsPath() + "\""});
}

QTEST_GUILESS_MAIN(tst_OptionsFile)
#include "tst_optionsfile.moc"
