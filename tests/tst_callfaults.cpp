// Whatever system call of a save fails, at its first use or at every use,
// with whatever error the system gives there: each file's name holds its
// old or its new bytes whole (or, where nothing could be moved, a backup
// beside it holds the old ones), a save is reported done only when the new
// ones are there, one box per file at most, nothing is left but temporary
// copies and backups, and the copies of previous bytes are the user's alone.
#include "filehelpers.h"
#include "storeruns.h"

#ifdef Q_OS_WIN
#include "filekeeping/win/systemcalls_win.h"

#include <sddl.h>
#else
#include "filekeeping/posix/systemcalls_posix.h"
#endif

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList failing; // the calls that fail, with `failure`
int failure = 0;
bool failingOnce = false;
int uses = 0;
QStringList created; // the access each copy a save made got
qint64 pausedMs = 0;
QList<quint32> attributesSet;

bool fails(const char *call)
{
    if (!failing.contains(QLatin1String(call)) || (failingOnce && uses++ > 0))
        return false;
#ifdef Q_OS_WIN
    SetLastError(DWORD(failure));
#else
    errno = failure;
#endif
    return true;
}

// The system's own call `entry`, failing where `fails` says so, with
// `failed` as its result then.
template <std::size_t size>
struct CallName
{
    constexpr CallName(const char (&name)[size]) { std::copy_n(name, size, text); }
    char text[size];
};
template <CallName name, auto entry, intptr_t failed = -1>
constexpr auto faulty = [](auto... arguments) {
    using Result = decltype((SystemCalls().*entry)(arguments...));
    return fails(name.text) ? Result(failed) : (SystemCalls().*entry)(arguments...);
};

struct Calls
{
    const char *call;
    QList<int> errors;
    QStringList saved; // with these errors the save gets round the failure
};

#ifdef Q_OS_WIN
const QList<int> winErrors = {ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION, ERROR_ACCESS_DENIED, ERROR_DELETE_PENDING,
                              ERROR_DISK_FULL, ERROR_UNABLE_TO_REMOVE_REPLACED, ERROR_UNABLE_TO_MOVE_REPLACEMENT,
                              ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, ERROR_NOT_SUPPORTED};
// Held a moment: waited out. Refused by the folder's ACL: written in place.
const QStringList heldOnce = {"32:once", "33:once", "1175:once"};
const QStringList refused = heldOnce + QStringList{"5", "5:once", "50", "50:once"};
const QList<Calls> platformCalls = {
        {"CreateFileW", winErrors, heldOnce},       {"CreateFileW-DELETE", winErrors, refused},
        {"ReplaceFileW", winErrors, refused + QStringList{"1177", "1177:once"}},
        {"MoveFileExW", winErrors, heldOnce},       {"DeleteFileW", winErrors, {"any"}},
        {"GetFileAttributesW", winErrors, heldOnce}, {"SetFileAttributesW", winErrors, {"any"}},
        {"ReadFile", winErrors, heldOnce},          {"WriteFile", winErrors, heldOnce},
        {"FlushFileBuffers", winErrors, {}},        {"SetEndOfFile", winErrors, {}},
        {"GetFileInformationByHandle", winErrors, {}}, {"ReplaceFileW+MoveFileExW", winErrors, heldOnce},
        // A network file system's file IDs, and ReFS's, whose 64-bit index may be one for two files.
        {"FileIndexZero", {0}, {"any"}},            {"FileIndexShared", {0}, {"any"}},
};

void installFaults()
{
    SystemCalls &calls = systemCalls();
    calls.replaceFile = [](LPCWSTR replaced, LPCWSTR replacement, LPCWSTR backup, DWORD flags, LPVOID, LPVOID) -> BOOL {
        if (!fails("ReplaceFileW"))
            return ReplaceFileW(replaced, replacement, backup, flags, nullptr, nullptr);
        // The state Windows documents for 1177: the old file moved aside.
        if (failure == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
            MoveFileExW(replaced, backup ? backup : L"elsewhere", 0);
        SetLastError(DWORD(failure));
        return FALSE;
    };
    calls.createFile = [](LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD disposition,
                          DWORD flags, HANDLE model) -> HANDLE {
        if (fails(access == DELETE ? "CreateFileW-DELETE" : "CreateFileW"))
            return INVALID_HANDLE_VALUE;
        LPWSTR sddl = nullptr;
        if (disposition == CREATE_NEW && std::wcsstr(name, L".vimbracl-save-")) // copies of bytes, not the lock
            created.append(security && ConvertSecurityDescriptorToStringSecurityDescriptorW(
                                   security->lpSecurityDescriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &sddl, nullptr)
                                   ? QString::fromWCharArray(sddl) : QString("the folder's"));
        LocalFree(sddl);
        return CreateFileW(name, access, share, security, disposition, flags, model);
    };
    calls.moveFile = faulty<"MoveFileExW", &SystemCalls::moveFile, FALSE>;
    calls.deleteFile = faulty<"DeleteFileW", &SystemCalls::deleteFile, FALSE>;
    calls.getFileAttributes = faulty<"GetFileAttributesW", &SystemCalls::getFileAttributes>;
    calls.setFileAttributes = [](LPCWSTR name, DWORD attributes) -> BOOL {
        attributesSet.append(attributes);
        return !fails("SetFileAttributesW") && SetFileAttributesW(name, attributes);
    };
    calls.readFile = faulty<"ReadFile", &SystemCalls::readFile, FALSE>;
    calls.writeFile = faulty<"WriteFile", &SystemCalls::writeFile, FALSE>;
    calls.flushFileBuffers = faulty<"FlushFileBuffers", &SystemCalls::flushFileBuffers, FALSE>;
    calls.setEndOfFile = faulty<"SetEndOfFile", &SystemCalls::setEndOfFile, FALSE>;
    calls.getFileInformationByHandle = [](HANDLE file, LPBY_HANDLE_FILE_INFORMATION info) -> BOOL {
        if (fails("GetFileInformationByHandle") || !GetFileInformationByHandle(file, info))
            return FALSE;
        info->dwFileAttributes &= ~DWORD(FILE_ATTRIBUTE_ARCHIVE); // a backup program has copied it
        if (fails("FileIndexZero"))
            info->nFileIndexHigh = info->nFileIndexLow = 0;
        if (fails("FileIndexShared"))
            info->nFileIndexHigh = info->nFileIndexLow = 7;
        return TRUE;
    };
    calls.getFileInformationByHandleEx = [](HANDLE file, FILE_INFO_BY_HANDLE_CLASS kind, LPVOID info, DWORD size) -> BOOL {
        if (kind == FileIdInfo && failing.contains("FileIndexZero")) // no 128-bit IDs there either
            return FALSE;
        return GetFileInformationByHandleEx(file, kind, info, size);
    };
    calls.sleep = [](DWORD ms) { pausedMs += ms; };
}

bool isPrivate(const QString &access)
{
    return QRegularExpression(R"(^D:P\(A;;FA;;;S-1-5-[-0-9]+\)\(A;;FA;;;SY\)$)").match(access).hasMatch();
}
#else
const QList<int> posixErrors = {EIO, ENOSPC, EACCES, EXDEV, EINTR};
// Retried, or not needed: what stays the user's own, or a file written in
// place where a copy cannot be the same file to others.
const QStringList retried = {QString::number(EINTR), QString::number(EINTR) + ":once"};
const QList<Calls> platformCalls = {
        {"open", posixErrors, {}},         {"close", posixErrors, {"any"}},      {"read", posixErrors, retried},
        {"pwrite", posixErrors, retried},  {"lseek", posixErrors, {}},           {"ftruncate", posixErrors, {}},
        {"fsync", posixErrors, {}},        {"fstat", posixErrors, {}},           {"lstat", posixErrors, {}},
        {"fchown", posixErrors, {"any"}},  {"fchmod", posixErrors, {"any"}},     {"fsetxattr", posixErrors, {"any"}},
        {"rename", posixErrors, {}},       {"renameNoReplace", posixErrors, {}}, {"link", posixErrors, {}},
        {"unlink", posixErrors, {"any"}},  {"dup", posixErrors, {}},
};

void installFaults()
{
    SystemCalls &calls = systemCalls();
    calls.open = [](const char *path, int flags, mode_t mode) {
        if ((flags & O_CREAT) && std::strstr(path, ".vimbracl-save-")) // copies of bytes, not the lock
            created.append(QString::number(mode, 8));
        return fails("open") ? -1 : ::open(path, flags, mode);
    };
    calls.close = faulty<"close", &SystemCalls::close>;
    calls.read = faulty<"read", &SystemCalls::read>;
    calls.pwrite = faulty<"pwrite", &SystemCalls::pwrite>;
    calls.lseek = faulty<"lseek", &SystemCalls::lseek>;
    calls.ftruncate = faulty<"ftruncate", &SystemCalls::ftruncate>;
    calls.fsync = faulty<"fsync", &SystemCalls::fsync>;
    calls.fstat = faulty<"fstat", &SystemCalls::fstat>;
    calls.lstat = faulty<"lstat", &SystemCalls::lstat>;
    calls.fchown = faulty<"fchown", &SystemCalls::fchown>;
    calls.fchmod = faulty<"fchmod", &SystemCalls::fchmod>;
    calls.fsetxattr = faulty<"fsetxattr", &SystemCalls::fsetxattr>;
    calls.rename = faulty<"rename", &SystemCalls::rename>;
    calls.renameNoReplace = faulty<"renameNoReplace", &SystemCalls::renameNoReplace>;
    calls.link = faulty<"link", &SystemCalls::link>;
    calls.unlink = faulty<"unlink", &SystemCalls::unlink>;
    calls.dup = faulty<"dup", &SystemCalls::dup>;
}

bool isPrivate(const QString &mode)
{
    return (mode.toInt(nullptr, 8) & 077) == 0;
}
#endif

} // namespace

class tst_CallFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyCallFailing_data();
    void everyCallFailing();
};

void tst_CallFaults::everyCallFailing_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("once");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("saved"); // the save must still succeed
    for (const Calls &calls : platformCalls) {
        for (const int code : calls.errors) {
            for (const bool first : {true, false}) {
#ifndef Q_OS_WIN
                if (code == EINTR && !first)
                    continue; // a signal interrupts a call, not every call
#endif
                if (code == 0 && first)
                    continue; // what a file system answers, it answers every time
                const QString key = QString::number(code) + (first ? ":once" : "");
                const bool saved = calls.saved.contains("any") || calls.saved.contains(key);
                for (const char *kind : {"replaced", "in-place", "created"})
                    QTest::addRow("%s-%d-%s-%s", calls.call, code, first ? "once" : "always", kind)
                            << calls.call << code << first << kind << saved;
            }
        }
    }
}

void tst_CallFaults::everyCallFailing()
{
    QFETCH(QString, call);
    QFETCH(int, error);
    QFETCH(bool, once);
    QFETCH(QString, kind);
    QFETCH(bool, saved);
    const QTemporaryDir dir;
    const QStringList names = {dir.filePath("proj.opt"), dir.filePath("proj.opt_act")};
    const QList<QByteArray> old = {"-count\nnote", "0"};
    const QList<QByteArray> now = {kind == "created" ? "-trace" : "-trace\nnote", "1"};
    QVERIFY(writeBytes(names[0], old[0]) && writeBytes(names[1], old[1]));
    QVERIFY(kind != "in-place" || (hardLink(names[0], dir.filePath("link")) && hardLink(names[1], dir.filePath("link_act"))));
    installFaults();
    // An error fails from the save on; a file system's answer is its answer from the start.
    failing = error ? QStringList() : call.split('+'), failure = error, failingOnce = once, uses = 0;
    OptionsFile store(names[0]);
    QVERIFY(kind != "created" || (QFile::remove(names[0]) && QFile::remove(names[1])));
    failing = call.split('+'), pausedMs = 0;
    created.clear(), attributesSet.clear();
    const QStringList boxes = saveLine(store, "-trace");
    systemCalls() = SystemCalls();

    const QStringList left = entriesOf(dir.path());
    for (int file = 0; file < 2; ++file) {
        const QString name = QFileInfo(names[file]).fileName();
        const QByteArray bytes = readBytes(names[file]);
        const QStringList backups = left.filter(QRegularExpression('^' + QRegularExpression::escape(name) + "\\.vimbracl-backup"));
        const bool kept = kind == "created" ? !QFile::exists(names[file]) : bytes == old[file];
        // Where no move succeeded, both copies stay beside the free name.
        const QStringList temporaries = left.filter(".vimbracl-save-");
        const bool beside = !QFile::exists(names[file]) && !backups.isEmpty()
                && std::any_of(temporaries.begin(), temporaries.end(),
                               [&](const QString &copy) { return readBytes(dir.filePath(copy)) == now[file]; });
        QVERIFY2(kept || bytes == now[file] || beside, bytes);
        const qsizetype shown = boxes.filter('"' + names[file] + '"').size();
        QVERIFY(shown <= 1 && (shown == 1 || bytes == now[file]));
        QVERIFY(!saved || (shown == 0 && bytes == now[file]));
        for (const QString &backup : backups)
            QCOMPARE(readBytes(dir.filePath(backup)), old[file]);
    }
    QCOMPARE(boxes.size(), boxes.filter(names[0]).size());
    const QRegularExpression allowed(R"(^(proj\.opt(_act)?(\.vimbracl-backup.*)?|link(_act)?|\.vimbracl-save-[0-9a-z]+\.tmp)$)");
    QVERIFY2(left.filter(allowed) == left.filter(QRegularExpression("^(?!\\..*-lock$)")), qPrintable(left.join(' ')));
    for (const QString &lock : left.filter("-lock")) // naming no holder, it is taken over
        QCOMPARE(readBytes(dir.filePath(lock)), QByteArray());
    for (const QString &access : std::as_const(created))
        QVERIFY2(kind == "created" || isPrivate(access), qPrintable(access));
#ifdef Q_OS_WIN
    // Held files are waited out at most about a second and a half a save.
    QVERIFY2(pausedMs <= 1375, qPrintable(QString::number(pausedMs)));
    // Backup programs find a changed file by its archive attribute.
    for (const quint32 attributes : std::as_const(attributesSet))
        QVERIFY(attributes & FILE_ATTRIBUTE_ARCHIVE);
    QVERIFY(attributesSet.size() >= 2 - boxes.size());
#endif
}

QTEST_GUILESS_MAIN(tst_CallFaults)
#include "tst_callfaults.moc"
