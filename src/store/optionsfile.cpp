#include "store/optionsfile.h"

#include "filekeeping/fileaccess.h"
#include "filekeeping/filetext.h"
#include "filekeeping/textencoding.h"
#include "optionline/storedform.h"
#include "store/fileformat.h"
#include "messages/messages.h"

namespace {

// The content as the UTF-8 the store works on. Text in an encoding this
// program could not write back as it was is unreadable; of a prefix, only
// what it holds whole counts.
FileContent inUtf8(const FileContent &content, ReadMode mode = ReadMode::Whole)
{
    if (content.status != ReadStatus::Read)
        return content;
    std::optional<QByteArray> text = asUtf8(content.bytes, mode == ReadMode::Prefix);
    if (!text)
        return {ReadStatus::Unreadable, {}, content.identity};
    return {content.status, std::move(*text), content.identity};
}

// The options file as start-up reads it: its first line, or the whole of a
// UTF-16 file, which a save writes back whole, so that a later line no
// program could write back is found now rather than at the save.
FileContent readOptionLine(const QString &path)
{
    const FileContent first = readRegularFile(path, OptionsFile::maximumLineBytes, ReadMode::FirstLine);
    if (first.status != ReadStatus::Read || encodingOf(first.bytes) == TextEncoding::Utf8)
        return first;
    return readRegularFile(path, OptionsFile::maximumFileBytes, ReadMode::Whole);
}

} // namespace

OptionsFile::OptionsFile(const QString &path, Opening opening)
    : m_path(usualFileName(path)), m_opening(opening)
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
    const ReadStatus activation = readActivationFile();
    if (activation != ReadStatus::Read)
        m_active = 0;
    m_bothRead = options == ReadStatus::Read && activation == ReadStatus::Read;
    const bool readOnly = m_opening == Opening::ReadOnly;
    if (isUnreadable(options) || (readOnly && options == ReadStatus::Missing))
        showError(cannotReadFileMessage(m_path));
    if (isUnreadable(activation) || (readOnly && activation == ReadStatus::Missing))
        showError(cannotReadFileMessage(activationPath()));
    reportInterruptedSaves(m_path);
    reportInterruptedSaves(activationPath());

    // Defaults are written for a missing file only; a file that could not
    // be read is the user's and stays as it is.
    if (readOnly || (options != ReadStatus::Missing && activation != ReadStatus::Missing))
        return;
    const WaitBound waits;
    if (!isUnreadable(options))
        saveOptionsFile();
    if (!isUnreadable(activation))
        saveActivationFile();
}

ReadStatus OptionsFile::readOptionsFile()
{
    const FileContent content = inUtf8(readOptionLine(m_path));
    m_optionsFile = knownFrom(content);
    m_options = decodeFileText(firstLine(content.bytes).value_or(QByteArray()));
    // An empty first line means the default, as an empty file does.
    if (m_options.isEmpty())
        m_options = storedOptionLine(m_options);
    return content.status;
}

ReadStatus OptionsFile::readActivationFile()
{
    const FileContent content =
            inUtf8(readRegularFile(activationPath(), activationBytesScanned, ReadMode::Prefix), ReadMode::Prefix);
    m_activationFile = knownFrom(content);
    if (const std::optional<int> value = scanInteger(content.bytes))
        m_active = *value;
    return content.status;
}

bool OptionsFile::isUnreadable(ReadStatus status)
{
    return status == ReadStatus::Unreadable || status == ReadStatus::TooLong;
}

// The copy stays until the user has looked at it; neither file is touched.
void OptionsFile::reportInterruptedSaves(const QString &filePath)
{
    for (const QString &backup : interruptedSaveBackups(filePath))
        showWarning(interruptedSaveMessage(filePath, backup));
}

void OptionsFile::setOptions(const QString &line)
{
    m_options = line;
}

void OptionsFile::setActive(int flag)
{
    m_active = flag != 0 ? 1 : 0;
}

bool OptionsFile::save()
{
    const WaitBound waits;
    const bool optionsSaved = saveOptionsFile();
    const bool activationSaved = saveActivationFile();
    return optionsSaved && activationSaved;
}

// Replaces the first line only: whatever the file holds after it now stays.
bool OptionsFile::saveOptionsFile()
{
    m_options = storedOptionLine(m_options);
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
                            showError(cannotWriteFileMessage(m_path));
                            break;
                        case ReadStatus::Unreadable:
                            showError(cannotReadFileMessage(m_path));
                            break;
                        }
                        return std::nullopt;
                    });
}

// The number replaces the whole file. Written into the options file, it
// would destroy the options. Beside a name no file may have, it would be
// a file of no project.
bool OptionsFile::saveActivationFile()
{
    if (sameFile(m_path, activationPath()) || !isKeepableName(m_path)) {
        showError(cannotCreateFileMessage(activationPath()));
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
            showError(cannotCreateFileMessage(filePath));
            return false;
        }
        const FileContent now = inUtf8(file.current(), mode);
        // Read, but as no text this program could write back.
        if (file.current().status == ReadStatus::Read && now.status != ReadStatus::Read) {
            showError(cannotReadFileMessage(filePath));
            return false;
        }
        if (!approved && changedSince(known, now)) {
            file.abandon(); // nobody waits on the lock while the user reads
            const QString onDisk = decodeFileText(firstLine(now.bytes).value_or(QByteArray()));
            if (!confirmWarning(changedOnDiskQuestion(filePath),
                                changedLinesDetails(onDisk, decodeFileText(newFirstLine))))
                return false;
            approved = true;
            continue; // and read again what is there now
        }
        const std::optional<QByteArray> content = compose(now);
        if (!content)
            return false;
        // A file keeps the encoding it was written in.
        switch (file.replace(encodedLike(file.current().bytes, *content))) {
        case WriteResult::Written:
            known = {ReadStatus::Read, file.written(), *content};
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
}
