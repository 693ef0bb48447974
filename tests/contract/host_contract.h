#pragma once
// What every host sees of the module, written down once for the tests that check it from each
// side (the module's unit tests, the Win32 harness, the sim host): the gauge names in linkage
// order and the host variables one cycle looks up, in order.

#include <cstdint>

namespace xaq::contract {

inline constexpr const char* kGaugeNames[] = {
    "Airspeed", "Airspeed_V", "Altimeter", "Altimeter_V", "VSI", "VSI_V", "RMI", "RMI_V", "HSI",
    "HSI_V", "PFCS", "PFCS_V", "StandbyAlt", "StandbyAlt_V", "Torque1", "Torque1_V", "Torque2",
    "Torque2_V", "PropRPM1", "PropRPM1_V", "PropRPM2", "PropRPM2_V", "ITT1", "ITT1_V", "ITT2",
    "ITT2_V", "NH1", "NH1_V", "NH2", "NH2_V", "NL1", "NL1_V", "NL2", "NL2_V", "FF1", "FF1_V", "FF2",
    "FF2_V", "AltSel", "AltSelector_V", "TurnSlip", "TurnSlip_V", "FlapsInd", "FlapsInd_V",
    "LeftGlareshield", "Clock_V", "NAV1", "NAV1_V", "NAV2", "NAV2_V", "autopilot", "autopilot_V",
    "gear", "gear_V", "StandbyADI", "StandbyADIV", "ADI", "ADI_V", "Advisory", "AdvisoryV",
    "Annunciators", "Annunciators_V", "Overhead", "VCOverhead1", "VCOverhead2", "VCOverhead3",
    "VCOverhead4", "VCOverhead5", "VCOverhead6", "VCOverhead7", "Bypass", "BypassV",
    "FuelTankTemp", "FuelTankTempV", "EngOil1", "EngOil1_V", "EngOil2_V", "FuelTemp_V", "ECU",
    "ECU_V", "FUEL", "Fuel1_V", "Fuel2_V", "FuelInd_V", "Feather", "Airspeed_G", "RMI_G", "EADI",
    "EHSI", "Pedestal", "Pedestal_V_WXR", "Pedestal_V_RADIO", "WarningLights", "Warning_V",
    "Caution_V", "Clipboard", "TCAS", "TCAS_V", "EADI_V", "EHSI_V", "Compass_V", "FMC", "Post"};
static_assert(sizeof kGaugeNames / sizeof kGaugeNames[0] == 103);

inline constexpr std::uint32_t kLookupOrder[] = {
    61, 64, 81, 74, 614, 65, 70, 71, 72, 82, 60, 78, 80, 77, 79, 103, 114, 107, 105, 112, 113,
    793, 794, 624, 643, 662, 681, 625, 644, 663, 682, 638, 657, 676, 695, 631, 650, 669, 688,
    156, 191, 226, 261, 700, 708, 716, 724, 130, 165, 200, 235, 561, 571, 581, 591, 562, 572,
    582, 592, 129, 164, 199, 234, 131, 166, 201, 236, 564, 574, 584, 594, 707, 715, 723, 731,
    741, 791, 304, 303, 313, 317, 318, 325, 328, 333, 334, 332, 331, 323, 868, 824, 364, 740,
    604, 745, 746, 747, 749, 3, 6, 4, 5, 336, 24, 27, 23, 870, 16, 18, 550, 59, 39, 43, 52,
    44, 46, 46, 55, 20, 45, 31, 35, 40, 41, 354, 38, 874, 875, 876, 877, 878, 879, 880, 881,
    904, 905, 13, 10, 11, 368, 621, 14, 622, 341, 350, 342, 800, 343, 344};
inline constexpr std::size_t kLookupsPerCycle = sizeof kLookupOrder / sizeof kLookupOrder[0];
static_assert(kLookupsPerCycle == 149);

// Host event 66508 with these values, in this order, when the Post gauge is installed.
inline constexpr std::uint32_t kPostSetupEvent = 66508;
inline constexpr std::uint32_t kPostSetupValues[] = {55, 65, 10, 125, 225};

}  // namespace xaq::contract
