#pragma once
// The simulator's stand-in: loads the gauge module through its two exports, serves its panel
// services and its portable operating-system table, runs the world frame by frame in simulated
// time, pumps the module's thread timer, installs the gauges, clicks their mouse areas, presses
// keys, and formats tooltips. Only one host exists at a time (the module's callbacks carry no
// context, just as on the real host).

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "frame/abi/element_axes.h"
#include "frame/abi/host_abi.h"
#include "simhost/atmosphere.h"
#include "simhost/addon.h"
#include "simhost/host_variables.h"
#include "simhost/navaids.h"
#include "simhost/pilot.h"
#include "simhost/sound_recorder.h"
#include "simhost/variation_grid.h"
#include "simhost/world.h"

namespace xaq::sim {

inline constexpr std::int64_t kFrameMs = 28;  // two frames per module cycle

enum class MouseButton { kLeft, kRight };

struct SentEvent {
  double simSeconds;
  std::uint32_t id;
  std::uint32_t value;
  bool fromArea;  // triggered by the host for an event-only mouse area
};

struct HostOptions {
  std::string modulePath;
  std::string simulatorFolder;  // navigation data under Xaq/NavData
  std::string bitmapFolder;     // "<id>.png": the module's bitmaps, for the sizes of drawing surfaces
  bool addonPresent = true;
  bool soundDevice = true;      // false: the module finds no sound device
  std::uint32_t addonVersion = kAddonVersion275;
};

class SimHost {
 public:
  explicit SimHost(const HostOptions& options);
  ~SimHost();
  SimHost(const SimHost&) = delete;
  SimHost& operator=(const SimHost&) = delete;

  bool loaded() const { return linkage_ != nullptr; }
  const std::string& error() const { return error_; }

  World world;
  NavData navData;
  VariationGrid variation;  // Scenery/magdec.bgl of the simulator folder
  AddonStandIn addon{world};
  Pilot pilot;
  SoundRecorder sound;  // the module's sound device, recording in simulation time
  std::map<std::uint32_t, double> overrides;  // host variables pinned by a scenario
  bool hostInFront = true;

  // One frame of the host loop; runFor runs whole frames up to the given host-clock time.
  void runFrame();
  // The variation the host reports follows the grid at the aircraft (unless a scenario pinned it).
  void followVariation();
  void runFor(double seconds);
  std::int64_t hostMs() const { return hostMs_; }

  // What the host delivers for a host variable now (override, else the world).
  double hostValue(std::uint32_t id) const;
  // What the module's lookups received: the value of the last lookup of `id`.
  bool delivered(std::uint32_t id, double& value) const;
  // The ids the module looked up during the last timer tick, in order.
  const std::vector<std::uint32_t>& lastCycleLookups() const { return lastCycleLookups_; }
  std::uint64_t cyclesRun() const { return cycles_; }

  // Events the module sent (and events of event-only areas), in order.
  const std::vector<SentEvent>& events() const { return events_; }
  std::uint64_t elementServiceCalls() const { return elementServiceCalls_; }

  // How often the module looked for the add-on's window and sent it a message.
  std::uint64_t addonWindowSearches() const { return addonWindowSearches_; }
  std::uint64_t addonMessages() const { return addonMessages_; }

  // The module's gauges.
  std::vector<abi::GaugeHeader*> gauges() const;
  abi::GaugeHeader* gauge(const std::string& name) const;
  void callGauge(abi::GaugeHeader* gauge, std::int32_t service, std::uint32_t extra = 0);

  // Mouse: presses at a gauge-pixel point; a hold keeps repeating on repeat areas until the
  // hold time has passed (frames run meanwhile). False when no clickable area is there.
  bool click(const std::string& gaugeName, int x, int y, MouseButton button, double holdSeconds = 0);
  bool click(abi::GaugeHeader* gauge, int x, int y, MouseButton button, double holdSeconds = 0);
  // The first clickable area of the control whose tooltip contains `text`.
  bool clickTooltip(const std::string& gaugeName, const std::string& text, MouseButton button,
                    double holdSeconds = 0);
  // The formatted tooltip of the innermost control at a point ("" when none).
  std::string tooltipAt(const std::string& gaugeName, int x, int y);
  std::string tooltipAt(abi::GaugeHeader* gauge, int x, int y);
  std::vector<std::string> tooltips(const std::string& gaugeName);

  // Keyboard: a key press and release through the module's hook (when the host is in front).
  // Modifiers: bit 0 shift, 1 control, 2 alt. False when no hook took the key.
  bool keyPress(int virtualKey, unsigned modifiers);
  bool keyboardHooked() const { return hook_.function != nullptr; }

  // The value the host applies to one axis of an element: the variable is looked up (when it
  // names one), then the element's callback, when set, gives the value instead.
  double applyValue(const abi::ElementAxis& axis, abi::ElementHeader* element);

  // The drawing surface of an element flagged kImageCreateSurface (made at install), or null.
  abi::Image* surfaceFor(abi::ElementHeader* element);
  // What installing does for a gauge's elements: drawing surfaces sized from the elements'
  // bitmaps, text buffers for strings (also for gauges from outside the module, in tests).
  void prepareElements(abi::ElementHeader* element);
  // The host's per-frame update of an element tree: each element's value applied.
  // Lists every element of a tree with the axes the host applies, once at install: the tables are
  // static, so the per-frame update pass walks this list rather than the trees.
  void collectElements(abi::ElementHeader* element);

  // The pixel format the host reports for its 32-bit drawing surfaces.
  static constexpr std::uint32_t kSurfaceFormat32 = 32;

  // ---- entry points for the static trampolines (panel services, portable OS) ----
  void onLookup(abi::HostVarRecord* record);
  void onTrigger(std::uint32_t id, std::uint32_t value, bool fromArea);
  void onElementService() { ++elementServiceCalls_; }
  std::uintptr_t onSetTimer(std::uint32_t periodMs, void (*tick)(void*), void* context);
  void onKillTimer(std::uintptr_t id);
  std::uintptr_t onFindWindow(const char* className) const;
  std::uintptr_t onForeground() const;
  std::intptr_t onSendMessage(std::uintptr_t window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam);
  std::size_t onProgramFileName(char* buffer, std::size_t size) const;
  std::uintptr_t onSetHook(std::intptr_t (*hook)(void*, int, std::uintptr_t, std::intptr_t), void* context);
  void onRemoveHook(std::uintptr_t id);
  std::int16_t onKeyState(int virtualKey) const;

  static constexpr std::uintptr_t kMainWindow = 0x1001;
  static constexpr std::uintptr_t kAddonWindow = 0x2002;

 private:
  mutable AirDataCache airCache_;
  std::vector<abi::GaugeHeader*> installed_;
  // One entry per element, with each axis's host variable found once (null when it names none
  // the host knows).
  struct UpdateEntry {
    abi::ElementHeader* element;
    abi::ElementAxes axes;
    const HostVariable* variables[3];
  };
  std::vector<UpdateEntry> updateList_;
  // The value of a host variable as the host gives it this frame: pinned by a scenario, or the
  // variable's own value in `view`.
  double valueOf(std::uint32_t id, const HostVariable* variable, const HostView& view) const;
  struct Timer {
    std::uintptr_t id;
    std::int64_t periodMs;
    std::int64_t nextMs;
    void (*tick)(void*);
    void* context;
  };
  struct Hold {
    abi::GaugeHeader* gauge = nullptr;
    abi::MouseRecord* area = nullptr;
    abi::PixPoint point{};
    std::uint32_t flags = 0;
    std::int64_t untilMs = 0, nextRepeatMs = 0;
  };
  struct Hook {
    std::intptr_t (*function)(void*, int, std::uintptr_t, std::intptr_t) = nullptr;
    void* context = nullptr;
  };

  void installGauges();
  void removeGauges();
  void stepWorld(double dtSeconds);
  void pumpTimers();
  void deliverClick(abi::GaugeHeader* gauge, abi::MouseRecord* area, abi::PixPoint point,
                    std::uint32_t flags);
  bool press(abi::GaugeHeader* gauge, abi::MouseRecord* area, abi::PixPoint point,
             MouseButton button, double holdSeconds);

  void* library_ = nullptr;
  abi::ImportTable* importTable_ = nullptr;
  abi::ModuleLinkage* linkage_ = nullptr;
  std::string error_;
  std::string simulatorFolder_;
  std::int64_t hostMs_ = 0;
  std::int64_t simMicros_ = 0;
  std::vector<Timer> timers_;
  std::uintptr_t nextTimerId_ = 1;
  // What the host last gave the module for each variable it looked up, by id (unset: never).
  std::vector<std::optional<double>> delivered_;
  std::vector<std::uint32_t> currentCycleLookups_, lastCycleLookups_;
  bool inTick_ = false;
  std::uint64_t cycles_ = 0;
  std::vector<SentEvent> events_;
  std::uint64_t elementServiceCalls_ = 0;
  mutable std::uint64_t addonWindowSearches_ = 0;
  std::uint64_t addonMessages_ = 0;
  Hold hold_;
  Hook hook_;
  std::map<int, bool> keysDown_;
  struct Surface {
    abi::Image image{};
    std::vector<std::uint8_t> pixels;
  };
  std::string bitmapFolder_;
  std::map<abi::ElementHeader*, std::unique_ptr<Surface>> surfaces_;
  std::map<abi::ElementHeader*, std::vector<char>> textBuffers_;
};

}  // namespace xaq::sim
