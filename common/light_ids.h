#pragma once
// The caution and warning lights by the number a part hands the LightDoor. Cautions keep their
// panel index (1-31 of 0-83); warnings are their panel index (1-5 of 0-14) plus kWarningBase, so
// one int names any light and the two panels never collide.

namespace xaq::lights {

inline constexpr int kWarningCount = 15;
inline constexpr int kCautionCount = 84;
inline constexpr int kWarningBase = 100;

constexpr bool isCaution(int light) { return light >= 0 && light < kCautionCount; }
constexpr bool isWarning(int light) { return light >= kWarningBase && light < kWarningBase + kWarningCount; }
constexpr int warningIndex(int light) { return light - kWarningBase; }

namespace warning {
inline constexpr int kCabinPress = kWarningBase + 1;
inline constexpr int kTouchedRunway = kWarningBase + 2;
inline constexpr int kPassDoor = kWarningBase + 3;
inline constexpr int kEng1OilPress = kWarningBase + 4;
inline constexpr int kEng2OilPress = kWarningBase + 5;
}  // namespace warning

namespace caution {
inline constexpr int kPriInv = 1;
inline constexpr int kSecInv = 2;
inline constexpr int kAuxInv = 3;
inline constexpr int kLeft26Ac = 4;
inline constexpr int kRight26Ac = 5;
inline constexpr int kLeftAcBus = 6;
inline constexpr int kRightAcBus = 7;
inline constexpr int kDcBus = 8;
inline constexpr int kLeftTru = 9;
inline constexpr int kRightTru = 10;
inline constexpr int kMainBattery = 11;
inline constexpr int kAuxBattery = 12;
inline constexpr int kDcGen1 = 13;
inline constexpr int kDcGen2 = 14;
inline constexpr int kAcGen1 = 15;
inline constexpr int kAcGen2 = 16;
inline constexpr int kRollSpoilerInboardHyd = 17;
inline constexpr int kRollSpoilerOutboardHyd = 18;
inline constexpr int kRudderHyd1 = 19;
inline constexpr int kRudderHyd2 = 20;
inline constexpr int kFlapPower = 21;
inline constexpr int kTank1FuelLow = 22;
inline constexpr int kTank2FuelLow = 23;
inline constexpr int kEngHydPump1 = 24;
inline constexpr int kEngHydPump2 = 25;
inline constexpr int kPitotHeat1 = 26;
inline constexpr int kPitotHeat2 = 27;
inline constexpr int kParkingBrake = 28;
inline constexpr int kEng1Manual = 29;
inline constexpr int kEng2Manual = 30;
inline constexpr int kEmergencyLightsDisarmed = 31;
}  // namespace caution

}  // namespace xaq::lights
