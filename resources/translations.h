// Qt's own texts (the edit fields' context menu, the standard buttons) in Italian, whatever
// the locale: the program speaks Italian everywhere.
// Qt's Italian translation is embedded, so neither Linux nor Windows needs it at run time.
#pragma once

namespace tempidex {

// Once there is an application object; calling it again does nothing.
void InstallItalianTranslations();

} // namespace tempidex
