#include "store/optionsfile.h"

#include "filekeeping/fileaccess.h"
#include "filekeeping/filetext.h"
#include "optionline/optionline.h"
#include "optionline/vocabulary.h"
#include "store/fileformat.h"
#include "messages/messages.h"

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
    reportInterruptedSaves(m_path);
    reportInterruptedSaves(activationPath());

    // Defaults are written for a missing file only; a file that could not
    // be read is the user's and stays as it is.
    if (options != ReadStatus::Missing && activation != ReadStatus::Missing)
        return;
    // Start-up loads twice; a default it cannot write is said once.
    m_savingDefaults = true;
    if (!isUnreadable(options))
        saveOptionsFile();
    if (!isUnreadable(activation))
        saveActivationFile();
    m_savingDefaults = false;
}

ReadStatus OptionsFile::readOptionsFile()
{
    m_options = defaultOptionLine();
    const FileContent content = readRegularFile(m_path, maximumLineBytes, ReadMode::FirstLine);
    m_optionsFile = knownFrom(content);
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
    m_activationFile = knownFrom(content);
    if (const std::optional<int> value = scanInteger(content.bytes))
        m_active = *value;
    return content.status;
}

bool OptionsFile::isUnreadable(ReadStatus status)
{
    return status == ReadStatus::Unreadable || status == ReadStatus::TooLong;
}

void OptionsFile::reportUnreadable(const QString &filePath, ReadStatus status)
{
    const QString key = QStringLiteral("unreadable:") + filePath;
    if (!isUnreadable(status))
        m_reported.removeAll(key);
    else if (isNewReport(key))
        showError(cannotReadFileMessage(filePath));
}

// The copy stays until the user has looked at it; neither file is touched.
void OptionsFile::reportInterruptedSaves(const QString &filePath)
{
    for (const QString &backup : interruptedSaveBackups(filePath)) {
        if (isNewReport(backup))
            showWarning(interruptedSaveMessage(filePath, backup));
    }
}

void OptionsFile::reportSaveFailure(const QString &message)
{
    if (!m_savingDefaults || isNewReport(message))
        showError(message);
}

bool OptionsFile::isNewReport(const QString &key)
{
    if (m_reported.contains(key))
        return false;
    m_reported.append(key);
    return true;
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

void OptionsFile::setActive(int flag)
{
    m_active = flag != 0 ? 1 : 0;
}

bool OptionsFile::save()
{
    const bool optionsSaved = saveOptionsFile();
    const bool activationSaved = saveActivationFile();
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

// Replaces the first line only: whatever the file holds after it now stays.
bool OptionsFile::saveOptionsFile()
{
    m_options = m_passImplied ? normalisedImpliedLine(m_options) : stripPassTokens(m_options);
    m_passImplied = false;
    const QByteArray line = encodeFileText(m_options);
    return saveFile(m_path, m_optionsFile, maximumFileBytes, ReadMode::Whole, line,
                    [this, &line](const FileContent &now) -> std::optional<QByteArray> {
                        switch (now.status) {
                        case ReadStatus::Read:
                            return withFirstLineReplaced(now.bytes, line);
                        case ReadStatus::Missing:
                            return line;
                        case ReadStatus::TooLong:
                            // What follows the first line could not be kept.
                            reportSaveFailure(cannotWriteFileMessage(m_path));
                            break;
                        case ReadStatus::Unreadable:
                            reportSaveFailure(cannotReadFileMessage(m_path));
                            break;
                        }
                        return std::nullopt;
                    });
}

// The number replaces the whole file. Written into the options file, it
// would destroy the options.
bool OptionsFile::saveActivationFile()
{
    if (sameFile(m_path, activationPath())) {
        reportSaveFailure(cannotCreateFileMessage(activationPath()));
        return false;
    }
    const QByteArray number = QByteArray::number(m_active);
    return saveFile(activationPath(), m_activationFile, activationBytesScanned, ReadMode::Prefix, number,
                    [&number](const FileContent &) { return number; });
}

bool OptionsFile::saveFile(const QString &filePath, KnownFile &known, qsizetype limit,
                           ReadMode mode, const QByteArray &newFirstLine, const Compose &compose)
{
    for (bool approved = false;;) {
        FileReplacement file(filePath, limit, mode);
        if (!file.isWritable()) {
            reportSaveFailure(cannotCreateFileMessage(filePath));
            return false;
        }
        if (!approved && changedSince(known, file.current())) {
            file.abandon(); // nobody waits on the lock while the user reads
            const QString onDisk = decodeFileText(firstLine(file.current().bytes).value_or(QByteArray()));
            if (!confirmWarning(changedOnDiskQuestion(filePath),
                                changedLinesDetails(onDisk, decodeFileText(newFirstLine))))
                return false;
            approved = true;
            continue; // and read again what is there now
        }
        const std::optional<QByteArray> content = compose(file.current());
        if (!content)
            return false;
        switch (file.replace(*content)) {
        case WriteResult::Written:
            known = {ReadStatus::Read, file.written(), *content};
            return true;
        case WriteResult::CannotCreate:
            reportSaveFailure(cannotCreateFileMessage(filePath));
            return false;
        case WriteResult::CannotWrite:
            reportSaveFailure(cannotWriteFileMessage(filePath));
            return false;
        }
        return false;
    }
}
