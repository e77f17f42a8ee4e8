// Button connections, the activation toggle, and the fields with logic of
// their own: the two browse buttons and the names of fields without a text.
#include "dialog/optioncontrol.h"

#include "messages/messages.h"
#include "store/optionsfile.h"
#include "messages/prompter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void MirloCL::registerSignals()
{
    connect(btDisable, &QPushButton::clicked, this, &MirloCL::enableWidgets);
    connect(btOK, &QPushButton::clicked, this, &MirloCL::actionAndQuit);
    connect(btApply, &QPushButton::clicked, this, &MirloCL::action);
    connect(btCancel, &QPushButton::clicked, this, &MirloCL::cancel);
    connect(btStaticFileDirectory, &QPushButton::clicked, this, &MirloCL::browseDirectory);
    connect(btLinkFile, &QPushButton::clicked, this, &MirloCL::browseFile);
    for (const OptionControl &row : optionControls()) {
        if (row.greyedWhenOff)
            connect(this, &MirloCL::dispatchEnable, widgetOf(row), &QWidget::setEnabled);
    }
}

void MirloCL::enableWidgets()
{
    applyActivation(pendingEnable);
}

// Keeps the store's flag, the widgets, the button text and the next toggle
// in step.
void MirloCL::applyActivation(bool enabled)
{
    m_store.setActive(enabled);
    Q_EMIT dispatchEnable(enabled);
    // The text names what the next press will do; the checked state, which
    // a screen reader announces as it changes, says what is.
    btDisable->setChecked(enabled);
    btDisable->setText(enabled ? m_toggleTexts.first : m_toggleTexts.second);
    pendingEnable = !enabled;
}

void MirloCL::cancel()
{
    QCoreApplication::quit();
}

namespace {

// A cancelled chooser answers with no path and leaves the field as it was.
void setChosen(QLineEdit *field, const QString &chosen)
{
    if (!chosen.isEmpty())
        field->setText(chosen);
}

} // namespace

// Where a chooser opens when its field names nothing there: the project's.
QString MirloCL::projectDirectory() const
{
    return QFileInfo(m_store.path()).absolutePath();
}

void MirloCL::browseDirectory()
{
    const QString current = txtStaticFileDirectory->text();
    const QString start = QFileInfo(current).isDir() ? current : projectDirectory();
    setChosen(txtStaticFileDirectory,
              prompter().chooseExistingDirectory(this, chooseDirectoryCaption(), start));
}

void MirloCL::browseFile()
{
    const QString current = txtLinkFile->text();
    const QString start = QFileInfo(current).isFile() ? current : projectDirectory();
    setChosen(txtLinkFile, prompter().chooseOpenFileName(this, chooseFileCaption(), start));
}

// What a screen reader says for the controls whose text does not name them.
void MirloCL::setAccessibleNames()
{
    lblLinkFile->setBuddy(txtLinkFile);
    txtStaticFileDirectory->setAccessibleName(gbStaticFileDirectory->title());
    txtOther->setAccessibleName(gbOther->title());
    // The field has no label of its own: what it wants shows in it.
    txtFunctionDump->setPlaceholderText(tr("Function name"));
    txtFunctionDump->setAccessibleName(txtFunctionDump->placeholderText());
    btLinkFile->setAccessibleName(chooseFileCaption());
    btStaticFileDirectory->setAccessibleName(chooseDirectoryCaption());
}
