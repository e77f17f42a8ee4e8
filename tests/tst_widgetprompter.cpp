// The real boxes that every other suite replaces with a recording prompter.
#include "app/widgetprompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class tst_WidgetPrompter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void questionShowsItsDetailsAndReturnSaysNo();
};

// The lines that tell the user what the save would replace are shown with
// the question, not behind a button; Return keeps the file as it is.
void tst_WidgetPrompter::questionShowsItsDetailsAndReturnSaysNo()
{
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        shown = box->text() + u'|' + box->informativeText();
        QTest::keyClick(box, Qt::Key_Return);
    });
    WidgetPrompter prompter;
    QVERIFY(!prompter.confirm("Warning", "Overwrite it?", "Now in the file: a\nTo be written: b"));
    QCOMPARE(shown, QString("Overwrite it?|Now in the file: a\nTo be written: b"));
}

QTEST_MAIN(tst_WidgetPrompter)
#include "tst_widgetprompter.moc"
