#pragma once

#include <windows.h>

// Full access for the user the process runs as and for the system, none
// for anyone else, and nothing inherited from the folder.
class PrivateSecurity
{
public:
    PrivateSecurity();
    ~PrivateSecurity();
    PrivateSecurity(const PrivateSecurity &) = delete;
    PrivateSecurity &operator=(const PrivateSecurity &) = delete;

    // Nothing, and so no file, when the descriptor could not be made.
    SECURITY_ATTRIBUTES *attributes() { return m_attributes.lpSecurityDescriptor ? &m_attributes : nullptr; }

private:
    SECURITY_ATTRIBUTES m_attributes = {sizeof(SECURITY_ATTRIBUTES), nullptr, FALSE};
};
