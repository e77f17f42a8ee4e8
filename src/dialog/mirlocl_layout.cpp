// Construction: every widget at its fixed place, the tab chain and the icons.
#include "dialog/optioncontrol.h"

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
#include <type_traits>

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

// A button or label; radio buttons that share a frame are mutually
// exclusive.
template <typename Control>
Control *withText(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                  Qt::FocusPolicy focus = Qt::StrongFocus)
{
    auto *widget = place<Control>(parent, name, geometry);
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

    createGroups();
    createPushButtons();
    createOptionControls();
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

void MirloCL::createGroups()
{
    gbFeatureActivation = frame(this, "gbFeatureActivation", tr("Feature Activation (C/C++)"),
                                {220, 5, 270, 95});
    gbAdaOptions = frame(this, "gbAdaOptions", tr("Ada Options (Ada)"), {220, 104, 270, 91});
    bgInstrumentationMode = frame(this, "bgInstrumentationMode",
                                  tr("Instrumentation Mode (C/C++)"), {220, 200, 180, 85});
    bgInstrumentationMode->setToolTip(bgInstrumentationMode->title());
    gbTernary = frame(this, "gbTernary", tr("Ternary (C/C++)"), {220, 290, 180, 45});
    gbCodeCoverageLevels = frame(this, "gbCodeCoverageLevels", tr("Code Coverage Levels"),
                                 {10, 5, 200, 385});
    bgFunctions = frame(gbCodeCoverageLevels, "bgFunctions", tr("Functions"), {10, 20, 180, 80});
    bgCalls = frame(gbCodeCoverageLevels, "bgCalls", tr("Calls (C/Ada)"), {10, 105, 180, 60});
    bgBlocks = frame(gbCodeCoverageLevels, "bgBlocks", tr("Blocks"), {10, 170, 180, 100});
    bgConditions = frame(gbCodeCoverageLevels, "bgConditions", tr("Conditions"),
                         {10, 275, 180, 100});
    gbStaticFileDirectory = frame(this, "gbStaticFileDirectory", tr("Static File Directory"),
                                  {220, 340, 360, 55});
    bgFunctionDump = frame(this, "bgFunctionDump", tr("Function Specific Dump"),
                           {405, 200, 175, 135});
    bgFunctionDump->setToolTip(bgFunctionDump->title());
    gbOther = frame(this, "gbOther", tr("Other Options"), {10, 400, 570, 45});
}

void MirloCL::createPushButtons()
{
    btOK = withText<QPushButton>(this, "btOK", tr("OK"), {495, 10, 82, 30});
    btCancel = withText<QPushButton>(this, "btCancel", tr("Cancel"), {495, 45, 82, 30});
    btApply = withText<QPushButton>(this, "btApply", tr("Apply"), {495, 80, 82, 30});
    btDisable = withText<ActivationToggle>(this, "btDisable", tr("Disable"), {496, 125, 82, 70});
    // What it is, whatever the text says it will do next; checked is on.
    btDisable->setAccessibleName(tr("Runtime analysis"));
    btDisable->setAccessibleDescription(
            tr("Switches runtime analysis on or off for the project; OK or Apply saves it"));
}

void MirloCL::createOptionControls()
{
    for (const OptionControl &row : optionControls()) {
        QWidget *const parent = this->*row.group;
        const QString text = tr(row.text.source, row.text.comment);
        std::visit(
                [&](auto member) {
                    using Widget = std::remove_pointer_t<std::remove_reference_t<decltype(this->*member)>>;
                    if constexpr (std::is_same_v<Widget, QLineEdit>)
                        this->*member = lineEdit(parent, row.objectName, row.geometry);
                    else
                        this->*member = withText<Widget>(parent, row.objectName, text, row.geometry, row.focus);
                },
                row.widget);
        if (row.textIsToolTip)
            widgetOf(row)->setToolTip(text);
    }
}

QWidget *MirloCL::widgetOf(const OptionControl &row) const
{
    return std::visit([this](auto member) -> QWidget * { return this->*member; }, row.widget);
}

// Option controls in the order of their rows, then the four buttons.
void MirloCL::setTabOrder()
{
    QList<QWidget *> chain;
    for (const OptionControl &row : optionControls()) {
        if (row.focus != Qt::NoFocus)
            chain.append(widgetOf(row));
    }
    chain += {btOK, btApply, btCancel, btDisable};
    for (qsizetype i = 1; i < chain.size(); ++i)
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
