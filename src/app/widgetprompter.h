#pragma once

#include "messages/prompter.h"

// The real Qt boxes and file choosers.
class WidgetPrompter final : public Prompter
{
public:
    void showMessage(Severity severity, const QString &caption, const QString &text) override;
    bool confirm(const QString &caption, const QString &text, const QString &details) override;
    QString chooseExistingDirectory(QWidget *parent, const QString &caption,
                                    const QString &startDirectory) override;
    QString chooseOpenFileName(QWidget *parent, const QString &caption,
                               const QString &startFile) override;
};
