#pragma once

#include <QString>
#include <QStringList>

// While a file is written in place, a copy of its previous bytes stands
// beside it as NAME.vimbracl-backup (NAME.vimbracl-backup-2 and on, when an
// interrupted save left one there already).
QString backupFileName(const QString &fileName, int attempt);
bool isBackupFileName(const QString &candidate, const QString &fileName);

// The backups that stand beside the file `target` (a resolved path).
QStringList backupsBeside(const QString &target);
