// Button connections, the activation toggle and the two browse buttons.
#include "dialog/mirlocl.h"

#include "messages/messages.h"
#include "store/optionsfile.h"
#include "messages/prompter.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void MirloCL::registerSignals()
{
    connect(btDisable, &QPushButton::clicked, this, &MirloCL::enableWidgets);
    connect(btOK, &QPushButton::clicked, this, &MirloCL::actionAndQuit);
    connect(btApply, &QPushButton::clicked, this, &MirloCL::action);
    connect(btCancel, &QPushButton::clicked, this, &MirloCL::cancel);
    connect(btStaticFileDirectory, &QPushButton::clicked, this, &MirloCL::browseDirectory);
    connect(btLinkFile, &QPushButton::clicked, this, &MirloCL::browseFile);
    for (QWidget *widget : optionWidgets())
        connect(this, &MirloCL::dispatchEnable, widget, &QWidget::setEnabled);
    // A label at full contrast beside a greyed field would read as usable.
    connect(this, &MirloCL::dispatchEnable, lblLinkFile, &QWidget::setEnabled);
}

// Every widget that stands for an option; frames and the four push buttons
// stay usable while runtime analysis is off.
QList<QWidget *> MirloCL::optionWidgets() const
{
    return {rbFunctions_none,
            rbFunctions_functions,
            rbFunctions_with_exits,
            rbCalls_none,
            rbCalls_calls,
            rbBlocks_implicit_blocks,
            rbBlocks_loops,
            rbBlocks_none,
            rbBlocks_statement_blocks,
            rbConditions_none,
            rbConditions_basic,
            rbConditions_modified_multiple,
            rbConditions_forced,
            cbRuntimeTrace,
            cbMemoryProfiling,
            cbPerformanceProfiling,
            cbAda83Restrictions,
            btLinkFile,
            txtLinkFile,
            rbInstrumentationMode_pass,
            rbInstrumentationMode_count,
            rbInstrumentationMode_compact,
            rbFunctionDump_none,
            rbFunctionDump_before_call,
            rbFunctionDump_after_call,
            rbFunctionDump_before_return,
            txtFunctionDump,
            cbTernaryCoverage,
            txtStaticFileDirectory,
            btStaticFileDirectory,
            txtOther};
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
