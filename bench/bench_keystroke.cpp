// One keystroke in the Other Options field, from the key event to the end
// of the field's repaint, for a short line and for 10,000 other options.
// Usage: bench_keystroke [KEYSTROKES]
#include "benchlines.h"

#include "dialog/dialoglook.h"
#include "dialog/mirlocl.h"
#include "store/optionsfile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void press(QWidget *target, int key, const QString &text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QApplication::sendEvent(target, &up);
}

double medianKeystroke(const QByteArray &line, int keystrokes)
{
    QTemporaryDir project;
    const QString path = project.filePath(QStringLiteral("proj.opt"));
    QFile options(path);
    QFile activation(path + QStringLiteral("_act"));
    if (!options.open(QIODevice::WriteOnly) || options.write(line) != line.size()
        || !activation.open(QIODevice::WriteOnly) || activation.write("1") != 1)
        std::exit(1);
    options.close();
    activation.close();

    OptionsFile store(path);
    MirloCL dialog(store, Language::CPlusPlus);
    dialog.show();
    auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("txtOther"));
    field->setFocus();
    field->end(false);
    QApplication::processEvents();

    std::vector<double> times;
    for (int i = 0; i < keystrokes; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (i % 2 == 0)
            press(field, Qt::Key_X, QStringLiteral("x"));
        else
            press(field, Qt::Key_Backspace, QString());
        field->repaint();
        QApplication::processEvents();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    applyFixedLayoutLook();
    const int keystrokes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 51;

    std::printf("one keystroke in txtOther, key event to end of repaint, median of %d (%s)\n",
                keystrokes, qPrintable(QApplication::platformName()));
    for (const int options : {0, 10000}) {
        const QByteArray line = lineWithOptions(options);
        std::printf("  %7d bytes   %8.2f ms\n", int(line.size()), medianKeystroke(line, keystrokes));
    }
    return 0;
}
