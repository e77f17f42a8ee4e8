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

bool WidgetPrompter::confirm(const QString &caption, const QString &text)
{
    return QMessageBox::warning(nullptr, caption, text, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No)
            == QMessageBox::Yes;
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
