#include "dialog/activationtoggle.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void ActivationToggle::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_On;
    painter.drawControl(QStyle::CE_PushButton, option);
}
