// The fonts of the two windows. Their layout was drawn for "MS Sans Serif", which Linux
// lacks; the faces that stand in for it share Arial's proportions, so every text still fits
// the box it was drawn for.
#pragma once

#include <QFont>

namespace tempidex {

// What a control without a font of its own uses.
inline constexpr qreal WindowFontPointSize = 8.0;

QFont SansSerifFont(qreal pointSize, QFont::Weight weight = QFont::Normal);

} // namespace tempidex
