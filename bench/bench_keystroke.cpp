// One keystroke in the Other Options field, from the key event to the end
// of the field's repaint, for a short line and for 10,000 other options,
// beside the same keystroke in a bare QLineEdit of the field's font, style,
// width and text: what the dialog adds to Qt's own cost.
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

// One keystroke, alternately a letter and a backspace, from the key event
// to the end of the field's repaint.
double keystroke(QLineEdit *field, int i)
{
    QElapsedTimer timer;
    timer.start();
    if (i % 2 == 0)
        press(field, Qt::Key_X, QStringLiteral("x"));
    else
        press(field, Qt::Key_Backspace, QString());
    field->repaint();
    QApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct Figures
{
    double dialog;
    double bare;
};

// The keystrokes alternate between the dialog's field and a bare top-level
// QLineEdit of the same font, style, width and text, so that both meet the
// same state of the machine and the X server.
Figures measure(const QByteArray &line, int keystrokes)
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
    QLineEdit bare;
    bare.setMaxLength(field->maxLength());
    bare.setFont(field->font());
    bare.resize(field->size());
    bare.setText(field->text());
    bare.show();
    for (QLineEdit *edit : {field, &bare})
        edit->end(false);
    QApplication::processEvents();

    std::vector<double> inDialog;
    std::vector<double> alone;
    for (int i = 0; i < keystrokes; ++i) {
        inDialog.push_back(keystroke(field, i));
        alone.push_back(keystroke(&bare, i));
    }
    return {median(inDialog), median(alone)};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    applyFixedLayoutLook();
    const int keystrokes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 51;

    std::printf("one keystroke in txtOther, key event to end of repaint, median of %d (%s)\n",
                keystrokes, qPrintable(QApplication::platformName()));
    std::printf("  %13s %12s %12s %8s\n", "line", "dialog", "bare edit", "ratio");
    for (const int options : {0, 10000}) {
        const QByteArray line = lineWithOptions(options);
        const Figures figures = measure(line, keystrokes);
        std::printf("  %7d bytes %9.2f ms %9.2f ms %8.2f\n", int(line.size()), figures.dialog,
                    figures.bare, figures.dialog / figures.bare);
    }
    return 0;
}
