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

bool isLanguageTag(QStringView tag)
{
    const auto letter = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    bool first = true;
    for (QStringView part : tag.split(u'-')) {
        if (part.size() < (first ? 2 : 1) || part.size() > 8)
            return false;
        for (QChar c : part) {
            if (!letter(c) && (first || !digit(c)))
                return false;
        }
        first = false;
    }
    return true;
}

} // namespace kelvora
