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
    void chosenStyleIsKept_data();
    void chosenStyleIsKept();
};

void tst_Contrast::controlsStandOut_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("default") << QPalette();
    QTest::newRow("dark") << QPalette(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    QTest::newRow("black-high-contrast") << QPalette(Qt::black, Qt::black);
    QTest::newRow("white-high-contrast") << QPalette(Qt::white, Qt::white);
}

void tst_Contrast::controlsStandOut()
{
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);
    applyFixedLayoutLook();
    RecordingPrompter boxes;
    for (const QByteArray active : {"1", "0"}) {
        DialogFixture f;
        f.open(QByteArray("-proc -Dtext"), active);
        const bool enabled = active == "1";
        const QImage shot = f.dialog->grab().toImage();
        const QRgb window = f.dialog->palette().color(QPalette::Window).rgb();
        const auto inDialog = [&f](QWidget *widget, const QRect &rect) {
            return rect.translated(widget->mapTo(f.dialog.get(), QPoint()));
        };
        QList<std::pair<QString, double>> measured;
        const auto text = [&](QWidget *widget, const QRect &rect) {
            const QRect area = inDialog(widget, rect);
            measured.append({widget->objectName() + " text",
                             strongestContrast(shot, area, backgroundOf(shot, area))});
        };
        const auto edge = [&](QWidget *widget, const QRect &rect) {
            measured.append({widget->objectName() + " edge",
                             strongestContrast(shot, inDialog(widget, rect), window)});
        };
        auto *check = f.widget("cbRuntimeTrace");
        auto *radio = f.widget("rbFunctions_none");
        auto *field = f.widget("txtOther");
        text(check, styleRect(check, QStyle::SE_CheckBoxContents));
        text(radio, styleRect(radio, QStyle::SE_RadioButtonContents));
        text(field, field->rect().adjusted(3, 3, -3, -3));
        if (enabled) {
            edge(check, styleRect(check, QStyle::SE_CheckBoxIndicator));
            edge(radio, styleRect(radio, QStyle::SE_RadioButtonIndicator));
            edge(field, field->rect());
            edge(f.widget("btApply"), f.widget("btApply")->rect());
            text(f.widget("btApply"), f.widget("btApply")->rect().adjusted(4, 4, -4, -4));
            edge(f.widget("gbOther"), QRect(0, 20, 2, 10)); // the frame's left side
        }
        for (const auto &[what, ratio] : measured)
            QVERIFY2(ratio >= (what.endsWith("text") && enabled ? 4.5 : 3.0),
                     qPrintable(QStringLiteral("%1 %2: %3:1").arg(what, active).arg(ratio)));
    }
}

void tst_Contrast::chosenStyleIsKept_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QByteArray>("override");
    QTest::addColumn<bool>("chosen");
    QTest::newRow("none") << QByteArrayList{"-c++", "proj.opt"} << QByteArray() << false;
    QTest::newRow("style-argument") << QByteArrayList{"-style", "fusion", "proj.opt"} << QByteArray() << true;
    QTest::newRow("style-equals") << QByteArrayList{"--style=fusion", "proj.opt"} << QByteArray() << true;
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
