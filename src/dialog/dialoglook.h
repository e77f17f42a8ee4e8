#pragma once

// The dialog places every widget at fixed pixel positions, so it needs a
// style whose group-box titles sit on the frame line and a font of a fixed
// pixel size: with the platform's defaults the titles are clipped.

// Whether the user picked a style (-style on the command line, or
// QT_STYLE_OVERRIDE). Ask before QApplication takes its options out of argv.
bool styleChosenByUser(int argc, const char *const argv[]);

// Sets the style (unless the user chose one), the font, and a palette whose
// text and control edges stand out from their backgrounds.
void applyFixedLayoutLook(bool keepChosenStyle = false);
