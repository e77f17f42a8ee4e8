#pragma once

#include "optionline/language.h"
#include "optionline/optionstate.h"

#include <QDialog>
#include <QList>

#include <utility>

class OptionsFile;
struct Option;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The Runtime Analysis Setup dialog. It only maps the stored option line and
// activation flag onto its widgets and back; parsing and composing the line
// live in the optionline library, reading and writing the files in the
// store.
class MirloCL : public QDialog
{
    Q_OBJECT

public:
    MirloCL(OptionsFile &store, Language language, QWidget *parent = nullptr);
    ~MirloCL() override;

    // The state the next click on the Disable/Enable button applies.
    bool nextToggleEnables() const { return pendingEnable; }
    // Whether OK keeps the dialog open after the last action, for the user
    // to mend the cause or cancel: the dump option it wrote lacks its
    // function name, or a file could not be saved.
    bool lastActionKeepsDialogOpen() const { return actionFailed; }

    // The options as the widgets show them, and the reverse.
    OptionState currentState() const;
    void showState(const OptionState &state);

public Q_SLOTS:
    void enableWidgets();
    void action();
    void actionAndQuit();
    void cancel();
    void registerSignals();
    void initWidgets();
    void browseDirectory();
    void browseFile();

Q_SIGNALS:
    void dispatchEnable(bool enabled);

protected:
    // Tab enters a group of radio buttons at its checked button only.
    bool focusNextPrevChild(bool next) override;
    // A group's access key goes to its checked radio button.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One row for each control that stands for an option (optioncontrol.h).
    struct OptionControl;
    static const QList<OptionControl> &optionControls();

    void createGroups();
    void createPushButtons();
    void createOptionControls();
    void setTabOrder();
    void setAccessibleNames();
    void setAccessKeys();
    void setExplanations();
    void setIcons();

    void applyActivation(bool enabled);
    QString projectDirectory() const;
    QWidget *widgetOf(const OptionControl &row) const;
    static QString writtenBy(const Option &option);
    QList<QGroupBox *> groups() const;
    QList<QWidget *> keyedSettings() const;

    OptionsFile &m_store;
    const Language m_language;

    bool pendingEnable = false;
    bool actionFailed = false;
    // The toggle's texts, "Disable" and "Enable", with their access keys.
    std::pair<QString, QString> m_toggleTexts;

    QGroupBox *gbCodeCoverageLevels = nullptr;
    QGroupBox *bgFunctions = nullptr;
    QRadioButton *rbFunctions_none = nullptr;
    QRadioButton *rbFunctions_functions = nullptr;
    QRadioButton *rbFunctions_with_exits = nullptr;
    QGroupBox *bgCalls = nullptr;
    QRadioButton *rbCalls_none = nullptr;
    QRadioButton *rbCalls_calls = nullptr;
    QGroupBox *bgBlocks = nullptr;
    QRadioButton *rbBlocks_implicit_blocks = nullptr;
    QRadioButton *rbBlocks_loops = nullptr;
    QRadioButton *rbBlocks_none = nullptr;
    QRadioButton *rbBlocks_statement_blocks = nullptr;
    QGroupBox *bgConditions = nullptr;
    QRadioButton *rbConditions_none = nullptr;
    QRadioButton *rbConditions_basic = nullptr;
    QRadioButton *rbConditions_modified_multiple = nullptr;
    QRadioButton *rbConditions_forced = nullptr;
    QPushButton *btDisable = nullptr;
    QPushButton *btCancel = nullptr;
    QPushButton *btApply = nullptr;
    QPushButton *btOK = nullptr;
    QGroupBox *gbFeatureActivation = nullptr;
    QCheckBox *cbRuntimeTrace = nullptr;
    QCheckBox *cbMemoryProfiling = nullptr;
    QCheckBox *cbPerformanceProfiling = nullptr;
    QGroupBox *gbAdaOptions = nullptr;
    QCheckBox *cbAda83Restrictions = nullptr;
    QLabel *lblLinkFile = nullptr;
    QPushButton *btLinkFile = nullptr;
    QLineEdit *txtLinkFile = nullptr;
    QGroupBox *bgInstrumentationMode = nullptr;
    QRadioButton *rbInstrumentationMode_pass = nullptr;
    QRadioButton *rbInstrumentationMode_count = nullptr;
    QRadioButton *rbInstrumentationMode_compact = nullptr;
    QGroupBox *bgFunctionDump = nullptr;
    QRadioButton *rbFunctionDump_none = nullptr;
    QRadioButton *rbFunctionDump_before_call = nullptr;
    QRadioButton *rbFunctionDump_after_call = nullptr;
    QRadioButton *rbFunctionDump_before_return = nullptr;
    QLineEdit *txtFunctionDump = nullptr;
    QGroupBox *gbTernary = nullptr;
    QCheckBox *cbTernaryCoverage = nullptr;
    QGroupBox *gbStaticFileDirectory = nullptr;
    QLineEdit *txtStaticFileDirectory = nullptr;
    QPushButton *btStaticFileDirectory = nullptr;
    QGroupBox *gbOther = nullptr;
    QLineEdit *txtOther = nullptr;
};
