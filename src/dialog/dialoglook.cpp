#include "dialog/dialoglook.h"

#include "dialog/contrast.h"

#include <QApplication>
#include <QFont>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace {

// The Windows style, with a group title that would run past its frame's
// right corner moved left into the frame's indent, as far as the frame
// allows, instead of being cut.
class FixedLayoutStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

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
};

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

void applyFixedLayoutLook(bool keepChosenStyle)
{
    if (!keepChosenStyle) {
        if (QStyle *windows = QStyleFactory::create(QStringLiteral("Windows")))
            QApplication::setStyle(new FixedLayoutStyle(windows));
    }
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
    QApplication::setPalette(withVisibleControls(QApplication::palette()));
}
