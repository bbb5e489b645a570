#include "fonts.h"

#include <QStringList>

namespace tempidex {

QFont SansSerifFont(qreal pointSize, QFont::Weight weight) {
    QFont font;
    // Qt takes the first family it has. Windows has the original face's scalable successor,
    // with its widths; elsewhere a face with Arial's metrics stands in (Debian:
    // fonts-liberation2, or Nimbus Sans from fonts-urw-base35). The original "MS Sans Serif"
    // is never asked for: its sizes are drawn pixel by pixel, and Qt places its letters at
    // the widths of another size than it draws ("Tem pidex", "softw are"). A family that is
    // missing costs a fontconfig fallback search at start-up, so the Windows face is asked
    // for only there.
    font.setFamilies({
#ifdef Q_OS_WIN
        QStringLiteral("Microsoft Sans Serif"),
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

void ChooseFontEngine() {
#ifdef Q_OS_WIN
    // Windows' own engines place the letters of these small sizes at the widths of one size
    // and draw them at another's ("Tem pidex", "softw are"). FreeType, which draws them on
    // Linux, places and draws them alike, at the widths the layout was drawn for. A platform
    // chosen by the user (-platform, QT_QPA_PLATFORM) is left alone.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif
}

} // namespace tempidex
