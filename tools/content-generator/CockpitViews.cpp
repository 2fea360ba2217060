#include "CockpitViews.h"

#include "PanelStyle.h"

namespace kelvora::content::CockpitViews {

namespace {
using namespace PanelStyle;

const QStringList OnOff = {"OFF", "ON"};

SceneControl toggle(QRect at, const QString &label, int state, const QStringList &positions = {})
{
    return {at, ControlKind::Toggle, state, label, {}, positions};
}
// A control whose legend stands over it.
SceneControl legendAbove(SceneControl control)
{
    control.legendAbove = true;
    return control;
}
SceneControl guarded(QRect at, const QString &label, bool guardUp, bool on)
{
    return {at, ControlKind::Guarded, on ? 2 : guardUp ? 1 : 0, label};
}
SceneControl rocker(QRect at, const QString &label, const QStringList &positions, int state)
{
    return {at, ControlKind::Rocker, state, label, {}, positions};
}
SceneControl button(QRect at, const QString &label, QColor colour, bool lit)
{
    return {at, ControlKind::PushButton, lit ? 1 : 0, label, colour};
}
SceneControl knob(QRect at, const QString &label, const QStringList &positions, int state)
{
    return {at, ControlKind::Rotary, state, label, {}, positions};
}
SceneControl lamp(QRect at, const QString &label, QColor colour, bool lit)
{
    return {at, ControlKind::Lamp, lit ? 1 : 0, label, colour};
}
SceneControl handle(ControlKind kind, QRect at, const QString &label, int state)
{
    return {at, kind, state, label};
}
// value on a scale from 0 to full; the green arc from..to in the same unit.
SceneControl gauge(QRect at, const QString &label, double value, double full, const QString &readout, double from,
                   double to)
{
    auto percent = [full](double v) { return static_cast<int>(100 * v / full + 0.5); };
    return {at, ControlKind::Gauge, percent(value), label, {}, {}, readout, percent(from), percent(to)};
}
SceneControl display(QRect at, DisplayPage page, const QString &footer = {})
{
    return {at, ControlKind::Display, page, {}, {}, {}, footer};
}
SceneControl window(QRect at, const QString &label, bool lit, const QString &text)
{
    return {at, ControlKind::DataWindow, lit ? 1 : 0, label, {}, {}, text};
}

PhotoScene view(const QString &name, Framing framing, QList<Plate> plates, QList<SceneControl> controls,
                bool wallOnRight = false)
{
    PhotoScene scene;
    scene.view = name;
    scene.framing = framing;
    scene.wallOnRight = wallOnRight;
    scene.plates = std::move(plates);
    scene.controls = std::move(controls);
    return scene;
}

DisplayPage leftPage(const Cockpit &c)
{
    if (!c.avionics)
        return DarkPage;
    if (c.navMode == 0)
        return FlightPage;
    return c.positionAccepted ? AlignDonePage : AlignPage;
}
QString leftFooter(const Cockpit &c)
{
    return c.courseSet ? QStringLiteral("CRS 274") : QString();
}
DisplayPage rightPage(const Cockpit &c)
{
    return c.avionics ? EnginePage : DarkPage;
}
QString rpmText(const Cockpit &c)
{
    return QStringLiteral("RPM %1").arg(c.rpm);
}
bool lowPress(const Cockpit &c, bool pump)
{
    return c.lightsTest || (c.mainPower && !pump);
}
bool generatorLight(const Cockpit &c, bool on)
{
    return c.lightsTest || (c.engineRunning() && !on);
}
QString radioText(const Cockpit &c)
{
    QStringList lines;
    lines << (c.radio ? QStringLiteral("COM 121.90") : QStringLiteral("COM  ---.--"));
    lines << (c.navRadio ? QStringLiteral("NAV 112.30") : QStringLiteral("NAV  ---.--"));
    lines << (c.transponder ? QStringLiteral("XPDR 2000 SBY") : QStringLiteral("XPDR ----"));
    return lines.join('\n');
}
} // namespace

PhotoScene wholeCockpit(const Cockpit &c)
{
    return view("Whole cockpit", Framing::MainPanel,
                {{{250, 170, 524, 300}, "MAIN PANEL"}, {{-20, 540, 250, 240}, "LEFT CONSOLE"},
                 {{794, 540, 250, 240}, "RIGHT CONSOLE"}},
                {
                    display({262, 200, 220, 220}, leftPage(c)),
                    display({542, 200, 220, 220}, rightPage(c)),
                    handle(ControlKind::Attitude, {482, 210, 60, 60}, "STBY", c.attitudeRunning),
                    gauge({482, 290, 60, 60}, "FUEL", 2400, 3000, "2400", 0, 3000),
                    handle(ControlKind::TeeHandle, {262, 440, 40, 40}, "PARK BRAKE", c.parkingBrake),
                    toggle({30, 600, 40, 44}, "BATT", c.battery),
                    toggle({80, 600, 40, 44}, "MAIN PWR", c.mainPower),
                    handle(ControlKind::FuelLever, {130, 590, 70, 60}, "FUEL", c.fuelOpen),
                    toggle({830, 600, 40, 44}, "GEN", c.generator),
                    toggle({880, 600, 40, 44}, "AVIONICS", c.avionics),
                    knob({940, 596, 54, 54}, "AIR", {"OFF", "AUTO", "MAN"}, c.airConditioning),
                    handle(ControlKind::ThrottleGrip, {150, 680, 60, 60}, "", c.throttleIdle),
                    handle(ControlKind::Stick, {472, 600, 80, 80}, "", c.stickDeflected),
                });
}

PhotoScene leftConsoleAft(const Cockpit &c)
{
    return view("Left console, aft", Framing::Console,
                {{{250, 100, 200, 220}, "ELECTRICAL"}, {{220, 336, 240, 90}, "FLAPS"},
                 {{120, 440, 200, 120}, "THROTTLE"}, {{480, 120, 300, 300}, "LIGHTING"}},
                {
                    toggle({292, 206, 69, 89}, "BATT", c.battery).under(2, "shape1"),
                    lamp({363, 137, 30, 30}, "BATT\nDISCH", lampAmber, c.lightsTest).under(14, "Shape1", 1),
                    lamp({252, 362, 52, 28}, "UP", lampGreen, c.lightsTest),
                    lamp({309, 362, 52, 28}, "TO", lampGreen, c.lightsTest).under(14, "Shape1", 2),
                    lamp({366, 362, 52, 28}, "LDG", lampGreen, c.lightsTest),
                    lamp({170, 478, 36, 36}, "IGN", lampGreen, c.lightsTest).under(14, "Shape1", 0),
                    knob({520, 180, 60, 60}, "CONSOLE", {"OFF", "", "BRT"}, 0),
                    knob({620, 180, 60, 60}, "INSTR", {"OFF", "", "BRT"}, 0),
                    knob({520, 300, 60, 60}, "FLOOD", {"OFF", "", "BRT"}, 0),
                    toggle({640, 300, 40, 50}, "WARN DIM", 0),
                    handle(ControlKind::ThrottleGrip, {-46, 612, 95, 89}, "THROTTLE", c.throttleIdle).under(6, "Shape2"),
                });
}

PhotoScene leftConsoleForward(const Cockpit &c)
{
    return view("Left console, forward", Framing::Console,
                {{{24, 84, 300, 230}, "POWER / FUEL"}, {{24, 350, 320, 270}, "FUEL PUMPS / ENGINE"},
                 {{400, 170, 180, 200}, "ENGINE"}, {{740, 262, 240, 160}, "START"}},
                {
                    toggle({46, 138, 69, 89}, "MAIN PWR", c.mainPower).under(3, "shape1"),
                    lamp({185, 98, 50, 26}, "VALVE", lampRed, c.battery && !c.fuelOpen),
                    handle(ControlKind::FuelLever, {146, 134, 127, 113}, "FUEL", c.fuelOpen).under(3, "Shape2"),
                    lamp({64, 392, 46, 30}, "LOW\nPRESS 1", lampAmber, lowPress(c, c.boost1)),
                    lamp({127, 392, 46, 30}, "LOW\nPRESS 2", lampAmber, lowPress(c, c.boost2)),
                    toggle({60, 436, 53, 69}, "BOOST 1", c.boost1).under(3, "Shape3"),
                    toggle({124, 436, 51, 71}, "BOOST 2", c.boost2).under(3, "Shape4"),
                    rocker({184, 456, 115, 43}, "IGNITION", {"OFF", "NORM", "CONT"}, c.ignition).under(3, "Shape5"),
                    toggle({148, 518, 51, 77}, "ENG CTRL", c.engineControl).under(3, "Shape6"),
                    lamp({214, 540, 60, 28}, "ENG CTRL", lampAmber, lowPress(c, c.engineControl)),
                    guarded({446, 226, 69, 89}, "ENG MASTER", c.masterGuardUp, c.engineMaster)
                        .under(3, "Shape7")
                        .under(3, "Shape8"),
                    toggle({782, 266, 95, 89}, "START", c.starter).under(5, "Shape1"),
                    lamp({885, 296, 40, 30}, "START", lampGreen, c.starter),
                });
}

PhotoScene rightConsoleAft(const Cockpit &c)
{
    return view("Right console, aft", Framing::Console,
                {{{290, 182, 270, 56}, "TRANSPONDER"}, {{280, 238, 270, 60}, "NAV"},
                 {{270, 298, 270, 64}, "RADIO"}, {{260, 362, 270, 80}, "INTERCOM"},
                 {{660, 176, 300, 220}, "CANOPY"}},
                {
                    knob({324, 196, 53, 57}, "", {"OFF", "STBY", "ON"}, c.transponder).under(8, "Shape4"),
                    window({398, 204, 120, 28}, "", c.transponder, "2000"),
                    knob({318, 250, 53, 57}, "", OnOff, c.navRadio).under(8, "Shape3"),
                    window({392, 258, 120, 30}, "", c.navRadio, "112.30"),
                    knob({308, 306, 53, 57}, "", OnOff, c.radio).under(8, "Shape2"),
                    window({382, 314, 120, 32}, "", c.radio, "121.90"),
                    knob({298, 368, 53, 57}, "", OnOff, c.intercom).under(8, "Shape1"),
                    lamp({372, 382, 64, 26}, "ICS ON", lampGreen, c.intercom),
                    handle(ControlKind::CanopyHandle, {768, 196, 139, 147}, "", c.canopyClosed).under(4, "Shape1"),
                    lamp({700, 150, 40, 30}, "CANOPY", lampRed, c.caution(!c.canopyClosed)),
                    {{540, 70, 484, 80}, ControlKind::CanopyRail, c.canopyClosed, "CANOPY RAIL"},
                },
                true);
}

PhotoScene engineInstruments(const Cockpit &c)
{
    return view("Engine instruments", Framing::MainPanel, {{{740, 236, 260, 430}, "ENGINE"}},
                {
                    display({500, 240, 230, 230}, rightPage(c), rpmText(c)),
                    gauge({880, 256, 85, 85}, "FF PPH", c.fuelFlow, 6000, QString::number(c.fuelFlow), 500, 5000),
                    gauge({876, 356, 93, 89}, "RPM %", c.rpm, 110, QString::number(c.rpm), 65, 100)
                        .under(5, "Shape2")
                        .under(6, "Shape4"),
                    gauge({880, 456, 85, 85}, "EGT °C", c.egt, 1000, QString::number(c.egt), 400, 720),
                    gauge({880, 556, 85, 85}, "OIL PSI", c.oil, 100, QString::number(c.oil), 40, 60),
                    gauge({770, 556, 85, 85}, "HYD PSI", c.hydraulic, 4000, QString::number(c.hydraulic), 2800, 3200),
                    lamp({775, 370, 42, 30}, "START", lampGreen, c.starter),
                    lamp({775, 420, 42, 30}, "IGN", lampGreen, c.lightsTest),
                });
}

PhotoScene rightConsoleForward(const Cockpit &c)
{
    return view("Right console, forward", Framing::Console,
                {{{320, 220, 310, 154}, "ELECTRICAL"}, {{320, 376, 310, 120}, "LIGHTS / AIR"}},
                {
                    display({-110, 430, 200, 200}, leftPage(c)),
                    lamp({352, 258, 46, 24}, "GEN", lampAmber, generatorLight(c, c.generator)),
                    lamp({416, 258, 46, 24}, "STBY\nGEN", lampAmber, generatorLight(c, c.standbyGenerator)),
                    toggle({348, 296, 53, 57}, "GEN", c.generator).under(7, "Shape1"),
                    toggle({412, 296, 53, 57}, "STBY\nGEN", c.standbyGenerator).under(7, "Shape2"),
                    toggle({478, 296, 53, 57}, "AVIONICS", c.avionics).under(7, "Shape3"),
                    toggle({546, 298, 53, 57}, "PITOT", c.pitotHeat).under(7, "Shape4"),
                    knob({358, 390, 72, 72}, "AIR COND", {"OFF", "AUTO", "MAN"}, c.airConditioning).under(7, "Shape8"),
                    toggle({436, 398, 53, 57}, "POS\nLTS", c.positionLights).under(7, "Shape5"),
                    toggle({488, 398, 53, 57}, "ANTI-\nCOLL", c.antiCollision).under(7, "Shape6"),
                    toggle({542, 400, 53, 57}, "ANTI-\nICE", c.antiIce, {"OFF", "AUTO"}).under(7, "Shape7"),
                });
}

PhotoScene mainPanel(const Cockpit &c)
{
    static const QStringList tanks = {"TOTAL", "FWD", "AFT", "L WING", "R WING", "TEST"};
    static const int contents[] = {2400, 900, 700, 380, 420, 1000};
    const int fuel = contents[c.fuelSelector];
    return view("Main panel", Framing::MainPanel,
                {{{130, 200, 770, 300}, ""}, {{640, 36, 240, 100}, ""}},
                {
                    display({228, 222, 160, 160}, leftPage(c), leftFooter(c)).under(9, "Shape1"),
                    display({622, 228, 251, 229}, rightPage(c), rpmText(c)).under(9, "Shape2"),
                    window({668, 42, 191, 87}, "", c.avionics, radioText(c)).under(9, "Shape3"),
                    knob({338, 374, 61, 101}, "FUEL QTY", tanks, c.fuelSelector).under(10, "Shape1"),
                    gauge({450, 380, 90, 90}, "FUEL LB", fuel, 3000, QString::number(fuel), 0, 3000),
                    lamp({548, 418, 58, 24}, "FUEL LOW", lampAmber, c.caution(c.fuelSelector == 5)),
                    handle(ControlKind::Attitude, {472, 238, 74, 74}, "STBY ATT", c.attitudeRunning),
                    handle(ControlKind::Altimeter, {552, 238, 64, 64}, "ALT", c.altimeterSet),
                    handle(ControlKind::Stick, {452, 600, 120, 120}, "", c.stickDeflected),
                });
}

PhotoScene lowerCentrePanel(const Cockpit &c)
{
    return view("Lower centre panel", Framing::MainPanel,
                {{{180, 352, 130, 112}, "NAV MODE"}, {{150, 470, 150, 80}, "BRAKES"}, {{310, 280, 110, 170}, ""},
                 {{420, 278, 56, 250}, "STBY"}, {{480, 280, 140, 150}, ""}},
                {
                    display({230, 70, 200, 200}, leftPage(c), leftFooter(c)),
                    display({640, 70, 200, 200}, c.stickDeflected ? ControlsDeflectedPage : ControlsPage),
                    SceneControl{{430, 288, 37, 233}, ControlKind::Attitude, c.attitudeRunning, "CAGE"}.under(11, "Shape1"),
                    knob({240, 388, 37, 33}, "", {"OFF", "ALIGN", "NAV"}, c.navMode).under(11, "Shape2"),
                    button({240, 424, 37, 33}, "ENT", lampGreen, false).under(11, "Shape3"),
                    legendAbove(knob({336, 406, 26, 26}, "BARO", {"", ""}, c.altimeterSet)).under(11, "Shape4"),
                    legendAbove(knob({386, 406, 26, 26}, "CRS", {"", ""}, c.courseSet)).under(11, "Shape5"),
                    handle(ControlKind::Altimeter, {492, 300, 110, 110}, "ALT", c.altimeterSet),
                    handle(ControlKind::Stick, {354, 440, 69, 67}, "", c.stickDeflected).under(11, "Shape6").under(11, "Shape7"),
                    button({318, 294, 65, 59}, "TO\nTRIM", lampGreen, c.takeoffTrim).under(11, "Shape8"),
                    toggle({176, 488, 51, 49}, "ANTI-SKID", c.antiSkid).under(11, "Shape9"),
                    lamp({236, 500, 56, 26}, "ANTI-\nSKID", lampAmber, c.caution(!c.antiSkid)),
                });
}

PhotoScene panelWithCorners(const Cockpit &c)
{
    return view("Main panel and corners", Framing::MainPanel,
                {{{10, 180, 190, 110}, "BRAKE"}, {{200, 190, 620, 300}, ""}},
                {
                    handle(ControlKind::TeeHandle, {30, 204, 51, 49}, "PARK BRAKE", c.parkingBrake).under(12, "Shape1"),
                    lamp({100, 214, 70, 30}, "PARK\nBRAKE", lampRed, c.caution(c.parkingBrake)),
                    display({220, 210, 220, 220}, leftPage(c), leftFooter(c)),
                    display({576, 268, 190, 190}, rightPage(c), rpmText(c)),
                    handle(ControlKind::Attitude, {474, 220, 76, 76}, "STBY ATT", c.attitudeRunning),
                    button({474, 320, 76, 50}, "TO\nTRIM", lampGreen, c.takeoffTrim),
                    lamp({474, 390, 76, 28}, "ANTI-SKID", lampAmber, c.caution(!c.antiSkid)),
                    handle(ControlKind::Stick, {452, 600, 120, 120}, "", c.stickDeflected),
                    handle(ControlKind::Pedal, {914, 626, 117, 59}, "", 0).under(12, "Shape2"),
                });
}

PhotoScene glareShield(const Cockpit &c)
{
    return view("Glare shield and upper panel", Framing::MainPanel,
                {{{150, 140, 170, 120}, "TEST"}, {{340, 250, 420, 140}, "WARNING"}},
                {
                    toggle({214, 168, 51, 43}, "LIGHTS TEST", c.lightsTest, {"OFF", "TEST"})
                        .under(13, "Shape1")
                        .under(17, "Shape1"),
                    lamp({400, 96, 110, 56}, "MASTER\nCAUTION", lampAmber, c.lightsTest),
                    lamp({540, 96, 110, 56}, "FIRE", lampRed, c.lightsTest),
                    lamp({370, 290, 80, 34}, "OVERHEAT", lampRed, c.lightsTest),
                    lamp({460, 290, 80, 34}, "OIL", lampRed, c.lightsTest),
                    lamp({550, 290, 80, 34}, "HYD", lampRed, c.lightsTest),
                    lamp({640, 290, 80, 34}, "ENG", lampAmber, c.lightsTest),
                    window({380, 420, 260, 90}, "DATA", c.avionics, radioText(c)),
                });
}

PhotoScene leftPanelLights(const Cockpit &c)
{
    return view("Left and right panel lights", Framing::MainPanel,
                {{{40, 380, 240, 200}, "GEAR"}, {{40, 590, 160, 70}, ""}, {{810, 410, 214, 200}, "ENGINE"}},
                {
                    handle(ControlKind::GearHandle, {110, 392, 69, 75}, "GEAR", c.lightsTest).under(15, "Shape1", 0),
                    lamp({186, 420, 34, 26}, "NOSE", lampGreen, true).under(15, "Shape1", 4),
                    lamp({150, 500, 34, 26}, "LEFT", lampGreen, true),
                    lamp({222, 500, 34, 26}, "RIGHT", lampGreen, true),
                    lamp({64, 494, 43, 26}, "ANTI-\nSKID", lampAmber, c.caution(!c.antiSkid)).under(15, "Shape1", 1),
                    lamp({98, 614, 52, 28}, "PARK\nBRAKE", lampRed, c.caution(c.parkingBrake)).under(15, "Shape1", 3),
                    lamp({840, 448, 80, 52}, "FIRE", lampRed, c.lightsTest).under(15, "Shape1", 2),
                    lamp({930, 448, 80, 52}, "OVER\nHEAT", lampRed, c.lightsTest),
                    lamp({840, 522, 80, 52}, "OIL", lampRed, c.lightsTest),
                    lamp({930, 522, 80, 52}, "HYD", lampRed, c.lightsTest),
                    display({340, 170, 240, 240}, leftPage(c), leftFooter(c)),
                });
}

PhotoScene cautionPanel(const Cockpit &c)
{
    static const QStringList names = {"GEN", "STBY GEN", "FUEL LOW", "LOW\nPRESS 1", "LOW\nPRESS 2",
                                      "ENG CTRL", "CANOPY", "ANTI-SKID", "HYD", "OIL",
                                      "BATT", "AVIONICS", "PITOT", "ANTI-ICE", "NAV",
                                      "OXY", "CABIN", "FLT CTRL", "NWS", "BRAKES"};
    QList<SceneControl> controls;
    for (int i = 0; i < names.size(); ++i) {
        // Inside the lesson's frame round the panel, so its line crosses no legend.
        const QRect cell(565 + (i % 4) * 43, 268 + (i / 4) * 35, 40, 31);
        controls << lamp(cell, names.at(i), lampAmber, c.lightsTest);
    }
    // The panel's mark frames all its lights; the first answers for them.
    controls.first() = controls.first().under(16, "Shape1");
    controls << handle(ControlKind::Altimeter, {300, 280, 120, 120}, "ALT", c.altimeterSet)
             << toggle({330, 470, 50, 56}, "HOOK", 0) << toggle({410, 470, 50, 56}, "JETT", 0)
             << knob({820, 470, 60, 60}, "O2", OnOff, 1);
    return view("Caution light panel", Framing::MainPanel,
                {{{520, 244, 250, 214}, "CAUTION"}, {{280, 250, 180, 300}, ""}, {{780, 440, 160, 130}, ""}},
                controls);
}

PhotoScene lowerLeftPanel(const Cockpit &c)
{
    return view("Lower left panel", Framing::MainPanel,
                {{{120, 500, 220, 150}, "FLAPS / NWS"}, {{650, 330, 240, 110}, "EXT LIGHTS"},
                 {{40, 380, 150, 90}, "BRAKE"}},
                {
                    toggle({200, 524, 37, 64}, "FLAPS", c.flaps == 0 ? 1 : c.flaps == 1 ? 2 : 0, {"LDG", "UP", "TAKEOFF"})
                        .under(18, "Shape1"),
                    lamp({286, 520, 44, 24}, "UP", lampGreen, c.flaps == 0),
                    lamp({286, 548, 44, 24}, "TO", lampGreen, c.flaps == 1),
                    lamp({286, 576, 44, 24}, "LDG", lampGreen, c.flaps == 2),
                    button({152, 592, 37, 33}, "NWS", lampGreen, c.steering).under(18, "Shape2"),
                    rocker({688, 366, 163, 35}, "TAXI LIGHT", {"OFF", "TAXI", "LAND"}, c.taxiLight).under(18, "Shape3"),
                    handle(ControlKind::TeeHandle, {56, 404, 44, 44}, "PARK BRAKE", c.parkingBrake),
                    lamp({110, 410, 60, 28}, "PARK\nBRAKE", lampRed, c.caution(c.parkingBrake)),
                    display({300, 90, 200, 200}, leftPage(c), leftFooter(c)),
                    display({560, 90, 200, 200}, rightPage(c), rpmText(c)),
                    handle(ControlKind::Stick, {480, 560, 120, 120}, "", c.stickDeflected),
                });
}

} // namespace kelvora::content::CockpitViews
