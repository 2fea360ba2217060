#include "BuiltInTargetLabels.h"

#include "BuiltInDescriptions.h"
#include "CourseLoader.h"

namespace kelvora {

namespace {
struct TargetLabel {
    int screen;
    const char *mark;
    const char *turkish;
    const char *english;
    const char *french;
};

// clang-format off
const TargetLabel Labels[] = {
    {2, "shape1", "Akü anahtarı", "Battery switch", "Interrupteur batterie"},
    {3, "shape1", "Ana güç anahtarı", "Main power switch", "Interrupteur d'alimentation principale"},
    {3, "shape2", "Yakıt kesme kolu", "Fuel shut-off lever", "Levier de coupure carburant"},
    {3, "shape3", "Yakıt destek pompası 1", "Fuel boost pump 1", "Pompe de gavage 1"},
    {3, "shape4", "Yakıt destek pompası 2", "Fuel boost pump 2", "Pompe de gavage 2"},
    {3, "shape5", "Ateşleme anahtarı", "Ignition switch", "Interrupteur d'allumage"},
    {3, "shape6", "Motor kontrol anahtarı", "Engine control switch", "Interrupteur de régulation moteur"},
    {3, "shape7", "Motor ana anahtarı kapağı", "Engine master switch guard", "Cache de l'interrupteur général moteur"},
    {3, "shape8", "Motor ana anahtarı", "Engine master switch", "Interrupteur général moteur"},
    {4, "shape1", "Kanopi kolu", "Canopy handle", "Poignée de verrière"},
    {5, "shape1", "Marş anahtarı", "Starter switch", "Interrupteur de démarrage"},
    {6, "shape1", "Gaz kolu, KAPALI konumuna", "Throttle, to OFF", "Manette des gaz, sur OFF"},
    {6, "shape2", "Gaz kolu parmak kaldıracı", "Throttle finger lift", "Gâchette de la manette des gaz"},
    {6, "shape3", "Gaz kolu, RÖLANTİ konumuna", "Throttle, to IDLE", "Manette des gaz, sur IDLE"},
    {7, "shape1", "Jeneratör anahtarı", "Generator switch", "Interrupteur génératrice"},
    {7, "shape2", "Yedek jeneratör anahtarı", "Standby generator switch", "Interrupteur génératrice de secours"},
    {7, "shape3", "Aviyonik ana anahtarı", "Avionics master switch", "Interrupteur général avionique"},
    {7, "shape4", "Pitot ısıtma anahtarı", "Pitot heat switch", "Interrupteur réchauffage pitot"},
    {7, "shape5", "Seyrüsefer ışıkları anahtarı", "Position lights switch", "Interrupteur feux de position"},
    {7, "shape6", "Çarpışma önleme ışığı anahtarı", "Anti-collision light switch", "Interrupteur feu anticollision"},
    {7, "shape7", "Motor buzlanma önleme anahtarı", "Engine anti-ice switch", "Interrupteur antigivrage moteur"},
    {7, "shape8", "Klima düğmesi", "Air conditioning knob", "Bouton de climatisation"},
    {8, "shape1", "İnterkom düğmesi", "Intercom knob", "Bouton interphone"},
    {8, "shape2", "Telsiz düğmesi", "Radio knob", "Bouton radio"},
    {8, "shape3", "Seyrüsefer telsizi düğmesi", "Navigation radio knob", "Bouton radio de navigation"},
    {8, "shape4", "Transponder düğmesi", "Transponder knob", "Bouton transpondeur"},
    {10, "shape1", "Yakıt miktarı seçicisi", "Fuel quantity selector", "Sélecteur de quantité carburant"},
    {11, "shape1", "Yedek ufuk göstergesi düğmesi", "Standby attitude indicator knob", "Bouton de l'horizon de secours"},
    {11, "shape2", "Seyrüsefer modu düğmesi", "Navigation mode knob", "Bouton de mode de navigation"},
    {11, "shape3", "ENTER tuşu", "ENTER key", "Touche ENTER"},
    {11, "shape4", "Altimetre ayar düğmesi", "Altimeter setting knob", "Bouton de calage altimétrique"},
    {11, "shape5", "Rota düğmesi", "Course knob", "Bouton de route"},
    {11, "shape6", "Kumanda kolu", "Control stick", "Manche"},
    {11, "shape7", "Kumanda kolu, ortaya", "Control stick, to the centre", "Manche, au centre"},
    {11, "shape8", "Kalkış trim düğmesi", "Take-off trim button", "Bouton de compensateur décollage"},
    {11, "shape9", "Kaymayı önleme anahtarı", "Anti-skid switch", "Interrupteur antidérapage"},
    {12, "shape1", "Park freni kolu", "Parking brake handle", "Poignée de frein de parc"},
    {12, "shape2", "Ayak frenleri", "Toe brakes", "Freins au pied"},
    {13, "shape1", "Işık test anahtarı", "Lights test switch", "Interrupteur test des voyants"},
    {17, "shape1", "Işık test anahtarı", "Lights test switch", "Interrupteur test des voyants"},
    {18, "shape1", "Flap anahtarı", "Flap switch", "Interrupteur des volets"},
    {18, "shape2", "Burun tekerleği yönlendirme düğmesi", "Nose-wheel steering button", "Bouton de direction de roue avant"},
    {18, "shape3", "Taksi ışığı anahtarı", "Taxi light switch", "Interrupteur phare de roulage"},
};
// clang-format on
} // namespace

void addBuiltInTargetLabels(std::vector<LessonDesign> &screens)
{
    for (const TargetLabel &label : Labels) {
        if (label.screen < 1 || label.screen > int(screens.size()))
            continue;
        screens[size_t(label.screen - 1)].targetLabels[QLatin1String(label.mark)] = {
            QString::fromUtf8(label.turkish), QString::fromUtf8(label.english), QString::fromUtf8(label.french)};
    }
}

Course loadBuiltInCourse()
{
    Course builtIn = loadCourse(BuiltInCourseFile);
    addBuiltInTargetLabels(builtIn.screens);
    addBuiltInDescriptions(builtIn.screens);
    addBuiltInSoundCaptions(builtIn.screens);
    return builtIn;
}

} // namespace kelvora
