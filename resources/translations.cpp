#include "translations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace tempidex {

void InstallItalianTranslations() {
    static QTranslator *qt = nullptr;
    if (qt)
        return;
    qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral(":/translations/qtbase_it.qm")))
        QCoreApplication::installTranslator(qt);
}

} // namespace tempidex
