#pragma once

#include <QColor>
#include <QPalette>

// WCAG's contrast ratio of two colours, from 1 (the same) to 21.
double contrastRatio(const QColor &first, const QColor &second);

// The palette with what the dialog's controls are drawn with made visible:
// text at least 4.5:1 against its background, greyed text at least 3:1, and
// the edges of check boxes, radio buttons, fields, buttons and frames at
// least 3:1 against the window. A role that is visible enough stays as the
// user's palette has it, so the change is the least that reaches the figure.
QPalette withVisibleControls(QPalette palette);
