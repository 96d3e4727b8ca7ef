#include "app/uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool qtTexteLaden(QCoreApplication &app)
{
    const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString name = QStringLiteral("qtbase");
    const QString trenner = QStringLiteral("_");
    auto *texte = new QTranslator(&app);
    if (texte->load(QLocale::system(), name, trenner, ordner)
        || texte->load(QLocale(QLocale::German, QLocale::Germany), name, trenner, ordner))
        return QCoreApplication::installTranslator(texte);
    delete texte;
    return false;
}
