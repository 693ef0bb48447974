#pragma once
// The link object's side of the add-on: the connection, its request buffer, the reads it makes
// every cycle and the joystick hot-button watch. A missing or failing add-on is never an error
// the pilot sees: the values keep their last reading and the next call tries to connect again.

#include <array>
#include <cstdint>
#include <string>

#include "services/datalink/addon_client.h"
#include "services/datalink/link_values.h"

namespace xaq::services::datalink {

// Offsets other parts of the cockpit write (or read) with singleWrite / singleRead.
namespace offsets {
inline constexpr std::uint32_t kElevatorCommand = 0x0BB2;   // 2 bytes
inline constexpr std::uint32_t kAileronCommand = 0x0BB6;    // 2 bytes
inline constexpr std::uint32_t kElevatorTrim = 0x0BC0;      // 2 bytes
inline constexpr std::uint32_t kControlDisconnect = 0x310A; // 1 byte, bits 0 ... 3
inline constexpr std::uint32_t kWiperPosition = 0x37F0;     // 8 bytes, double
inline constexpr std::uint32_t kTank1Level = 0x0B7C;        // 4 bytes, 8388608 = 100 %
inline constexpr std::uint32_t kTank2Level = 0x0B94;        // 4 bytes
inline constexpr std::uint32_t kTrafficTable = 0xF000;
inline constexpr std::uint32_t kHotButtonCount = 0x290C;
inline constexpr std::uint32_t kHotButtonSlots = 0x2910;    // 4 bytes per slot
}  // namespace offsets

inline constexpr std::size_t kLinkBufferBytes = 4160;
inline constexpr char kNotesFileName[] = "orvek-300_notes.txt";

// The add-on's version word as a decimal number: its top three hexadecimal digits are the
// hundreds, tens and units (0x27500000 is 275).
int addonVersionNumber(std::uint32_t versionWord);

class DataLink {
 public:
  static constexpr int kOldestFullAddon = 275;   // older add-ons connect but are not read
  static constexpr int kPathReadCycles = 100;    // cycles the paths are re-read after a change

  DataLink();
  DataLink(const DataLink&) = delete;
  DataLink& operator=(const DataLink&) = delete;

  // One cycle's exchange: reads the values, the aircraft's paths while they may be settling, and
  // the joystick buttons; connects instead when not connected.
  void update(AddonValues& values, std::string& notesFilePath, JoystickButtons& buttons);

  // One request on its own, for the cockpit's other parts. True when it was served; false when
  // the link was not usable (then it connects for next time) or the exchange failed.
  bool singleRead(std::uint32_t offset, std::uint32_t size, void* destination);
  bool singleWrite(std::uint32_t offset, std::uint32_t size, const void* source);

  // When the link object is released: hands the hot-button slots back and closes.
  void shutDown(JoystickButtons& buttons);

  bool connected() const { return connected_; }
  bool versionOk() const { return versionOk_; }
  std::uint32_t addonVersion() const { return client_.addonVersion(); }
  std::uint16_t simulatorVersion() const { return client_.simulatorVersion(); }

 private:
  // The add-on's words as they arrive, before conversion.
  struct RawValues {
    std::uint16_t changeCounter = 0;
    std::array<char, 256> aircraftPath{};
    std::array<char, 256> simulatorFolder{};
    double acceleration = 0, verticalSpeed = 0, flightPathAngle = 0, angleOfAttack = 0;
    std::uint32_t trueAirspeed = 0, groundSpeed = 0;
    std::uint8_t timeOfDay = 0;
    std::uint32_t payloadWeight = 0;
    std::int32_t nav1StationLat = 0, glideslopeLat = 0, nav1StationLon = 0, glideslopeLon = 0;
    std::uint16_t localizerCourse = 0, glideslopeAngle = 0;
    std::array<std::array<std::uint16_t, 3>, 3> clouds{};
    std::uint32_t hotButtonCount = 0;
  };

  bool connect();
  // Processes what is queued; a failure marks the link for reconnection.
  bool exchange();
  bool queue(LinkError error);
  void takePaths(AddonValues& values, std::string& notesFilePath) const;
  bool registerButtons(std::uint32_t slotCount, JoystickButtons& buttons);
  bool pollButtons(JoystickButtons& buttons);

  AddonClient client_;
  std::array<std::uint8_t, kLinkBufferBytes> buffer_{};
  bool connected_ = false;
  bool versionOk_ = false;
  bool changeCounterSeen_ = false;   // the first reading is always a change
  std::uint16_t lastChangeCounter_ = 0;
  int pathCountdown_ = 0;
  RawValues raw_;
  std::array<std::uint32_t, 64> slotWords_{};
};

// Where the notes file of the aircraft whose file is at `aircraftFilePath` lives: the file's
// drive and folder, with the folder's own separator. Empty when the path names no folder.
std::string notesFilePathFor(const std::string& aircraftFilePath);

// Whether the add-on can watch this entry's button: the button number is 2 or above (entries
// nobody filled read as button 1) and both numbers fit the hot-button word.
bool watchable(const JoystickButton& entry);
// The hot-button word for an entry: ((button - 1) | 0x200) × 256 + (joystick - 1 + 128).
std::uint32_t hotButtonWord(const JoystickButton& entry);

}  // namespace xaq::services::datalink
