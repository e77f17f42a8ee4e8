// Every text of the program has a finished entry in every shipped
// translation. The texts are collected afresh with lupdate, so a new tr()
// call without a translation fails here.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Entry
{
    QString key; // context, source and disambiguation
    bool finished = false;
};

QList<Entry> readEntries(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QXmlStreamReader xml(&file);
    QList<Entry> entries;
    QString context, source, comment;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            source.clear();
            comment.clear();
        } else if (name == u"source") {
            source = xml.readElementText();
        } else if (name == u"comment") {
            comment = xml.readElementText();
        } else if (name == u"translation") {
            const bool marked = xml.attributes().hasAttribute("type");
            const QString text = xml.readElementText();
            entries.append({context + " | " + source + " | " + comment, !marked && !text.isEmpty()});
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return entries;
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();

private:
    QTemporaryDir m_dir;
    QSet<QString> m_programTexts;
};

void tst_Translations::initTestCase()
{
    const QString fresh = m_dir.filePath("fresh.ts");
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE_EXECUTABLE),
                  {"-silent", "-no-obsolete", "-locations", "none", QStringLiteral(PROGRAM_SOURCES),
                   "-ts", fresh});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    for (const Entry &entry : readEntries(fresh))
        m_programTexts.insert(entry.key);
    QVERIFY(m_programTexts.size() > 40);
}

void tst_Translations::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &name : QDir(TRANSLATIONS_DIR).entryList({"*.ts"}))
        QTest::newRow(qPrintable(name)) << QStringLiteral(TRANSLATIONS_DIR "/") + name;
}

void tst_Translations::everyTextIsTranslated()
{
    QFETCH(QString, path);
    QSet<QString> shipped;
    QStringList unfinished;
    for (const Entry &entry : readEntries(path)) {
        shipped.insert(entry.key);
        if (!entry.finished)
            unfinished.append(entry.key);
    }
    QStringList missing = (m_programTexts - shipped).values();
    missing.sort();
    QVERIFY2(missing.isEmpty(), qPrintable("no entry for: " + missing.join("; ")));
    QVERIFY2(unfinished.isEmpty(), qPrintable("unfinished: " + unfinished.join("; ")));
    QVERIFY2(!shipped.contains("Vimbracl message | Unable to create the file \"%1\" | "),
             "the file messages are keyed with their disambiguation");
}

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_translations.moc"
