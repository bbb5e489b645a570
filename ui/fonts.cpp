#include "fonts.h"

#include <QStringList>

namespace tempidex {

QFont SansSerifFont(qreal pointSize, QFont::Weight weight) {
    QFont font;
    // Qt takes the first family it has. Windows has the original face, whose 8.25, 9.75 and
    // 12 point sizes are drawn pixel by pixel, and its scalable successor; elsewhere a face
    // with Arial's metrics stands in (Debian: fonts-liberation2, or Nimbus Sans from
    // fonts-urw-base35). A family that is missing costs a fontconfig fallback search at
    // start-up, so the Windows faces are asked for only there.
    font.setFamilies({
#ifdef Q_OS_WIN
        QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
#endif
        QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("Arial"),
        QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    // The boxes were drawn for the faces' own widths. Fully hinted, as Windows renders an
    // outline face by default, every letter's advance is rounded up to a whole pixel and
    // "a. d. bis VI" grows by three pixels, past its list's edit field; hinted vertically
    // only, as Linux desktops render, the widths stay as drawn.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

} // namespace tempidex
