#include "dialog/dialoglook.h"

#include <QApplication>
#include <QFont>
#include <QStyle>
#include <QStyleFactory>

void applyFixedLayoutLook(QApplication &application)
{
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows")))
        application.setStyle(style);
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
}
