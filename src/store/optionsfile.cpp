#include "store/optionsfile.h"

#include "filekeeping/fileaccess.h"
#include "filekeeping/filetext.h"
#include "optionline/optionline.h"
#include "optionline/vocabulary.h"
#include "store/fileformat.h"
#include "store/messages.h"

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
    const ReadStatus options = readOptionsFile();
    m_passImplied = impliesPassMode(m_options);
    const ReadStatus activation = readActivationFile();
    if (activation != ReadStatus::Read)
        m_active = 0;
    reportUnreadable(m_path, options);
    reportUnreadable(activationPath(), activation);

    // Defaults are written for a missing file only; a file that could not
    // be read is the user's and stays as it is.
    if (options != ReadStatus::Missing && activation != ReadStatus::Missing)
        return;
    if (!isUnreadable(options))
        saveOptionsFile();
    if (!isUnreadable(activation))
        saveFile(activationPath(), QByteArray::number(m_active));
}

ReadStatus OptionsFile::readOptionsFile()
{
    m_options = defaultOptionLine();
    const FileContent content = readRegularFile(m_path, maximumLineBytes, ReadMode::FirstLine);
    // An empty first line means the default, as an empty file does.
    if (const std::optional<QByteArray> line = firstLine(content.bytes)) {
        if (const QString text = decodeFileText(*line); !text.isEmpty())
            m_options = text;
    }
    return content.status;
}

ReadStatus OptionsFile::readActivationFile()
{
    const FileContent content =
            readRegularFile(activationPath(), activationBytesScanned, ReadMode::Prefix);
    if (const std::optional<int> value = scanInteger(content.bytes))
        m_active = *value;
    return content.status;
}

bool OptionsFile::isUnreadable(ReadStatus status)
{
    return status == ReadStatus::Unreadable || status == ReadStatus::TooLong;
}

// Once for each file, however often start-up reads it.
void OptionsFile::reportUnreadable(const QString &filePath, ReadStatus status)
{
    if (!isUnreadable(status)) {
        m_reportedUnreadable.removeAll(filePath);
        return;
    }
    if (m_reportedUnreadable.contains(filePath))
        return;
    m_reportedUnreadable.append(filePath);
    showError(cannotReadFileMessage(filePath));
}

QString OptionsFile::readInto()
{
    load();
    return m_options;
}

void OptionsFile::setOptions(const QString &line)
{
    m_options = line;
    m_passImplied = false;
}

int OptionsFile::setActive(int flag)
{
    m_active = flag != 0 ? 1 : 0;
    return 0;
}

bool OptionsFile::save()
{
    const bool optionsSaved = saveOptionsFile();
    const bool activationSaved = saveFile(activationPath(), QByteArray::number(m_active));
    return optionsSaved && activationSaved;
}

namespace {

// Spaces normalised, as saving a line in pass mode does; a line of spaces
// stays, as an empty one would read back as the default line.
QString normalisedImpliedLine(const QString &line)
{
    const QString normalised = withoutPassTokens(line);
    return normalised.isEmpty() ? line : normalised;
}

} // namespace

// Replaces the first line only: whatever the user keeps after it stays.
bool OptionsFile::saveOptionsFile()
{
    m_options = m_passImplied ? normalisedImpliedLine(m_options) : stripPassTokens(m_options);
    m_passImplied = false;
    const FileContent previous = readRegularFile(m_path, maximumFileBytes, ReadMode::Whole);
    if (previous.status == ReadStatus::TooLong) {
        // What follows the first line could not be kept.
        showError(cannotWriteFileMessage(m_path));
        return false;
    }
    const QByteArray line = encodeFileText(m_options);
    return saveFile(m_path, previous.status == ReadStatus::Read
                                    ? withFirstLineReplaced(previous.bytes, line)
                                    : line);
}

bool OptionsFile::saveFile(const QString &filePath, const QByteArray &content)
{
    switch (replaceFileContent(filePath, content)) {
    case WriteResult::Written:
        return true;
    case WriteResult::CannotCreate:
        showError(cannotCreateFileMessage(filePath));
        return false;
    case WriteResult::CannotWrite:
        showError(cannotWriteFileMessage(filePath));
        return false;
    }
    return false;
}
