#pragma once

#include <QString>
#include <QStringList>

// While a file is written in place, or on Windows replaced, its previous
// bytes stand beside it as NAME.vimbracl-backup (NAME.vimbracl-backup-2 and
// on up to the last attempt, when interrupted saves left some there already).
inline constexpr int maximumBackupAttempt = 100;
QString backupFileName(const QString &fileName, int attempt);
bool isBackupFileName(const QString &candidate, const QString &fileName);
