#include "EditorTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kelvora {

void installEditorTranslations(QCoreApplication &app)
{
    // Built into the program (":/i18n/kelvora-editor_de.qm" ...), so the editor and its tests find them anywhere.
    auto *own = new QTranslator(&app);
    if (own->load(QLocale(), QStringLiteral("kelvora-editor"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(own);
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

} // namespace kelvora
