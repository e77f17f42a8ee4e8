#pragma once

#include <QString>

class QWidget;

// Every message box and file chooser of the program goes through the
// installed Prompter, so tests can see and answer them.
class Prompter
{
public:
    enum class Severity { Error, Warning };

    virtual ~Prompter() = default;
    virtual void showMessage(Severity severity, const QString &caption, const QString &text) = 0;
    // A warning with Yes and No, No the default; true for Yes. `details`
    // are shown, and read out, below the question. A prompter that only
    // shows messages shows both as a warning and answers No.
    virtual bool confirm(const QString &caption, const QString &text, const QString &details);
    virtual QString chooseExistingDirectory(QWidget *parent, const QString &caption,
                                            const QString &startDirectory) = 0;
    virtual QString chooseOpenFileName(QWidget *parent, const QString &caption,
                                       const QString &startFile) = 0;
};

// The installed prompter; without one, messages go to the warning log,
// questions are answered No and choosers answer with an empty path.
Prompter &prompter();
// Installs `p` (not owned) and returns the one it replaces; nullptr restores
// the fallback.
Prompter *setPrompter(Prompter *p);
