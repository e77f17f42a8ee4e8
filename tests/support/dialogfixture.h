#pragma once

#include "dialog/mirlocl.h"
#include "store/optionsfile.h"

#include "filehelpers.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>

// A project directory with the two files, the store and the dialog on top.
class DialogFixture
{
public:
    QString optionsPath() const { return m_dir.filePath(QStringLiteral("proj.opt")); }
    QString activationPath() const { return optionsPath() + QStringLiteral("_act"); }
    QString directory() const { return m_dir.path(); }

    // Writes the files that are given, then opens the dialog as main() does.
    void open(const std::optional<QByteArray> &options, const std::optional<QByteArray> &active,
              Language language = Language::C)
    {
        if (options)
            writeBytes(optionsPath(), *options);
        if (active)
            writeBytes(activationPath(), *active);
        store = std::make_unique<OptionsFile>(optionsPath());
        dialog = std::make_unique<MirloCL>(*store, language);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }

    template <typename Widget = QWidget>
    Widget *widget(const QString &name) const
    {
        auto *found = dialog->findChild<Widget *>(name);
        if (!found)
            qFatal("no widget %s", qPrintable(name));
        return found;
    }

    // Check boxes and radio buttons react only to clicks on their indicator
    // or label, so click near the left edge rather than the middle.
    void click(const QString &name) const
    {
        auto *button = widget<QAbstractButton>(name);
        const bool isPushButton = button->inherits("QPushButton");
        const QPoint at = isPushButton ? button->rect().center()
                                       : QPoint(7, button->height() / 2);
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    }

    void type(const QString &name, const QString &text) const
    {
        auto *edit = widget<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        // keyClicks() takes Latin-1 only; other characters arrive as key
        // events that carry just their text, as an input method sends them.
        for (const QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(edit, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    QByteArray options() const { return readBytes(optionsPath()); }
    QByteArray active() const { return readBytes(activationPath()); }

    std::unique_ptr<OptionsFile> store;
    std::unique_ptr<MirloCL> dialog;

private:
    QTemporaryDir m_dir;
};

// Runs `act` inside the application's event loop and tells whether the loop
// was quit (with exit code 0) rather than stopped by the watchdog.
template <typename Action>
bool quitsEventLoop(Action act)
{
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(3000);
    QTimer::singleShot(0, act);
    return QCoreApplication::exec() == 0;
}
