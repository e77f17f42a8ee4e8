#include "filekeeping/win/security_win.h"

#include <sddl.h>

#include <string>

namespace {

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

} // namespace

PrivateSecurity::PrivateSecurity()
{
    const std::wstring user = processUser();
    const std::wstring sddl = L"D:P(A;;FA;;;" + user + L")(A;;FA;;;SY)";
    if (!user.empty())
        ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1,
                                                             &m_attributes.lpSecurityDescriptor, nullptr);
}

PrivateSecurity::~PrivateSecurity()
{
    LocalFree(m_attributes.lpSecurityDescriptor);
}
