#include "dialog/dialoglook.h"

#include "dialog/fontfamily.h"

#include "dialog/contrast.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace {

constexpr double usualPointSize = 9;
constexpr int usualPixelSize = 11;
double appliedScale = 1;

// The Windows style, or the one the user chose, with a group title that
// would run past its frame's right corner moved left into the frame's
// indent, as far as the frame allows, instead of being cut; indicators and
// icons grow with the text; greyed text is drawn flat, as an etched edge in
// the light colour would blur it on a dark window.
class FixedLayoutStyle final : public QProxyStyle
{
public:
    FixedLayoutStyle(QStyle *base, double scale) : QProxyStyle(base), m_scale(scale) {}

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
        case PM_ButtonIconSize:
        case PM_SmallIconSize:
        case PM_LargeIconSize:
        case PM_ListViewIconSize:
        case PM_IconViewIconSize:
        case PM_ToolBarIconSize:
        case PM_MessageBoxIconSize:
            return qRound(size * m_scale);
        default:
            return size;
        }
    }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_EtchDisabledText)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl subControl, const QWidget *widget) const override
    {
        QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
        if (control == CC_GroupBox && subControl == SC_GroupBoxLabel) {
            constexpr int frameCorner = 2;
            const int overrun = rect.right() - (option->rect.right() - frameCorner);
            if (overrun > 0)
                rect.translate(-qMin(overrun, rect.left() - frameCorner), 0);
        }
        return rect;
    }

private:
    double m_scale;
};

QStyle *baseStyle(bool keepChosenStyle)
{
    const QString name = keepChosenStyle ? QApplication::style()->name() : QStringLiteral("Windows");
    return QStyleFactory::create(name);
}

} // namespace

bool styleChosenByUser(int argc, const char *const argv[])
{
    if (!qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"))
        return true;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument = QByteArray(argv[i]).replace("--", "-");
        if (argument == "-style" || argument.startsWith("-style="))
            return true;
    }
    return false;
}

double textScaleFor(const QFont &desktopFont)
{
    return qMax(1.0, desktopFont.pointSizeF() / usualPointSize);
}

double desktopTextScale()
{
    return textScaleFor(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
}

void applyFixedLayoutLook(bool keepChosenStyle, double scale)
{
    appliedScale = scale;
    if (QStyle *base = baseStyle(keepChosenStyle))
        QApplication::setStyle(new FixedLayoutStyle(base, scale));
    QFont font = withResolvedFamily(QApplication::font());
    // Rounded down, so that no text outgrows the rectangles around it.
    font.setPixelSize(int(usualPixelSize * scale));
    QApplication::setFont(font);
    QApplication::setPalette(withVisibleControls(QApplication::palette()));
}

QRect scaled(const QRect &rect)
{
    const auto at = [](int coordinate) { return qRound(coordinate * appliedScale); };
    return QRect(QPoint(at(rect.left()), at(rect.top())),
                 QPoint(at(rect.right() + 1) - 1, at(rect.bottom() + 1) - 1));
}

QSize scaled(const QSize &size)
{
    return scaled(QRect(QPoint(), size)).size();
}
