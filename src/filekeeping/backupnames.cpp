#include "filekeeping/backupnames.h"

#include "filekeeping/fileaccess.h"
#include "filekeeping/filesystem.h"

#include <QRegularExpression>

namespace {

const QString suffix = QStringLiteral(".vimbracl-backup");

} // namespace

QString backupFileName(const QString &fileName, int attempt)
{
    return attempt <= 1 ? fileName + suffix : fileName + suffix + u'-' + QString::number(attempt);
}

bool isBackupFileName(const QString &candidate, const QString &fileName)
{
    static const QRegularExpression attempt(QStringLiteral("^(-[1-9][0-9]*)?$"));
    const QString start = fileName + suffix;
    return candidate.startsWith(start) && attempt.match(candidate.mid(start.size())).hasMatch();
}

QStringList interruptedSaveBackups(const QString &path)
{
    const std::optional<SystemName> target = filesystem::saveTarget(path);
    if (!target)
        return {};
    const QString fileName = filesystem::fileNameOf(*target);
    QStringList backups;
    for (const filesystem::Entry &entry :
         filesystem::filesBeside(*target, [&](const QString &name) { return isBackupFileName(name, fileName); }))
        backups.append(filesystem::shownName(entry.name));
    backups.sort();
    return backups;
}
