// A small Win32 host that loads the real gauge module the way the simulator does — LoadLibrary,
// the two exported data objects, a panel-service table, module init and deinit, a message loop
// for the thread timer — and checks what the module does through them. Run under Wine by ctest.
//
//   xaq-winhost.exe <path of Xaq-Orvek.gau>

#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "frame/abi/host_abi.h"
#include "tests/contract/host_contract.h"

namespace {

using namespace xaq::abi;
namespace contract = xaq::contract;

// ---- what the module must show -----------------------------------------------------------------

using contract::kGaugeNames;
using contract::kLookupOrder;
using contract::kLookupsPerCycle;

// ---- the host side -------------------------------------------------------------------------------

struct Lookup {
  std::uint32_t id;
  double timeMs;
};

std::vector<Lookup> gLookups;
std::vector<std::pair<std::uint32_t, std::uint32_t>> gEvents;
int gElementServiceCalls = 0;
LARGE_INTEGER gFrequency;
double gSimSeconds = 0.0;

double nowMs() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(gFrequency.QuadPart);
}

std::uint32_t __stdcall triggerKeyEvent(std::uint32_t id, std::uint32_t value) {
  gEvents.emplace_back(id, value);
  return 0;
}

// Values the host reports; everything else reads 0.
double hostValue(std::uint32_t id) {
  switch (id) {
    case 61: return 180.0;
    case 74: return 5000.0;
    case 604: return gSimSeconds;
    case 791: return 4000.0;
    default: return 0.0;
  }
}

void __stdcall lookupVariable(HostVarRecord* record) {
  if (record->id == 61) gSimSeconds += 0.056;  // a cycle starts with the airspeed lookup
  gLookups.push_back({record->id, nowMs()});
  record->value = hostValue(record->id);
}

std::uint32_t __stdcall elementService(ElementHeader*) {
  ++gElementServiceCalls;
  return 0;
}

std::uint32_t __stdcall elementServiceWithWord(ElementHeader*, std::uint32_t) {
  ++gElementServiceCalls;
  return 0;
}

void* gServices[kPanelServiceCount];

void fillServiceTable() {
  for (void*& entry : gServices) entry = nullptr;
  for (int e : {24, 26, 27, 29, 31}) gServices[e] = reinterpret_cast<void*>(&elementService);
  for (int e : {25, 28}) gServices[e] = reinterpret_cast<void*>(&elementServiceWithWord);
  gServices[kServiceTriggerKeyEvent] = reinterpret_cast<void*>(&triggerKeyEvent);
  gServices[kServiceLookupVariable] = reinterpret_cast<void*>(&lookupVariable);
}

// ---- checks --------------------------------------------------------------------------------------

int gPassed = 0;
int gFailed = 0;

void check(bool ok, const char* format, ...) {
  char text[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  std::printf("%s: %s\n", ok ? "PASS" : "FAIL", text);
  (ok ? gPassed : gFailed) += 1;
}

// Pumps the thread's messages (the module's timer arrives here) for the given time.
void pumpMessages(double milliseconds) {
  const double until = nowMs() + milliseconds;
  MSG msg;
  while (nowMs() < until) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
  }
}

// Start times of the cycles seen in the lookups so far.
std::vector<double> cycleStarts() {
  std::vector<double> starts;
  for (std::size_t i = 0; i < gLookups.size(); ++i) {
    if (gLookups[i].id == kLookupOrder[0] && (i % kLookupsPerCycle) == 0) starts.push_back(gLookups[i].timeMs);
  }
  return starts;
}

std::string windowsPath(const char* path) {
  std::string p(path);
  if (!p.empty() && p[0] == '/') {  // a Unix path handed over by the test runner under Wine
    p = "Z:" + p;
    for (char& c : p) c = c == '/' ? '\\' : c;
  }
  return p;
}

struct Module {
  HMODULE handle = nullptr;
  ImportTable* imports = nullptr;
  ModuleLinkage* linkage = nullptr;
};

Module load(const std::string& path) {
  Module m;
  m.handle = LoadLibraryA(path.c_str());
  if (m.handle == nullptr) return m;
  m.imports = reinterpret_cast<ImportTable*>(GetProcAddress(m.handle, "ImportTable"));
  m.linkage = reinterpret_cast<ModuleLinkage*>(GetProcAddress(m.handle, "Linkage"));
  return m;
}

void checkLinkage(const ModuleLinkage& linkage) {
  check(linkage.moduleId == 0x13, "Linkage word 0 is 0x13 (0x%x)", linkage.moduleId);
  check(linkage.moduleVersion == 0x800, "Linkage module version is 0x800 (0x%x)", linkage.moduleVersion);
  int count = 0;
  while (count < 200 && linkage.gauges[count] != nullptr) ++count;
  check(count == 103, "Linkage lists 103 gauge headers and then 0 (%d)", count);
  int good = 0;
  for (int i = 0; i < count && i < 103; ++i) {
    const GaugeHeader* g = linkage.gauges[i];
    if (g->version == 800 && g->defaultSize == 100 && g->name != nullptr &&
        std::strcmp(g->name, kGaugeNames[i]) == 0 && g->callback != nullptr &&
        g->elements != nullptr && g->elements[0] != nullptr && g->elements[1] == nullptr &&
        g->mouseTable != nullptr) {
      ++good;
    } else {
      std::printf("  bad header %d (%s)\n", i, g->name != nullptr ? g->name : "(no name)");
    }
  }
  check(good == 103, "every header: version 800, size 100, the listed name, one element, callback, mouse table (%d good)", good);
}

void checkCycle() {
  bool ordered = gLookups.size() >= kLookupsPerCycle;
  for (std::size_t i = 0; ordered && i < kLookupsPerCycle; ++i) ordered = gLookups[i].id == kLookupOrder[i];
  check(ordered, "the first cycle performs exactly the 149 lookups in order (%u lookups so far)",
        static_cast<unsigned>(gLookups.size()));
  check(gLookups.size() % kLookupsPerCycle == 0, "every cycle is complete (%u lookups)",
        static_cast<unsigned>(gLookups.size()));

  const std::vector<double> starts = cycleStarts();
  check(starts.size() >= 10, "the thread timer keeps firing (%u cycles in 1.2 s)", static_cast<unsigned>(starts.size()));
  if (starts.size() >= 3) {
    // A loaded machine may hold one timer message back; the median gap is the timer's period.
    std::vector<double> gaps;
    for (std::size_t i = 1; i < starts.size(); ++i) gaps.push_back(starts[i] - starts[i - 1]);
    std::sort(gaps.begin(), gaps.end());
    const double median = gaps[gaps.size() / 2];
    const double mean = (starts.back() - starts.front()) / static_cast<double>(gaps.size());
    check(median > 50.0 && median < 65.0, "cycles repeat every 56 ms of loop time (median gap %.1f ms)", median);
    check(mean > 50.0 && mean < 80.0, "no cycle is lost over the run (mean gap %.1f ms)", mean);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: xaq-winhost <Xaq-Orvek.gau>\n");
    return 2;
  }
  QueryPerformanceFrequency(&gFrequency);
  const std::string path = windowsPath(argv[1]);

  // The simulator's main window, which the module looks for at creation.
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "FS98MAIN";
  RegisterClassA(&wc);
  HWND mainWindow = CreateWindowA("FS98MAIN", "Xaq winhost", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, wc.hInstance, nullptr);
  check(mainWindow != nullptr, "host main window FS98MAIN created");

  Module m = load(path);
  check(m.handle != nullptr, "LoadLibrary %s", path.c_str());
  check(m.imports != nullptr && m.linkage != nullptr, "both exports found: ImportTable and Linkage");
  if (m.handle == nullptr || m.imports == nullptr || m.linkage == nullptr) {
    std::printf("%d passed, %d failed\n", gPassed, gFailed);
    return 1;
  }
  check(m.imports->slotId == 0x0F && m.imports->panelServices == nullptr && m.imports->endId == 0,
        "ImportTable holds the 0x0F slot, an empty pointer and the end marker");
  checkLinkage(*m.linkage);

  fillServiceTable();
  m.imports->panelServices = gServices;

  m.linkage->moduleInit();
  m.linkage->moduleInit();  // the host may call it twice; the second does nothing
  check(gLookups.empty(), "init runs no cycle by itself");
  pumpMessages(1200);
  checkCycle();

  // The Post gauge's install service.
  GaugeHeader* post = m.linkage->gauges[102];
  gEvents.clear();
  post->callback(post, kServiceInstall, 0);
  std::vector<std::pair<std::uint32_t, std::uint32_t>> setup;
  for (std::uint32_t value : contract::kPostSetupValues) setup.emplace_back(contract::kPostSetupEvent, value);
  check(gEvents == setup, "Post install sends event 66508 with 55, 65, 10, 125, 225 (%u events)",
        static_cast<unsigned>(gEvents.size()));

  // A common routine goes to the host's element services.
  const int before = gElementServiceCalls;
  m.linkage->gauges[5]->routine4(1);
  check(gElementServiceCalls == before + 1, "a gauge's common routine calls the host's element service");

  m.linkage->moduleDeinit();
  const std::size_t lookupsAtDeinit = gLookups.size();
  pumpMessages(400);
  check(gLookups.size() == lookupsAtDeinit, "deinit stops the timer: no lookup afterwards (%u more)",
        static_cast<unsigned>(gLookups.size() - lookupsAtDeinit));
  check(FreeLibrary(m.handle) != 0, "FreeLibrary");

  // A second load, init and deinit in the same process.
  gLookups.clear();
  Module again = load(path);
  check(again.handle != nullptr && again.linkage != nullptr, "second LoadLibrary");
  if (again.handle != nullptr && again.linkage != nullptr) {
    again.imports->panelServices = gServices;
    again.linkage->moduleInit();
    pumpMessages(300);
    check(gLookups.size() >= kLookupsPerCycle && gLookups[0].id == kLookupOrder[0],
          "the second load cycles again (%u lookups)", static_cast<unsigned>(gLookups.size()));
    again.linkage->moduleDeinit();
    const std::size_t n = gLookups.size();
    pumpMessages(200);
    check(gLookups.size() == n, "the second deinit stops the timer");
    FreeLibrary(again.handle);
  }

  DestroyWindow(mainWindow);
  std::printf("%d passed, %d failed\n", gPassed, gFailed);
  return gFailed == 0 ? 0 : 1;
}
