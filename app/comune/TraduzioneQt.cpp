#include "comune/TraduzioneQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ModuloTrevon {

bool CaricaTraduzioneQt()
{
    auto* traduttore = new QTranslator(QCoreApplication::instance());
    if (traduttore->load(QStringLiteral("qtbase_it"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(traduttore);
        return true;
    }
    delete traduttore;
    return false;
}

}  // namespace ModuloTrevon
