#include "ui/traductionqt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool installerTraductionQt() {
    // La traduction vit autant que l'application qui l'a installée.
    static QTranslator* traduction = nullptr;
    if (traduction != nullptr) {
        return true;
    }
    auto* chargee = new QTranslator(QCoreApplication::instance());
    if (!chargee->load(QStringLiteral("qtbase_fr"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete chargee;
        return false;
    }
    QCoreApplication::installTranslator(chargee);
    traduction = chargee;
    return true;
}
