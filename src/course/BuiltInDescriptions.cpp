#include "BuiltInDescriptions.h"

namespace kelvora {

namespace {
struct Words {
    const char *turkish;
    const char *english;
    const char *french;

    QStringList list() const { return {QString::fromUtf8(turkish), QString::fromUtf8(english), QString::fromUtf8(french)}; }
};

// clang-format off
// Screen n's photograph at n - 1.
const Words Photographs[] = {
    {"Marştan önce kokpit, pilot koltuğundan: güç yok, bütün ekranlar karanlık.",
     "The cockpit before start-up, seen from the pilot's seat: no power, every display dark.",
     "Le cockpit avant la mise en route, vu du siège du pilote : pas de courant, tous les écrans éteints."},
    {"Sol konsoldaki akü anahtarı, KAPALI konumda.",
     "The battery switch on the left console, set to OFF.",
     "L'interrupteur batterie sur la console gauche, sur OFF."},
    {"Sol konsol: güç paneli ve yakıt paneli, bütün anahtarlar kapalı.",
     "The left console: the power panel and the fuel panel, every switch off.",
     "La console gauche : le panneau d'alimentation et le panneau carburant, tous les interrupteurs coupés."},
    {"Kanopi çerçevesindeki kanopi kolu; kanopi açık.",
     "The canopy handle on the canopy frame, the canopy open.",
     "La poignée de verrière sur son cadre, la verrière ouverte."},
    {"Marş anahtarlı motor paneli, ardından ana paneldeki motor göstergeleri: devir, egzoz sıcaklığı, yağ ve hidrolik basıncı.",
     "The engine panel with the starter switch, then the main panel's engine gauges: RPM, EGT, oil and hydraulic pressure.",
     "Le panneau moteur avec l'interrupteur de démarrage, puis les instruments moteur du tableau de bord : régime, EGT, pressions d'huile et hydraulique."},
    {"Ana paneldeki motor göstergelerinin yanında gaz kolu.",
     "The throttle quadrant beside the main panel's engine gauges.",
     "La manette des gaz à côté des instruments moteur du tableau de bord."},
    {"Sağ konsol: jeneratör anahtarları, aviyonik, ışık ve buzlanma önleme anahtarları ve klima düğmesi.",
     "The right console: the generator switches, the avionics, lights and anti-ice switches, and the air conditioning knob.",
     "La console droite : les interrupteurs des génératrices, de l'avionique, des feux et de l'antigivrage, et le bouton de climatisation."},
    {"Telsiz panelleri: interkom, telsiz, seyrüsefer telsizi ve transponder.",
     "The radio panels: intercom, radio, navigation radio and transponder.",
     "Les panneaux radio : interphone, radio, radio de navigation et transpondeur."},
    {"İki çok fonksiyonlu ekranı ve veri ekranı yanan ana panel.",
     "The main panel with both multifunction displays and the data display lit.",
     "Le tableau de bord avec les deux écrans multifonctions et l'écran de données allumés."},
    {"Yakıt miktarı göstergesi ve depo seçicisi.",
     "The fuel quantity indicator and its tank selector.",
     "L'indicateur de quantité carburant et son sélecteur de réservoir."},
    {"Ana panel: yedek ufuk göstergesi, seyrüsefer kumandaları, altimetre, rota düğmesi, kumanda kolu, trim ve kaymayı önleme anahtarları.",
     "The main panel: the standby attitude indicator, the navigation controls, the altimeter, the course knob, the control stick, the trim button and the anti-skid switch.",
     "Le tableau de bord : l'horizon de secours, les commandes de navigation, l'altimètre, le bouton de route, le manche, le bouton de compensateur et l'interrupteur antidérapage."},
    {"Ana panelin altındaki park freni kolu ve ayak frenli pedallar.",
     "The parking brake handle under the main panel, and the rudder pedals with their toe brakes.",
     "La poignée de frein de parc sous le tableau de bord, et les palonniers avec leurs freins au pied."},
    {"Sol konsoldaki ışık test anahtarı; uyarı ve ikaz ışıkları sönük.",
     "The lights test switch on the left console, the warning and caution lights dark.",
     "L'interrupteur de test des voyants sur la console gauche, les voyants d'alarme et d'avertissement éteints."},
    {"Işık testinde sol konsol: ateşleme, akü ve flap ışıkları yanıyor.",
     "The left console during the lights test: the ignition, battery and flap lights lit.",
     "La console gauche pendant le test des voyants : les voyants d'allumage, de batterie et de volets allumés."},
    {"Işık testinde ana panel: iniş takımı kolu, iniş takımı, kaymayı önleme, park freni ve motor uyarı ışıkları yanıyor.",
     "The main panel during the lights test: the gear handle, gear, anti-skid, parking brake and engine warning lights lit.",
     "Le tableau de bord pendant le test des voyants : les voyants de la poignée de train, du train, de l'antidérapage, du frein de parc et d'alarme moteur allumés."},
    {"Işık testinde ikaz ışıkları paneli, bütün ikaz ışıkları yanıyor.",
     "The caution light panel during the lights test, every caution light lit.",
     "Le panneau des voyants d'avertissement pendant le test, tous les voyants allumés."},
    {"TEST konumundaki ışık test anahtarı; uyarı ve ikaz ışıkları yanıyor.",
     "The lights test switch at TEST, the warning and caution lights lit.",
     "L'interrupteur de test des voyants sur TEST, les voyants d'alarme et d'avertissement allumés."},
    {"Taksiden önce: flap anahtarı, kumanda kolundaki burun tekerleği yönlendirme düğmesi ve taksi ışığı anahtarı.",
     "Before taxi: the flap switch, the nose-wheel steering button on the stick and the taxi light switch.",
     "Avant le roulage : l'interrupteur des volets, le bouton de direction de roue avant sur le manche et l'interrupteur du phare de roulage."},
};

struct SoundWords {
    const char *sound; // its soundKey()
    Words words;
};

const SoundWords Sounds[] = {
    {"sounds/dugme1.wav", {"[anahtar tıkırtısı]", "[switch click]", "[clic d'interrupteur]"}},
    {"sounds/dugme2.wav", {"[düğme tıkırtısı]", "[button click]", "[clic de bouton]"}},
    {"sounds/dugme3.wav", {"[döner düğme tıkırtısı]", "[knob click]", "[cran de bouton rotatif]"}},
    {"sounds/dugme4.wav", {"[kapak ve anahtar tıkırtısı]", "[guard and switch click]", "[clic du cache et de l'interrupteur]"}},
    {"sounds/dugme5.wav", {"[basmalı anahtar tıkırtısı]", "[rocker switch click]", "[clic d'interrupteur à bascule]"}},
    {"sounds/jfs20.wav", {"[marş motoru motoru döndürüyor]", "[starter turning the engine]", "[le démarreur entraîne le moteur]"}},
    {"sounds/20loop.wav", {"[motor %20 devirde dönüyor]", "[engine turning at 20 %]", "[moteur entraîné à 20 %]"}},
    {"sounds/20to70.wav", {"[motor ateşleniyor ve hızlanıyor]", "[engine lighting off and spooling up]", "[le moteur s'allume et accélère]"}},
    {"sounds/70loop.wav", {"[motor rölantide çalışıyor]", "[engine running at idle]", "[moteur au ralenti]"}},
};
// clang-format on
} // namespace

void addBuiltInDescriptions(std::vector<LessonDesign> &screens)
{
    for (size_t i = 0; i < screens.size() && i < std::size(Photographs); ++i)
        screens[i].photographDescriptions = Photographs[i].list();
}

void addBuiltInSoundCaptions(std::vector<LessonDesign> &screens)
{
    for (LessonDesign &screen : screens) {
        for (const SoundWords &sound : Sounds)
            screen.soundCaptions[QLatin1String(sound.sound)] = sound.words.list();
    }
}

} // namespace kelvora
