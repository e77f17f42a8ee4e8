#include "app/program.h"
#include "dialog/accesskeys.h"
#include "dialog/mirlocl.h"
#include "i18n/i18nutil.h"
#include "messages/messages.h"
#include "store/optionsfile.h"

#include "accessiblenames.h"
#include "filehelpers.h"
#include "recordingprompter.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

class tst_I18n : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startRefusedWithoutInstallation_data();
    void startRefusedWithoutInstallation();
    void startRefusedForNamesThatNameNoFile_data();
    void startRefusedForNamesThatNameNoFile();
    void loadsTheLocalesFile_data();
    void loadsTheLocalesFile();
    void frenchReachesDialogAndBoxes();

private:
    // An installation whose lib/locale holds the translations the build made.
    void makeInstallation();

    std::unique_ptr<QTemporaryDir> m_installation;
    std::unique_ptr<QTemporaryDir> m_project;
};

void tst_I18n::init()
{
    m_installation = std::make_unique<QTemporaryDir>();
    m_project = std::make_unique<QTemporaryDir>();
}

void tst_I18n::cleanup()
{
    qDeleteAll(qApp->findChildren<QTranslator *>());
    qunsetenv("VIMBRADIR");
}

void tst_I18n::makeInstallation()
{
    const QString locale = translationDirectory(m_installation->path());
    QVERIFY(QDir().mkpath(locale));
    for (const QString &name : QDir(QStringLiteral(VIMBRACL_QM_DIR)).entryList({"*.qm"}))
        QVERIFY(QFile::copy(QStringLiteral(VIMBRACL_QM_DIR "/") + name, locale + '/' + name));
    qputenv("VIMBRADIR", m_installation->path().toLocal8Bit());
}

void tst_I18n::startRefusedWithoutInstallation_data()
{
    QTest::addColumn<QByteArray>("vimbradir");
    QTest::addColumn<QString>("text");

    QTest::newRow("unset") << QByteArray() << "Fatal Error: please setup VIMBRADIR environment variable.\n";
    QTest::newRow("empty") << QByteArray("") << "Fatal Error: please setup VIMBRADIR environment variable.\n";
    QTest::newRow("no-lib-locale") << QByteArray("INSTALLATION")
                                   << "Fatal Error: directory doesn't exist 'INSTALLATION/lib/locale'\n";
#ifndef Q_OS_WIN // whose environment is UTF-16, so every name decodes
    QTest::newRow("undecodable") << QByteArray("INSTALLATION\xff")
                                 << "Fatal Error: VIMBRADIR is not valid in the system's character "
                                    "encoding 'INSTALLATION\uFFFD'\n";
#endif
}

void tst_I18n::startRefusedWithoutInstallation()
{
    QFETCH(QByteArray, vimbradir);
    QFETCH(QString, text);
    const QString installation = m_installation->path();
    if (vimbradir.isNull())
        qunsetenv("VIMBRADIR");
    else
        qputenv("VIMBRADIR", vimbradir.replace("INSTALLATION", installation.toLocal8Bit()));

    RecordingPrompter boxes;
    const int exitCode = runDialog(*qApp, {{"-c++", "proj.opt"}, m_project->path(), {}});

    QCOMPARE(exitCode, -1);
    QCOMPARE(boxes.messages.size(), 1);
    QCOMPARE(boxes.messages[0].severity, Prompter::Severity::Warning);
    QCOMPARE(boxes.messages[0].caption, QString("Warning"));
    QCOMPARE(boxes.messages[0].text, text.replace("INSTALLATION", installation));
    QCOMPARE(entriesOf(m_project->path()), QStringList());
    QVERIFY(qApp->findChildren<QTranslator *>().isEmpty());
}

void tst_I18n::startRefusedForNamesThatNameNoFile_data()
{
    QTest::addColumn<QByteArray>("argument");
    QTest::addColumn<bool>("workingDirectoryGone");
    QTest::addColumn<QString>("text");

    QTest::newRow("undecodable-file-name")
            << QByteArray("proj\xff.opt") << false
            << "Error in Command Line : the file name \"proj\uFFFD.opt\" is not valid in the "
               "system's character encoding";
    QTest::newRow("working-directory-gone")
            << QByteArray("proj.opt") << true
            << "Error in Command Line : the current directory cannot be found, so the relative "
               "file name \"proj.opt\" cannot be used";
}

void tst_I18n::startRefusedForNamesThatNameNoFile()
{
#ifdef Q_OS_WIN
    QSKIP("Windows' command line is UTF-16, so every name decodes, and Windows keeps a process's directory");
#endif
    QFETCH(QByteArray, argument);
    QFETCH(bool, workingDirectoryGone);
    QFETCH(QString, text);
    makeInstallation();
    const QDir before = QDir::current();
    QTemporaryDir gone;
    QVERIFY(QDir::setCurrent(workingDirectoryGone ? gone.path() : m_project->path()));
    gone.remove();
    char program[] = "vimbracl";
    char *argv[] = {program, argument.data()};
    const ProgramInput input = programInput(2, argv);
    QDir::setCurrent(before.path());

    RecordingPrompter boxes;
    QCOMPARE(runDialog(*qApp, input), -1);
    QCOMPARE(boxes.texts(), QStringList{text});
    QCOMPARE(boxes.messages[0].severity, Prompter::Severity::Error);
    QCOMPARE(entriesOf(m_project->path()), QStringList());
}

void tst_I18n::loadsTheLocalesFile_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("qtCancel"); // Qt's own button text

    QTest::newRow("fr_FR-falls-back-to-fr") << "fr_FR" << "Erreur" << "Annuler";
    QTest::newRow("fr_CA-falls-back-to-fr") << "fr_CA" << "Erreur" << "Annuler";
    QTest::newRow("de_DE") << "de_DE" << "Fehler" << "Abbrechen";
    QTest::newRow("no-file-of-ours-for-es_ES") << "es_ES" << "Error" << "Cancelar";
    QTest::newRow("C-locale") << "C" << "Error" << "Cancel";
}

void tst_I18n::loadsTheLocalesFile()
{
    QFETCH(QString, locale);
    QFETCH(QString, caption);
    QFETCH(QString, qtCancel);
    makeInstallation();

    RecordingPrompter boxes;
    QVERIFY(installTranslators(*qApp, {"Vimbracl_"}, locale));
    showError(QStringLiteral("x"));

    QCOMPARE(boxes.messages.size(), 1);
    QCOMPARE(boxes.messages[0].caption, caption);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtCancel);
}

void tst_I18n::frenchReachesDialogAndBoxes()
{
    makeInstallation();
    QVERIFY(installTranslators(*qApp, {"Vimbracl_"}, "fr_FR"));

    // French typography: non-breaking spaces inside the guillemets.
    QCOMPARE(cannotCreateFileMessage("/p/x.opt"),
             QString::fromUtf8("Impossible de cr\xc3\xa9" "er le fichier \xc2\xab\xc2\xa0/p/x.opt\xc2\xa0\xc2\xbb"));
    QCOMPARE(cannotWriteFileMessage("/p/x.opt"),
             QString::fromUtf8("Impossible d'\xc3\xa9" "crire dans le fichier \xc2\xab\xc2\xa0/p/x.opt\xc2\xa0\xc2\xbb"));

    RecordingPrompter boxes;
    OptionsFile store(m_project->filePath("proj.opt"));
    const MirloCL dialog(store, Language::C);
    QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Configuration de l'analyse d'ex\xc3\xa9" "cution Vimbra"));
    QCOMPARE(withoutAccessKey(dialog.findChild<QPushButton *>("btDisable")->text()), QString("Activer"));
    QCOMPARE(dialog.findChild<QPushButton *>("btCancel")->text(), QString("Annuler"));
    QVERIFY(boxes.messages.isEmpty());

    // A screen reader names every control in French too.
    QCOMPARE(unnamedControls(&dialog), QStringList());
    const QList<std::pair<const char *, QString>> names = {
            {"txtLinkFile", QString::fromUtf8("Fich. lien\xc2\xa0:")},
            {"btLinkFile", QStringLiteral("Choisir un fichier")},
            {"btStaticFileDirectory", QString::fromUtf8("Choisir un r\xc3\xa9pertoire")},
            {"txtFunctionDump", QStringLiteral("Nom de la fonction")},
            {"bgCalls", QStringLiteral("Appels (C/Ada)")},
    };
    for (const auto &[widget, name] : names)
        QCOMPARE(accessibleName(dialog.findChild<QWidget *>(widget)), name);
}

QTEST_MAIN(tst_I18n)
#include "tst_i18n.moc"
