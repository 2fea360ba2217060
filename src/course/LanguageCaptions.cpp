#include "LanguageCaptions.h"

#include <QHash>

namespace kelvora {

const LanguageCaptions *defaultCaptions(const QString &tag)
{
    static const QHash<QString, LanguageCaptions> defaults{
        {QStringLiteral("tr"),
         {QStringLiteral("Başla"), QStringLiteral("Devam"), QStringLiteral("İleri"), QStringLiteral("Çıkış"),
          QStringLiteral("Geçerli Dil:"), QStringLiteral("KELVORA eğitim ekibinin eğitim materyali")}},
        {QStringLiteral("en"),
         {QStringLiteral("Start"), QStringLiteral("Continue"), QStringLiteral("Next"), QStringLiteral("Exit"),
          QStringLiteral("Current Language:"), QStringLiteral("Training material by the KELVORA training team")}},
        {QStringLiteral("fr"),
         {QStringLiteral("Commencer"), QStringLiteral("Continuer"), QStringLiteral("Poursuivre"), QStringLiteral("Fermer"),
          QStringLiteral("Langue actuelle :"), QStringLiteral("Support de formation de l'équipe KELVORA")}},
        {QStringLiteral("de"),
         {QStringLiteral("Starten"), QStringLiteral("Weiter"), QStringLiteral("Nächste"), QStringLiteral("Beenden"),
          QStringLiteral("Aktuelle Sprache:"), QStringLiteral("Schulungsmaterial des KELVORA-Schulungsteams")}},
    };
    const auto found = defaults.constFind(tag.section(QLatin1Char('-'), 0, 0).toLower());
    return found == defaults.constEnd() ? nullptr : &*found;
}

} // namespace kelvora
