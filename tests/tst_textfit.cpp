// Every text of the fixed layout fits its rectangle, in English and in every
// shipped translation, at the program's own style and font, at the usual
// desktop text size and larger; every control has its access key.
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
#include <QSet>
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

// The controls that lack an access key, and the keys shared by more than
// one control that had a letter left free; OK, Cancel and the two "..."
// buttons have none.
QStringList controlsWithoutOwnKey(const QWidget *dialog)
{
    QMap<const QWidget *, QString> texts;
    for (const QWidget *widget : dialog->findChildren<QWidget *>()) {
        if (const auto *box = qobject_cast<const QGroupBox *>(widget))
            texts.insert(box, box->title());
        else if (widget->inherits("QAbstractButton") || widget->inherits("QLabel"))
            texts.insert(widget, widget->property("text").toString());
    }
    const auto keyOf = [](const QString &text) {
        const qsizetype at = text.indexOf(u'&');
        return at < 0 ? QChar() : text.at(at + 1).toLower();
    };
    QSet<QChar> keys;
    for (const QString &text : std::as_const(texts))
        keys.insert(keyOf(text));
    QStringList wrong;
    QHash<QChar, int> sharersWithAFreeLetter;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        const bool keyless = QStringList{"btOK", "btCancel", "btLinkFile", "btStaticFileDirectory"}.contains(it.key()->objectName());
        if (keyOf(*it).isNull() != keyless)
            wrong.append(it.key()->objectName() + u' ' + *it);
        const QString letters = withoutAccessKey(*it).toLower();
        if (std::any_of(letters.begin(), letters.end(), [&keys](QChar c) { return c.isLetterOrNumber() && !keys.contains(c); })
            && ++sharersWithAFreeLetter[keyOf(*it)] == 2)
            wrong.append(QStringLiteral("key %1 shared where a letter is free").arg(keyOf(*it)));
    }
    return wrong;
}

} // namespace

class tst_TextFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyTextFits_data();
    void everyTextFits();
};

// The desktop's font sets the scale: 9 points is the usual size.
void tst_TextFit::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("points");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("pixels");
    QStringList languages = QDir(QStringLiteral(VIMBRACL_QM_DIR)).entryList({"Vimbracl_*.qm"});
    languages.prepend(QString());
    for (const QString &language : std::as_const(languages)) {
        const QByteArray name = language.isEmpty() ? QByteArray("en") : language.toUtf8();
        QTest::addRow("%s-9pt", name.constData()) << language << 9.0 << QSize(590, 456) << 11;
        QTest::addRow("%s-13.5pt", name.constData()) << language << 13.5 << QSize(885, 684) << 16;
        QTest::addRow("%s-18pt", name.constData()) << language << 18.0 << QSize(1180, 912) << 22;
    }
}

void tst_TextFit::everyTextFits()
{
    QFETCH(QString, language);
    QFETCH(double, points);
    QFETCH(QSize, size);
    QFETCH(int, pixels);
    QFont desktopFont;
    desktopFont.setPointSizeF(points);
    applyFixedLayoutLook(false, textScaleFor(desktopFont));
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
        QCOMPARE(dialog.size(), size);
        QCOMPARE(dialog.font().pixelSize(), pixels);
        const QStringList clipped = clippedTexts(&dialog);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
        const QStringList unkeyed = controlsWithoutOwnKey(&dialog);
        QVERIFY2(unkeyed.isEmpty(), qPrintable(unkeyed.join(QLatin1Char('\n'))));
    }
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(tst_TextFit)
#include "tst_textfit.moc"
