// A bare dialog of the same size, look and widget mix as the setup dialog
// (12 frames, 20 radio buttons, 5 check boxes, 6 push buttons, 4 line edits,
// 1 label), with no files, translations or logic, quitting after its first
// paint: the yardstick for start-up.
#include "firstpaintquitter.h"

#include "dialog/dialoglook.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <typename Widget>
Widget *add(QWidget *parent, const QRect &geometry, const QString &text = {})
{
    auto *widget = new Widget(parent);
    widget->setGeometry(geometry);
    if constexpr (!std::is_same_v<Widget, QLineEdit>)
        widget->setText(text);
    return widget;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    applyFixedLayoutLook();
    FirstPaintQuitter quitter;
    application.installEventFilter(&quitter);

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    dialog.setFixedSize(590, 456);
    // Every widget visible: twelve frames, the 25 toggles spread over them,
    // then the push buttons, line edits and label below.
    QList<QGroupBox *> frames;
    for (int i = 0; i < 12; ++i) {
        auto *frame = new QGroupBox(QStringLiteral("Frame %1").arg(i), &dialog);
        frame->setGeometry(5 + (i % 4) * 146, 5 + (i / 4) * 115, 140, 110);
        frames.append(frame);
    }
    for (int i = 0; i < 25; ++i) {
        const QRect geometry(10, 20 + (i / 12) * 22, 120, 18);
        const QString text = QStringLiteral("Toggle %1").arg(i);
        if (i < 20)
            add<QRadioButton>(frames.at(i % 12), geometry, text);
        else
            add<QCheckBox>(frames.at(i % 12), geometry, text);
    }
    for (int i = 0; i < 6; ++i)
        add<QPushButton>(&dialog, {10 + i * 95, 352, 90, 30}, QStringLiteral("Button %1").arg(i));
    for (int i = 0; i < 4; ++i)
        add<QLineEdit>(&dialog, {10 + i * 145, 392, 140, 20});
    add<QLabel>(&dialog, {10, 425, 200, 18}, QStringLiteral("Label"));
    dialog.show();
    return QApplication::exec();
}
