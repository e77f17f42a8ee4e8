#include "filekeeping/temporarynames.h"

#include <QRandomGenerator>
#include <QRegularExpression>

QString temporaryFileName()
{
    return QStringLiteral(".vimbracl-save-")
            + QString::number(QRandomGenerator::global()->generate64(), 36) + QStringLiteral(".tmp");
}

bool isTemporaryFileName(QStringView name)
{
    static const QRegularExpression pattern(
            QStringLiteral("^\\.vimbracl-save-[0-9a-z]{1,13}\\.tmp$"));
    return pattern.match(name.toString()).hasMatch();
}
