// The fonts of the two windows. Their layout was drawn for "MS Sans Serif": Windows has its
// scalable successor, "Microsoft Sans Serif", and Linux faces with Arial's proportions stand
// in for it, so every text still fits the box it was drawn for. On both FreeType draws them.
#pragma once

#include <QFont>

namespace tempidex {

// What a control without a font of its own uses.
inline constexpr qreal WindowFontPointSize = 8.0;

QFont SansSerifFont(qreal pointSize, QFont::Weight weight = QFont::Normal);

// Before the application is made: the engine that draws the fonts, where there is a choice.
void ChooseFontEngine();

} // namespace tempidex
