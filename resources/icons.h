#pragma once

class QPixmap;

// The pictures are XPM data compiled into the program.
QPixmap windowIcon(); // 32 by 32
QPixmap okIcon();     // 16 by 16
QPixmap cancelIcon(); // 16 by 16
