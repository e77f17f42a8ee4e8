#include "messages/prompter.h"

#include <QDebug>

namespace {

class LogPrompter final : public Prompter
{
public:
    void showMessage(Severity, const QString &caption, const QString &text) override
    {
        qWarning().noquote() << caption << ':' << text;
    }
    QString chooseExistingDirectory(QWidget *, const QString &, const QString &) override
    {
        return {};
    }
    QString chooseOpenFileName(QWidget *, const QString &, const QString &) override { return {}; }
};

LogPrompter fallbackPrompter;
Prompter *installedPrompter = nullptr;

} // namespace

bool Prompter::confirm(const QString &caption, const QString &text, const QString &details)
{
    showMessage(Severity::Warning, caption, details.isEmpty() ? text : text + u'\n' + details);
    return false;
}

Prompter &prompter()
{
    return installedPrompter ? *installedPrompter : fallbackPrompter;
}

Prompter *setPrompter(Prompter *p)
{
    Prompter *previous = installedPrompter;
    installedPrompter = p;
    return previous;
}
