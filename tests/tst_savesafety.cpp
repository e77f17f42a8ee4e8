// A save meets the world as it is: read errors, other programs, other users'
// links, kills and a second dialog. Whatever happens, the user's bytes are
// kept whole, and nothing is passed off as saved that was not.
#include "filekeeping/savelock.h"
#include "filekeeping/savepoints.h"
#include "messages/messages.h"

#include "filehelpers.h"
#include "storeruns.h"
#include "unprivileged.h"

#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#endif

namespace {

// Installed for its lifetime: runs `action` at `point` (at every point
// for `anyPoint`); the step there fails where it returns false.
constexpr int anyPoint = -1;
struct HookAt
{
    HookAt(int point, std::function<bool(SavePoint reached, const QString &path)> action)
    {
        setSavePointHook([point, action](SavePoint reached, const QString &path) {
            return (point != anyPoint && reached != SavePoint(point)) || action(reached, path);
        });
    }
    HookAt(SavePoint point, std::function<bool()> action)
        : HookAt(int(point), [action](SavePoint, const QString &) { return action(); }) {}
    ~HookAt() { setSavePointHook({}); }
};

const char *const pointNames[] = {"Reading", "ReadingOn", "TemporaryCreated", "TemporaryWritten",
                                  "Renamed", "BackupNamed", "WrittenInPlace", "Syncing"};

// A time every system keeps exactly: whole seconds.
bool setModified(const QString &file, const QDateTime &time)
{
    QFile edited(file);
    return edited.open(QIODevice::ReadWrite) && edited.setFileTime(time, QFileDevice::FileModificationTime);
}

// Whether the process holds a file open that a rename has replaced (as
// Linux shows it).
bool holdsReplacedFile(const QString &file)
{
#ifdef Q_OS_WIN
    Q_UNUSED(file);
    return false;
#else
    const QByteArray replaced = QFile::encodeName(file) + " (deleted)";
    for (const QString &fd : QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System)) {
        QByteArray target(4096, '\0');
        target.resize(qMax<ssize_t>(0, ::readlink(QFile::encodeName("/proc/self/fd/" + fd), target.data(), target.size())));
        if (target == replaced)
            return true;
    }
    return false;
#endif
}

const QByteArray original("-proc -count\nline2 keep\nline3 keep\n");

// The question about an outside change, with the first lines it shows.
QString changeQuestion(const QString &file, const QString &onDisk, const QString &toBeWritten)
{
    return changedOnDiskQuestion(file) + u'\n' + changedLinesDetails(onDisk, toBeWritten);
}

} // namespace

class tst_SaveSafety : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void failingStepWritesNothingFalse_data();
    void failingStepWritesNothingFalse();
    void everySyncComesInOrder_data();
    void everySyncComesInOrder();
    void createdFilesStayPrivateAtEveryPoint_data();
    void createdFilesStayPrivateAtEveryPoint();
    void temporaryTakesTheModeLast();
    void outsideChangeIsAskedAbout_data();
    void outsideChangeIsAskedAbout();
    void linksInStickyDirectories_data();
    void linksInStickyDirectories();
    void killedSavesLeaveTheFileWhole_data();
    void killedSavesLeaveTheFileWhole();
    void secondInstanceWaitsForTheFirst();
    void lockNamingNoHolderIsTakenOver_data();
    void lockNamingNoHolderIsTakenOver();
    void heldLockIsWaitedForBoundedly_data();
    void heldLockIsWaitedForBoundedly();
    void secondInstanceSavesWhileTheFirstAsks();
    void lookAlikeNamesAreLeftAlone();
    void backupsOfEveryAttemptAreReported();
    void activationNeverOverwritesOptions_data();
    void activationNeverOverwritesOptions();

private:
    QString path(const QString &name = QStringLiteral("proj.opt")) const { return m_dir->filePath(name); }
    // What a save point's path is to the test.
    QString roleOf(const QString &file) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_SaveSafety::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7777)));
    QVERIFY(writeBytes(path(), original) && writeBytes(path() + "_act", "0"));
}

QString tst_SaveSafety::roleOf(const QString &file) const
{
    if (file == m_dir->path())
        return QStringLiteral("directory");
    if (file.contains(QStringLiteral(".vimbracl-save-")))
        return QStringLiteral("temporary");
    return file == path() ? QStringLiteral("options") : QStringLiteral("activation");
}

void tst_SaveSafety::failingStepWritesNothingFalse_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<QString>("failing"); // which file's step fails; empty for any
    QTest::addColumn<bool>("inPlace");

    QTest::newRow("read-error-before-first-byte") << int(SavePoint::Reading) << "" << false;
    QTest::newRow("read-error-mid-read") << int(SavePoint::ReadingOn) << "" << false;
    QTest::newRow("read-error-in-place") << int(SavePoint::Reading) << "" << true;
    QTest::newRow("directory-sync-fails") << int(SavePoint::Syncing) << "directory" << false;
    QTest::newRow("in-place-sync-fails") << int(SavePoint::Syncing) << "options" << true;
    QTest::newRow("activation-longer-than-scanned-put-back") << int(SavePoint::WrittenInPlace) << "activation" << true;
}

void tst_SaveSafety::failingStepWritesNothingFalse()
{
    QFETCH(int, point);
    QFETCH(QString, failing);
    QFETCH(bool, inPlace);
    const bool reading = SavePoint(point) == SavePoint::Reading || SavePoint(point) == SavePoint::ReadingOn;
    const QByteArray activation = "0" + QByteArray(5000, ' ');
    QVERIFY(writeBytes(path() + "_act", activation));
    QVERIFY(!inPlace || (hardLink(path(), path("other-name")) && hardLink(path() + "_act", path("other-name_act"))));
    OptionsFile store(path());
    const HookAt fails(point, [&](SavePoint, const QString &file) { return !failing.isEmpty() && roleOf(file) != failing; });

    const QStringList boxes = saveLine(store, "-count");
    const QString failed = failing == "activation" ? path() + "_act" : path();
    if (reading)
        QCOMPARE(boxes, QStringList{cannotReadFileMessage(path())});
    else
        QVERIFY(boxes.contains(cannotWriteFileMessage(failed)));
    if (failing != "directory")
        QCOMPARE(readBytes(failed), failed == path() ? original : activation);
    // A copy left beside the file holds its previous bytes whole.
    for (const QString &backup : entriesOf(m_dir->path()).filter(".vimbracl-backup"))
        QCOMPARE(readBytes(path(backup)), backup.startsWith("proj.opt_act") ? activation : original);
    QVERIFY(!store.save());
}

// What a power failure needs: a file's bytes synced before its name is
// given, the name synced after; in place, a whole synced backup under its
// name before the first byte is overwritten, and the file synced before the
// backup goes. No file is held open while a rename replaces it. Windows
// reaches the directory's sync point too, where its moves write through.
void tst_SaveSafety::everySyncComesInOrder_data()
{
    QTest::addColumn<QString>("files");
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("replaced-by-rename") << "kept" << false;
    QTest::newRow("written-in-place") << "kept" << true;
    QTest::newRow("created-again") << "removed" << false;
}

void tst_SaveSafety::everySyncComesInOrder()
{
    QFETCH(QString, files);
    QFETCH(bool, inPlace);
    QVERIFY(!inPlace || (hardLink(path(), path("other-name")) && hardLink(path() + "_act", path("other-name_act"))));
    OptionsFile store(path());
    QVERIFY(files == "kept" || (QFile::remove(path()) && QFile::remove(path() + "_act")));
    QStringList steps;
    const HookAt record(anyPoint, [&](SavePoint point, const QString &file) {
        if (point != SavePoint::Reading && point != SavePoint::ReadingOn)
            steps.append(QLatin1String(pointNames[int(point)]) + u' ' + roleOf(file) + (holdsReplacedFile(file) ? " held open" : ""));
        return true;
    });

    QCOMPARE(saveLine(store, "-count"), QStringList());
    QStringList expected;
    for (const QString file : {"options", "activation"}) {
        expected += {"TemporaryCreated " + file, "Syncing temporary", "TemporaryWritten " + file,
                     "Renamed " + file, "Syncing directory"};
        if (inPlace)
            expected += {"BackupNamed " + file, "WrittenInPlace " + file, "Syncing " + file, "Syncing directory"};
    }
    QCOMPARE(steps, expected);
}

// At every point of a save, what it has created (temporary files, backups)
// is readable by nobody whom the file itself keeps out, and is its owner's.
// An earlier backup is never replaced.
void tst_SaveSafety::createdFilesStayPrivateAtEveryPoint_data()
{
    QTest::addColumn<bool>("inPlace");
    QTest::addColumn<bool>("byAcl");
    QTest::newRow("renamed-private-mode") << false << false;
    QTest::newRow("in-place-private-mode") << true << false;
    QTest::newRow("renamed-acl-keeps-out") << false << true;
    QTest::newRow("in-place-acl-keeps-out") << true << true;
}

void tst_SaveSafety::createdFilesStayPrivateAtEveryPoint()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no POSIX owners or ACLs that the tests can set");
#else
    QFETCH(bool, inPlace);
    QFETCH(bool, byAcl);
    if (::geteuid() != 0)
        QSKIP("giving files to another user needs root");
    constexpr uid_t owner = unprivilegedId - 1;
    for (const QString &file : {path(), path() + "_act"}) {
        const QByteArray name = QFile::encodeName(file);
        QVERIFY(::chown(name, owner, owner) == 0 && ::chmod(name, byAcl ? 0644 : 0600) == 0);
        if (byAcl && QProcess::execute("setfacl", {"-m", "u:65534:---", file}) != 0)
            QSKIP("the file system refuses ACLs");
    }
    QVERIFY(!inPlace || (hardLink(path(), path("other-name")) && hardLink(path() + "_act", path("other-name_act"))));
    OptionsFile store(path());
    QVERIFY(writeBytes(path("proj.opt.vimbracl-backup"), "earlier"));
    const QStringList before = entriesOf(m_dir->path());
    QStringList exposed;
    int checks = 0;
    const HookAt check(anyPoint, [&](SavePoint point, const QString &) {
        for (const QString &entry : entriesOf(m_dir->path())) {
            if (before.contains(entry) || !entry.contains(QRegularExpression("vimbracl-(save|backup)")))
                continue;
            ++checks;
            const QString file = path(entry);
            const bool readable = runUnprivileged([&file] {
                return QByteArray::number(QFile(file).open(QIODevice::ReadOnly));
            }).output == "1";
            if (readable || QFileInfo(file).ownerId() != owner)
                exposed.append(entry + " at " + pointNames[int(point)]);
        }
        return true;
    });

    QCOMPARE(saveLine(store, "-count"), QStringList());
    QCOMPARE(exposed, QStringList());
    QVERIFY(checks > 0);
    QCOMPARE(readBytes(path()), QByteArray("-count\nline2 keep\nline3 keep\n"));
    QCOMPARE(readBytes(path("proj.opt.vimbracl-backup")), QByteArray("earlier"));
#endif
}

// Killed while the temporary takes over the ACL, a save leaves it as private
// as it was made: the mode comes after the ACL, never before it.
void tst_SaveSafety::temporaryTakesTheModeLast()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no POSIX ACLs");
#else
    if (::geteuid() != 0 || QStandardPaths::findExecutable("strace").isEmpty()
        || QProcess::execute("setfacl", {"-m", "u:65534:---", path()}) != 0)
        QSKIP("needs root, strace and a file system that takes ACLs");
    qputenv("VIMBRACL_TRACED_SAVE", QFile::encodeName(path()));
    QProcess::execute("strace", {"-f", "-o", "/dev/null", "-e", "inject=fsetxattr:signal=KILL", QCoreApplication::applicationFilePath()});
    qunsetenv("VIMBRACL_TRACED_SAVE");

    const QStringList leftovers = entriesOf(m_dir->path()).filter(".vimbracl-save-");
    QCOMPARE(leftovers.size(), 1);
    const QString temporary = path(leftovers.constFirst());
    QCOMPARE(runUnprivileged([&temporary] { return QByteArray::number(QFile(temporary).open(QIODevice::ReadOnly)); }).output,
             QByteArray("0"));
#endif
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
    QTest::newRow("edited-same-size-and-time") << "same-size" << false << true
                                               << QByteArray("-cond -count\nline2 keep\nline3 keep\n");
    // Only the first line was read: the time must tell, or the file ID.
    QTest::newRow("later-line-edited-same-size") << "later-line" << false << true
                                                 << QByteArray("-proc -count\nline2 KEEP\nline3 keep\n");
    QTest::newRow("replaced-same-size-and-time") << "replaced" << false << true
                                                 << QByteArray("-proc -count\nline2 KEEP\nline3 keep\n");
}

void tst_SaveSafety::outsideChangeIsAskedAbout()
{
    QFETCH(QString, change);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(QByteArray, afterSave);
    const QDateTime time = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() - 3600);
    QVERIFY(setModified(path(), time));
    OptionsFile store(path());
    if (change == "edit")
        QVERIFY(writeBytes(path(), "-compact -Dother\nnew note\n"));
    if (change == "remove")
        QVERIFY(QFile::remove(path()));
    if (change == "later-line")
        QVERIFY(writeBytes(path(), afterSave) && setModified(path(), time.addSecs(10)));
    if (change == "replaced") {
        QVERIFY(writeBytes(path("new"), afterSave) && setModified(path("new"), time));
        QVERIFY(QFile::remove(path()) && QFile::rename(path("new"), path()));
    }
    if (change == "same-size")
        QVERIFY(writeBytes(path(), "-cond -count\nline2 keep\nline3 keep\n") && setModified(path(), time));

    const QString onDisk = QString::fromUtf8(readBytes(path()).split('\n').constFirst());
    const QStringList boxes = saveLine(store, "-count", answer);

    QCOMPARE(boxes, asked ? QStringList{changeQuestion(path(), onDisk, "-count")} : QStringList());
    QCOMPARE(readBytes(path()), afterSave);
    QCOMPARE(readBytes(path() + "_act"), QByteArray("1"));
    // Once saved, the program's own bytes are no outside change.
    QCOMPARE(saveLine(store, "-count"), asked && !answer ? boxes : QStringList());
}

// Root's dialog is open in a sticky, world-writable directory: links there
// are followed when root or the directory's owner made them, and never when
// another user planted them to reach places only root may.
void tst_SaveSafety::linksInStickyDirectories_data()
{
    QTest::addColumn<uint>("linkOwner");
    QTest::addColumn<uint>("directoryOwner");
    QTest::addColumn<bool>("followed");
    QTest::addColumn<bool>("toDirectory"); // shared/link/opts, with the link leading to secret
    QTest::newRow("planted-by-another-user") << unprivilegedId << 0u << false << false;
    QTest::newRow("own-link") << 0u << unprivilegedId - 1 << true << false;
    QTest::newRow("directory-owners-link") << unprivilegedId - 1 << unprivilegedId - 1 << true << false;
    QTest::newRow("directory-on-the-way-planted") << unprivilegedId << 0u << false << true;
}

void tst_SaveSafety::linksInStickyDirectories()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no sticky directories or other users to plant links");
#else
    QFETCH(uint, linkOwner);
    QFETCH(uint, directoryOwner);
    QFETCH(bool, followed);
    QFETCH(bool, toDirectory);
    if (::geteuid() != 0)
        QSKIP("giving links to other users needs root");
    QVERIFY(QDir(m_dir->path()).mkdir("shared") && QDir(m_dir->path()).mkdir("secret"));
    QVERIFY(::chmod(QFile::encodeName(path("shared")), 01777) == 0 && ::chmod(QFile::encodeName(path("secret")), 0700) == 0);
    QVERIFY(::chown(QFile::encodeName(path("shared")), directoryOwner, directoryOwner) == 0);
    QVERIFY(writeBytes(path("secret/file"), "root only"));
    const auto links = toDirectory ? QList{std::pair{"secret", "shared/link"}}
                                   : QList{std::pair{"secret/file", "shared/opts"}, {"secret/new", "shared/opts_act"}};
    for (const auto &[target, link] : links)
        QVERIFY(QFile::link(path(target), path(link)) && ::lchown(QFile::encodeName(path(link)), linkOwner, linkOwner) == 0);
    const QString options = toDirectory ? path("shared/link/file") : path("shared/opts");

    const QStringList boxes = startUp(options) + save(options, "-count");

    QCOMPARE(boxes.mid(boxes.size() - 2), followed ? QStringList()
             : QStringList({cannotCreateFileMessage(options), cannotCreateFileMessage(options + "_act")}));
    QCOMPARE(readBytes(path("secret/file")), followed ? QByteArray("-count") : QByteArray("root only"));
    QCOMPARE(entriesOf(path("secret")), followed ? QStringList({"file", "new"}) : QStringList{"file"});
#endif
}

void tst_SaveSafety::killedSavesLeaveTheFileWhole_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<bool>("inPlace");
    QTest::addColumn<bool>("backupKept");
    QTest::newRow("before-rename") << int(SavePoint::TemporaryWritten) << false << false;
    QTest::newRow("backup-copy-empty") << int(SavePoint::TemporaryCreated) << true << false;
    QTest::newRow("backup-copy-not-named") << int(SavePoint::TemporaryWritten) << true << false;
    QTest::newRow("backup-named-before-directory-sync") << int(SavePoint::Renamed) << true << true;
    QTest::newRow("backup-named") << int(SavePoint::BackupNamed) << true << true;
    QTest::newRow("new-line-before-old-tail-cut") << int(SavePoint::WrittenInPlace) << true << true;
}

void tst_SaveSafety::killedSavesLeaveTheFileWhole()
{
#ifdef Q_OS_WIN
    QSKIP("the Win32 backend reaches no Renamed or sync point, and Windows has no kill signal");
#else
    QFETCH(int, point);
    QFETCH(bool, inPlace);
    QFETCH(bool, backupKept);
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

    // The backup's name holds the previous bytes whole, or is not there.
    const QString backup = path("proj.opt.vimbracl-backup");
    QCOMPARE(readBytes(backup), backupKept ? original : QByteArray());
    if (backupKept) {
        QCOMPARE(startUp(path()), QStringList{interruptedSaveMessage(path(), backup)});
        QCOMPARE(readBytes(backup), original);
        return;
    }
    QCOMPARE(readBytes(path()), original);
    // The leftover goes with the next save once a minute old.
    const QStringList leftovers = entriesOf(m_dir->path()).filter(".vimbracl-save-");
    QCOMPARE(leftovers.size(), 1);
    const timespec aMinuteAgo[2] = {{::time(nullptr) - 61, 0}, {::time(nullptr) - 61, 0}};
    QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(m_dir->filePath(leftovers[0])), aMinuteAgo, 0) == 0);
    QCOMPARE(save(path(), "-count"), QStringList());
    QCOMPARE(entriesOf(m_dir->path()).filter(QRegularExpression("^(?!other-name)")),
             QStringList({"proj.opt", "proj.opt_act"}));
#endif
}

// Two dialogs save one file: the second waits for the first to finish, then
// asks, and writes a whole file of its own.
void tst_SaveSafety::secondInstanceWaitsForTheFirst()
{
#ifdef Q_OS_WIN
    QSKIP("a second instance is started with fork, which Windows lacks");
#else
    OptionsFile store(path());
    const pid_t first = ::fork();
    if (first == 0) {
        const HookAt slow(SavePoint::TemporaryWritten, [this] {
            return writeBytes(path("first-is-writing"), "") && ::usleep(300000) == 0;
        });
        saveLine(store, "-compact -D" + QString(64, 'x'));
        ::_exit(0);
    }
    for (int i = 0; i < 500 && !QFile::exists(path("first-is-writing")); ++i)
        ::usleep(10000);

    const QStringList boxes = saveLine(store, "-count", true);
    QCOMPARE(::waitpid(first, nullptr, 0), first);

    QCOMPARE(boxes, QStringList({changeQuestion(path(), "-compact -D" + QString(64, 'x'), "-count"),
                                 changeQuestion(path() + "_act", "1", "1")}));
    QCOMPARE(readBytes(path()), QByteArray("-count\nline2 keep\nline3 keep\n"));
#endif
}

// A power cut left the lock file empty, a few seconds before the restart.
void tst_SaveSafety::lockNamingNoHolderIsTakenOver_data()
{
    QTest::addColumn<QByteArray>("holder");
    QTest::newRow("naming-no-holder") << QByteArray();
    // Another user's lock, which this one may read but not write.
    QTest::newRow("another-users-holder-gone") << "999999\nvimbracl\n" + QSysInfo::machineHostName().toUtf8() + '\n';
}

void tst_SaveSafety::lockNamingNoHolderIsTakenOver()
{
    QFETCH(QByteArray, holder);
    QFile lock(path(".proj.opt.vimbracl-lock"));
    QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write(holder) == holder.size()
            && lock.setFileTime(QDateTime::currentDateTime().addSecs(-5), QFileDevice::FileModificationTime));
    lock.close();
    for (const QString &file : {path(), path() + "_act"})
        QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions(0x6666)));
    const auto save = [this] {
        OptionsFile store(path());
        return saveLine(store, "-count").join('\n').toUtf8();
    };
#ifdef Q_OS_UNIX
    const ChildResult saved = runUnprivileged(save);
    QCOMPARE(saved.status, 0);
    QCOMPARE(saved.output, QByteArray());
#else
    QCOMPARE(save(), QByteArray());
#endif
    QCOMPARE(readBytes(path()), QByteArray("-count\nline2 keep\nline3 keep\n"));
}

// The program's own wait, ten seconds: a save outwaits a short hold, and
// gives up on a longer one instead of waiting on.
void tst_SaveSafety::heldLockIsWaitedForBoundedly_data()
{
    QTest::addColumn<int>("heldSeconds");
    QTest::addColumn<bool>("saved");
    QTest::newRow("let-go-within-the-wait") << 3 << true;
    QTest::newRow("held-past-the-wait") << 12 << false;
}

void tst_SaveSafety::heldLockIsWaitedForBoundedly()
{
    QFETCH(int, heldSeconds);
    QFETCH(bool, saved);
    QLockFile held(path(".proj.opt.vimbracl-lock"));
    QVERIFY(held.tryLock(0));
    std::thread holder([&held, heldSeconds] {
        std::this_thread::sleep_for(std::chrono::seconds(heldSeconds));
        held.unlock();
    });
    OptionsFile store(path());
    QList<bool> waits; // the busy cursor's cue
    setLockWaitHook([&waits](bool waiting) { waits.append(waiting); });
    const QStringList boxes = saveLine(store, "-count");
    setLockWaitHook({});
    holder.join();

    QCOMPARE(waits, QList<bool>({true, false}));
    QCOMPARE(boxes, saved ? QStringList() : QStringList{cannotCreateFileMessage(path())});
    QCOMPARE(readBytes(path()), saved ? QByteArray("-count\nline2 keep\nline3 keep\n") : original);
}

// While one instance asks about an outside change, another one saves
// without waiting: no lock is held across a question.
void tst_SaveSafety::secondInstanceSavesWhileTheFirstAsks()
{
    OptionsFile first(path());
    QVERIFY(writeBytes(path(), "-compact\n"));
    RecordingPrompter boxes;
    QStringList secondBoxes;
    boxes.whileAsking = [&] {
        if (secondBoxes.isEmpty())
            secondBoxes = save(path(), "-proc") << "saved";
    };
    first.setOptions("-count");
    first.save();

    QCOMPARE(secondBoxes, QStringList{"saved"});
    QCOMPARE(readBytes(path()), QByteArray("-proc"));
}

// Files of the user's that merely look like the program's own (a backup, a
// temporary, a lock), however old, are never removed, reported or replaced;
// the program's own old temporaries, of the shortest and the longest name it
// makes, go where the backend cleans them.
void tst_SaveSafety::lookAlikeNamesAreLeftAlone()
{
    const QStringList lookAlikes = {"proj.opt.vimbracl-backup-2.keep", "proj.opt.vimbracl-backup-0", "xproj.opt.vimbracl-backup",
                                    ".vimbracl-save-notes.txt", ".vimbracl-save-1.tmp.keep", ".proj.opt.vimbracl-lock.old",
                                    ".vimbracl-save-3w5e11264sgsfx.tmp"};
    const QStringList ownTemporaries = {".vimbracl-save-0.tmp", ".vimbracl-save-3w5e11264sgsf.tmp"};
    for (const QString &name : lookAlikes + ownTemporaries) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(name.toUtf8()) == name.size() && file.flush()
                && file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    const QStringList boxes = startUp(path()) + save(path(), "-count");
    // Then in place, where the POSIX backend makes a backup.
    QVERIFY(hardLink(path(), path("other-name")) && hardLink(path() + "_act", path("other-name_act")));
    QCOMPARE(boxes + save(path(), "-proc"), QStringList());

    for (const QString &name : lookAlikes)
        QCOMPARE(readBytes(path(name)), name.toUtf8());
    QCOMPARE(entriesOf(m_dir->path()).size(), lookAlikes.size() + 4);
}

// A backup of any attempt is the program's own: start-up reports each.
void tst_SaveSafety::backupsOfEveryAttemptAreReported()
{
    QStringList reported;
    for (const char *name : {"proj.opt.vimbracl-backup", "proj.opt.vimbracl-backup-12", "proj.opt.vimbracl-backup-2"}) {
        QVERIFY(writeBytes(path(name), original));
        reported.append(interruptedSaveMessage(path(), path(name)));
    }
    QCOMPARE(startUp(path()), reported);
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
#ifdef Q_OS_WIN
    if (symbolic)
        QSKIP("Qt's links on Windows are shortcut files, which the system does not follow");
#endif
    QVERIFY(QFile::remove(path() + "_act"));
    QVERIFY(symbolic ? QFile::link(path(), path() + "_act") : hardLink(path(), path() + "_act"));
    OptionsFile store(path());

    QCOMPARE(saveLine(store, "-count"), QStringList{cannotCreateFileMessage(path() + "_act")});
    QCOMPARE(readBytes(path()), QByteArray("-count\nline2 keep\nline3 keep\n"));
}

// Started again under strace by a test, it makes one save and ends.
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (const QString traced = qEnvironmentVariable("VIMBRACL_TRACED_SAVE"); !traced.isEmpty())
        return save(traced, "-count").isEmpty() ? 0 : 1;
    tst_SaveSafety test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_savesafety.moc"
