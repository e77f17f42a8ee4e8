#pragma once

#include <QByteArray>

struct ChildResult
{
    int status = -1; // the exit status, -1 when the child did not exit
    QByteArray output;
};

// The uid and gid of an ordinary user with no rights of its own.
inline constexpr unsigned unprivilegedId = 65534;

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs `work` in a forked child that has dropped root's rights, so that
// permission bits bite even when the suite runs as root. `work` returns what
// the parent should see. A suite run by an ordinary user runs it as is.
template <typename Work>
ChildResult runUnprivileged(Work work)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::geteuid() == 0
            && (::setgroups(0, nullptr) != 0 || ::setresgid(unprivilegedId, unprivilegedId, unprivilegedId) != 0
                || ::setresuid(unprivilegedId, unprivilegedId, unprivilegedId) != 0))
            ::_exit(126);
        const QByteArray output = work();
        const bool sent = ::write(channel[1], output.constData(), size_t(output.size())) == output.size();
        ::_exit(sent ? 0 : 125);
    }
    ::close(channel[1]);
    ChildResult result;
    char buffer[4096];
    for (ssize_t count; (count = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        result.output.append(buffer, count);
    ::close(channel[0]);
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status))
        result.status = WEXITSTATUS(status);
    return result;
}

#endif // Q_OS_UNIX
