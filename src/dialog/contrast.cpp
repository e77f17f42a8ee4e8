#include "dialog/contrast.h"

#include <QtMath>

namespace {

// WCAG's 4.5:1, 3:1 and 3:1 as drawn: a little more, as anti-aliasing pales
// thin strokes and round edges.
constexpr double textRatio = 4.7;
constexpr double greyedTextRatio = 3.2;
constexpr double outlineRatio = 3.2;

double linear(int channel)
{
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : qPow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto channel = [share](int a, int b) { return qRound(a + (b - a) * share); };
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

// Black or white, whichever stands out more.
QColor extremeAgainst(const QColor &background)
{
    return contrastRatio(Qt::black, background) >= contrastRatio(Qt::white, background)
            ? QColor(Qt::black)
            : QColor(Qt::white);
}

// The first colour on the way from the background to `target` that stands
// out by `ratio`; past `target`, on towards black or white.
QColor reaching(const QColor &background, QColor target, double ratio)
{
    if (contrastRatio(target, background) < ratio)
        target = extremeAgainst(background);
    constexpr int steps = 64;
    for (int step = 1; step < steps; ++step) {
        const QColor candidate = mixed(background, target, double(step) / steps);
        if (contrastRatio(candidate, background) >= ratio)
            return candidate;
    }
    return target;
}

// A translucent colour as it shows over `background`.
QColor shownOver(const QColor &colour, const QColor &background)
{
    return mixed(background, colour, colour.alphaF());
}

void ensure(QPalette &palette, QPalette::ColorGroup group, QPalette::ColorRole role,
            QPalette::ColorRole against, const QColor &towards, double ratio)
{
    const QColor background = palette.color(group, against);
    if (contrastRatio(shownOver(palette.color(group, role), background), background) < ratio)
        palette.setColor(group, role, reaching(background, towards, ratio));
}

const std::pair<QPalette::ColorRole, QPalette::ColorRole> textRoles[] = {
    {QPalette::WindowText, QPalette::Window},
    {QPalette::Text, QPalette::Base},
    {QPalette::ButtonText, QPalette::Button},
    // What an empty field wants ("Function name") is text to read, too.
    {QPalette::PlaceholderText, QPalette::Base},
};

// Greyed text stays between the background and the text, readable.
void makeTextVisible(QPalette &palette, QPalette::ColorGroup group)
{
    const bool greyed = group == QPalette::Disabled;
    for (const auto &[text, background] : textRoles)
        ensure(palette, group, text, background, palette.color(QPalette::Active, text),
               greyed ? greyedTextRatio : textRatio);
}

// The shaded edges of every sunken field and indicator, the lower edges of
// buttons, and frame lines.
void makeEdgesVisible(QPalette &palette, QPalette::ColorGroup group)
{
    const QColor text = palette.color(QPalette::Active, QPalette::WindowText);
    for (const QPalette::ColorRole edge : {QPalette::Dark, QPalette::Shadow})
        ensure(palette, group, edge, QPalette::Window, text, outlineRatio);
    // Greyed controls too, which the program's style draws without etching
    // their text in the light edge's colour.
    const double window = luminance(palette.color(group, QPalette::Window));
    // On a dark window the light edges can stand out too, as a bevel.
    if (window < 0.18) {
        for (const QPalette::ColorRole edge : {QPalette::Light, QPalette::Midlight})
            ensure(palette, group, edge, QPalette::Window, text, outlineRatio);
    }
    // On a white window no light edge can show: it takes the dark edge's
    // colour, so that fields and indicators are outlined all round.
    if (window > 0.9) {
        palette.setColor(group, QPalette::Light, palette.color(group, QPalette::Dark));
        palette.setColor(group, QPalette::Midlight, palette.color(group, QPalette::Dark));
    }
}

} // namespace

double contrastRatio(const QColor &first, const QColor &second)
{
    const double one = luminance(first);
    const double other = luminance(second);
    return (qMax(one, other) + 0.05) / (qMin(one, other) + 0.05);
}

QPalette withVisibleControls(QPalette palette)
{
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        makeTextVisible(palette, group);
        makeEdgesVisible(palette, group);
    }
    return palette;
}
