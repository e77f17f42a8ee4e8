#include "options/optionsfile.h"

#include "options/atomicwrite.h"
#include "options/filetext.h"
#include "options/messages.h"
#include "options/optionline.h"
#include "options/vocabulary.h"

#include <QFile>

OptionsFile::OptionsFile(const QString &path) : m_path(path)
{
    load();
}

QString OptionsFile::activationPath() const
{
    return activationPathFor(m_path);
}

void OptionsFile::load()
{
    const bool optionsFileExisted = readOptionsFile();
    if (impliesPassMode(m_options))
        m_options += QLatin1Char(' ') + Token::pass;
    const bool activationFileExisted = readActivationFile();
    if (!activationFileExisted)
        m_active = 0;
    if (!optionsFileExisted || !activationFileExisted)
        save();
}

bool OptionsFile::readOptionsFile()
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_options = defaultOptionLine();
        return false;
    }
    const std::optional<QByteArray> line = firstLine(file.readLine());
    m_options = line ? decodeFileText(*line) : defaultOptionLine();
    return true;
}

bool OptionsFile::readActivationFile()
{
    QFile file(activationPath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (const std::optional<int> value = scanInteger(file.readAll()))
        m_active = *value;
    return true;
}

QString OptionsFile::readInto()
{
    load();
    return m_options;
}

int OptionsFile::setActive(int flag)
{
    m_active = flag != 0 ? 1 : 0;
    return 0;
}

void OptionsFile::save()
{
    m_options = stripPassTokens(m_options);
    saveFile(m_path, encodeFileText(m_options));
    saveFile(activationPath(), QByteArray::number(m_active));
}

void OptionsFile::saveFile(const QString &filePath, const QByteArray &content)
{
    switch (writeFileAtomically(filePath, content)) {
    case WriteResult::Written:
        break;
    case WriteResult::CannotCreate:
        showError(cannotCreateFileMessage(filePath));
        break;
    case WriteResult::CannotWrite:
        showError(cannotWriteFileMessage(filePath));
        break;
    }
}
