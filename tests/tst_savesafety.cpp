// A save meets the world as it is: read errors, other programs, other users'
// links, kills and a second dialog. Whatever happens, the user's bytes are
// kept whole, and nothing is passed off as saved that was not.
#include "filekeeping/savepoints.h"
#include "store/messages.h"

#include "filehelpers.h"
#include "posixbackend.h"
#include "storeruns.h"
#include "unprivileged.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace {

// Installed for its lifetime: runs `action` at `point`; the step there
// fails where it returns false.
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

const QByteArray original("-proc -count\nline2 keep\nline3 keep\n");
// Without inodes the portable backend cannot tell two names of one file,
// or a file replaced by another of the same size and time, apart.
constexpr char inodesOnly[] = "only the POSIX backend knows inodes";

} // namespace

class tst_SaveSafety : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void failingStepWritesNothingFalse_data();
    void failingStepWritesNothingFalse();
    void outsideChangeIsAskedAbout_data();
    void outsideChangeIsAskedAbout();
    void plantedLinksAreNotFollowed();
    void temporaryFileIsClosedBeforeItHoldsContent();
    void killedSavesLeaveTheFileWhole_data();
    void killedSavesLeaveTheFileWhole();
    void secondInstanceWaitsForTheFirst();
    void activationNeverOverwritesOptions_data();
    void activationNeverOverwritesOptions();

private:
    QString path(const QString &name = QStringLiteral("proj.opt")) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_SaveSafety::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7777)));
    QVERIFY(writeBytes(path(), original) && writeBytes(path() + "_act", "0"));
}

void tst_SaveSafety::failingStepWritesNothingFalse_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<bool>("inPlace");

    QTest::newRow("read-error-before-rename") << int(SavePoint::Reading) << false;
    QTest::newRow("read-error-in-place") << int(SavePoint::Reading) << true;
    QTest::newRow("directory-sync-fails") << int(SavePoint::DirectorySync) << false;
}

void tst_SaveSafety::failingStepWritesNothingFalse()
{
    QFETCH(int, point);
    QFETCH(bool, inPlace);
    const bool reading = SavePoint(point) == SavePoint::Reading;
    if (!reading)
        SKIP_UNLESS_POSIX_BACKEND("the portable backend leaves the directory to Qt");
    QVERIFY(!inPlace || hardLink(path(), path("other-name")));
    OptionsFile store(path());
    const HookAt fails(SavePoint(point), [] { return false; });

    QCOMPARE(saveLine(store, "-count"),
             reading ? QStringList{cannotReadFileMessage(path())}
                     : QStringList({cannotWriteFileMessage(path()), cannotWriteFileMessage(path() + "_act")}));
    if (reading)
        QCOMPARE(readBytes(path()), original);
    QVERIFY(!store.save());
}

void tst_SaveSafety::outsideChangeIsAskedAbout_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QByteArray>("afterSave");

    const QByteArray edited("-compact -Dother\nnew note\n");
    QTest::newRow("edited-answered-no") << "edit" << false << true << edited;
    QTest::newRow("edited-answered-yes-keeps-new-rest") << "edit" << true << true
                                                        << QByteArray("-count\nnew note\n");
    QTest::newRow("vanished-is-created-again") << "remove" << false << false << QByteArray("-count");
}

void tst_SaveSafety::outsideChangeIsAskedAbout()
{
    QFETCH(QString, change);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(QByteArray, afterSave);
    OptionsFile store(path());
    if (change == "edit")
        QVERIFY(writeBytes(path(), "-compact -Dother\nnew note\n"));
    if (change == "remove")
        QVERIFY(QFile::remove(path()));

    const QStringList boxes = saveLine(store, "-count", answer);

    QCOMPARE(boxes, asked ? QStringList{changedOnDiskQuestion(path())} : QStringList());
    QCOMPARE(readBytes(path()), afterSave);
    QCOMPARE(readBytes(path() + "_act"), QByteArray("1"));
    // Once saved, the program's own bytes are no outside change.
    QCOMPARE(saveLine(store, "-count"), asked && !answer ? boxes : QStringList());
}

// Root's dialog is open in a sticky, world-writable directory where an
// ordinary user puts links to places only root may reach.
void tst_SaveSafety::plantedLinksAreNotFollowed()
{
    SKIP_UNLESS_POSIX_BACKEND("only the POSIX backend resolves links itself");
    if (::geteuid() != 0)
        QSKIP("planting links for root needs root");
    QVERIFY(QDir(m_dir->path()).mkdir("shared") && QDir(m_dir->path()).mkdir("secret"));
    QVERIFY(::chmod(QFile::encodeName(path("shared")), 01777) == 0 && ::chmod(QFile::encodeName(path("secret")), 0700) == 0);
    QVERIFY(writeBytes(path("secret/file"), "root only"));
    QCOMPARE(runUnprivileged([this] {
                 return QByteArray::number(QFile::link(path("secret/file"), path("shared/opts"))
                                           && QFile::link(path("secret/new"), path("shared/opts_act")));
             }).output, QByteArray("1"));

    const QStringList boxes = startUp(path("shared/opts")) + save(path("shared/opts"), "-count");

    QCOMPARE(boxes.mid(boxes.size() - 2), QStringList({cannotCreateFileMessage(path("shared/opts")),
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
    const auto identityOf = [](const QString &file) {
        QByteArray acl(256, '\0');
        acl.resize(::getxattr(QFile::encodeName(file), "system.posix_acl_access", acl.data(), 256));
        return QByteArray::number(int(QFileInfo(file).permissions())) + acl;
    };
    const auto wanted = identityOf(path());
    OptionsFile store(path());
    QByteArray seen;
    const HookAt check(SavePoint::TemporaryWritten, [&] {
        if (seen.isEmpty()) // the options file's, saved first
            seen = identityOf(m_dir->filePath(entriesOf(m_dir->path()).filter(".vimbracl-save-").value(0)));
        return true;
    });

    QCOMPARE(saveLine(store, "-count"), QStringList());
    QCOMPARE(seen, wanted);
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
    const ChildResult killed = runUnprivileged([this, point] {
        OptionsFile store(path());
        const HookAt kill(SavePoint(point), [] { return ::raise(SIGKILL) == 0; });
        saveLine(store, "-compact -D" + QString(64, 'x'));
        return QByteArray();
    });
    QCOMPARE(killed.status, -1);

    if (inPlace) {
        const QString backup = path("proj.opt.vimbracl-backup");
        QCOMPARE(readBytes(backup), original);
        QCOMPARE(startUp(path()), QStringList{interruptedSaveMessage(path(), backup)});
        QCOMPARE(readBytes(backup), original);
        return;
    }
    QCOMPARE(readBytes(path()), original);
    // The leftover goes with the next save once a minute old; a file of the
    // user's that merely looks alike stays.
    const QStringList leftovers = entriesOf(m_dir->path()).filter(".vimbracl-save-");
    QCOMPARE(leftovers.size(), 1);
    const timespec aMinuteAgo[2] = {{::time(nullptr) - 61, 0}, {::time(nullptr) - 61, 0}};
    QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(m_dir->filePath(leftovers[0])), aMinuteAgo, 0) == 0);
    QVERIFY(writeBytes(path(".vimbracl-save-users.txt"), "not ours"));
    QCOMPARE(save(path(), "-count"), QStringList());
    QCOMPARE(entriesOf(m_dir->path()), QStringList({".vimbracl-save-users.txt", "proj.opt", "proj.opt_act"}));
}

// Two dialogs save one hard-linked file in place: the second waits for the
// first to finish, then asks, and writes a whole file of its own.
void tst_SaveSafety::secondInstanceWaitsForTheFirst()
{
    SKIP_UNLESS_POSIX_BACKEND("the portable backend takes no lock");
    QVERIFY(hardLink(path(), path("other-name")));
    OptionsFile store(path());
    const pid_t first = ::fork();
    if (first == 0) {
        const HookAt slow(SavePoint::BackupWritten, [this] {
            return writeBytes(path("first-is-writing"), "") && ::usleep(300000) == 0;
        });
        saveLine(store, "-compact -D" + QString(64, 'x'));
        ::_exit(0);
    }
    for (int i = 0; i < 500 && !QFile::exists(path("first-is-writing")); ++i)
        ::usleep(10000);

    const QStringList boxes = saveLine(store, "-count", true);
    QCOMPARE(::waitpid(first, nullptr, 0), first);

    QCOMPARE(boxes, QStringList({changedOnDiskQuestion(path()), changedOnDiskQuestion(path() + "_act")}));
    QCOMPARE(readBytes(path()), QByteArray("-count\nline2 keep\nline3 keep\n"));
}

void tst_SaveSafety::activationNeverOverwritesOptions_data()
{
    QTest::addColumn<bool>("symbolic");
    QTest::newRow("symbolic-link") << true;
    QTest::newRow("hard-link") << false;
}

void tst_SaveSafety::activationNeverOverwritesOptions()
{
    QFETCH(bool, symbolic);
    if (!symbolic)
        SKIP_UNLESS_POSIX_BACKEND(inodesOnly);
    QVERIFY(QFile::remove(path() + "_act"));
    QVERIFY(symbolic ? QFile::link(path(), path() + "_act") : hardLink(path(), path() + "_act"));
    OptionsFile store(path());

    QCOMPARE(saveLine(store, "-count"), QStringList{cannotCreateFileMessage(path() + "_act")});
    QCOMPARE(readBytes(path()), QByteArray("-count\nline2 keep\nline3 keep\n"));
}

QTEST_GUILESS_MAIN(tst_SaveSafety)
#include "tst_savesafety.moc"
