// Every control stays visible in the user's palette: its text stands out
// from its background, greyed text too, and its edges from the window.
#include "dialog/contrast.h"
#include "dialog/dialoglook.h"

#include "dialogfixture.h"
#include "recordingprompter.h"

#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QStyleOption>
#include <QTest>

namespace {

// The most frequent colour in `area`: the background there.
QRgb backgroundOf(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    return std::max_element(counts.begin(), counts.end()).key();
}

// How far the most distinct pixel of `area` stands out from `background`.
double strongestContrast(const QImage &image, const QRect &area, QRgb background)
{
    double strongest = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            strongest = qMax(strongest, contrastRatio(image.pixel(x, y), background));
    return strongest;
}

QRect styleRect(QWidget *button, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(button);
    return button->style()->subElementRect(element, &option, button);
}

} // namespace

class tst_Contrast : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsStandOut_data();
    void controlsStandOut();
    void rulesHoldAtTheirBounds_data();
    void rulesHoldAtTheirBounds();
    void chosenStyleIsKept_data();
    void chosenStyleIsKept();
};

void tst_Contrast::controlsStandOut_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<bool>("wholeOutlines"); // on a dark or a white window
    QTest::newRow("default") << QPalette() << false;
    QTest::newRow("dark") << QPalette(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35)) << true;
    // Every edge black, as a KDE high-contrast scheme gives them.
    QTest::newRow("black-high-contrast") << QPalette(Qt::white, Qt::black, Qt::black, Qt::black, Qt::black, Qt::white,
                                                     Qt::white, Qt::black, Qt::black) << true;
    QTest::newRow("white-high-contrast") << QPalette(Qt::white, Qt::white) << true;
}

void tst_Contrast::controlsStandOut()
{
    QFETCH(QPalette, palette);
    QFETCH(bool, wholeOutlines);
    QApplication::setPalette(palette);
    applyFixedLayoutLook();
    RecordingPrompter boxes;
    for (const bool enabled : {true, false}) {
        DialogFixture f;
        f.open(QByteArray("-proc -Dtext"), QByteArray(enabled ? "1" : "0"));
        const QImage shot = f.dialog->grab().toImage();
        const QRgb window = f.dialog->palette().color(QPalette::Window).rgb();
        // Text against the background around it; edges against the window.
        const auto check = [&](const char *name, QRect rect, bool isText) {
            QWidget *widget = f.widget(name);
            rect.translate(widget->mapTo(f.dialog.get(), QPoint()));
            const double ratio = strongestContrast(shot, rect, isText ? backgroundOf(shot, rect) : window);
            const double wanted = isText && enabled ? 4.5 : 3.0;
            QVERIFY2(ratio >= wanted, qPrintable(QStringLiteral("%1 %2 %3: %4:1").arg(name).arg(isText).arg(enabled).arg(ratio)));
        };
        check("cbRuntimeTrace", styleRect(f.widget("cbRuntimeTrace"), QStyle::SE_CheckBoxContents), true);
        check("rbFunctions_none", styleRect(f.widget("rbFunctions_none"), QStyle::SE_RadioButtonContents), true);
        check("txtOther", f.widget("txtOther")->rect().adjusted(3, 3, -3, -3), true);
        check("txtFunctionDump", f.widget("txtFunctionDump")->rect().adjusted(3, 3, -3, -3), true); // its placeholder
        check("cbRuntimeTrace", styleRect(f.widget("cbRuntimeTrace"), QStyle::SE_CheckBoxIndicator), false);
        check("rbFunctions_none", styleRect(f.widget("rbFunctions_none"), QStyle::SE_RadioButtonIndicator), false);
        // Each side of the outline, the light edges' too, greyed or not.
        const auto outline = [&](const char *name, const QRect &rect) {
            const QRect middle = rect.adjusted(3, 3, -3, -3); // the sides without the corners
            for (const QRect &side : {QRect(middle.left(), rect.top(), middle.width(), 3),
                                      QRect(middle.left(), rect.bottom() - 2, middle.width(), 3),
                                      QRect(rect.left(), middle.top(), 3, middle.height()),
                                      QRect(rect.right() - 2, middle.top(), 3, middle.height())})
                check(name, side, false);
        };
        if (wholeOutlines) {
            outline("cbRuntimeTrace", styleRect(f.widget("cbRuntimeTrace"), QStyle::SE_CheckBoxIndicator));
            outline("txtOther", f.widget("txtOther")->rect());
            outline("btStaticFileDirectory", f.widget("btStaticFileDirectory")->rect());
        }
        if (!enabled)
            continue;
        check("btApply", f.widget("btApply")->rect(), false);
        check("btApply", f.widget("btApply")->rect().adjusted(4, 4, -4, -4), true);
        check("gbOther", QRect(0, 20, 2, 10), false); // the frame's left side
    }
}

// Enabled text needs 4.5:1, greyed text 3:1 and no more; light edges stand
// out on a window darker than 0.18 luminance, and take the dark edge's
// colour on one lighter than 0.9.
void tst_Contrast::rulesHoldAtTheirBounds_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("text");
    QTest::addColumn<QString>("lightEdge");
    QTest::newRow("text-between-greyed-and-enabled-ratios") << 255 << 130 << "dark";
    QTest::newRow("window-just-dark-enough-to-raise-light-edges") << 117 << 255 << "raised";
    QTest::newRow("window-just-too-light-to-raise-light-edges") << 118 << 0 << "kept";
    QTest::newRow("window-just-too-dark-for-dark-light-edges") << 243 << 0 << "kept";
    QTest::newRow("window-just-light-enough-for-dark-light-edges") << 244 << 0 << "dark";
}

void tst_Contrast::rulesHoldAtTheirBounds()
{
    QFETCH(int, window);
    QFETCH(int, text);
    QFETCH(QString, lightEdge);
    const QColor background(window, window, window), foreground(text, text, text);
    QPalette palette(foreground, background, background, foreground, foreground, foreground, foreground, background, background);
    const QPalette result = withVisibleControls(palette);

    QVERIFY(contrastRatio(result.color(QPalette::Active, QPalette::WindowText), background) >= 4.5);
    QCOMPARE(result.color(QPalette::Disabled, QPalette::WindowText), foreground);
    const QColor light = result.color(QPalette::Active, QPalette::Light);
    if (lightEdge == "raised")
        QVERIFY(contrastRatio(light, background) >= 3.0);
    else
        QCOMPARE(light, lightEdge == "kept" ? background : result.color(QPalette::Active, QPalette::Dark));
}

void tst_Contrast::chosenStyleIsKept_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QByteArray>("override");
    QTest::addColumn<bool>("chosen");
    QTest::newRow("none") << QByteArrayList{"-c++", "proj.opt"} << QByteArray() << false;
    QTest::newRow("style-argument") << QByteArrayList{"-style", "fusion", "proj.opt"} << QByteArray() << true;
    QTest::newRow("environment") << QByteArrayList{"proj.opt"} << QByteArray("fusion") << true;
}

void tst_Contrast::chosenStyleIsKept()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(QByteArray, override);
    QFETCH(bool, chosen);
    qputenv("QT_STYLE_OVERRIDE", override);
    std::vector<const char *> argv = {"vimbracl"};
    for (const QByteArray &argument : arguments)
        argv.push_back(argument.constData());
    QCOMPARE(styleChosenByUser(int(argv.size()), argv.data()), chosen);
    qunsetenv("QT_STYLE_OVERRIDE");
}

QTEST_MAIN(tst_Contrast)
#include "tst_contrast.moc"
