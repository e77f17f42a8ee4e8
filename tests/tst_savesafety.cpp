// A save meets the world as it is: read errors, other programs, other users'
// links, kills and a second dialog. Whatever happens, the user's bytes are
// kept whole, and nothing is passed off as saved that was not.
#include "filekeeping/savepoints.h"
#include "store/messages.h"
#include "store/optionsfile.h"

#include "filehelpers.h"
#include "posixbackend.h"
#include "recordingprompter.h"
#include "unprivileged.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace {

// Saves `line` with the activation flag on; the boxes shown, with Yes or No
// to every question as `answer` says.
QStringList saveLine(OptionsFile &store, const QString &line, bool answer = false)
{
    RecordingPrompter boxes;
    boxes.confirmations = {answer, answer};
    store.setOptions(line);
    store.setActive(1);
    store.save();
    return boxes.texts();
}

QStringList startUp(const QString &path)
{
    RecordingPrompter boxes;
    OptionsFile store(path);
    store.readInto();
    return boxes.texts();
}

// Installed for its lifetime: runs `action` at `point`; the step fails
// where it returns false.
struct HookAt
{
    HookAt(SavePoint point, std::function<bool()> action)
    {
        setSavePointHook([point, action](SavePoint reached, const QString &) {
            return reached != point || action();
        });
    }
    ~HookAt() { setSavePointHook({}); }
};

bool hardLink(const QString &from, const QString &to)
{
    return ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Without inodes the portable backend cannot tell two names of one file,
// or a file replaced by another of the same size and time, apart.
constexpr char inodesOnly[] = "only the POSIX backend knows inodes";

} // namespace

class tst_SaveSafety : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void readErrorWritesNothing_data();
    void readErrorWritesNothing();
    void outsideChangeIsAskedAbout_data();
    void outsideChangeIsAskedAbout();
    void plantedLinksAreNotFollowed_data();
    void plantedLinksAreNotFollowed();
    void temporaryFileIsClosedBeforeItHoldsContent();
    void killedSavesLeaveTheFileWhole_data();
    void killedSavesLeaveTheFileWhole();
    void secondInstanceWaitsForTheFirst();
    void activationNeverOverwritesOptions_data();
    void activationNeverOverwritesOptions();
    void failedDirectorySyncFailsTheSave();

private:
    QString path(const QString &name = QStringLiteral("proj.opt")) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_SaveSafety::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7777)));
    QVERIFY(writeBytes(path(), "-proc -count\nline2 keep\nline3 keep\n"));
    QVERIFY(writeBytes(path() + "_act", "0"));
}

void tst_SaveSafety::readErrorWritesNothing_data()
{
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("replaced-by-rename") << false;
    QTest::newRow("written-in-place") << true;
}

void tst_SaveSafety::readErrorWritesNothing()
{
    QFETCH(bool, inPlace);
    QVERIFY(!inPlace || hardLink(path(), path("other-name")));
    OptionsFile store(path());
    const HookAt readFails(SavePoint::Reading, [] { return false; });

    QCOMPARE(saveLine(store, "-count"), QStringList{cannotReadFileMessage(path())});

    QCOMPARE(readBytes(path()), QByteArray("-proc -count\nline2 keep\nline3 keep\n"));
    QVERIFY(!store.save());
}

void tst_SaveSafety::outsideChangeIsAskedAbout_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QByteArray>("afterSave");
    QTest::addColumn<bool>("posixOnly");

    const QByteArray kept("-compact -Dother\nnew note\n");
    QTest::newRow("edited-answered-no") << "edit" << false << true << kept << false;
    QTest::newRow("edited-answered-yes-keeps-new-rest") << "edit" << true << true
                                                        << QByteArray("-count\nnew note\n") << false;
    QTest::newRow("replaced-by-same-bytes-is-another-file")
            << "replace" << false << true << QByteArray("-proc -count\nline2 keep\nline3 keep\n") << true;
    QTest::newRow("vanished-is-created-again") << "remove" << false << false << QByteArray("-count") << false;
}

void tst_SaveSafety::outsideChangeIsAskedAbout()
{
    QFETCH(QString, change);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(QByteArray, afterSave);
    QFETCH(bool, posixOnly);
    if (posixOnly)
        SKIP_UNLESS_POSIX_BACKEND(inodesOnly);
    OptionsFile store(path());
    if (change == "edit")
        QVERIFY(writeBytes(path(), "-compact -Dother\nnew note\n"));
    if (change == "replace")
        QVERIFY(writeBytes(path("new"), readBytes(path())) && ::rename(QFile::encodeName(path("new")), QFile::encodeName(path())) == 0);
    if (change == "remove")
        QVERIFY(QFile::remove(path()));

    const QStringList boxes = saveLine(store, "-count", answer);

    QCOMPARE(boxes, asked ? QStringList{changedOnDiskQuestion(path())} : QStringList());
    QCOMPARE(readBytes(path()), afterSave);
    QCOMPARE(readBytes(path() + "_act"), QByteArray("1"));
    // Once saved, the program's own bytes are no outside change.
    QCOMPARE(saveLine(store, "-count"), asked && !answer ? boxes : QStringList());
}

void tst_SaveSafety::plantedLinksAreNotFollowed_data()
{
    QTest::addColumn<bool>("byRoot");
    QTest::newRow("another-users-link") << false;
    QTest::newRow("own-link-followed") << true;
}

// Root's dialog is open in a sticky, world-writable directory where an
// ordinary user puts links to places only root may reach.
void tst_SaveSafety::plantedLinksAreNotFollowed()
{
    QFETCH(bool, byRoot);
    SKIP_UNLESS_POSIX_BACKEND("only the POSIX backend resolves links itself");
    if (::geteuid() != 0)
        QSKIP("planting links for root needs root");
    QVERIFY(QDir(m_dir->path()).mkdir("shared") && QDir(m_dir->path()).mkdir("secret"));
    QVERIFY(::chmod(QFile::encodeName(path("shared")), 01777) == 0 && ::chmod(QFile::encodeName(path("secret")), 0700) == 0);
    QVERIFY(writeBytes(path("secret/file"), "root only"));
    const auto plant = [this] {
        const bool made = ::symlink(QFile::encodeName(path("secret/file")), QFile::encodeName(path("shared/opts"))) == 0
                && ::symlink(QFile::encodeName(path("secret/new")), QFile::encodeName(path("shared/opts_act"))) == 0;
        return QByteArray(made ? "" : "no links");
    };
    QCOMPARE((byRoot ? ChildResult{0, plant()} : runUnprivileged(plant)).output, QByteArray());

    const QStringList atStart = startUp(path("shared/opts"));
    OptionsFile store(path("shared/opts"));
    const QStringList boxes = saveLine(store, "-count");

    if (byRoot) {
        QCOMPARE(atStart + boxes, QStringList());
        QCOMPARE(readBytes(path("secret/file")), QByteArray("-count"));
        return;
    }
    QCOMPARE(boxes, QStringList({cannotCreateFileMessage(path("shared/opts")),
                                 cannotCreateFileMessage(path("shared/opts_act"))}));
    QCOMPARE(readBytes(path("secret/file")), QByteArray("root only"));
    QCOMPARE(entriesOf(path("secret")), QStringList{"file"});
}

// A user whom the ACL keeps out, but the group bits would let in, must never
// find the content in the temporary file.
void tst_SaveSafety::temporaryFileIsClosedBeforeItHoldsContent()
{
    SKIP_UNLESS_POSIX_BACKEND("only the POSIX backend keeps ACLs");
    QVERIFY(::chmod(QFile::encodeName(path()), 0640) == 0);
    if (QProcess::execute("setfacl", {"-m", "u:65534:---", path()}) != 0)
        QSKIP("the file system refuses ACLs");
    const QByteArray acl = "system.posix_acl_access";
    QByteArray wanted(256, '\0');
    wanted.resize(::getxattr(QFile::encodeName(path()), acl, wanted.data(), wanted.size()));
    OptionsFile store(path());
    QStringList seen;
    const HookAt check(SavePoint::TemporaryWritten, [&] {
        for (const QString &name : entriesOf(m_dir->path())) {
            const QByteArray file = QFile::encodeName(m_dir->filePath(name));
            QByteArray value(256, '\0');
            value.resize(qMax<ssize_t>(::getxattr(file, acl, value.data(), value.size()), 0));
            struct stat info = {};
            if (name.startsWith(".vimbracl-save-") && ::stat(file, &info) == 0)
                seen << QString::number(info.st_mode & 0777, 8) + (value == wanted ? " acl" : " no acl");
        }
        return true;
    });

    QCOMPARE(saveLine(store, "-count"), QStringList());
    QCOMPARE(seen.value(0), QStringLiteral("640 acl"));
}

void tst_SaveSafety::killedSavesLeaveTheFileWhole_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("before-rename") << int(SavePoint::TemporaryWritten) << false;
    QTest::newRow("backup-written") << int(SavePoint::BackupWritten) << true;
    QTest::newRow("new-line-before-old-tail-cut") << int(SavePoint::WrittenInPlace) << true;
}

void tst_SaveSafety::killedSavesLeaveTheFileWhole()
{
    QFETCH(int, point);
    QFETCH(bool, inPlace);
    SKIP_UNLESS_POSIX_BACKEND("the portable backend has no such points");
    QVERIFY(!inPlace || hardLink(path(), path("other-name")));
    for (const QString &file : {path(), path() + "_act"})
        QVERIFY(::chown(QFile::encodeName(file), unprivilegedId, unprivilegedId) == 0 || ::geteuid() != 0);
    const QByteArray before = readBytes(path());
    const ChildResult killed = runUnprivileged([this, point] {
        OptionsFile store(path());
        const HookAt kill(SavePoint(point), [] { return ::raise(SIGKILL) == 0; });
        saveLine(store, "-compact -D" + QString(64, 'x'));
        return QByteArray();
    });
    QCOMPARE(killed.status, -1);

    if (inPlace) {
        const QString backup = path("proj.opt.vimbracl-backup");
        QCOMPARE(readBytes(backup), before);
        QCOMPARE(startUp(path()), QStringList{interruptedSaveMessage(path(), backup)});
        QCOMPARE(readBytes(backup), before);
        return;
    }
    QCOMPARE(readBytes(path()), before);
    // The leftover goes with the next save once a minute old.
    QStringList leftovers = entriesOf(m_dir->path()).filter(".vimbracl-save-");
    QCOMPARE(leftovers.size(), 1);
    const timespec aMinuteAgo[2] = {{::time(nullptr) - 61, 0}, {::time(nullptr) - 61, 0}};
    QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(m_dir->filePath(leftovers[0])), aMinuteAgo, 0) == 0);
    QVERIFY(writeBytes(path(".vimbracl-save-users.txt"), "not ours"));
    OptionsFile store(path());
    QCOMPARE(saveLine(store, "-count"), QStringList());
    QCOMPARE(entriesOf(m_dir->path()), QStringList({".vimbracl-save-users.txt", "proj.opt", "proj.opt_act"}));
}

// Two dialogs saving one hard-linked file in place: the second waits for
// the first to finish, then asks, and writes a whole file of its own.
void tst_SaveSafety::secondInstanceWaitsForTheFirst()
{
    SKIP_UNLESS_POSIX_BACKEND("the portable backend takes no lock");
    QVERIFY(hardLink(path(), path("other-name")));
    OptionsFile store(path());
    const pid_t first = ::fork();
    if (first == 0) {
        const HookAt slow(SavePoint::BackupWritten, [this] {
            writeBytes(path("first-is-writing"), "");
            ::usleep(300000);
            return true;
        });
        saveLine(store, "-compact -D" + QString(64, 'x'));
        ::_exit(0);
    }
    for (int i = 0; i < 500 && !QFile::exists(path("first-is-writing")); ++i)
        ::usleep(10000);

    const QStringList boxes = saveLine(store, "-count", true);
    int status = -1;
    QCOMPARE(::waitpid(first, &status, 0), first);

    QCOMPARE(boxes, QStringList({changedOnDiskQuestion(path()), changedOnDiskQuestion(path() + "_act")}));
    QCOMPARE(readBytes(path()), QByteArray("-count\nline2 keep\nline3 keep\n"));
}

void tst_SaveSafety::activationNeverOverwritesOptions_data()
{
    QTest::addColumn<bool>("symbolic");
    QTest::addColumn<bool>("posixOnly");
    QTest::newRow("symbolic-link") << true << false;
    QTest::newRow("hard-link") << false << true;
}

void tst_SaveSafety::activationNeverOverwritesOptions()
{
    QFETCH(bool, symbolic);
    QFETCH(bool, posixOnly);
    if (posixOnly)
        SKIP_UNLESS_POSIX_BACKEND(inodesOnly);
    QVERIFY(QFile::remove(path() + "_act"));
    QVERIFY(symbolic ? QFile::link(path(), path() + "_act") : hardLink(path(), path() + "_act"));
    OptionsFile store(path());

    QCOMPARE(saveLine(store, "-count"), QStringList{cannotCreateFileMessage(path() + "_act")});
    QCOMPARE(readBytes(path()), QByteArray("-count\nline2 keep\nline3 keep\n"));
}

void tst_SaveSafety::failedDirectorySyncFailsTheSave()
{
    SKIP_UNLESS_POSIX_BACKEND("the portable backend leaves the directory to Qt");
    OptionsFile store(path());
    const HookAt syncFails(SavePoint::DirectorySync, [] { return false; });
    QCOMPARE(saveLine(store, "-count"), QStringList({cannotWriteFileMessage(path()),
                                                     cannotWriteFileMessage(path() + "_act")}));
}

QTEST_GUILESS_MAIN(tst_SaveSafety)
#include "tst_savesafety.moc"
