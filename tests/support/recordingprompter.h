#pragma once

#include "messages/prompter.h"

#include <QList>
#include <QStringList>

#include <functional>

// Installed for its lifetime: records every box instead of showing it and
// answers the file choosers from a queue of preset paths.
class RecordingPrompter final : public Prompter
{
public:
    struct Message
    {
        Severity severity;
        QString caption;
        QString text;
        QString details = {}; // below a question
    };
    struct Chooser
    {
        QString caption;
        QString start;
    };

    RecordingPrompter() : m_previous(setPrompter(this)) {}
    ~RecordingPrompter() override { setPrompter(m_previous); }
    RecordingPrompter(const RecordingPrompter &) = delete;
    RecordingPrompter &operator=(const RecordingPrompter &) = delete;

    void showMessage(Severity severity, const QString &caption, const QString &text) override
    {
        messages.append({severity, caption, text});
    }
    bool confirm(const QString &caption, const QString &text, const QString &details) override
    {
        messages.append({Severity::Warning, caption, text, details});
        whileAsking();
        return confirmations.isEmpty() ? false : confirmations.takeFirst();
    }
    QString chooseExistingDirectory(QWidget *, const QString &caption,
                                    const QString &start) override
    {
        return answer(caption, start);
    }
    QString chooseOpenFileName(QWidget *, const QString &caption, const QString &start) override
    {
        return answer(caption, start);
    }

    // Each box's text, with a question's details on the lines below it.
    QStringList texts() const
    {
        QStringList result;
        for (const Message &m : messages)
            result.append(m.details.isEmpty() ? m.text : m.text + u'\n' + m.details);
        return result;
    }

    QList<Message> messages;
    QList<Chooser> choosers;
    QStringList answers; // taken front first; an empty queue answers as Cancel does
    QList<bool> confirmations; // Yes or No, front first; an empty queue answers No
    std::function<void()> whileAsking = [] {}; // what happens while a question is open

private:
    QString answer(const QString &caption, const QString &start)
    {
        choosers.append({caption, start});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    Prompter *m_previous;
};
