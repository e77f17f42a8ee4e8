#pragma once

#include "messages/prompter.h"

// The boxes of a run without a window: each message is a line on standard
// error, and every question is answered No, as nobody is there to answer.
class ConsolePrompter final : public Prompter
{
public:
    void showMessage(Severity severity, const QString &caption, const QString &text) override;
    bool confirm(const QString &caption, const QString &text, const QString &details) override;
    QString chooseExistingDirectory(QWidget *, const QString &, const QString &) override { return {}; }
    QString chooseOpenFileName(QWidget *, const QString &, const QString &) override { return {}; }
};

// Writes text to a standard stream in the system's encoding.
void print(FILE *stream, const QString &text);
