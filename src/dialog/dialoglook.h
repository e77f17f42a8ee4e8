#pragma once

// The dialog places every widget at fixed positions, so it needs a style
// whose group-box titles sit on the frame line and a font of a fixed pixel
// size: with the platform's defaults the titles are clipped. The whole
// layout grows with the desktop's text size.

#include <QRect>
#include <QSize>

class QFont;

// Whether the user picked a style (-style on the command line, or
// QT_STYLE_OVERRIDE). Ask before QApplication takes its options out of argv.
bool styleChosenByUser(int argc, const char *const argv[]);

// How much larger than usual the desktop's general font is: its point size
// against the usual 9 points (Qt's and Windows' default), never below 1. A
// size given in pixels says nothing about the user's choice: 1. Points, not
// pixels, so that QT_SCALE_FACTOR and QT_FONT_DPI, which Qt applies to the
// whole program, do not compound with it.
double textScaleFor(const QFont &desktopFont);
double desktopTextScale();

// Sets the style (the Windows style, or the one the user chose) with its
// sizes scaled by `scale`, the font (11 pixels times `scale`), and a palette whose text and
// control edges stand out from their backgrounds.
void applyFixedLayoutLook(bool keepChosenStyle = false, double scale = desktopTextScale());

// A rectangle or size of the fixed layout at the factor the look was
// applied with (1 before).
QRect scaled(const QRect &rect);
QSize scaled(const QSize &size);
