#include "SceneBook.h"

#include "content/AssetCatalogue.h"

#include <stdexcept>

namespace kelvora::content {

namespace {
SceneControl toggle(QRect place, const QString &label, MarkShape mark = MarkShape::Circle)
{
    return {place, ControlKind::Toggle, 0, label, mark};
}
SceneControl button(QRect place, const QString &label, MarkShape mark = MarkShape::Circle)
{
    return {place, ControlKind::PushButton, 0, label, mark};
}
SceneControl rotary(QRect place, const QString &label)
{
    return {place, ControlKind::Rotary, 0, label, MarkShape::Circle};
}
SceneControl guarded(QRect place, const QString &label)
{
    return {place, ControlKind::Guarded, 0, label, MarkShape::Circle};
}
SceneControl rocker(QRect place, const QString &label)
{
    return {place, ControlKind::Rocker, 0, label, MarkShape::Circle};
}
SceneControl lever(QRect place, const QString &label)
{
    return {place, ControlKind::Lever, 0, label, MarkShape::Oval};
}
SceneControl wheel(QRect place, const QString &label)
{
    return {place, ControlKind::Thumbwheel, 0, label, MarkShape::Oval};
}
SceneControl gauge(QRect place, const QString &label, int reading)
{
    return {place, ControlKind::Gauge, reading, label, MarkShape::Circle};
}
SceneControl display(QRect place, const QString &label, MarkShape mark = MarkShape::Circle)
{
    return {place, ControlKind::Display, 0, label, mark};
}

// The engine page that screens 5 and 6 watch while the engine spools up; the
// light-green watch mark stands on the speed gauge, and the other gauges
// follow the speed.
QList<SceneControl> engineInstruments(int speedPercent)
{
    const int temperature = speedPercent < 5 ? 0 : 30 + speedPercent / 2;
    return {
        gauge({876, 356, 93, 89}, "RPM %", speedPercent),
        gauge({760, 356, 93, 89}, "EGT x10", temperature),
        gauge({876, 470, 93, 89}, "OIL", speedPercent < 10 ? 0 : 40 + speedPercent / 3),
        gauge({760, 470, 93, 89}, "HYD", speedPercent < 15 ? 0 : speedPercent + 20),
    };
}
} // namespace

SceneBook::SceneBook()
{
    describeScreens();
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
    ScreenShots(*this, 0).view(0, "Cockpit", {
        display({150, 250, 250, 230}, "LEFT DISPLAY", MarkShape::RoundedSquare),
        display({620, 250, 250, 230}, "RIGHT DISPLAY", MarkShape::RoundedSquare),
    });

    ScreenShots(*this, 1).view(1, "Cockpit overview", {
        display({142, 224, 251, 229}, "LEFT DISPLAY", MarkShape::RoundedSquare),
        display({622, 228, 251, 229}, "RIGHT DISPLAY", MarkShape::RoundedSquare),
        display({668, 42, 191, 87}, "CAUTION PANEL", MarkShape::Oval),
    });

    ScreenShots(*this, 2)
        .view(2, "Left console: main power", {toggle({292, 206, 69, 89}, "MAIN PWR")})
        .then(3, 0, 1);

    // The generator switch (the last control) is pressed twice: to on, then to its latched position.
    ScreenShots(*this, 3)
        .view(4, "Left console: electrical panel", {
            button({46, 138, 69, 89}, "LAMP TEST"),
            guarded({146, 134, 127, 113}, "BATTERY"),
            toggle({60, 436, 53, 69}, "PUMP L"),
            toggle({124, 436, 51, 71}, "PUMP R"),
            toggle({184, 456, 115, 43}, "CROSSFEED", MarkShape::Oval),
            toggle({148, 518, 51, 77}, "BEACON"),
            toggle({446, 226, 69, 89}, "GENERATOR"),
        })
        .then(5, 0, 1).then(6, 1, 2).then(7, 2, 1).then(8, 3, 1)
        .then(9, 4, 1).then(10, 5, 1).then(11, 6, 1).then(12, 6, 2);

    ScreenShots(*this, 4)
        .view(13, "Right console: engine master", {guarded({768, 196, 139, 147}, "ENG MASTER")})
        .then(14, 0, 2);

    ScreenShots(*this, 5)
        .view(15, "Right console: starter", {rotary({782, 266, 95, 89}, "STARTER")})
        .then(16, 0, 2)
        .view(17, "Engine instruments", engineInstruments(0))
        .view(18, "Engine instruments", engineInstruments(5))
        .view(19, "Engine instruments", engineInstruments(10))
        .view(20, "Engine instruments", engineInstruments(15))
        .view(21, "Engine instruments", engineInstruments(20));

    // The step-2 switch stands half outside the window, as its mark does.
    ScreenShots(*this, 6)
        .view(24, "Left console: ignition", {rotary({-46, 612, 95, 89}, "IGNITION")})
        .view(25, "Engine instruments", engineInstruments(20))
        .view(26, "Engine instruments", engineInstruments(26))
        .view(27, "Engine instruments", engineInstruments(32))
        .view(28, "Engine instruments", engineInstruments(39))
        .view(29, "Engine instruments", engineInstruments(45))
        .view(30, "Engine instruments", engineInstruments(51))
        .view(31, "Engine instruments", engineInstruments(57))
        .view(32, "Engine instruments", engineInstruments(64))
        .view(33, "Engine instruments", engineInstruments(70));

    ScreenShots(*this, 7)
        .view(34, "Left console: systems panel", {
            button({348, 296, 53, 57}, "SYS TEST"),
            toggle({412, 296, 53, 57}, "HYD"),
            toggle({478, 296, 53, 57}, "PITOT"),
            toggle({546, 298, 53, 57}, "NAV LT"),
            toggle({436, 398, 53, 57}, "ANTI-ICE"),
            toggle({488, 398, 53, 57}, "LAND LT"),
            toggle({542, 400, 53, 57}, "TAXI LT"),
            guarded({352, 370, 85, 81}, "EMERG PWR"),
        })
        .then(35, 0, 1).then(36, 1, 1).then(37, 2, 1).then(38, 3, 1)
        .then(39, 4, 1).then(40, 5, 1).then(41, 6, 1).then(42, 7, 2);

    ScreenShots(*this, 8)
        .view(43, "Right console: lighting", {
            rocker({298, 368, 53, 57}, "CONSOLE"),
            rocker({308, 306, 53, 57}, "PANEL"),
            rocker({318, 250, 53, 57}, "FLOOD"),
            rocker({324, 196, 53, 57}, "FORMATION"),
        })
        .then(44, 0, 1).then(45, 1, 1).then(46, 2, 1).then(47, 3, 1);

    ScreenShots(*this, 9).view(48, "Main panel", {
        display({142, 224, 251, 229}, "LEFT DISPLAY"),
        display({622, 228, 251, 229}, "RIGHT DISPLAY"),
        display({668, 42, 191, 87}, "CAUTION PANEL", MarkShape::Oval),
    });

    ScreenShots(*this, 10)
        .view(49, "Left console: trim", {wheel({338, 374, 61, 101}, "TRIM")})
        .then(50, 0, 1).then(51, 0, 2).then(52, 0, 3).then(53, 0, 4).then(54, 0, 5).then(55, 0, 6);

    // The guarded switch takes two presses: the guard, then the switch.
    ScreenShots(*this, 11)
        .view(56, "Left console: flight controls", {
            lever({430, 288, 37, 233}, "FLAPS"),
            toggle({240, 388, 37, 33}, "YAW"),
            toggle({240, 424, 37, 33}, "ROLL"),
            toggle({340, 402, 37, 33}, "PITCH"),
            toggle({370, 402, 37, 33}, "AUTO TRIM"),
            guarded({354, 440, 69, 67}, "FLT CTRL"),
            toggle({318, 294, 65, 59}, "SPEED BRAKE"),
            toggle({176, 488, 51, 49}, "STEERING"),
        })
        .then(57, 0, 1).then(58, 1, 1).then(59, 2, 1).then(60, 3, 1).then(61, 4, 1)
        .then(62, 5, 1).then(63, 5, 2).then(64, 6, 1).then(65, 7, 1);

    // Step 2 keeps photograph 067 and step 3 brings 066 back.
    ScreenShots(*this, 12)
        .view(66, "Main panel: caution test", {
            button({30, 204, 51, 49}, "CAUTION"),
            button({914, 626, 117, 59}, "RESET", MarkShape::Oval),
        })
        .then(67, 0, 2);

    const QList<SceneControl> upperLeftPanel = {button({214, 168, 51, 43}, "OXYGEN")};
    ScreenShots(*this, 13).view(68, "Upper left panel", upperLeftPanel).then(69, 0, 1);

    ScreenShots(*this, 14).view(70, "Main panel: instruments", {
        display({144, 452, 89, 89}, "STBY ATT"),
        display({334, 108, 89, 89}, "HUD"),
        display({232, 350, 205, 51}, "DATA ENTRY", MarkShape::Oval),
    });

    ScreenShots(*this, 15).view(71, "Left panel: instruments", {
        display({110, 392, 69, 75}, "CLOCK"),
        display({64, 484, 43, 45}, "G"),
        display({824, 424, 205, 173}, "FUEL"),
        display({102, 606, 43, 45}, "CABIN"),
        display({124, 406, 131, 149}, "AIRSPEED"),
    });

    ScreenShots(*this, 16).view(72, "Centre display", {
        display({536, 260, 217, 183}, "MAP", MarkShape::RoundedSquare),
    });

    // The step returns to photograph 068, which screen 13 already describes.
    QList<SceneControl> upperLeftPanelOn = upperLeftPanel;
    upperLeftPanelOn[0].state = 1;
    ScreenShots(*this, 17).view(73, "Upper left panel", upperLeftPanelOn);

    ScreenShots(*this, 18)
        .view(75, "Left console: final checks", {
            button({200, 540, 37, 33}, "PROBE HEAT"),
            toggle({152, 592, 37, 33}, "STROBE"),
            lever({688, 366, 163, 35}, "CANOPY"),
        })
        .then(76, 0, 1).then(77, 1, 1).then(78, 2, 1);
}

void SceneBook::describeInsets()
{
    m_insets = {
        {"KokpitA.bmp", {0.06, 0.12, 0.36, 0.28}, "UPPER LEFT"},
        {"KokpitB.bmp", {0.00, 0.46, 0.30, 0.50}, "LEFT CONSOLE"},
        {"KokpitC.bmp", {0.02, 0.62, 0.30, 0.36}, "THROTTLE"},
        {"KokpitD.bmp", {0.03, 0.05, 0.94, 0.90}, "COCKPIT"},
        {"KokpitE.bmp", {0.32, 0.22, 0.36, 0.34}, "CENTRE"},
        {"KokpitF.bmp", {0.70, 0.46, 0.30, 0.50}, "RIGHT CONSOLE"},
        {"KokpitG.bmp", {0.12, 0.40, 0.34, 0.30}, "LEFT PANEL"},
    };
}

ScreenShots::ScreenShots(SceneBook &book, int screen)
    : m_book(book)
    , m_screen(screen)
{
}

ScreenShots &ScreenShots::view(int number, const QString &view, const QList<SceneControl> &controls)
{
    m_current = PhotoScene{number, m_screen, number == 0 ? StartPictureSize : LessonPictureSize, view, controls};
    m_book.add(m_current);
    return *this;
}

ScreenShots &ScreenShots::then(int number, int control, int state)
{
    m_current.number = number;
    m_current.controls[control].state = state;
    m_book.add(m_current);
    return *this;
}

} // namespace kelvora::content
