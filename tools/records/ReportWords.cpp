#include "ReportWords.h"

namespace kelvora {

namespace {
// clang-format off
const char *const Words[][4] = {
    // en, de, fr, tr
    {"Training report", "Ausbildungsbericht", "Rapport de formation", "Eğitim raporu"},
    {"Records", "Aufzeichnungen", "Enregistrements", "Kayıtlar"},
    {"The class at a glance", "Die Klasse auf einen Blick", "La classe en un coup d’œil", "Sınıfa genel bakış"},
    {"Runs", "Durchläufe", "Passages", "Çalışmalar"},
    {"Trainees", "Teilnehmer", "Stagiaires", "Kursiyerler"},
    {"Completed", "Abgeschlossen", "Terminés", "Tamamlanan"},
    {"Median total time", "Median der Gesamtzeit", "Temps total médian", "Ortanca toplam süre"},
    {"Middle half", "Mittlere Hälfte", "Moitié centrale", "Orta yarı"},
    {"Misses", "Fehlgriffe", "Erreurs", "Hatalı basış"},
    {"Hints", "Hinweise", "Indices", "İpucu"},
    {"Score", "Punktzahl", "Score", "Puan"},
    {"Passed", "Bestanden", "Réussis", "Geçen"},
    {"Time per screen", "Zeit je Bildschirm", "Temps par écran", "Ekran başına süre"},
    {"slowest", "am langsamsten", "le plus lent", "en yavaş"},
    {"Per step", "Je Schritt", "Par étape", "Adım başına"},
    {"Step", "Schritt", "Étape", "Adım"},
    {"Screen", "Bildschirm", "Écran", "Ekran"},
    {"Median time to the right press", "Median bis zum richtigen Druck", "Temps médian jusqu’au bon appui", "Doğru basışa ortanca süre"},
    {"Where the misses land", "Wo die Fehlgriffe landen", "Où tombent les erreurs", "Hatalı basışlar nereye düşüyor"},
    {"right target", "richtiges Ziel", "bonne cible", "doğru hedef"},
    {"Per trainee", "Je Teilnehmer", "Par stagiaire", "Kursiyer başına"},
    {"Time", "Zeit", "Temps", "Süre"},
    {"Run start", "Beginn", "Début", "Başlangıç"},
    {"Runs listed apart", "Gesondert aufgeführte Durchläufe", "Passages à part", "Ayrı listelenen çalışmalar"},
    {"started at", "begann bei", "commencé à", "başladığı yer"},
    {"Result", "Ergebnis", "Résultat", "Sonuç"},
    {"Misses of", "Fehlgriffe von", "Erreurs de", "Hatalı basışları:"},
    {"s", "s", "s", "sn"},
    {"min", "min", "min", "dk"},
    {"no photograph", "kein Foto", "pas de photographie", "fotoğraf yok"},
    {"Step missed most", "Am häufigsten verfehlter Schritt", "Étape la plus manquée", "En çok kaçırılan adım"},
};
// clang-format on
const char *const Languages[] = {"en", "de", "fr", "tr"};
} // namespace

std::optional<ReportWords> ReportWords::of(const QString &language)
{
    const QString primary = language.section(QLatin1Char('-'), 0, 0).toLower();
    for (int column = 0; column < 4; ++column) {
        if (primary == QLatin1String(Languages[column]))
            return ReportWords(column, primary);
    }
    return std::nullopt;
}

QStringList ReportWords::languages()
{
    return {"en", "de", "fr", "tr"};
}

QString ReportWords::operator()(Word word) const
{
    return QString::fromUtf8(Words[int(word)][m_column]);
}

} // namespace kelvora
