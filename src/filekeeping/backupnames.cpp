#include "filekeeping/backupnames.h"

#include <QDir>
#include <QFileInfo>
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

QStringList backupsBeside(const QString &target)
{
    const QFileInfo file(target);
    const QDir directory = file.dir();
    QStringList backups;
    for (const QString &entry :
         directory.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        if (isBackupFileName(entry, file.fileName()))
            backups.append(directory.filePath(entry));
    }
    return backups;
}
