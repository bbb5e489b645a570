#include "fonts.h"

#include <QStringList>

namespace tempidex {

QFont SansSerifFont(qreal pointSize, QFont::Weight weight) {
    QFont font;
    // Qt takes the first family it has: the original face on Windows, elsewhere a face with
    // Arial's metrics (Debian: fonts-liberation2, or Nimbus Sans from fonts-urw-base35). A
    // family that is missing costs a fontconfig fallback search at start-up, so the original
    // is asked for only where it exists.
    font.setFamilies({
#ifdef Q_OS_WIN
        QStringLiteral("MS Sans Serif"),
#endif
        QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("Arial"),
        QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

} // namespace tempidex
