#include "filekeeping/temporaryfile_win.h"

#include "filekeeping/savepoints.h"
#include "filekeeping/temporarynames.h"

#include <sddl.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

void removeStaleTemporaries(const QDir &directory)
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-staleTemporarySeconds);
    for (const QFileInfo &entry : directory.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (isTemporaryFileName(entry.fileName()) && entry.lastModified() < before)
            systemCalls().deleteFile(systemPath(entry.filePath()).c_str());
    }
}

// The user the process runs as, as SDDL names a SID; empty when unknown.
std::wstring processUser()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    std::wstring sid;
    alignas(TOKEN_USER) char buffer[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE];
    DWORD size = 0;
    LPWSTR text = nullptr;
    if (GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size)
        && ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(buffer)->User.Sid, &text)) {
        sid = text;
        LocalFree(text);
    }
    CloseHandle(token);
    return sid;
}

// Full access for the user and the system, none for anyone else, and
// nothing inherited from the folder.
class PrivateSecurity
{
public:
    PrivateSecurity()
    {
        const std::wstring user = processUser();
        const std::wstring sddl = L"D:P(A;;FA;;;" + user + L")(A;;FA;;;SY)";
        if (!user.empty())
            ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1,
                                                                 &m_attributes.lpSecurityDescriptor, nullptr);
    }
    ~PrivateSecurity() { LocalFree(m_attributes.lpSecurityDescriptor); }
    PrivateSecurity(const PrivateSecurity &) = delete;
    PrivateSecurity &operator=(const PrivateSecurity &) = delete;

    // Nothing, and so no file, when the descriptor could not be made.
    SECURITY_ATTRIBUTES *attributes() { return m_attributes.lpSecurityDescriptor ? &m_attributes : nullptr; }

private:
    SECURITY_ATTRIBUTES m_attributes = {sizeof(SECURITY_ATTRIBUTES), nullptr, FALSE};
};

} // namespace

TemporaryFile::TemporaryFile(const QString &target, Access access) : m_target(target)
{
    const QDir directory = QFileInfo(target).dir();
    removeStaleTemporaries(directory);
    std::optional<PrivateSecurity> security;
    SECURITY_ATTRIBUTES *attributes = nullptr;
    if (access == Access::Private) {
        attributes = security.emplace().attributes();
        if (!attributes)
            return;
    }
    for (int attempt = 0; attempt < 16 && !m_file.isValid(); ++attempt) {
        const std::wstring path = systemPath(directory.filePath(temporaryFileName()));
        m_file = FileHandle(systemCalls().createFile(path.c_str(), GENERIC_WRITE | DELETE,
                                                     FILE_SHARE_READ | FILE_SHARE_DELETE, attributes, CREATE_NEW,
                                                     FILE_ATTRIBUTE_NORMAL, nullptr));
        if (m_file.isValid())
            m_path = path;
        else if (GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
}

TemporaryFile::~TemporaryFile()
{
    m_file.reset();
    if (isValid())
        removeHeldFile(m_path);
}

bool TemporaryFile::fill(const QByteArray &content)
{
    const bool filled = reachSavePoint(SavePoint::TemporaryCreated, m_target) && writeAll(m_file.get(), content)
            && systemCalls().flushFileBuffers(m_file.get());
    m_file.reset();
    return filled && reachSavePoint(SavePoint::TemporaryWritten, m_target);
}
