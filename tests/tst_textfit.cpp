// Every text of the fixed layout fits its rectangle, in English and in every
// shipped translation, at the program's own style and font.
#include "dialog/accesskeys.h"
#include "dialog/dialoglook.h"
#include "dialog/mirlocl.h"
#include "store/optionsfile.h"

#include "recordingprompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

// What a push button needs: its text and icon, the style's button margin
// and frame; its minimum width is the style's taste, not a need.
int pushButtonNeed(const QPushButton *button)
{
    const QStyle *style = button->style();
    int contents = button->fontMetrics().horizontalAdvance(withoutAccessKey(button->text()));
    if (!button->icon().isNull())
        contents += button->iconSize().width() + 4;
    return contents + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
            + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
}

// Where the style puts a group's title, which must end inside its frame.
int titleEnd(const QGroupBox *box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box)
            .right();
}

// The widgets whose text does not fit, with what they need.
QStringList clippedTexts(const QWidget *dialog)
{
    QStringList clipped;
    const auto check = [&clipped](const QWidget *widget, const QString &text, int need, int room) {
        if (need > room)
            clipped.append(QStringLiteral("%1 \"%2\": %3 > %4")
                                   .arg(widget->objectName(), text)
                                   .arg(need)
                                   .arg(room));
    };
    for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
        const auto *push = qobject_cast<const QPushButton *>(button);
        check(button, button->text(), push ? pushButtonNeed(push) : button->sizeHint().width(),
              button->width());
    }
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        check(label, label->text(), label->fontMetrics().horizontalAdvance(withoutAccessKey(label->text())),
              label->width());
    for (const QGroupBox *box : dialog->findChildren<QGroupBox *>())
        check(box, box->title(), titleEnd(box), box->width() - 2);
    return clipped;
}

} // namespace

class tst_TextFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyTextFits_data();
    void everyTextFits();
};

void tst_TextFit::initTestCase()
{
    applyFixedLayoutLook();
}

void tst_TextFit::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QString();
    for (const QString &file : QDir(QStringLiteral(VIMBRACL_QM_DIR)).entryList({"*.qm"}))
        QTest::newRow(qPrintable(file)) << file;
}

void tst_TextFit::everyTextFits()
{
    QFETCH(QString, language);
    QTranslator translator;
    if (!language.isEmpty()) {
        QVERIFY(translator.load(language, QStringLiteral(VIMBRACL_QM_DIR)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }
    QTemporaryDir project;
    RecordingPrompter boxes;
    OptionsFile store(project.filePath(QStringLiteral("proj.opt")));
    for (const bool active : {false, true}) { // both texts of the Disable/Enable button
        store.setActive(active);
        store.save();
        MirloCL dialog(store, Language::C);
        const QStringList clipped = clippedTexts(&dialog);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(tst_TextFit)
#include "tst_textfit.moc"
