// Construction: every widget at its fixed place, the tab chain and the icons.
#include "dialog/mirlocl.h"

#include "dialog/activationtoggle.h"
#include "dialog/dialoglook.h"
#include "icons.h"
#include "messages/messages.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

namespace {

// At the layout's scale, which follows the desktop's text size.
template <typename Widget>
Widget *place(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(scaled(geometry));
    return widget;
}

// A line edit holds at most 32767 characters unless told otherwise, and
// would silently cut a longer option line. Shaping a long line of options
// costs a pass over the whole text on every change and paint; the texts are
// paths and option words, which lose only kerning without it (scripts that
// need shaping are still shaped).
QLineEdit *lineEdit(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *edit = place<QLineEdit>(parent, name, geometry);
    edit->setMaxLength(std::numeric_limits<int>::max());
    QFont unshaped;
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    edit->setFont(unshaped);
    return edit;
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &title, const QRect &geometry)
{
    auto *box = place<QGroupBox>(parent, name, geometry);
    box->setTitle(title);
    box->setAccessibleName(title);
    return box;
}

// Radio buttons that share a frame are mutually exclusive.
template <typename Button>
Button *button(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
               Qt::FocusPolicy focus = Qt::StrongFocus)
{
    auto *widget = place<Button>(parent, name, geometry);
    widget->setFocusPolicy(focus);
    widget->setText(text);
    return widget;
}

} // namespace

MirloCL::MirloCL(OptionsFile &store, Language language, QWidget *parent)
    : QDialog(parent), m_store(store), m_language(language)
{
    setObjectName(QStringLiteral("MirloCL"));
    resize(scaled(QSize(590, 456)));
    setWindowTitle(tr("Vimbra Runtime Analysis Setup"));

    createFeatureActivation();
    createPushButtons();
    createAdaOptions();
    createModeAndTernary();
    createCoverageLevels();
    createStaticFileDirectory();
    createFunctionDump();
    createOtherOptions();
    setTabOrder();
    setAccessibleNames();
    setAccessKeys();
    setExplanations();
    setFixedSize(size());
    setIcons();

    registerSignals();
    initWidgets();
    actionFailed = false;
}

MirloCL::~MirloCL() = default;

void MirloCL::createFeatureActivation()
{
    gbFeatureActivation = frame(this, "gbFeatureActivation", tr("Feature Activation (C/C++)"),
                                {220, 5, 270, 95});
    cbRuntimeTrace = button<QCheckBox>(gbFeatureActivation, "cbRuntimeTrace",
                                       tr("Runtime Trace"), {15, 20, 200, 18});
    cbMemoryProfiling = button<QCheckBox>(gbFeatureActivation, "cbMemoryProfiling",
                                          tr("Memory Profiling"), {15, 45, 200, 18});
    cbPerformanceProfiling = button<QCheckBox>(gbFeatureActivation, "cbPerformanceProfiling",
                                               tr("Performance Profiling"), {15, 70, 195, 18});
}

void MirloCL::createPushButtons()
{
    btOK = button<QPushButton>(this, "btOK", tr("OK"), {495, 10, 82, 30});
    btCancel = button<QPushButton>(this, "btCancel", tr("Cancel"), {495, 45, 82, 30});
    btApply = button<QPushButton>(this, "btApply", tr("Apply"), {495, 80, 82, 30});
    btDisable = button<ActivationToggle>(this, "btDisable", tr("Disable"), {496, 125, 82, 70});
    // What it is, whatever the text says it will do next; checked is on.
    btDisable->setAccessibleName(tr("Runtime analysis"));
    btDisable->setAccessibleDescription(
            tr("Switches runtime analysis on or off for the project; OK or Apply saves it"));
}

void MirloCL::createAdaOptions()
{
    gbAdaOptions = frame(this, "gbAdaOptions", tr("Ada Options (Ada)"), {220, 104, 270, 91});
    cbAda83Restrictions = button<QCheckBox>(gbAdaOptions, "cbAda83Restrictions",
                                            tr("Ada 83 Restrictions"), {15, 20, 140, 18});
    lblLinkFile = place<QLabel>(gbAdaOptions, "lblLinkFile", {15, 40, 56, 13});
    lblLinkFile->setText(tr("Link File :"));
    txtLinkFile = lineEdit(gbAdaOptions, "txtLinkFile", {10, 58, 197, 20});
    btLinkFile = button<QPushButton>(gbAdaOptions, "btLinkFile", tr("..."), {218, 58, 40, 20});
}

void MirloCL::createModeAndTernary()
{
    bgInstrumentationMode = frame(this, "bgInstrumentationMode",
                                  tr("Instrumentation Mode (C/C++)"), {220, 200, 180, 85});
    bgInstrumentationMode->setToolTip(tr("Instrumentation Mode (C/C++)"));
    rbInstrumentationMode_pass = button<QRadioButton>(
            bgInstrumentationMode, "rbInstrumentationMode_pass", tr("Pass"), {10, 15, 93, 18});
    rbInstrumentationMode_pass->setChecked(true);
    rbInstrumentationMode_count = button<QRadioButton>(
            bgInstrumentationMode, "rbInstrumentationMode_count", tr("Count"), {10, 35, 93, 18});
    rbInstrumentationMode_compact =
            button<QRadioButton>(bgInstrumentationMode, "rbInstrumentationMode_compact",
                                 tr("Compact"), {10, 55, 93, 18});

    gbTernary = frame(this, "gbTernary", tr("Ternary (C/C++)"), {220, 290, 180, 45});
    cbTernaryCoverage = button<QCheckBox>(gbTernary, "cbTernaryCoverage",
                                          tr("No Ternaries Coverage"), {10, 20, 160, 18});
    cbTernaryCoverage->setToolTip(tr("No Ternaries Coverage"));
}

void MirloCL::createCoverageLevels()
{
    gbCodeCoverageLevels = frame(this, "gbCodeCoverageLevels", tr("Code Coverage Levels"),
                                 {10, 5, 200, 385});

    bgFunctions = frame(gbCodeCoverageLevels, "bgFunctions", tr("Functions"), {10, 20, 180, 80});
    rbFunctions_none = button<QRadioButton>(bgFunctions, "rbFunctions_none",
                                            tr("None", "functions"), {10, 15, 87, 18});
    rbFunctions_none->setChecked(true);
    rbFunctions_functions = button<QRadioButton>(bgFunctions, "rbFunctions_functions",
                                                 tr("Functions"), {10, 35, 120, 18});
    rbFunctions_with_exits = button<QRadioButton>(bgFunctions, "rbFunctions_with_exits",
                                                  tr("With Exits"), {10, 55, 110, 18});

    bgCalls = frame(gbCodeCoverageLevels, "bgCalls", tr("Calls (C/Ada)"), {10, 105, 180, 60});
    rbCalls_calls = button<QRadioButton>(bgCalls, "rbCalls_calls", tr("Calls"), {10, 35, 87, 18},
                                         Qt::ClickFocus);
    rbCalls_none = button<QRadioButton>(bgCalls, "rbCalls_none", tr("None", "calls"),
                                        {10, 15, 87, 18});
    rbCalls_none->setChecked(true);

    bgBlocks = frame(gbCodeCoverageLevels, "bgBlocks", tr("Blocks"), {10, 170, 180, 100});
    rbBlocks_implicit_blocks = button<QRadioButton>(bgBlocks, "rbBlocks_implicit_blocks",
                                                    tr("Implicit Blocks"), {10, 55, 145, 18},
                                                    Qt::ClickFocus);
    rbBlocks_loops = button<QRadioButton>(bgBlocks, "rbBlocks_loops", tr("Loops"),
                                          {10, 75, 120, 18}, Qt::ClickFocus);
    rbBlocks_none = button<QRadioButton>(bgBlocks, "rbBlocks_none", tr("None", "blocks"),
                                         {10, 15, 87, 18});
    rbBlocks_none->setChecked(true);
    rbBlocks_statement_blocks = button<QRadioButton>(bgBlocks, "rbBlocks_statement_blocks",
                                                     tr("Statement Blocks"), {10, 35, 160, 18});

    bgConditions = frame(gbCodeCoverageLevels, "bgConditions", tr("Conditions"),
                         {10, 275, 180, 100});
    rbConditions_none = button<QRadioButton>(bgConditions, "rbConditions_none",
                                             tr("None", "conditions"), {10, 15, 120, 18});
    rbConditions_none->setChecked(true);
    rbConditions_forced = button<QRadioButton>(bgConditions, "rbConditions_forced", tr("Forced"),
                                               {10, 75, 145, 18});
    rbConditions_basic = button<QRadioButton>(bgConditions, "rbConditions_basic", tr("Basic"),
                                              {10, 35, 93, 18});
    rbConditions_modified_multiple =
            button<QRadioButton>(bgConditions, "rbConditions_modified_multiple",
                                 tr("Modified/Multiple"), {10, 55, 150, 18});
}

void MirloCL::createStaticFileDirectory()
{
    gbStaticFileDirectory = frame(this, "gbStaticFileDirectory", tr("Static File Directory"),
                                  {220, 340, 360, 55});
    txtStaticFileDirectory =
            lineEdit(gbStaticFileDirectory, "txtStaticFileDirectory", {10, 20, 290, 20});
    btStaticFileDirectory = button<QPushButton>(gbStaticFileDirectory, "btStaticFileDirectory",
                                                tr("..."), {310, 20, 40, 20});
}

void MirloCL::createFunctionDump()
{
    bgFunctionDump = frame(this, "bgFunctionDump", tr("Function Specific Dump"),
                           {405, 200, 175, 135});
    bgFunctionDump->setToolTip(tr("Function Specific Dump"));
    rbFunctionDump_none = button<QRadioButton>(bgFunctionDump, "rbFunctionDump_none",
                                               tr("None", "dump"), {10, 15, 93, 18});
    rbFunctionDump_none->setChecked(true);
    rbFunctionDump_after_call = button<QRadioButton>(bgFunctionDump, "rbFunctionDump_after_call",
                                                     tr("After Call"), {10, 55, 115, 18});
    rbFunctionDump_before_call =
            button<QRadioButton>(bgFunctionDump, "rbFunctionDump_before_call",
                                 tr("Before Call (C only)"), {10, 35, 155, 18});
    rbFunctionDump_before_call->setToolTip(tr("Before Call (C only)"));
    rbFunctionDump_before_return =
            button<QRadioButton>(bgFunctionDump, "rbFunctionDump_before_return",
                                 tr("Before Return"), {10, 75, 130, 18});
    txtFunctionDump = lineEdit(bgFunctionDump, "txtFunctionDump", {10, 100, 155, 20});
    txtFunctionDump->setFocusPolicy(Qt::StrongFocus);
}

void MirloCL::createOtherOptions()
{
    gbOther = frame(this, "gbOther", tr("Other Options"), {10, 400, 570, 45});
    txtOther = lineEdit(gbOther, "txtOther", {10, 15, 550, 20});
}

void MirloCL::setTabOrder()
{
    QWidget *const chain[] = {
        rbFunctions_none, rbFunctions_functions, rbFunctions_with_exits, rbCalls_none,
        rbCalls_calls, rbBlocks_none, rbBlocks_statement_blocks, rbBlocks_implicit_blocks,
        rbBlocks_loops, rbConditions_none, rbConditions_basic, rbConditions_modified_multiple,
        rbConditions_forced, cbRuntimeTrace, cbMemoryProfiling, cbPerformanceProfiling,
        cbAda83Restrictions, txtLinkFile, btLinkFile, rbInstrumentationMode_pass,
        rbInstrumentationMode_count, rbInstrumentationMode_compact, cbTernaryCoverage,
        rbFunctionDump_none, rbFunctionDump_before_call, rbFunctionDump_after_call,
        rbFunctionDump_before_return, txtFunctionDump, txtStaticFileDirectory,
        btStaticFileDirectory, txtOther, btOK, btApply, btCancel, btDisable,
    };
    for (std::size_t i = 1; i < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

// A pixmap icon is never drawn larger than it is: it grows with the layout.
void MirloCL::setIcons()
{
    const auto sized = [](const QPixmap &pixmap) {
        return QIcon(pixmap.scaled(scaled(pixmap.size()), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    };
    setWindowIcon(windowIconPixmap());
    btOK->setIcon(sized(okIconPixmap()));
    btCancel->setIcon(sized(cancelIconPixmap()));
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
