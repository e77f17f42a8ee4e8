#include "app/widgetprompter.h"

#include <QFileDialog>
#include <QMessageBox>

void WidgetPrompter::showMessage(Severity severity, const QString &caption, const QString &text)
{
    if (severity == Severity::Error)
        QMessageBox::critical(nullptr, caption, text);
    else
        QMessageBox::warning(nullptr, caption, text);
}

bool WidgetPrompter::confirm(const QString &caption, const QString &text, const QString &details)
{
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    // Shown at once, not behind a button, and read with the question.
    box.setInformativeText(details);
    return box.exec() == QMessageBox::Yes;
}

QString WidgetPrompter::chooseExistingDirectory(QWidget *parent, const QString &caption,
                                                const QString &startDirectory)
{
    return QFileDialog::getExistingDirectory(parent, caption, startDirectory,
                                             QFileDialog::ShowDirsOnly);
}

QString WidgetPrompter::chooseOpenFileName(QWidget *parent, const QString &caption,
                                           const QString &startFile)
{
    return QFileDialog::getOpenFileName(parent, caption, startFile);
}
