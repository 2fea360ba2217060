#pragma once

namespace kelvora::content {

// The state of every control and system at one moment of the start-up. The
// photographs are drawn from it, so a control once set stays set in every
// later photograph of any view.
struct Cockpit {
    // Power and fuel
    bool battery = false;
    bool mainPower = false;
    bool fuelOpen = false;
    bool boost1 = false;
    bool boost2 = false;
    int ignition = 0; // OFF, NORM, CONT
    bool engineControl = false;
    bool masterGuardUp = false;
    bool engineMaster = false;
    bool canopyClosed = false;
    bool starter = false;
    bool throttleIdle = false;

    // Engine instruments
    int rpm = 0;        // percent
    int egt = 0;        // degrees C
    int fuelFlow = 0;   // pounds per hour
    int oil = 0;        // psi
    int hydraulic = 0;  // psi

    // Electrical, lights, air
    bool generator = false;
    bool standbyGenerator = false;
    bool avionics = false;
    bool pitotHeat = false;
    bool positionLights = false;
    bool antiCollision = false;
    bool antiIce = false;
    bool airConditioning = false;

    // Radios
    bool intercom = false;
    bool radio = false;
    bool navRadio = false;
    bool transponder = false;

    // Main panel
    int fuelSelector = 0; // TOTAL, FWD, AFT, L WING, R WING, TEST
    bool attitudeRunning = false;
    int navMode = 0;      // OFF, ALIGN, NAV
    bool positionAccepted = false;
    bool altimeterSet = false;
    bool courseSet = false;
    bool stickDeflected = false;
    bool takeoffTrim = false;
    bool antiSkid = false;
    bool parkingBrake = true;
    bool lightsTest = false;
    int flaps = 0;        // UP, TAKEOFF, LDG
    bool steering = false;
    int taxiLight = 0;    // OFF, TAXI, LAND

    bool engineRunning() const { return rpm >= 20 && throttleIdle; }
    bool powered() const { return mainPower; }
    // A warning or caution light: lit by its condition while there is power, or by the test.
    bool caution(bool condition) const { return (battery && condition) || lightsTest; }
};

} // namespace kelvora::content
