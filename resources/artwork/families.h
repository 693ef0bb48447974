#pragma once
// One entry per gauge family: each painter file adds its family's bitmaps to the registry.

#include "resources/artwork/registry.h"

namespace xaq::art {

void addFlapsArt(Registry& art);  // instruments/flaps_art.cpp
void addRmiArt(Registry& art);       // instruments/rmi_art.cpp
void addHsiArt(Registry& art);       // instruments/hsi_art.cpp
void addAttitudeArt(Registry& art);  // instruments/attitude_art.cpp
void addAirDataArt(Registry& art);  // instruments/air_data_art.cpp
void addEadiArt(Registry& art);   // glass/eadi_art.cpp
void addEhsiArt(Registry& art);   // glass/ehsi_art.cpp
void addTcasArt(Registry& art);   // glass/tcas_art.cpp
void addEadiTwinArt(Registry& art);  // glass/eadi_twin_art.cpp
void addCduArt(Registry& art);    // fms/cdu_art.cpp
void addClipboardArt(Registry& art);  // services/clipboard_art.cpp
void addPedestalArt(Registry& art);   // pedestal/pedestal_art.cpp
void addOverheadArt(Registry& art);   // overhead/overhead_art.cpp
void addEngineArt(Registry& art);     // engine/engine_art.cpp
void addEngineDialArt(Registry& art);  // engine/engine_dials_art.cpp
void addFuelArt(Registry& art);       // fuel/fuel_art.cpp

void addWarningPanelArt(Registry& art);  // annunciators/warning_art.cpp
void addAutopilotArt(Registry& art);     // glareshield/autopilot_art.cpp
void addAdvisoryArt(Registry& art);      // glareshield/advisory_art.cpp
void addSwitchlightsArt(Registry& art);  // glareshield/switchlights_art.cpp
void addAltSelArt(Registry& art);        // glareshield/altsel_art.cpp
void addClockArt(Registry& art);         // glareshield/clock_art.cpp
void addNavGearArt(Registry& art);       // instruments/nav_gear_art.cpp

// The registry of every family above.
Registry allArtworks();

}  // namespace xaq::art
