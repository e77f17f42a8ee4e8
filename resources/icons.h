#pragma once

class QPixmap;

// The pictures are XPM data compiled into the program.
QPixmap windowIconPixmap(); // 32 by 32
QPixmap okIconPixmap();     // 16 by 16
QPixmap cancelIconPixmap(); // 16 by 16
