// Writes the window icon as a PNG file, so that the desktop icon is the very
// picture the dialog shows. Usage: iconexport FILE.png
#include "icons.h"

#include <QGuiApplication>
#include <QPixmap>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2)
        return 2;
    return windowIconPixmap().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
