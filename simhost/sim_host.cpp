#include "simhost/sim_host.h"

#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "frame/abi/mouse_table.h"
#include "frame/abi/tooltip_format.h"
#include "platform/portable/portable_os.h"
#include "simhost/engines.h"
#include "simhost/flight_model.h"
#include "simhost/geo.h"
#include "simhost/host_variables.h"
#include "simhost/key_events.h"
#include "simhost/renderer.h"

namespace xaq::sim {

namespace {

SimHost* gHost = nullptr;

constexpr std::int64_t kMouseRepeatMs = 100;
constexpr std::uint32_t kSurfaceSize = 200;  // until the element's bitmap tells its size

// ---- panel services ----
std::uint32_t XAQ_HOSTCALL elementService(abi::ElementHeader*) {
  if (gHost != nullptr) gHost->onElementService();
  return 0;
}
std::uint32_t XAQ_HOSTCALL elementServiceWithWord(abi::ElementHeader*, std::uint32_t) {
  if (gHost != nullptr) gHost->onElementService();
  return 0;
}
std::uint32_t XAQ_HOSTCALL triggerKeyEvent(std::uint32_t id, std::uint32_t value) {
  if (gHost != nullptr) gHost->onTrigger(id, value, false);
  return 0;
}
void XAQ_HOSTCALL lookupVariable(abi::HostVarRecord* record) {
  if (gHost != nullptr && record != nullptr) gHost->onLookup(record);
}

void* gPanelServices[abi::kPanelServiceCount] = {};

void fillPanelServices() {
  for (int entry : {24, 26, 27, 29, 31}) gPanelServices[entry] = reinterpret_cast<void*>(&elementService);
  for (int entry : {25, 28}) gPanelServices[entry] = reinterpret_cast<void*>(&elementServiceWithWord);
  gPanelServices[abi::kServiceTriggerKeyEvent] = reinterpret_cast<void*>(&triggerKeyEvent);
  gPanelServices[abi::kServiceLookupVariable] = reinterpret_cast<void*>(&lookupVariable);
}

// ---- the portable operating-system table ----
uintptr_t osSetTimer(void*, uint32_t period, void (*tick)(void*), void* context) {
  return gHost != nullptr ? gHost->onSetTimer(period, tick, context) : 0;
}
void osKillTimer(void*, uintptr_t id) {
  if (gHost != nullptr) gHost->onKillTimer(id);
}
uintptr_t osFindWindow(void*, const char* className) {
  return gHost != nullptr && className != nullptr ? gHost->onFindWindow(className) : 0;
}
uintptr_t osForeground(void*) { return gHost != nullptr ? gHost->onForeground() : 0; }
uint32_t osWindowThread(void*, uintptr_t window) { return window != 0 ? 1 : 0; }
intptr_t osSendMessage(void*, uintptr_t window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  return gHost != nullptr ? gHost->onSendMessage(window, message, wParam, lParam) : 0;
}
size_t osProgramFileName(void*, char* buffer, size_t size) {
  return gHost != nullptr ? gHost->onProgramFileName(buffer, size) : 0;
}
uintptr_t osSetHook(void*, uint32_t, intptr_t (*hook)(void*, int, uintptr_t, intptr_t), void* context) {
  return gHost != nullptr ? gHost->onSetHook(hook, context) : 0;
}
void osRemoveHook(void*, uintptr_t id) {
  if (gHost != nullptr) gHost->onRemoveHook(id);
}
int16_t osKeyState(void*, int key) { return gHost != nullptr ? gHost->onKeyState(key) : 0; }

// Sound goes to the host's recorder, stamped with the simulation time.
int osSoundOpen(void*, uintptr_t) { return gHost != nullptr ? gHost->sound.open(gHost->world.simSeconds) : 0; }
void osSoundClose(void*) {
  if (gHost != nullptr) gHost->sound.close(gHost->world.simSeconds);
}
int osSoundLoad(void*, int slot, uint16_t channels, uint32_t rate, uint16_t bits, const uint8_t* samples, size_t size) {
  return gHost != nullptr ? gHost->sound.load(gHost->world.simSeconds, slot, channels, rate, bits, samples, size) : 0;
}
int osSoundPlay(void*, int slot, int loop) {
  return gHost != nullptr && gHost->sound.play(gHost->world.simSeconds, slot, loop != 0) != 0 ? kXaqSoundPlaying
                                                                                               : kXaqSoundFailed;
}
int osSoundRestore(void*, int slot, const uint8_t* samples, size_t size) {
  return gHost != nullptr ? gHost->sound.restore(gHost->world.simSeconds, slot, samples, size) : 0;
}
int osSoundStop(void*, int slot) { return gHost != nullptr ? gHost->sound.stop(gHost->world.simSeconds, slot) : 0; }
int osSoundSetVolume(void*, int slot, int32_t attenuation) {
  return gHost != nullptr ? gHost->sound.setVolume(gHost->world.simSeconds, slot, attenuation) : 0;
}

std::uint32_t buttonBit(MouseButton button) {
  return button == MouseButton::kLeft ? abi::kMouseLeftSingle : abi::kMouseRightSingle;
}

}  // namespace

}  // namespace xaq::sim

extern "C" {
// The table the module's portable ports look up by name (the program is linked with its
// symbols exported).
__attribute__((visibility("default"))) XaqPortableOs xaqPortableOs = {
    kXaqPortableOsVersion, nullptr, &xaq::sim::osSetTimer, &xaq::sim::osKillTimer,
    &xaq::sim::osFindWindow, &xaq::sim::osForeground, &xaq::sim::osWindowThread,
    &xaq::sim::osSendMessage, &xaq::sim::osProgramFileName, &xaq::sim::osSetHook,
    &xaq::sim::osRemoveHook, &xaq::sim::osKeyState, &xaq::sim::osSoundOpen, &xaq::sim::osSoundClose,
    &xaq::sim::osSoundLoad, &xaq::sim::osSoundPlay, &xaq::sim::osSoundRestore, &xaq::sim::osSoundStop,
    &xaq::sim::osSoundSetVolume,
};
}

namespace xaq::sim {

SimHost::SimHost(const HostOptions& options)
    : simulatorFolder_(options.simulatorFolder), bitmapFolder_(options.bitmapFolder) {
  if (gHost != nullptr) {
    error_ = "another sim host is running in this process";
    return;
  }
  gHost = this;
  addon.present = options.addonPresent;
  sound.deviceAvailable = options.soundDevice;
  addon.versionWord = options.addonVersion;
  std::string folder = simulatorFolder_;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  addon.setSimulatorFolder(folder);
  addon.setAircraftPath(folder + "Aircraft/Xaq-Orvek/Xaq-Orvek.air");
  navData = NavData::load(folder + "Xaq/NavData");
  variation = VariationGrid::load(folder + "Scenery/magdec.bgl");
  world.environment.variationFromGrid = variation.loaded();
  fillPanelServices();

  library_ = dlopen(options.modulePath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library_ == nullptr) {
    const char* why = dlerror();
    error_ = std::string("cannot load the module: ") + (why != nullptr ? why : "?");
    return;
  }
  importTable_ = static_cast<abi::ImportTable*>(dlsym(library_, "ImportTable"));
  auto* linkage = static_cast<abi::ModuleLinkage*>(dlsym(library_, "Linkage"));
  if (importTable_ == nullptr || linkage == nullptr) {
    error_ = "the module lacks ImportTable or Linkage";
    return;
  }
  // The host fills the service table before it calls any module routine.
  importTable_->panelServices = gPanelServices;
  linkage_ = linkage;
  if (linkage_->moduleInit != nullptr) linkage_->moduleInit();
  installGauges();
}

SimHost::~SimHost() {
  if (gHost != this) return;
  if (linkage_ != nullptr) {
    removeGauges();
    if (linkage_->moduleDeinit != nullptr) linkage_->moduleDeinit();
  }
  if (importTable_ != nullptr) importTable_->panelServices = nullptr;
  if (library_ != nullptr) dlclose(library_);
  gHost = nullptr;
}

std::vector<abi::GaugeHeader*> SimHost::gauges() const {
  std::vector<abi::GaugeHeader*> list;
  if (linkage_ == nullptr) return list;
  for (int i = 0; i <= abi::kGaugeCount && linkage_->gauges[i] != nullptr; ++i) list.push_back(linkage_->gauges[i]);
  return list;
}

abi::GaugeHeader* SimHost::gauge(const std::string& name) const {
  for (abi::GaugeHeader* g : gauges()) {
    if (g->name != nullptr && name == g->name) return g;
  }
  return nullptr;
}

void SimHost::callGauge(abi::GaugeHeader* g, std::int32_t service, std::uint32_t extra) {
  if (g != nullptr && g->callback != nullptr) g->callback(g, service, extra);
}

namespace {

// Width and height from a PNG file's header; false when there is no readable PNG.
bool pngSize(const std::string& path, std::int32_t& width, std::int32_t& height) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  unsigned char head[24];
  const bool ok = std::fread(head, 1, sizeof head, f) == sizeof head && std::memcmp(head + 1, "PNG", 3) == 0 &&
                  std::memcmp(head + 12, "IHDR", 4) == 0;
  std::fclose(f);
  if (!ok) return false;
  auto be32 = [&](int at) {
    return static_cast<std::int32_t>((head[at] << 24) | (head[at + 1] << 16) | (head[at + 2] << 8) | head[at + 3]);
  };
  width = be32(16);
  height = be32(20);
  return width > 0 && height > 0 && width <= 4096 && height <= 4096;
}

}  // namespace

void SimHost::prepareElements(abi::ElementHeader* element) {
  if (element == nullptr) return;
  if (auto* image = abi::elementAs<abi::StaticImageElement>(element);
      image != nullptr && (element->imageFlags & abi::kImageCreateSurface) != 0 && surfaces_.count(element) == 0) {
    // A DIB section the size of the element's bitmap, 32 bits a pixel, top row first.
    auto surface = std::make_unique<Surface>();
    std::int32_t width = kSurfaceSize, height = kSurfaceSize;
    if (!bitmapFolder_.empty()) pngSize(bitmapFolder_ + "/" + std::to_string(element->resourceId) + ".png", width, height);
    surface->pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0);
    surface->image.format = kSurfaceFormat32;
    surface->image.dimensions = {width, height};
    surface->image.pitch = width * 4;
    surface->image.bits = surface->pixels.data();
    image->images.finalImage = &surface->image;
    image->images.sourceImage = &surface->image;
    image->deviceContext = surface.get();  // a handle only the portable canvas opens
    surfaces_[element] = std::move(surface);
  }
  if (auto* text = abi::elementAs<abi::StringElement>(element); text != nullptr && textBuffers_.count(element) == 0) {
    auto& buffer = textBuffers_[element];
    buffer.assign(static_cast<std::size_t>(text->maxLength) + 1, '\0');
    text->text = buffer.data();
  }
  if (element->children != nullptr) {
    for (abi::ElementHeader* const* c = element->children; *c != nullptr; ++c) prepareElements(*c);
  }
}

void SimHost::collectElements(abi::ElementHeader* element) {
  UpdateEntry entry{element, abi::elementAxes(element), {}};
  for (int i = 0; i < entry.axes.count; ++i) {
    const abi::HostVarRecord* r = entry.axes.axis[i].variable;
    entry.variables[i] = r != nullptr ? findHostVariable(r->id) : nullptr;
  }
  updateList_.push_back(entry);
  if (element->children == nullptr) return;
  for (abi::ElementHeader* const* c = element->children; *c != nullptr; ++c) collectElements(*c);
}

abi::Image* SimHost::surfaceFor(abi::ElementHeader* element) {
  auto found = surfaces_.find(element);
  return found != surfaces_.end() ? &found->second->image : nullptr;
}

void SimHost::installGauges() {
  installed_ = gauges();
  for (abi::GaugeHeader* g : installed_) {
    if (g->elements != nullptr) {
      for (abi::ElementHeader* const* e = g->elements; *e != nullptr; ++e) {
        prepareElements(*e);
        collectElements(*e);
      }
    }
    callGauge(g, abi::kServiceInstall);
    callGauge(g, abi::kServiceInit);
  }
  for (abi::GaugeHeader* g : gauges()) callGauge(g, abi::kServicePanelOpen);
}

void SimHost::removeGauges() {
  for (abi::GaugeHeader* g : gauges()) callGauge(g, abi::kServicePanelClose);
  for (abi::GaugeHeader* g : gauges()) callGauge(g, abi::kServiceKill);
}

double SimHost::valueOf(std::uint32_t id, const HostVariable* variable, const HostView& view) const {
  if (!overrides.empty()) {
    auto pinned = overrides.find(id);
    if (pinned != overrides.end()) return pinned->second;
  }
  return variable != nullptr ? variable->value(view) : 0.0;
}

double SimHost::hostValue(std::uint32_t id) const {
  return valueOf(id, findHostVariable(id), HostView{world, airCache_.of(world)});
}

bool SimHost::delivered(std::uint32_t id, double& value) const {
  if (id >= delivered_.size() || !delivered_[id]) return false;
  value = *delivered_[id];
  return true;
}

void SimHost::onLookup(abi::HostVarRecord* record) {
  record->value = hostValue(record->id);
  // Ids beyond the host's table are answered (with 0) but not kept.
  if (record->id <= kMaxHostVariableId) {
    if (record->id >= delivered_.size()) delivered_.resize(record->id + 1);
    delivered_[record->id] = record->value;
  }
  if (inTick_) currentCycleLookups_.push_back(record->id);
}

void SimHost::onTrigger(std::uint32_t id, std::uint32_t value, bool fromArea) {
  events_.push_back(SentEvent{world.simSeconds, id, value, fromArea});
  applyKeyEvent(world, id, value);
}

void SimHost::stepWorld(double dt) {
  world.simSeconds = static_cast<double>(simMicros_) / 1e6;
  pilot.fly(world, dt);
  stepEngines(world, dt);
  stepFlightModel(world, dt);
  updateReceivers(world, navData);
  for (TrafficTarget& t : world.traffic) {
    destination(t.latDeg, t.lonDeg, t.headingDeg, t.groundSpeedKt * dt / 3600.0, t.latDeg, t.lonDeg);
    t.altitudeFt += t.verticalSpeedFpm * dt / 60.0;
  }
  // The host's own NAV steering, flown by its autopilot and offered to the module as the flight
  // director's bank: intercept the selected course, then hold it.
  const NavSignals::Receiver& nav1 = world.nav.nav1;
  if (nav1.received && (world.autopilot.navHold || world.autopilot.approachHold || world.autopilot.backCourseHold)) {
    const double course = nav1.localizer ? nav1.courseDeg - world.environment.magneticVariationDeg : world.radios.obs1Deg;
    const double correction = std::clamp(nav1.deviation / 127.0 * (nav1.localizer ? 45.0 : 30.0), -30.0, 30.0);
    const double headingMag = wrap360(world.aircraft.headingTrueDeg - world.environment.magneticVariationDeg);
    world.autopilot.fdBankDeg = std::clamp(wrap180(course + correction - headingMag), -25.0, 25.0);
  } else {
    world.autopilot.fdBankDeg = 0;
  }
}

void SimHost::pumpTimers() {
  for (std::size_t i = 0; i < timers_.size(); ++i) {
    while (i < timers_.size() && timers_[i].nextMs <= hostMs_) {
      Timer timer = timers_[i];
      timers_[i].nextMs += timer.periodMs;
      inTick_ = true;
      currentCycleLookups_.clear();
      timer.tick(timer.context);
      inTick_ = false;
      if (!currentCycleLookups_.empty()) {
        lastCycleLookups_ = currentCycleLookups_;
        ++cycles_;
      }
    }
  }
}

void SimHost::followVariation() {
  if (world.environment.variationFromGrid) {
    world.environment.magneticVariationDeg = variation.at(world.aircraft.latDeg, world.aircraft.lonDeg);
  }
}

void SimHost::runFrame() {
  hostMs_ += kFrameMs;
  followVariation();
  if (!world.paused) {
    const std::int64_t step = kFrameMs * 1000 * world.simulationRate / 256;
    simMicros_ += step;
    stepWorld(static_cast<double>(step) / 1e6);
  }
  world.simSeconds = static_cast<double>(simMicros_) / 1e6;
  if (hold_.gauge != nullptr) {
    if (hostMs_ >= hold_.untilMs) {
      hold_ = Hold{};
    } else if (hostMs_ >= hold_.nextRepeatMs) {
      hold_.nextRepeatMs += kMouseRepeatMs;
      deliverClick(hold_.gauge, hold_.area, hold_.point, hold_.flags | abi::kMouseRepeat);
    }
  }
  for (abi::GaugeHeader* g : installed_) callGauge(g, abi::kServicePreUpdate);
  // The host's update pass: every element of every gauge on the panel gets its value, in tree
  // order. Nothing is kept (a scenario's expectations and the renderer evaluate the elements they
  // look at themselves).
  // The world does not move during the pass, so its air data is worked out once.
  const HostView view{world, airCache_.of(world)};
  for (const UpdateEntry& u : updateList_) {
    for (int i = 0; i < u.axes.count; ++i) {
      abi::applyAxis(u.axes.axis[i], u.element,
                     [&](abi::HostVarRecord& r) { r.value = valueOf(r.id, u.variables[i], view); });
    }
  }
  pumpTimers();
}

void SimHost::runFor(double seconds) {
  const std::int64_t until = hostMs_ + static_cast<std::int64_t>(std::llround(seconds * 1000.0));
  while (hostMs_ + kFrameMs <= until) runFrame();
}

// ---- mouse ----

void SimHost::deliverClick(abi::GaugeHeader* g, abi::MouseRecord* area, abi::PixPoint point,
                           std::uint32_t flags) {
  (void)g;
  if (area->target.callback != nullptr) {
    abi::PixPoint p = point;
    area->target.callback(&p, flags);
  } else if (area->eventOrCount != 0) {
    onTrigger(area->eventOrCount, 0, true);
  }
}

bool SimHost::press(abi::GaugeHeader* g, abi::MouseRecord* area, abi::PixPoint point,
                    MouseButton button, double holdSeconds) {
  const std::uint32_t bit = buttonBit(button);
  const std::uint32_t flags = bit | (area->flags & abi::kMousePedestalBit);
  deliverClick(g, area, point, flags);
  if ((area->flags & abi::kMouseRepeat) != 0 && holdSeconds > 0) {
    hold_ = Hold{g, area, point, flags, hostMs_ + static_cast<std::int64_t>(holdSeconds * 1000.0),
                 hostMs_ + 5 * kMouseRepeatMs / 2};  // the host waits a little before repeating
    runFor(holdSeconds);
    hold_ = Hold{};
  } else if (holdSeconds > 0) {
    runFor(holdSeconds);
  }
  return true;
}

bool SimHost::click(const std::string& gaugeName, int x, int y, MouseButton button, double holdSeconds) {
  return click(gauge(gaugeName), x, y, button, holdSeconds);
}

bool SimHost::click(abi::GaugeHeader* g, int x, int y, MouseButton button, double holdSeconds) {
  if (g == nullptr) return false;
  const abi::PixPoint point{x, y};
  abi::MouseRecord* hit = abi::mouseAreaAt(g->mouseTable, point, buttonBit(button));
  return hit != nullptr && press(g, hit, point, button, holdSeconds);
}

bool SimHost::clickTooltip(const std::string& gaugeName, const std::string& text, MouseButton button,
                           double holdSeconds) {
  abi::GaugeHeader* g = gauge(gaugeName);
  if (g == nullptr || g->mouseTable == nullptr) return false;
  // Find the group holding the matching tooltip (one that reads exactly the text before the first
  // that contains it), then its first area for this button.
  abi::MouseRecord* group = nullptr;
  abi::walkMouseTable(g->mouseTable, [&](abi::MouseRecord& r, const std::vector<abi::MouseRecord*>& groups) {
    if (r.kind == abi::kMouseTooltip && !groups.empty()) {
      const std::string shown = [&] {
        for (std::uint32_t i = 0; r.data.arguments != nullptr && i < r.eventOrCount; ++i)
          r.data.arguments[i].variable.value = hostValue(r.data.arguments[i].variable.id);
        return abi::formatTooltip(r, g);
      }();
      const std::string raw = r.target.tooltipText != nullptr ? r.target.tooltipText : "";
      if (shown == text || raw == text) {
        group = groups.back();
        return false;
      }
      if (group == nullptr && (shown.find(text) != std::string::npos || raw.find(text) != std::string::npos)) {
        group = groups.back();
      }
    }
    return true;
  });
  if (group == nullptr) return false;
  abi::MouseRecord* hit = nullptr;
  int depth = 0;
  for (abi::MouseRecord* r = group + 1; r->kind != abi::kMouseEnd && depth >= 0; ++r) {
    if (r->kind == abi::kMouseGroup) ++depth;
    else if (r->kind == abi::kMouseEndGroup) --depth;
    else if (r->kind == abi::kMouseArea && (r->flags & buttonBit(button)) != 0) {
      hit = r;
      break;
    }
  }
  if (hit == nullptr) return false;
  const abi::PixPoint centre{hit->x + hit->width / 2, hit->y + hit->height / 2};
  return press(g, hit, centre, button, holdSeconds);
}

std::string SimHost::tooltipAt(const std::string& gaugeName, int x, int y) {
  return tooltipAt(gauge(gaugeName), x, y);
}

std::string SimHost::tooltipAt(abi::GaugeHeader* g, int x, int y) {
  if (g == nullptr) return {};
  std::string text;
  const abi::PixPoint point{x, y};
  abi::walkMouseTable(g->mouseTable, [&](abi::MouseRecord& r, const std::vector<abi::MouseRecord*>& groups) {
    if (r.kind == abi::kMouseTooltip && abi::groupsContain(groups, point)) {
      for (std::uint32_t i = 0; r.data.arguments != nullptr && i < r.eventOrCount; ++i)
        r.data.arguments[i].variable.value = hostValue(r.data.arguments[i].variable.id);
      text = abi::formatTooltip(r, g);  // the innermost control's tooltip comes last
    }
    return true;
  });
  return text;
}

std::vector<std::string> SimHost::tooltips(const std::string& gaugeName) {
  std::vector<std::string> list;
  abi::GaugeHeader* g = gauge(gaugeName);
  if (g == nullptr) return list;
  abi::walkMouseTable(g->mouseTable, [&](abi::MouseRecord& r, const std::vector<abi::MouseRecord*>&) {
    if (r.kind == abi::kMouseTooltip) {
      for (std::uint32_t i = 0; r.data.arguments != nullptr && i < r.eventOrCount; ++i)
        r.data.arguments[i].variable.value = hostValue(r.data.arguments[i].variable.id);
      list.push_back(abi::formatTooltip(r, g));
    }
    return true;
  });
  return list;
}

// ---- keyboard ----

bool SimHost::keyPress(int virtualKey, unsigned modifiers) {
  if (hook_.function == nullptr || !hostInFront) return false;
  constexpr int kShift = 0x10, kControl = 0x11, kAlt = 0x12;
  keysDown_[kShift] = (modifiers & 1) != 0;
  keysDown_[kControl] = (modifiers & 2) != 0;
  keysDown_[kAlt] = (modifiers & 4) != 0;
  keysDown_[virtualKey] = true;
  const std::intptr_t down = 1 | (modifiers & 4 ? 1 << 29 : 0);
  const std::intptr_t swallowed = hook_.function(hook_.context, 0, static_cast<std::uintptr_t>(virtualKey), down);
  keysDown_[virtualKey] = false;
  hook_.function(hook_.context, 0, static_cast<std::uintptr_t>(virtualKey),
                 down | static_cast<std::intptr_t>(0xC0000000u));
  keysDown_[kShift] = keysDown_[kControl] = keysDown_[kAlt] = false;
  return swallowed != 0;
}

std::uintptr_t SimHost::onSetHook(std::intptr_t (*hook)(void*, int, std::uintptr_t, std::intptr_t), void* context) {
  hook_ = Hook{hook, context};
  return hook != nullptr ? 1 : 0;
}

void SimHost::onRemoveHook(std::uintptr_t id) {
  if (id == 1) hook_ = Hook{};
}

std::int16_t SimHost::onKeyState(int virtualKey) const {
  auto found = keysDown_.find(virtualKey);
  return found != keysDown_.end() && found->second ? static_cast<std::int16_t>(0x8000) : 0;
}

// ---- operating system ----

std::uintptr_t SimHost::onSetTimer(std::uint32_t periodMs, void (*tick)(void*), void* context) {
  if (tick == nullptr || periodMs == 0) return 0;
  const std::uintptr_t id = nextTimerId_++;
  timers_.push_back(Timer{id, periodMs, hostMs_ + periodMs, tick, context});
  return id;
}

void SimHost::onKillTimer(std::uintptr_t id) {
  std::erase_if(timers_, [id](const Timer& t) { return t.id == id; });
}

std::uintptr_t SimHost::onFindWindow(const char* className) const {
  if (std::strcmp(className, "FS98MAIN") == 0) return kMainWindow;
  if (std::strcmp(className, "UIPCMAIN") == 0) {
    ++addonWindowSearches_;
    return addon.present ? kAddonWindow : 0;
  }
  return 0;
}

std::uintptr_t SimHost::onForeground() const { return hostInFront ? kMainWindow : 0; }

std::intptr_t SimHost::onSendMessage(std::uintptr_t window, std::uint32_t message, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
  ++addonMessages_;
  if (window != kAddonWindow || message != kAddonMessage || !addon.present) return 0;
  return addon.handle(reinterpret_cast<std::uint8_t*>(lParam), wParam);
}

std::size_t SimHost::onProgramFileName(char* buffer, std::size_t size) const {
  if (buffer == nullptr || size == 0) return 0;
  std::string path = simulatorFolder_;
  if (!path.empty() && path.back() != '/') path += '/';
  path += "fs2002.exe";
  if (path.size() + 1 > size) {
    buffer[0] = '\0';
    return 0;
  }
  std::memcpy(buffer, path.c_str(), path.size() + 1);
  return path.size();
}

double SimHost::applyValue(const abi::ElementAxis& axis, abi::ElementHeader* element) {
  // The host fills an element's record itself; only the module's own lookups count as delivered.
  return abi::applyAxis(axis, element, [this](abi::HostVarRecord& r) { r.value = hostValue(r.id); });
}

}  // namespace xaq::sim
