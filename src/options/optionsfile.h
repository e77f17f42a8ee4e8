#pragma once

#include <QString>

// The project's persistent state: the options file, holding one option line,
// and the activation file beside it, holding 0 or 1. Creating the store
// loads both and writes both at once if either is missing.
class OptionsFile
{
public:
    explicit OptionsFile(const QString &path);

    // Reads both files again. In memory, a line in pass mode carries an
    // implied "-pass" token, which save() removes.
    void load();
    // Reloads both files and returns the option line.
    QString readInto();
    // Records the activation flag as 1 or 0; nothing is written.
    int setActive(int flag);
    // Writes both files; every failure is reported in its own error box and
    // the other file is still attempted.
    void save();

    const QString &path() const { return m_path; }
    QString activationPath() const;
    const QString &options() const { return m_options; }
    void setOptions(const QString &line) { m_options = line; }
    int active() const { return m_active; }

private:
    bool readOptionsFile();
    bool readActivationFile();
    void saveFile(const QString &filePath, const QByteArray &content);

    QString m_path;
    QString m_options;
    int m_active = 0;
};
