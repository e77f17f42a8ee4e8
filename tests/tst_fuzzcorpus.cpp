// Replays every input kept for the fuzz target, seeds and past findings.
#include "optionlinecheck.h"

#include "filehelpers.h"

#include <QTemporaryDir>
#include <QTest>

class tst_FuzzCorpus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replay_data();
    void replay();
};

void tst_FuzzCorpus::replay_data()
{
    QTest::addColumn<QString>("path");
    const QDir corpus(QStringLiteral(FUZZ_CORPUS));
    const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
    QVERIFY(!names.isEmpty());
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << corpus.filePath(name);
}

void tst_FuzzCorpus::replay()
{
    QFETCH(QString, path);
    QTemporaryDir directory;
    const QString problem = checkOptionLineRoundTrip(readBytes(path), directory.path());
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

QTEST_GUILESS_MAIN(tst_FuzzCorpus)
#include "tst_fuzzcorpus.moc"
