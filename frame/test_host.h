#pragma once
// A host for the frame's tests: a panel-service table that records lookups and key events and
// answers lookups from a value table, and ports with a timer the test fires by hand.

#include <array>
#include <cstdint>
#include <string>
#include <map>
#include <utility>
#include <vector>

#include "frame/host_services.h"
#include "platform/ports.h"

namespace xaq::frame::testing {

class TestHost {
 public:
  TestHost() {
    self() = this;
    services_.fill(nullptr);
    services_[abi::kServiceTriggerKeyEvent] = reinterpret_cast<void*>(&trigger);
    services_[abi::kServiceLookupVariable] = reinterpret_cast<void*>(&lookup);
    for (int entry : {24, 26, 27, 29, 31}) services_[entry] = reinterpret_cast<void*>(&element);
    for (int entry : {25, 28}) services_[entry] = reinterpret_cast<void*>(&elementWithWord);
    ImportTable.panelServices = services_.data();
    platform::installPorts(platform::Ports{&timer, &windows, nullptr, nullptr, nullptr});
  }
  ~TestHost() {
    ImportTable.panelServices = nullptr;
    platform::installPorts(platform::Ports{});
    self() = nullptr;
  }

  struct Timer final : platform::CycleTimer {
    bool start(std::uint32_t periodMs, platform::TickFunction f, void* c) override {
      period = periodMs;
      tick = f;
      context = c;
      ++starts;
      return true;
    }
    void stop() override {
      tick = nullptr;
      ++stops;
    }
    void fire() {
      if (tick != nullptr) tick(context);
    }
    std::uint32_t period = 0;
    platform::TickFunction tick = nullptr;
    void* context = nullptr;
    int starts = 0;
    int stops = 0;
  } timer;

  struct Windows final : platform::HostWindows {
    platform::WindowHandle find(const char* className) override {
      lastClass = className;
      return mainWindow;
    }
    bool isForeground(platform::WindowHandle) override { return true; }
    std::uint32_t threadOf(platform::WindowHandle) override { return 1; }
    platform::WindowHandle mainWindow = 0x1234;
    std::string lastClass;
  } windows;

  // Midnight on the equator with the instrument (621) and flood (10) lighting switched as asked,
  // then two cycles: the lighting sees the power the first one found. The minute moves on so that
  // the lighting works the sun out again.
  void setNightLighting(bool on) {
    values[4] = values[4] >= 59 ? 0 : values[4] + 1;
    values[745] = 21;
    values[746] = 3;
    values[747] = 2024;
    values[3] = 0;
    values[621] = values[10] = on ? 1 : 0;
    timer.fire();
    timer.fire();
  }

  std::map<std::uint32_t, double> values;
  std::vector<std::uint32_t> lookups;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> events;
  std::vector<std::pair<int, abi::ElementHeader*>> elementCalls;

 private:
  static TestHost*& self() {
    static TestHost* current = nullptr;
    return current;
  }
  static std::uint32_t XAQ_HOSTCALL trigger(std::uint32_t id, std::uint32_t value) {
    self()->events.emplace_back(id, value);
    return 0;
  }
  static void XAQ_HOSTCALL lookup(abi::HostVarRecord* record) {
    self()->lookups.push_back(record->id);
    auto found = self()->values.find(record->id);
    record->value = found != self()->values.end() ? found->second : 0.0;
  }
  static std::uint32_t XAQ_HOSTCALL element(abi::ElementHeader* e) {
    self()->elementCalls.emplace_back(0, e);
    return 0;
  }
  static std::uint32_t XAQ_HOSTCALL elementWithWord(abi::ElementHeader* e, std::uint32_t word) {
    self()->elementCalls.emplace_back(static_cast<int>(word), e);
    return 0;
  }

  std::array<void*, abi::kPanelServiceCount> services_{};
};

}  // namespace xaq::frame::testing
