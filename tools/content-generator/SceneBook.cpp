#include "SceneBook.h"

#include "CockpitViews.h"
#include "content/PackFiles.h"

#include <stdexcept>

namespace kelvora::content {

using namespace CockpitViews;

namespace {
// The engine gauges at one moment of a timed sequence.
CockpitChange engine(int rpm, int egt, int fuelFlow, int oil, int hydraulic)
{
    return [=](Cockpit &c) {
        c.rpm = rpm;
        c.egt = egt;
        c.fuelFlow = fuelFlow;
        c.oil = oil;
        c.hydraulic = hydraulic;
    };
}

PhotoScene flightLine(const Cockpit &)
{
    PhotoScene scene;
    scene.view = "Flight line";
    scene.framing = Framing::FlightLine;
    return scene;
}
} // namespace

SceneBook::SceneBook(Procedure procedure)
{
    if (procedure == Procedure::StartUp)
        describeScreens();
    else
        describeShutdown();
    describeInsets();
}

const PhotoScene &SceneBook::photo(int number) const
{
    auto found = m_photos.find(number);
    if (found == m_photos.end())
        throw std::runtime_error("no scene describes photograph " + std::to_string(number));
    return *found;
}

const InsetScene &SceneBook::inset(const QString &fileName) const
{
    for (const InsetScene &scene : m_insets) {
        if (scene.fileName.compare(fileName, Qt::CaseInsensitive) == 0)
            return scene;
    }
    throw std::runtime_error("no scene describes the inset " + fileName.toStdString());
}

void SceneBook::add(const PhotoScene &scene)
{
    if (m_photos.contains(scene.number))
        throw std::logic_error("photograph " + std::to_string(scene.number) + " is described twice");
    m_photos.insert(scene.number, scene);
}

void SceneBook::describeScreens()
{
    Cockpit c;
    ScreenShots(*this, 0, c).view(0, flightLine);
    ScreenShots(*this, 1, c).view(1, wholeCockpit);
    ScreenShots(*this, 2, c).view(2, leftConsoleAft).then(3, [](Cockpit &c) { c.battery = true; });

    ScreenShots(*this, 3, c)
        .view(4, leftConsoleForward)
        .then(5, [](Cockpit &c) { c.mainPower = true; })
        .then(6, [](Cockpit &c) { c.fuelOpen = true; })
        .then(7, [](Cockpit &c) { c.boost1 = true; })
        .then(8, [](Cockpit &c) { c.boost2 = true; })
        .then(9, [](Cockpit &c) { c.ignition = 1; })
        .then(10, [](Cockpit &c) { c.engineControl = true; })
        .then(11, [](Cockpit &c) { c.masterGuardUp = true; })
        .then(12, [](Cockpit &c) { c.engineMaster = true; });

    ScreenShots(*this, 4, c).view(13, rightConsoleAft).then(14, [](Cockpit &c) { c.canopyClosed = true; });

    // The starter alone turns the engine: speed and pressures rise, no fuel, no heat.
    ScreenShots(*this, 5, c)
        .view(15, leftConsoleForward)
        .then(16, [](Cockpit &c) { c.starter = true; })
        .view(17, engineInstruments)
        .then(18, engine(5, 20, 0, 4, 0))
        .then(19, engine(10, 20, 0, 8, 300))
        .then(20, engine(15, 20, 0, 12, 600))
        .then(21, engine(20, 20, 0, 15, 800));

    // Fuel in at IDLE: light-off, the temperature peaks and settles, the starter drops out near 50 %.
    ScreenShots(*this, 6, c)
        .view(24, leftConsoleAft)
        .change([](Cockpit &c) {
            c.throttleIdle = true;
            engine(20, 250, 400, 15, 800)(c);
        })
        .view(25, engineInstruments)
        .then(26, engine(27, 480, 600, 20, 1100))
        .then(27, engine(34, 640, 700, 26, 1500))
        .then(28, engine(41, 720, 750, 32, 1900))
        .then(29, [](Cockpit &c) {
            c.starter = false;
            engine(48, 680, 780, 38, 2300)(c);
        })
        .then(30, engine(55, 620, 800, 45, 2600))
        .then(31, engine(62, 580, 820, 50, 2900))
        .then(32, engine(67, 560, 830, 53, 3000))
        .then(33, engine(70, 550, 840, 55, 3000));

    ScreenShots(*this, 7, c)
        .view(34, rightConsoleForward)
        .then(35, [](Cockpit &c) { c.generator = true; })
        .then(36, [](Cockpit &c) { c.standbyGenerator = true; })
        .then(37, [](Cockpit &c) { c.avionics = true; })
        .then(38, [](Cockpit &c) { c.pitotHeat = true; })
        .then(39, [](Cockpit &c) { c.positionLights = true; })
        .then(40, [](Cockpit &c) { c.antiCollision = true; })
        .then(41, [](Cockpit &c) { c.antiIce = true; })
        .then(42, [](Cockpit &c) { c.airConditioning = true; });

    ScreenShots(*this, 8, c)
        .view(43, rightConsoleAft)
        .then(44, [](Cockpit &c) { c.intercom = true; })
        .then(45, [](Cockpit &c) { c.radio = true; })
        .then(46, [](Cockpit &c) { c.navRadio = true; })
        .then(47, [](Cockpit &c) { c.transponder = true; });

    ScreenShots(*this, 9, c).view(48, mainPanel);

    // Six presses take the selector once round, back to TOTAL.
    ScreenShots shots10(*this, 10, c);
    shots10.view(49, mainPanel);
    for (int press = 1; press <= 6; ++press)
        shots10.then(49 + press, [press](Cockpit &c) { c.fuelSelector = press % 6; });

    ScreenShots(*this, 11, c)
        .view(56, lowerCentrePanel)
        .then(57, [](Cockpit &c) { c.attitudeRunning = true; })
        .then(58, [](Cockpit &c) { c.navMode = 1; })
        .then(59, [](Cockpit &c) { c.positionAccepted = true; })
        .then(60, [](Cockpit &c) { c.altimeterSet = true; })
        .then(61, [](Cockpit &c) { c.courseSet = true; })
        .then(62, [](Cockpit &c) { c.stickDeflected = true; })
        .then(63, [](Cockpit &c) { c.stickDeflected = false; })
        .then(64, [](Cockpit &c) { c.takeoffTrim = true; })
        .then(65, [](Cockpit &c) { c.antiSkid = true; });

    // Step 3 sets the brake again and shows 066 once more.
    ScreenShots(*this, 12, c)
        .view(66, panelWithCorners)
        .then(67, [](Cockpit &c) { c.parkingBrake = false; })
        .change([](Cockpit &c) { c.parkingBrake = true; });

    ScreenShots(*this, 13, c).view(68, glareShield).then(69, [](Cockpit &c) { c.lightsTest = true; });
    ScreenShots(*this, 14, c).view(70, leftConsoleAft);
    ScreenShots(*this, 15, c).view(71, leftPanelLights);
    ScreenShots(*this, 16, c).view(72, cautionPanel);
    // The step goes back to 068, photographed on screen 13.
    ScreenShots(*this, 17, c).view(73, glareShield).change([](Cockpit &c) { c.lightsTest = false; });

    ScreenShots(*this, 18, c)
        .view(75, lowerLeftPanel)
        .then(76, [](Cockpit &c) { c.flaps = 1; })
        .then(77, [](Cockpit &c) { c.steering = true; })
        .then(78, [](Cockpit &c) { c.taxiLight = 1; });
}

// The shutdown course: from the end of the start-up, the systems off in turn,
// the engine wound down, and the battery off before leaving the aircraft.
void SceneBook::describeShutdown()
{
    Cockpit c;
    c.battery = c.mainPower = c.fuelOpen = c.boost1 = c.boost2 = true;
    c.ignition = 1;
    c.engineControl = c.masterGuardUp = c.engineMaster = c.canopyClosed = c.throttleIdle = true;
    engine(70, 550, 840, 55, 3000)(c);
    c.generator = c.standbyGenerator = c.avionics = c.pitotHeat = true;
    c.positionLights = c.antiCollision = c.antiIce = c.airConditioning = true;
    c.intercom = c.radio = c.navRadio = c.transponder = true;
    c.attitudeRunning = c.positionAccepted = c.altimeterSet = c.courseSet = c.takeoffTrim = c.antiSkid = true;
    c.navMode = 2;

    ScreenShots(*this, 0, c).view(0, flightLine);
    ScreenShots(*this, 1, c).view(1, mainPanel);
    ScreenShots(*this, 2, c)
        .view(2, rightConsoleForward)
        .then(3, [](Cockpit &c) { c.airConditioning = false; })
        .then(4, [](Cockpit &c) { c.antiIce = false; })
        .then(5, [](Cockpit &c) { c.antiCollision = false; })
        .then(6, [](Cockpit &c) { c.positionLights = false; });
    ScreenShots(*this, 3, c).view(7, rightConsoleAft).then(8, [](Cockpit &c) { c.transponder = false; });
    // Fuel off at the throttle: speed, heat and pressures fall away.
    ScreenShots(*this, 4, c)
        .view(9, leftConsoleAft)
        .then(10, [](Cockpit &c) { c.throttleIdle = false; })
        .view(11, engineInstruments)
        .then(12, engine(45, 420, 0, 35, 2000))
        .then(13, engine(20, 250, 0, 15, 800))
        .then(14, engine(0, 80, 0, 0, 0));
    ScreenShots(*this, 5, c).view(15, leftConsoleAft).then(16, [](Cockpit &c) {
        c.battery = false;
        c.mainPower = false;
    });
}

void SceneBook::describeInsets()
{
    m_insets = {
        {"KokpitA.bmp", {0.22, 0.10, 0.56, 0.22}, "GLARE SHIELD"},
        {"KokpitB.bmp", {0.01, 0.50, 0.22, 0.23}, "LEFT CONSOLE FWD"},
        {"KokpitC.bmp", {0.00, 0.73, 0.25, 0.25}, "LEFT CONSOLE AFT"},
        {"KokpitD.bmp", {0.20, 0.16, 0.60, 0.44}, "MAIN PANEL"},
        {"KokpitE.bmp", {0.58, 0.40, 0.20, 0.18}, "CAUTION PANEL"},
        {"KokpitF.bmp", {0.75, 0.73, 0.25, 0.25}, "RIGHT CONSOLE AFT"},
        {"KokpitG.bmp", {0.77, 0.50, 0.22, 0.23}, "RIGHT CONSOLE FWD"},
    };
}

ScreenShots::ScreenShots(SceneBook &book, int screen, Cockpit &cockpit)
    : m_book(book)
    , m_screen(screen)
    , m_cockpit(cockpit)
{
}

ScreenShots &ScreenShots::view(int number, CockpitView view)
{
    m_view = std::move(view);
    shoot(number);
    return *this;
}

ScreenShots &ScreenShots::then(int number, const CockpitChange &change)
{
    change(m_cockpit);
    shoot(number);
    return *this;
}

ScreenShots &ScreenShots::change(const CockpitChange &change)
{
    change(m_cockpit);
    return *this;
}

void ScreenShots::shoot(int number)
{
    PhotoScene scene = m_view(m_cockpit);
    scene.number = number;
    scene.screen = m_screen;
    scene.size = number == 0 ? StartPictureSize : LessonPictureSize;
    m_book.add(scene);
}

} // namespace kelvora::content
