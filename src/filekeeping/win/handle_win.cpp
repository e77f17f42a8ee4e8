#include "filekeeping/win/handle_win.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstring>

namespace {

constexpr DWORD pauseStepMs = 25; // pauses of 25 ms, 50 ms ... 250 ms
constexpr DWORD pausesMs = 1375;  // their sum

thread_local RetryBound *currentBound = nullptr;

bool isHeldByAnother(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED
            || error == ERROR_UNABLE_TO_REMOVE_REPLACED || error == ERROR_NETNAME_DELETED;
}

constexpr qint64 ticksFrom1601To1970 = 116444736000000000LL;

qint64 joined(DWORD high, DWORD low)
{
    return qint64((quint64(high) << 32) | low);
}

} // namespace

QString withoutSystemPrefix(QString path)
{
    if (path.startsWith(u"\\\\?\\UNC\\"))
        path = QStringLiteral("\\\\") + path.mid(8);
    else if (path.startsWith(u"\\\\?\\"))
        path = path.mid(4);
    return QDir::fromNativeSeparators(path);
}

RetryBound::RetryBound() : m_joined(currentBound != nullptr)
{
    if (!m_joined)
        currentBound = this;
}

RetryBound::~RetryBound()
{
    if (!m_joined)
        currentBound = nullptr;
}

bool retryWhileHeld(const std::function<bool()> &attempt)
{
    std::optional<RetryBound> own; // the step's alone when no save bounds it
    if (!currentBound)
        own.emplace();
    RetryBound &bound = *currentBound;
    for (DWORD tried = 1;; ++tried) {
        if (attempt())
            return true;
        const DWORD error = GetLastError();
        const DWORD pause = pauseStepMs * tried;
        if (!isHeldByAnother(error) || bound.pausedMs + pause > pausesMs) {
            SetLastError(error);
            return false;
        }
        bound.pausedMs += pause;
        systemCalls().sleep(pause);
    }
}

std::wstring systemPath(const QString &path)
{
    const QString native = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (native.startsWith(u"\\\\?\\"))
        return native.toStdWString();
    if (native.startsWith(u"\\\\"))
        return (QStringLiteral("\\\\?\\UNC\\") + native.mid(2)).toStdWString();
    return (QStringLiteral("\\\\?\\") + native).toStdWString();
}

bool isRefusedName(const QString &path)
{
    static const QRegularExpression device(
            QStringLiteral("^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|COM[1-9\u00B9\u00B2\u00B3]|LPT[1-9\u00B9\u00B2\u00B3]) *(\\..*)?$"),
            QRegularExpression::CaseInsensitiveOption);
    const QString normal = QDir::fromNativeSeparators(path);
    // The device namespace, a folder, and a file's named stream.
    if (normal.startsWith(u"//./") || normal.endsWith(u'/'))
        return true;
    const QString name = QFileInfo(normal).fileName();
    return name.isEmpty() || name.contains(u':') || name.endsWith(u'.') || name.endsWith(u' ')
            || device.match(name).hasMatch();
}

QString longFileName(const QString &path)
{
    const auto longName = [](const QString &name) -> std::optional<QString> {
        // Longer paths only behind \\?\ (Wine's call fails on them otherwise).
        const QString native = QDir::toNativeSeparators(QFileInfo(name).absoluteFilePath());
        const std::wstring given = native.size() < MAX_PATH ? native.toStdWString() : systemPath(name);
        std::wstring whole(32768, L'\0');
        const DWORD length = GetLongPathNameW(given.c_str(), whole.data(), DWORD(whole.size()));
        if (length == 0 || length >= whole.size())
            return std::nullopt;
        return withoutSystemPrefix(QString::fromWCharArray(whole.data(), int(length)));
    };
    const QFileInfo file(path);
    if (const std::optional<QString> named = longName(path))
        return *named;
    // Not there yet: its folder's name, then its own.
    if (const std::optional<QString> directory = longName(file.absolutePath()))
        return *directory + u'/' + file.fileName();
    return path;
}

FileHandle openShared(const std::wstring &path, DWORD access, DWORD disposition, DWORD flags)
{
    FileHandle file;
    retryWhileHeld([&] {
        file = FileHandle(systemCalls().createFile(path.c_str(), access,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, disposition, flags, nullptr));
        return file.isValid();
    });
    return file;
}

std::optional<FileFacts> factsOf(HANDLE file)
{
    BY_HANDLE_FILE_INFORMATION info = {};
    if (!systemCalls().getFileInformationByHandle(file, &info))
        return std::nullopt;
    FileFacts facts;
    facts.identity.device = info.dwVolumeSerialNumber;
    facts.identity.inode = quint64(joined(info.nFileIndexHigh, info.nFileIndexLow));
    // The whole ID where the file system gives one: ReFS's do not fit in 64 bits.
    FILE_ID_INFO id = {};
    if (systemCalls().getFileInformationByHandleEx(file, FileIdInfo, &id, sizeof id)) {
        static_assert(sizeof id.FileId.Identifier == 2 * sizeof(quint64));
        facts.identity.device = id.VolumeSerialNumber;
        std::memcpy(&facts.identity.inode, id.FileId.Identifier, sizeof(quint64));
        std::memcpy(&facts.identity.inodeHigh, id.FileId.Identifier + sizeof(quint64), sizeof(quint64));
    }
    facts.identity.size = joined(info.nFileSizeHigh, info.nFileSizeLow);
    facts.identity.modifiedNs = (joined(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime)
                                 - ticksFrom1601To1970) * 100;
    facts.attributes = info.dwFileAttributes;
    facts.links = info.nNumberOfLinks;
    return facts;
}

std::optional<FileFacts> factsAt(const std::wstring &path)
{
    const FileHandle file = openShared(path, FILE_READ_ATTRIBUTES, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
    return file.isValid() ? factsOf(file.get()) : std::nullopt;
}

QString finalPath(const QString &path)
{
    const FileHandle file = openShared(systemPath(path), FILE_READ_ATTRIBUTES, OPEN_EXISTING,
                                       FILE_FLAG_BACKUP_SEMANTICS);
    std::wstring name(32768, L'\0');
    const DWORD length = file.isValid()
            ? GetFinalPathNameByHandleW(file.get(), name.data(), DWORD(name.size()), FILE_NAME_NORMALIZED)
            : 0;
    if (length == 0 || length >= name.size())
        return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    return withoutSystemPrefix(QString::fromWCharArray(name.data(), int(length)));
}

bool removeHeldFile(const std::wstring &path)
{
    return retryWhileHeld([&path] { return systemCalls().deleteFile(path.c_str()) != 0; });
}

bool writeAll(HANDLE file, const QByteArray &content)
{
    for (qsizetype done = 0; done < content.size();) {
        const DWORD wanted = DWORD(qMin<qsizetype>(content.size() - done, 1 << 20));
        DWORD written = 0;
        if (!retryWhileHeld([&] {
                return systemCalls().writeFile(file, content.constData() + done, wanted, &written, nullptr) != 0;
            }) || written == 0)
            return false;
        done += written;
    }
    return true;
}
