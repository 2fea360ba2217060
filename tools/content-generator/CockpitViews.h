#pragma once

#include "Cockpit.h"
#include "PhotoScene.h"

namespace kelvora::content {

// The camera framings of the lessons. Each draws the cockpit's state into the
// plates and controls that framing shows, with every marked control at the
// place of its lesson's mark.
namespace CockpitViews {

PhotoScene wholeCockpit(const Cockpit &c);        // screen 1
PhotoScene leftConsoleAft(const Cockpit &c);      // C: screens 2, 6, 14
PhotoScene leftConsoleForward(const Cockpit &c);  // B: screens 3, 5
PhotoScene rightConsoleAft(const Cockpit &c);     // F: screens 4, 8
PhotoScene engineInstruments(const Cockpit &c);   // D2: screens 5, 6
PhotoScene rightConsoleForward(const Cockpit &c); // G: screen 7
PhotoScene mainPanel(const Cockpit &c);           // D3: screens 9, 10
PhotoScene lowerCentrePanel(const Cockpit &c);    // D4: screen 11
PhotoScene panelWithCorners(const Cockpit &c);    // D5: screen 12
PhotoScene glareShield(const Cockpit &c);         // A: screens 13, 17
PhotoScene leftPanelLights(const Cockpit &c);     // D6: screen 15
PhotoScene cautionPanel(const Cockpit &c);        // E: screen 16
PhotoScene lowerLeftPanel(const Cockpit &c);      // D7: screen 18

} // namespace CockpitViews

} // namespace kelvora::content
