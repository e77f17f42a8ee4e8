#pragma once

class QFont;

// The font with a family Qt can draw with. Wine names its message font
// "MS Shell Dlg", which only Windows' font substitutes resolve, and Qt sees
// neither that name nor Wine's own Tahoma: it would take the first family it
// knows instead, which can be a math font whose line height puts a line
// edit's text outside its box. Such a font gets the substitute or the first
// of the usual sans-serif families that Qt finds, drawn so that Wine keeps
// every glyph. A family Qt finds, and any font off Windows, is kept.
QFont withResolvedFamily(QFont font);
