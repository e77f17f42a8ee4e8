#pragma once

#include "filekeeping/fileaccess.h"
#include "store/knownfile.h"

#include <QString>

#include <functional>
#include <optional>

// The project's persistent state: the options file, whose first line is the
// option line, and the activation file beside it, holding 0 or 1. Creating
// the store loads both and writes, with its default, each one that does not
// exist yet.
class OptionsFile
{
public:
    // The longest first line the options file may have. The rest of the
    // file is kept on save, up to the whole file's limit.
    static constexpr qsizetype maximumLineBytes = qsizetype(16) * 1024 * 1024;
    static constexpr qsizetype maximumFileBytes = qsizetype(256) * 1024 * 1024;
    // Only the start of the activation file is scanned for its number.
    static constexpr qsizetype activationBytesScanned = 4096;

    enum class Opening {
        CreateMissing, // a missing file is written with its default
        ReadOnly,      // a missing file is reported; nothing is written
    };

    explicit OptionsFile(const QString &path, Opening opening = Opening::CreateMissing);

    // Reads both files again. A file that exists but cannot be read is
    // reported, and taken as its default; it is never written here.
    void load();
    // Whether the last load found both files and could read them.
    bool bothRead() const { return m_bothRead; }
    // Records the activation flag as 1 or 0; nothing is written.
    void setActive(int flag);
    // Writes both files; every failure is reported in its own error box and
    // the other file is still attempted. A file that another program changed
    // since it was read is overwritten only when the user says so. True when
    // both were written.
    bool save();

    const QString &path() const { return m_path; }
    QString activationPath() const;
    // The option line. Pass mode is implied by a line without "-count" and
    // "-compact" and never stored, so it never shows here either.
    const QString &options() const { return m_options; }
    void setOptions(const QString &line);
    int active() const { return m_active; }

private:
    // Builds a file's new content from what it holds now, or reports why
    // it cannot and gives nothing.
    using Compose = std::function<std::optional<QByteArray>(const FileContent &now)>;

    // There, but not to be read: reported, and never written at start-up.
    static bool isUnreadable(ReadStatus status);
    ReadStatus readOptionsFile();
    ReadStatus readActivationFile();
    static void reportInterruptedSaves(const QString &filePath);
    bool saveOptionsFile();
    bool saveActivationFile();
    // `newFirstLine` is shown when the user is asked about an outside change.
    bool saveFile(const QString &filePath, KnownFile &known, qsizetype limit, ReadMode mode,
                  const QByteArray &newFirstLine, const Compose &compose);

    QString m_path;
    Opening m_opening;
    bool m_bothRead = false;
    QString m_options;
    int m_active = 0;
    KnownFile m_optionsFile;
    KnownFile m_activationFile;
};
