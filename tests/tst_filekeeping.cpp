// Whatever stands at the two names, start-up and saving never lose,
// misplace or corrupt a byte of the user's files.
#include "filekeeping/savepoints.h"
#include "store/optionsfile.h"

#include "filehelpers.h"
#include "recordingprompter.h"
#include "storeruns.h"
#include "unprivileged.h"

#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/xattr.h>
#endif

namespace {

QString cannotRead(const QString &path)
{
    return QStringLiteral("Unable to read the file \"%1\"").arg(path);
}

#ifdef Q_OS_UNIX
struct stat statOf(const QString &path)
{
    struct stat info = {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info;
}

// Every extended attribute, the ACLs among them.
QMap<QByteArray, QByteArray> attributesOf(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    QByteArray names(4096, '\0');
    names.resize(qMax<ssize_t>(::listxattr(name.constData(), names.data(), names.size()), 0));
    QMap<QByteArray, QByteArray> attributes;
    for (const QByteArray &attribute : names.split('\0')) {
        QByteArray value(4096, '\0');
        if (!attribute.isEmpty())
            value.resize(::getxattr(name.constData(), attribute.constData(), value.data(), value.size()));
        attributes.insert(attribute, value);
    }
    attributes.remove(QByteArray());
    return attributes;
}

bool makeSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}
#endif

} // namespace

class tst_FileKeeping : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void startUpIsIdempotent_data();
    void startUpIsIdempotent();
    void nonRegularFilesAreLeftAlone_data();
    void nonRegularFilesAreLeftAlone();
    void relativeLinkThroughLinkedDirectory();
    void danglingLinkCreatesItsTarget();
    void unreadableIsNotMissing_data();
    void unreadableIsNotMissing();
    void hugeFileIsNotRead();
    void identityIsKept_data();
    void identityIsKept();
    void inPlaceSaveLeavesNoOldTail();
    void failedRenameCannotCreate();
    void securityAttributesKeepTheRename();
    void heldFilesAreWaitedFor_data();
    void heldFilesAreWaitedFor();
    void windowsNamesAndAttributes_data();
    void windowsNamesAndAttributes();
    void readsShareEverything();
    void shortNamesAreMadeLong();

private:
    QString path(const QString &name = QStringLiteral("proj.opt")) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_FileKeeping::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // The unprivileged cases reach into it.
    QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7777)));
}

void tst_FileKeeping::startUpIsIdempotent_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("activation"); // null: missing
    QTest::addColumn<QByteArray>("afterStart");

    const QByteArray missing;
    QTest::newRow("unclosed-quote-in-pass-mode")
            << QByteArray("-proc -link=\"abc") << missing << QByteArray("-proc -link=\"abc");
    QTest::newRow("unclosed-quote-with-activation")
            << QByteArray("-proc -link=\"abc") << QByteArray("1") << QByteArray("-proc -link=\"abc");
    QTest::newRow("later-lines-kept") << QByteArray("  -proc  -nocall\r\nmy note\n") << missing
                                      << QByteArray("-proc -nocall\r\nmy note\n");
    QTest::newRow("empty-first-line-is-default") << QByteArray("\nmy note") << missing
                                                 << QByteArray("-proc -block=decision -nocall -nocond\nmy note");
    QTest::newRow("spaces-only-kept") << QByteArray(" ") << missing << QByteArray(" ");
}

void tst_FileKeeping::startUpIsIdempotent()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, activation);
    QFETCH(QByteArray, afterStart);
    QVERIFY(writeBytes(path(), content));
    if (!activation.isNull())
        QVERIFY(writeBytes(path() + "_act", activation));

    QCOMPARE(startUp(path()), QStringList());
    QCOMPARE(readBytes(path()), afterStart);
    const QByteArray activationAfterStart = readBytes(path() + "_act");
    QCOMPARE(startUp(path()), QStringList());
    QCOMPARE(readBytes(path()), afterStart);
    QCOMPARE(readBytes(path() + "_act"), activationAfterStart);

    // The implied pass mode is never part of the line.
    const OptionsFile store(path());
    QVERIFY(!store.options().contains(QStringLiteral("-pass")));
}

void tst_FileKeeping::nonRegularFilesAreLeftAlone_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name"); // the file the node stands for

    for (const char *kind : {"fifo", "socket", "device", "directory", "link-to-fifo",
                                "link-to-device", "link-loop"})
        QTest::newRow(kind) << QString::fromLatin1(kind) << "proj.opt";
    QTest::newRow("activation-fifo") << "fifo" << "proj.opt_act";
}

void tst_FileKeeping::nonRegularFilesAreLeftAlone()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no FIFOs, sockets or devices in a directory, and Qt's links there are shortcut files");
#else
    QFETCH(QString, kind);
    QFETCH(QString, name);
    const bool linked = kind.startsWith("link-to-");
    const QString node = linked ? path("node") : path(name);
    const QByteArray nodeName = QFile::encodeName(node);
    if (kind.endsWith("fifo"))
        QVERIFY(::mkfifo(nodeName.constData(), 0644) == 0);
    else if (kind == "socket")
        QVERIFY(makeSocket(node));
    else if (kind.endsWith("device") && ::mknod(nodeName.constData(), S_IFCHR | 0644, makedev(1, 5)) != 0)
        QSKIP("making a device needs root");
    else if (kind == "directory")
        QVERIFY(QDir().mkdir(node));
    else if (kind == "link-loop")
        QVERIFY(QFile::link(path(name), path(name)));
    if (linked)
        QVERIFY(QFile::link(node, path(name)));
    const QString other = name == "proj.opt" ? path("proj.opt_act") : path();
    QVERIFY(writeBytes(other, name == "proj.opt" ? "1" : "-count"));
    const auto before = statOf(path(name));

    QCOMPARE(startUp(path()), QStringList{cannotRead(path(name))});
    QCOMPARE(save(path(), QStringLiteral("-count ")),
             QStringList({cannotRead(path(name)),
                          QStringLiteral("Unable to create the file \"%1\"").arg(path(name))}));

    QCOMPARE(statOf(path(name)).st_mode, before.st_mode);
    QCOMPARE(statOf(path(name)).st_ino, before.st_ino);
    if (linked)
        QVERIFY(!S_ISREG(statOf(node).st_mode));
#endif
}

void tst_FileKeeping::relativeLinkThroughLinkedDirectory()
{
#ifdef Q_OS_WIN
    QSKIP("Qt's links on Windows are shortcut files, which the system does not follow");
#else
    QVERIFY(QDir(m_dir->path()).mkpath("real/sub") && QDir(m_dir->path()).mkpath("real/data"));
    QVERIFY(writeBytes(path("real/data/o"), "-count"));
    QVERIFY(QFile::link("real/sub", path("alias")));
    QVERIFY(::symlink("../data/o", QFile::encodeName(path("real/sub/opts")).constData()) == 0);

    QCOMPARE(save(path("alias/opts"), QStringLiteral("-proc -count ")), QStringList());

    QCOMPARE(readBytes(path("real/data/o")), QByteArray("-proc -count "));
    QVERIFY(!QFileInfo::exists(path("data")));
    QVERIFY(QFileInfo(path("real/sub/opts")).isSymLink());
    QCOMPARE(readBytes(path("real/sub/opts_act")), QByteArray("1"));
#endif
}

void tst_FileKeeping::danglingLinkCreatesItsTarget()
{
#ifdef Q_OS_WIN
    QSKIP("Qt's links on Windows are shortcut files, which the system does not follow");
#else
    QVERIFY(QDir(m_dir->path()).mkdir("sub"));
    QVERIFY(::symlink("sub/new.opt", QFile::encodeName(path()).constData()) == 0);

    QCOMPARE(startUp(path()), QStringList());

    QVERIFY(QFileInfo(path()).isSymLink());
    QCOMPARE(readBytes(path("sub/new.opt")), QByteArray("-proc -block=decision -nocall -nocond"));
#endif
}

void tst_FileKeeping::unreadableIsNotMissing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("otherMissing");
    QTest::newRow("options-file") << "proj.opt" << false;
    QTest::newRow("activation-file") << "proj.opt_act" << false;
    QTest::newRow("options-file-activation-missing") << "proj.opt" << true;
    QTest::newRow("activation-file-options-missing") << "proj.opt_act" << true;
}

void tst_FileKeeping::unreadableIsNotMissing()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no permission bits that make a file unreadable to its owner");
#else
    QFETCH(QString, name);
    QFETCH(bool, otherMissing);
    const QByteArray defaultLine("-proc -block=decision -nocall -nocond");
    QVERIFY(writeBytes(path(), "-count -Dsecret"));
    QVERIFY(writeBytes(path() + "_act", "1"));
    for (const QString &file : {path(), path() + "_act"})
        QVERIFY(::chown(QFile::encodeName(file).constData(), unprivilegedId, unprivilegedId) == 0 || ::geteuid() != 0);
    QVERIFY(::chmod(QFile::encodeName(path(name)).constData(), 0200) == 0);
    const QByteArray unreadBytes = readBytes(path(name));
    const bool optionsUnread = name == "proj.opt";
    const QString other = optionsUnread ? path() + "_act" : path();
    const QByteArray otherBytes = readBytes(other);
    if (otherMissing)
        QVERIFY(QFile::remove(other));

    const ChildResult atStart = runUnprivileged([this] {
        RecordingPrompter boxes;
        OptionsFile store(path());
        return (boxes.texts() << store.options() << QString::number(store.active()))
                .join('\n')
                .toUtf8();
    });
    QCOMPARE(atStart.status, 0);
    QCOMPARE(QString::fromUtf8(atStart.output),
             QStringList({cannotRead(path(name)),
                          optionsUnread || otherMissing ? defaultLine : "-count -Dsecret",
                          optionsUnread && !otherMissing ? "1" : "0"})
                     .join('\n'));
    // Only the missing file is written, with its default.
    QCOMPARE(readBytes(path(name)), unreadBytes);
    QCOMPARE(readBytes(other), !otherMissing ? otherBytes : optionsUnread ? "0" : defaultLine);

    // An options file whose later lines cannot be read is not saved; the
    // activation file, which is replaced whole, is.
    const ChildResult saved = runUnprivileged([this] { return save(path(), "-count ").join('\n').toUtf8(); });
    QCOMPARE(saved.status, 0);
    QCOMPARE(readBytes(path()), optionsUnread ? unreadBytes : QByteArray("-count "));
    QCOMPARE(readBytes(path() + "_act"), QByteArray("1"));
    QCOMPARE(statOf(path(name)).st_mode & 07777, mode_t(0200));
#endif
}

void tst_FileKeeping::hugeFileIsNotRead()
{
    QFile huge(path());
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(1) << 30)); // sparse
    huge.close();
    QVERIFY(writeBytes(path() + "_act", "1"));

    QCOMPARE(startUp(path()), QStringList{cannotRead(path())});
    QCOMPARE(save(path(), QStringLiteral("-count ")),
             QStringList({cannotRead(path()),
                          QStringLiteral("Unable to write in the file \"%1\"").arg(path())}));
    QCOMPARE(QFileInfo(path()).size(), qint64(1) << 30);
}

void tst_FileKeeping::identityIsKept_data()
{
    QTest::addColumn<uint>("owner");
    QTest::addColumn<uint>("group");
    QTest::addColumn<uint>("mode");
    QTest::addColumn<bool>("savedByUser"); // else by root
    QTest::addColumn<QString>("extra");

    // Every row is one that only the POSIX backend keeps.
    const uint user = unprivilegedId;
    QTest::newRow("root-saves-users-file") << user << user << 0640u << false << "";
    QTest::newRow("hard-link-sees-new-content") << 0u << 0u << 0644u << false << "hard-link";
    QTest::newRow("acl-for-a-named-user") << 0u << 0u << 0640u << false << "acl";
    QTest::newRow("extended-attribute") << 0u << 0u << 0640u << false << "xattr";
    QTest::newRow("user-saves-file-of-foreign-group") << user << 0u << 0664u << true << "";
    QTest::newRow("user-saves-in-unwritable-directory") << user << user << 0644u << true << "locked-dir";
    QTest::newRow("directory-default-acl-not-taken") << 0u << 0u << 0640u << false << "default-acl";
    QTest::newRow("set-group-id-kept") << user << 0u << 02664u << true << "set-group-id-dir";
    QTest::newRow("user-saves-in-unlistable-directory") << user << user << 0644u << true << "unlistable-dir";
}

void tst_FileKeeping::identityIsKept()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no POSIX owners, groups, modes or extended attributes");
#else
    QFETCH(uint, owner);
    QFETCH(uint, group);
    QFETCH(uint, mode);
    QFETCH(bool, savedByUser);
    QFETCH(QString, extra);
    if (::geteuid() != 0)
        QSKIP("giving files to another user needs root");
    QVERIFY(QDir(m_dir->path()).mkdir("project"));
    const QString file = path("project/proj.opt");
    const QByteArray name = QFile::encodeName(file);
    QVERIFY(writeBytes(file, "-count\nmy note"));
    QVERIFY(writeBytes(file + "_act", "0"));
    QVERIFY(::chown(name.constData(), owner, group) == 0 && ::chmod(name.constData(), mode) == 0);
    QVERIFY(::chown(QFile::encodeName(file + "_act").constData(), owner, owner) == 0);
    const QMap<QString, mode_t> directoryModes = {{"locked-dir", 0755}, {"set-group-id-dir", 02777}, {"unlistable-dir", 0733}};
    QVERIFY(::chmod(QFile::encodeName(path("project")), directoryModes.value(extra, 0777)) == 0);
    if (extra == "hard-link")
        QVERIFY(hardLink(file, path("other-name")));
    if (extra == "acl" && QProcess::execute("setfacl", {"-m", "u:65534:rw", file}) != 0)
        QSKIP("the file system refuses ACLs");
    if (extra == "default-acl" && QProcess::execute("setfacl", {"-d", "-m", "u:65534:rw", path("project")}) != 0)
        QSKIP("the file system refuses ACLs");
    if (extra == "xattr" && ::setxattr(name.constData(), "user.note", "kept", 4, 0) != 0)
        QSKIP("the file system refuses user extended attributes");
    const auto before = statOf(file);
    const auto attributes = attributesOf(file);

    const auto saveIt = [&file] { return save(file, QStringLiteral("-proc -count ")).join('\n').toUtf8(); };
    const ChildResult saved = savedByUser ? runUnprivileged(saveIt) : ChildResult{0, saveIt()};

    QCOMPARE(saved.status, 0);
    QCOMPARE(saved.output, QByteArray());
    QCOMPARE(readBytes(file), QByteArray("-proc -count \nmy note"));
    const auto after = statOf(file);
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(after.st_gid, before.st_gid);
    // The system drops the bit from a new file, so the save writes in place;
    // newer kernels drop it on a non-member's write as well, which no save can keep.
    const mode_t droppedByWrites = extra == "set-group-id-dir" ? S_ISGID : 0;
    QCOMPARE(after.st_mode & ~droppedByWrites, before.st_mode & ~droppedByWrites);
    QVERIFY(!droppedByWrites || after.st_ino == before.st_ino);
    QCOMPARE(attributesOf(file), attributes);
    if (extra == "hard-link")
        QCOMPARE(readBytes(path("other-name")), readBytes(file));
#endif
}

// A hard link makes the save write in place.
void tst_FileKeeping::inPlaceSaveLeavesNoOldTail()
{
    QVERIFY(writeBytes(path(), "-proc -count -Dlonger"));
    QVERIFY(hardLink(path(), path("other-name")));
    QCOMPARE(save(path(), QStringLiteral("-count")), QStringList());
    QCOMPARE(readBytes(path()), QByteArray("-count"));
    QCOMPARE(readBytes(path("other-name")), QByteArray("-count"));
}

// Another program puts a directory where the file was while the save runs.
void tst_FileKeeping::failedRenameCannotCreate()
{
    QVERIFY(writeBytes(path(), "-count"));
    QVERIFY(writeBytes(path() + "_act", "0"));
    setSavePointHook([](SavePoint point, const QString &target) {
        if (point == SavePoint::TemporaryWritten && QFile::remove(target) && QDir().mkdir(target))
            writeBytes(target + "/kept", "x");
        return true;
    });
    const QStringList boxes = save(path(), QStringLiteral("-proc -count"));
    setSavePointHook({});

    QCOMPARE(boxes, QStringList({QStringLiteral("Unable to create the file \"%1\"").arg(path()),
                                 QStringLiteral("Unable to create the file \"%1\"").arg(path() + "_act")}));
    QCOMPARE(readBytes(path() + "/kept"), QByteArray("x"));
    QCOMPARE(entriesOf(m_dir->path()), QStringList({"proj.opt", "proj.opt_act"}));
}

// A security module labels each new file itself and may refuse to have
// such labels set or removed by the program: the save must still replace
// the file whole rather than write into it.
void tst_FileKeeping::securityAttributesKeepTheRename()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no POSIX owners or extended attributes");
#else
    QVERIFY(writeBytes(path(), "-count\nnote"));
    QVERIFY(writeBytes(path() + "_act", "0"));
    const QByteArray name = QFile::encodeName(path());
    for (const QString &file : {path(), path() + "_act"})
        QVERIFY(::chown(QFile::encodeName(file).constData(), unprivilegedId, unprivilegedId) == 0 || ::geteuid() != 0);
    if (::geteuid() != 0 || ::setxattr(name.constData(), "security.vimbracl", "label", 5, 0) != 0)
        QSKIP("setting a security attribute needs root and a file system that takes it");
    const ino_t before = statOf(path()).st_ino;

    const ChildResult saved = runUnprivileged([this] { return save(path(), "-proc -count").join('\n').toUtf8(); });

    QCOMPARE(saved.status, 0);
    QCOMPARE(saved.output, QByteArray());
    QCOMPARE(readBytes(path()), QByteArray("-proc -count\nnote"));
    QVERIFY(statOf(path()).st_ino != before);
#endif
}

// Another program (an indexer, a virus scanner) holds the file or the new
// bytes' temporary file, with its sharing, for 300 ms or for good.
void tst_FileKeeping::heldFilesAreWaitedFor_data()
{
    QTest::addColumn<bool>("temporary");
    QTest::addColumn<QString>("sharing");
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<bool>("saved");
    for (const char *sharing : {"r", "rw", "rwd"}) {
        QTest::addRow("file-sharing-%s-300-ms", sharing) << false << QString(sharing) << 300 << true;
        // Windows replaces a file whose holder shares deleting it.
        QTest::addRow("file-sharing-%s-for-good", sharing) << false << QString(sharing) << -1 << (qstrcmp(sharing, "rwd") == 0);
        QTest::addRow("temporary-sharing-%s-300-ms", sharing) << true << QString(sharing) << 300 << true;
    }
}

void tst_FileKeeping::heldFilesAreWaitedFor()
{
#ifndef Q_OS_WIN
    QSKIP("sharing is Windows'");
#else
    QFETCH(bool, temporary);
    QFETCH(QString, sharing);
    QFETCH(int, milliseconds);
    QFETCH(bool, saved);
    QVERIFY(writeBytes(path(), "-count\nnote") && writeBytes(path() + "_act", "0"));
    OptionsFile store(path());
    QProcess holder;
    const auto hold = [&](const QString &file) {
        holder.start(QCoreApplication::applicationDirPath() + "/holdfile.exe",
                     {QDir::toNativeSeparators(file), sharing, QString::number(milliseconds)});
        return holder.waitForReadyRead(20000);
    };
    setSavePointHook([&](SavePoint point, const QString &) {
        const QStringList made = QDir(m_dir->path()).entryList({".vimbracl-save-*"}, QDir::Files | QDir::Hidden);
        return point != SavePoint::TemporaryWritten || holder.state() != QProcess::NotRunning || hold(path(made.value(0)));
    });
    QVERIFY(temporary || hold(path()));
    const QStringList boxes = saveLine(store, "-trace");
    setSavePointHook({});

    QCOMPARE(boxes, saved ? QStringList() : QStringList{QStringLiteral("Unable to create the file \"%1\"").arg(path())});
    QCOMPARE(readBytes(path()), saved ? QByteArray("-trace\nnote") : QByteArray("-count\nnote"));
    holder.kill();
    holder.waitForFinished();
    QCOMPARE(saveLine(store, "-trace"), QStringList());
    QCOMPARE(entriesOf(m_dir->path()), QStringList({"proj.opt", "proj.opt_act"}));
#endif
}

// Names that the system takes for a device or another file are refused
// before anything is created; the case of a name does not make another
// file; the attributes its owner set on a file stay after a save.
void tst_FileKeeping::windowsNamesAndAttributes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("refused");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("hidden-and-system-kept") << "proj.opt" << QStringList() << QStringList{"proj.opt", "proj.opt_act"};
    QTest::newRow("other-case-same-files") << "PROJ.Opt" << QStringList() << QStringList{"proj.opt", "proj.opt_act"};
    // Both files alike, though NAME_act may be a usable name.
    for (const char *refused : {"CON.opt", "aux.opt", "Lpt9.txt", "NUL", "com1", "x.opt.", "x.opt ", "x.opt:s", "x.opt\\"})
        QTest::newRow(refused) << refused << QStringList{refused, QString(refused) + "_act"} << QStringList();
}

void tst_FileKeeping::windowsNamesAndAttributes()
{
#ifndef Q_OS_WIN
    QSKIP("these names and attributes are Windows'");
#else
    QFETCH(QString, name);
    QFETCH(QStringList, refused);
    QFETCH(QStringList, entries);
    const DWORD attributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const auto attributesOf = [this](const QString &file) {
        return GetFileAttributesW(QDir::toNativeSeparators(path(file)).toStdWString().c_str()) & attributes;
    };
    for (const QString &file : refused.isEmpty() ? QStringList{"proj.opt", "proj.opt_act"} : QStringList())
        QVERIFY(writeBytes(path(file), "0")
                && SetFileAttributesW(QDir::toNativeSeparators(path(file)).toStdWString().c_str(), attributes));
    QStringList boxes;
    for (const QString &file : refused)
        boxes.append(QStringLiteral("Unable to create the file \"%1\"").arg(path(file)));

    // At start-up, then at a second start-up and its save.
    QCOMPARE(startUp(path(name)) + save(path(name), "-count"), boxes + boxes + boxes);

    QCOMPARE(entriesOf(m_dir->path()), entries);
    for (const QString &file : entries)
        QCOMPARE(attributesOf(file), refused.isEmpty() ? attributes : 0);
    if (refused.isEmpty())
        QCOMPARE(readBytes(path()), QByteArray("-count"));
#endif
}

// Another program may delete or rename the file while a save reads it.
void tst_FileKeeping::readsShareEverything()
{
    QVERIFY(writeBytes(path(), "-count -D" + QByteArray(100000, 'x') + "\n") && writeBytes(path() + "_act", "0"));
    QList<bool> deletable;
    setSavePointHook([&](SavePoint point, const QString &) {
        if (point == SavePoint::ReadingOn)
            deletable.append(mayBeDeleted(path()));
        return true;
    });
    save(path(), "-count");
    setSavePointHook({});
    QVERIFY(!deletable.isEmpty());
    QCOMPARE(deletable, QList<bool>(deletable.size(), true));
}

QTEST_GUILESS_MAIN(tst_FileKeeping)
#include "tst_filekeeping.moc"

// The tool chain may name the file by its short (8.3) name: the activation
// file stands beside the name the user sees all the same.
void tst_FileKeeping::shortNamesAreMadeLong()
{
#ifndef Q_OS_WIN
    QSKIP("short names are Windows'");
#else
    const QString name = "project options.opt";
    QVERIFY(writeBytes(path(name), "-count") && writeBytes(path(name + "_act"), "1"));
    std::wstring shortName(32768, L'\0');
    shortName.resize(GetShortPathNameW(QDir::toNativeSeparators(path(name)).toStdWString().c_str(), shortName.data(),
                                       DWORD(shortName.size())));
    const QString given = QString::fromStdWString(shortName);
    if (given.isEmpty() || QFileInfo(given).fileName() == name)
        QSKIP("this file system gives no short names");
    QCOMPARE(startUp(given) + save(given, "-proc -count"), QStringList());
    QCOMPARE(entriesOf(m_dir->path()), QStringList({name, name + "_act"}));
    QCOMPARE(readBytes(path(name)), QByteArray("-proc -count"));
#endif
}

