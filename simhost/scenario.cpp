#include "simhost/scenario.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <istream>
#include <sstream>

#include "common/format_text.h"
#include "simhost/flight_model.h"
#include "simhost/key_events.h"
#include "simhost/renderer.h"

namespace xaq::sim {

namespace {

// The gauges of the main panel, for `image main`.
const char* const kMainPanel[] = {"Airspeed", "Altimeter", "VSI", "RMI", "HSI", "ADI", "EADI", "EHSI",
                                  "Torque1", "Torque2", "PropRPM1", "PropRPM2", "ITT1", "ITT2",
                                  "NH1", "NH2", "NL1", "NL2", "FF1", "FF2", "TurnSlip", "FlapsInd",
                                  "LeftGlareshield", "NAV1", "NAV2", "autopilot", "gear", "Advisory",
                                  "Annunciators", "StandbyADI", "StandbyAlt", "TCAS"};

bool parseNumber(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    value = static_cast<double>(std::strtoull(text.c_str(), &end, 16));
  } else {
    value = std::strtod(text.c_str(), &end);
  }
  return end != nullptr && *end == '\0';
}

std::string format(double value) {
  char text[40];
  formatText(text, sizeof text, "%.6f", value == 0 ? 0.0 : value);  // no "-0.000000"
  return text;
}

int virtualKey(const std::string& name) {
  double number = 0;
  if (name.size() > 1 && parseNumber(name, number)) return static_cast<int>(number);
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) return std::toupper(name[0]);
  if (name.size() >= 2 && name[0] == 'F') return 0x70 + std::atoi(name.c_str() + 1) - 1;
  static const std::pair<const char*, int> kNamed[] = {{"SPACE", 0x20}, {"ENTER", 0x0D}, {"ESC", 0x1B},
                                                       {"TAB", 0x09}, {"BACK", 0x08}, {"LEFT", 0x25},
                                                       {"UP", 0x26}, {"RIGHT", 0x27}, {"DOWN", 0x28}};
  for (auto [n, vk] : kNamed) {
    if (name == n) return vk;
  }
  return -1;
}

bool compare(double actual, const std::string& op, double expected, double tolerance) {
  if (op == "=" || op == "==") return std::fabs(actual - expected) <= tolerance;
  if (op == "~") return std::fabs(actual - expected) <= std::max(tolerance, 1e-9);
  if (op == "<") return actual < expected;
  if (op == ">") return actual > expected;
  if (op == "<=") return actual <= expected;
  if (op == ">=") return actual >= expected;
  if (op == "!=") return std::fabs(actual - expected) > tolerance;
  return false;
}

// `file PATH "LINE" ...`: writes the lines (DOS line ends, as the payload editor writes them)
// into PATH below the run's own copy of the simulator folder, beside it first and then renamed
// over it. False for a path that leaves the folder.
bool writeScenarioFile(const std::string& folder, const std::vector<std::string>& w) {
  if (folder.empty() || w.size() < 2) return false;
  const std::filesystem::path relative(w[1]);
  if (relative.is_absolute()) return false;
  for (const auto& part : relative) {
    if (part == "..") return false;
  }
  const std::filesystem::path target = std::filesystem::path(folder) / relative;
  std::error_code ignored;
  std::filesystem::create_directories(target.parent_path(), ignored);
  const std::filesystem::path temporary = target.string() + ".new";
  {
    std::ofstream out(temporary, std::ios::binary);
    for (std::size_t i = 2; i < w.size(); ++i) out << w[i] << "\r\n";
    if (!out) return false;
  }
  std::filesystem::rename(temporary, target, ignored);
  return !ignored;
}

bool usesFiles(const Scenario& s) {
  auto isFile = [](const ScenarioLine& l) { return l.words[0] == "file"; };
  return std::any_of(s.setup.begin(), s.setup.end(), isFile) || std::any_of(s.timeline.begin(), s.timeline.end(), isFile);
}

class Runner {
 public:
  Runner(const Scenario& s, const RunOptions& o, SimHost& h, RunResult& r, std::string fileFolder)
      : scenario_(s), options_(o), host_(h), result_(r), fileFolder_(std::move(fileFolder)) {}

  void run() {
    for (const ScenarioLine& line : scenario_.setup) act(line);
    host_.followVariation();  // the set-up may have moved the aircraft
    std::ofstream log;
    if (!options_.outputFolder.empty() && !scenario_.logColumns.empty()) {
      log.open(options_.outputFolder + "/log.csv", std::ios::binary);
      log << "time";
      for (const std::string& c : scenario_.logColumns) log << ',' << c;
      log << '\n';
    }
    std::size_t next = 0;
    double nextLog = 0;
    const double end = scenario_.endSeconds;
    while (true) {
      const double now = static_cast<double>(host_.hostMs()) / 1000.0;
      while (next < scenario_.timeline.size() && scenario_.timeline[next].atSeconds <= now + 1e-9) {
        act(scenario_.timeline[next++]);
      }
      if (log.is_open() && scenario_.logEverySeconds > 0 && now + 1e-9 >= nextLog) {
        writeLogRow(log, now);
        nextLog += scenario_.logEverySeconds;
      }
      if (now + 1e-9 >= end && next >= scenario_.timeline.size()) break;
      host_.runFrame();
    }
    result_.simulatedSeconds = host_.world.simSeconds;
  }

 private:
  void fail(const ScenarioLine& line, const std::string& message) {
    result_.messages.push_back("line " + std::to_string(line.lineNumber) + ": " + message);
  }
  void expectation(const ScenarioLine& line, bool held, const std::string& detail) {
    ++result_.expectations;
    if (!held) {
      ++result_.failures;
      fail(line, "expectation failed: " + detail);
    }
  }

  bool column(const std::string& name, double& value) {
    if (name.rfind("var:", 0) == 0) {
      value = host_.hostValue(static_cast<std::uint32_t>(std::atoi(name.c_str() + 4)));
      return true;
    }
    if (name.rfind("delivered:", 0) == 0) {
      value = 0;
      host_.delivered(static_cast<std::uint32_t>(std::atoi(name.c_str() + 10)), value);
      return true;
    }
    if (name.rfind("model:", 0) == 0) return modelValue(host_.world, name.substr(6), value);
    if (name.rfind("addon:", 0) == 0) {
      // addon:OFFSET:SIZE[s|d]
      std::stringstream in(name.substr(6));
      std::string offsetText, sizeText;
      std::getline(in, offsetText, ':');
      std::getline(in, sizeText);
      double offset = 0;
      if (!parseNumber(offsetText, offset)) return false;
      const bool isDouble = !sizeText.empty() && sizeText.back() == 'd';
      const bool isSigned = !sizeText.empty() && sizeText.back() == 's';
      if (isDouble || isSigned) sizeText.pop_back();
      const auto at = static_cast<std::uint32_t>(offset);
      if (isDouble) {
        value = host_.addon.peekDouble(at);
        return true;
      }
      const int size = sizeText.empty() ? 4 : std::atoi(sizeText.c_str());
      if (size != 1 && size != 2 && size != 4 && size != 8) return false;
      const std::uint64_t raw = host_.addon.peek(at, static_cast<std::uint32_t>(size));
      if (isSigned) {
        const int shift = 64 - 8 * size;
        value = static_cast<double>(static_cast<std::int64_t>(raw << shift) >> shift);
      } else {
        value = static_cast<double>(raw);
      }
      return true;
    }
    if (name == "events") {
      value = static_cast<double>(host_.events().size());
      return true;
    }
    if (name == "cycles") {
      value = static_cast<double>(host_.cyclesRun());
      return true;
    }
    return false;
  }

  void writeLogRow(std::ofstream& log, double now) {
    log << format(now);
    for (const std::string& c : scenario_.logColumns) {
      double v = 0;
      log << ',' << (column(c, v) ? format(v) : std::string("?"));
    }
    log << '\n';
  }

  void image(const ScenarioLine& line, const std::string& name) {
    if (!options_.renderImages || options_.outputFolder.empty()) return;
    abi::GaugeHeader* g = host_.gauge(name);
    if (g == nullptr) {
      fail(line, "no gauge " + name);
      return;
    }
    std::filesystem::create_directories(options_.outputFolder + "/images");
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%07.1f", static_cast<double>(host_.hostMs()) / 1000.0);
    const std::string path = options_.outputFolder + "/images/" + name + "_" + stamp + ".png";
    RenderOptions render;
    render.bitmapFolder = options_.bitmapFolder;
    if (!renderGauge(host_, g, path, render)) fail(line, "cannot write " + path);
  }

  // expect sound SLOT loaded|played|looped|stopped [at T [tol X]] / expect nosound SLOT OP /
  // expect sound SLOT volume OP VALUE / expect sounds played SLOT SLOT ... (in this order)
  void expectSound(const ScenarioLine& line, const std::vector<std::string>& w) {
    const std::vector<SoundCall>& calls = host_.sound.calls();
    if (w[1] == "sounds") {
      if (w.size() < 4 || w[2] != "played") return fail(line, "expect sounds played SLOT ...");
      std::size_t next = 3;
      std::string heard;
      for (const SoundCall& c : calls) {
        if (c.operation != "play" && c.operation != "loop") continue;
        heard += (heard.empty() ? "" : " ") + std::to_string(c.slot);
        if (next < w.size() && c.slot == std::atoi(w[next].c_str())) ++next;
      }
      return expectation(line, next == w.size(), "sounds played in order: " + (heard.empty() ? "none" : heard));
    }
    if (w.size() < 4) return fail(line, "expect sound SLOT OPERATION");
    const int slot = std::atoi(w[2].c_str());
    const std::string& operation = w[3];
    if (operation == "volume") {
      double actual = 0;
      bool any = false;
      for (const SoundCall& c : calls) {
        if (c.slot == slot && c.operation == "volume") actual = c.attenuation, any = true;
      }
      if (!any) return expectation(line, false, "slot " + w[2] + " never had its volume set");
      if (w.size() < 6) return fail(line, "expect sound SLOT volume OP VALUE");
      double expected = 0;
      if (!parseNumber(w[5], expected)) return fail(line, "bad number " + w[5]);
      return expectation(line, compare(actual, w[4], expected, 0), "slot " + w[2] + " volume is " + format(actual));
    }
    double at = -1, tolerance = 0.06;
    if (w.size() >= 6 && w[4] == "at" && !parseNumber(w[5], at)) return fail(line, "bad time " + w[5]);
    if (w.size() >= 8 && w[6] == "tol" && !parseNumber(w[7], tolerance)) return fail(line, "bad tolerance " + w[7]);
    std::string times;
    bool seen = false;
    for (const SoundCall& c : calls) {
      if (c.slot != slot || c.operation != (operation == "played" ? "play" : operation == "looped" ? "loop"
                                            : operation == "stopped" ? "stop" : operation == "loaded" ? "load" : operation)) {
        continue;
      }
      times += " " + format(c.simSeconds);
      if (at < 0 || std::fabs(c.simSeconds - at) <= tolerance) seen = true;
    }
    const bool wanted = w[1] == "sound";
    expectation(line, seen == wanted, "slot " + w[2] + " " + operation + (times.empty() ? " never" : " at" + times));
  }

  // expect KIND ... OP VALUE [tol T]
  void expect(const ScenarioLine& line, const std::vector<std::string>& w) {
    const std::string& kind = w[1];
    if (kind == "sound" || kind == "nosound" || kind == "sounds") return expectSound(line, w);
    auto tailCompare = [&](double actual, std::size_t at, const std::string& what) {
      if (w.size() < at + 2) return fail(line, "expect needs an operator and a value");
      double expected = 0, tolerance = 0;
      if (!parseNumber(w[at + 1], expected)) return fail(line, "bad number " + w[at + 1]);
      if (w.size() >= at + 4 && w[at + 2] == "tol") parseNumber(w[at + 3], tolerance);
      expectation(line, compare(actual, w[at], expected, tolerance),
                  what + " is " + format(actual) + ", expected " + w[at] + " " + w[at + 1] +
                      (tolerance > 0 ? " tol " + w[at + 3] : ""));
    };
    if ((kind == "var" || kind == "delivered" || kind == "model") && w.size() >= 3) {
      double actual = 0;
      const std::string name = kind + ":" + w[2];
      if (kind == "delivered" && !host_.delivered(static_cast<std::uint32_t>(std::atoi(w[2].c_str())), actual)) {
        expectation(line, false, "host variable " + w[2] + " was never looked up");
        return;
      }
      if (!column(name, actual)) return fail(line, "unknown value " + name);
      return tailCompare(actual, 3, name);
    }
    if (kind == "addon" && w.size() >= 4) {
      double actual = 0;
      if (!column("addon:" + w[2] + ":" + w[3], actual)) return fail(line, "bad add-on offset");
      return tailCompare(actual, 4, "add-on " + w[2]);
    }
    if ((kind == "event" || kind == "noevent") && w.size() >= 3) {
      double id = 0, value = 0;
      parseNumber(w[2], id);
      const bool withValue = w.size() >= 4 && parseNumber(w[3], value);
      const bool seen = std::any_of(host_.events().begin(), host_.events().end(), [&](const SentEvent& e) {
        return e.id == static_cast<std::uint32_t>(id) &&
               (!withValue || e.value == static_cast<std::uint32_t>(static_cast<std::int64_t>(value)));
      });
      expectation(line, kind == "event" ? seen : !seen, "event " + w[2] + (kind == "event" ? " not sent" : " sent"));
      return;
    }
    if (kind == "element" && w.size() >= 6) {
      abi::ElementHeader* e = elementAt(host_.gauge(w[2]), w[3]);
      if (e == nullptr) return expectation(line, false, "no element " + w[3] + " on " + w[2]);
      const ElementState state = evaluateElement(host_, e);
      if (w[4] == "text") return expectation(line, state.text == w[5], "text is \"" + state.text + "\"");
      if (w[4] == "hidden") return tailCompare(state.hidden ? 1 : 0, 5, "hidden");
      return tailCompare(state.values[0], 5, "element value");
    }
    if (kind == "tooltip" && w.size() >= 6) {
      const std::string shown = host_.tooltipAt(w[2], std::atoi(w[3].c_str()), std::atoi(w[4].c_str()));
      return expectation(line, shown == w[5], "tooltip is \"" + shown + "\"");
    }
    if (kind == "lookups" && w.size() >= 4) {
      return tailCompare(static_cast<double>(host_.lastCycleLookups().size()), 2, "lookups per cycle");
    }
    if (kind == "image" && w.size() >= 3) {
      abi::GaugeHeader* g = host_.gauge(w[2]);
      const std::string path = options_.outputFolder + "/probe.png";
      const bool ok = g != nullptr && !options_.outputFolder.empty() && renderGauge(host_, g, path, RenderOptions{options_.bitmapFolder});
      std::filesystem::remove(path);
      return expectation(line, ok, "image of " + w[2]);
    }
    fail(line, "unknown expectation");
  }

  void act(const ScenarioLine& line) {
    const std::vector<std::string>& w = line.words;
    const std::string& verb = w[0];
    World& world = host_.world;
    double a = 0, b = 0;
    if (verb == "runway" && w.size() >= 3) {
      const Runway* r = host_.navData.findRunway(w[1], w[2]);
      if (r == nullptr) return fail(line, "no runway " + w[1] + " " + w[2]);
      placeOnGround(world, r->latDeg, r->lonDeg, r->headingDeg, r->elevationFt);
    } else if (verb == "position" && w.size() >= 3 && parseNumber(w[1], a) && parseNumber(w[2], b)) {
      world.aircraft.latDeg = a;
      world.aircraft.lonDeg = b;
    } else if (verb == "set" && w.size() >= 3 && parseNumber(w[2], a)) {
      if (!setModelValue(world, w[1], a)) fail(line, "cannot set " + w[1]);
    } else if (verb == "event" && w.size() >= 2 && parseNumber(w[1], a)) {
      if (w.size() >= 3) parseNumber(w[2], b);
      if (!applyKeyEvent(world, static_cast<std::uint32_t>(a), static_cast<std::uint32_t>(static_cast<std::int64_t>(b))))
        fail(line, "unknown host event " + w[1]);
    } else if ((verb == "click" && w.size() >= 4) || (verb == "clicktip" && w.size() >= 3)) {
      MouseButton button = MouseButton::kLeft;
      double hold = 0;
      for (std::size_t i = verb == "click" ? 4 : 3; i < w.size(); ++i) {
        if (w[i] == "right") button = MouseButton::kRight;
        if (w[i] == "hold" && i + 1 < w.size()) parseNumber(w[i + 1], hold);
      }
      const bool hit = verb == "click"
                           ? host_.click(w[1], std::atoi(w[2].c_str()), std::atoi(w[3].c_str()), button, hold)
                           : host_.clickTooltip(w[1], w[2], button, hold);
      if (!hit) fail(line, "nothing to click");
    } else if (verb == "key" && w.size() >= 2) {
      const int vk = virtualKey(w[1]);
      unsigned modifiers = 0;
      for (std::size_t i = 2; i < w.size(); ++i) {
        if (w[i] == "shift") modifiers |= 1;
        if (w[i] == "ctrl") modifiers |= 2;
        if (w[i] == "alt") modifiers |= 4;
      }
      if (vk < 0) return fail(line, "unknown key " + w[1]);
      host_.keyPress(vk, modifiers);
    } else if (verb == "focus" && w.size() >= 2) {
      host_.hostInFront = w[1] == "on";
    } else if (verb == "button" && w.size() >= 4) {
      host_.addon.joystickButton(std::atoi(w[1].c_str()), std::atoi(w[2].c_str()), w[3] == "press");
    } else if (verb == "var" && w.size() >= 3) {
      const auto id = static_cast<std::uint32_t>(std::atoi(w[1].c_str()));
      if (w[2] == "release") host_.overrides.erase(id);
      else if (w[2] == "=" && w.size() >= 4 && parseNumber(w[3], a)) host_.overrides[id] = a;
      else fail(line, "bad var line");
    } else if (verb == "pilot" && w.size() >= 2) {
      PilotTargets& t = host_.pilot.targets;
      t.flying = w[1] != "off";
      for (std::size_t i = 1; i < w.size(); ++i) {
        const auto eq = w[i].find('=');
        if (eq == std::string::npos || !parseNumber(w[i].substr(eq + 1), a)) continue;
        const std::string key = w[i].substr(0, eq);
        if (key == "heading") t.headingMagDeg = a;
        if (key == "altitude") t.altitudeFt = a;
        if (key == "speed") t.airspeedKt = a;
        if (key == "climb") t.climbFpm = a;
        if (key == "descent") t.descentFpm = a;
        if (key == "rotate") t.rotateKt = a;
      }
    } else if (verb == "pause" && w.size() >= 2) {
      world.paused = w[1] == "on";
    } else if (verb == "traffic" && w.size() >= 9) {
      TrafficTarget t;
      double v[7] = {};
      for (int i = 0; i < 7; ++i) parseNumber(w[static_cast<std::size_t>(i) + 1], v[i]);
      t.id = static_cast<std::uint32_t>(v[0]);
      t.latDeg = v[1];
      t.lonDeg = v[2];
      t.altitudeFt = v[3];
      t.headingDeg = v[4];
      t.groundSpeedKt = v[5];
      t.verticalSpeedFpm = v[6];
      t.callsign = w[8];
      world.traffic.push_back(t);
    } else if (verb == "cloud" && w.size() >= 5) {
      const int k = std::atoi(w[1].c_str()) - 1;
      if (k < 0 || k > 2) return fail(line, "cloud layers are 1 to 3");
      double base = 0, top = 0, density = 0;
      parseNumber(w[2], base);
      parseNumber(w[3], top);
      parseNumber(w[4], density);
      world.environment.clouds[static_cast<std::size_t>(k)] = {base, top, static_cast<std::uint16_t>(density)};
    } else if (verb == "image" && w.size() >= 2) {
      for (std::size_t i = 1; i < w.size(); ++i) {
        if (w[i] == "main") {
          for (const char* name : kMainPanel) image(line, name);
        } else {
          image(line, w[i]);
        }
      }
    } else if (verb == "expect" && w.size() >= 2) {
      expect(line, w);
    } else if (verb == "file" && w.size() >= 2) {
      if (!writeScenarioFile(fileFolder_, w)) fail(line, "cannot write " + w[1]);
    } else if (verb == "addon" || verb == "simfolder" || verb == "sound") {
      // handled before the module is loaded
    } else {
      fail(line, "cannot understand \"" + verb + "\"");
    }
  }

  const Scenario& scenario_;
  const RunOptions& options_;
  SimHost& host_;
  RunResult& result_;
  std::string fileFolder_;  // the run's own simulator folder, when the scenario writes files
};

}  // namespace

std::vector<std::string> splitWords(const std::string& line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
    if (i >= line.size() || line[i] == '#') break;
    std::string word;
    if (line[i] == '"') {
      const auto close = line.find('"', i + 1);
      word = line.substr(i + 1, close == std::string::npos ? std::string::npos : close - i - 1);
      i = close == std::string::npos ? line.size() : close + 1;
    } else {
      while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) word += line[i++];
    }
    words.push_back(word);
  }
  return words;
}

Scenario parseScenario(std::istream& in) {
  Scenario s;
  std::string text;
  int number = 0;
  double previous = 0;
  while (std::getline(in, text)) {
    ++number;
    std::vector<std::string> w = splitWords(text);
    if (w.empty()) continue;
    auto bad = [&](const std::string& why) {
      if (s.error.empty()) s.error = "line " + std::to_string(number) + ": " + why;
    };
    if (w[0] == "log") {
      if (w.size() < 3 || !parseNumber(w[1], s.logEverySeconds) || s.logEverySeconds <= 0) {
        bad("log needs an interval and columns");
        continue;
      }
      s.logColumns.assign(w.begin() + 2, w.end());
      continue;
    }
    if (w[0] == "end") {
      if (w.size() < 2 || !parseNumber(w[1], s.endSeconds)) bad("end needs a time");
      continue;
    }
    if (w[0] != "at" && w[0] != "after") {
      s.setup.push_back(ScenarioLine{0, number, w});
      continue;
    }
    double at = 0;
    if (w.size() < 3 || !parseNumber(w[1], at)) {
      bad("a timed line reads: at SECONDS ACTION ... or after SECONDS ACTION ...");
      continue;
    }
    if (w[0] == "after") at += previous;
    if (at < 0) {
      bad("time before the start");
      continue;
    }
    previous = at;
    w.erase(w.begin(), w.begin() + 2);
    // "every STEP until END ACTION": the action repeats.
    double step = 0, until = at;
    if (w.size() >= 5 && w[0] == "every" && w[2] == "until") {
      if (!parseNumber(w[1], step) || step <= 0 || !parseNumber(w[3], until)) {
        bad("every STEP until END");
        continue;
      }
      w.erase(w.begin(), w.begin() + 4);
    }
    for (double t = at; t <= until + 1e-9; t += step > 0 ? step : 1.0) {
      s.timeline.push_back(ScenarioLine{t, number, w});
      if (step <= 0) break;
    }
  }
  std::stable_sort(s.timeline.begin(), s.timeline.end(),
                   [](const ScenarioLine& x, const ScenarioLine& y) { return x.atSeconds < y.atSeconds; });
  for (const ScenarioLine& l : s.timeline) s.endSeconds = std::max(s.endSeconds, l.atSeconds);
  return s;
}

RunResult runScenario(const Scenario& scenario, const RunOptions& options) {
  RunResult result;
  if (!scenario.error.empty()) {
    result.error = scenario.error;
    return result;
  }
  HostOptions host;
  host.modulePath = options.modulePath;
  host.simulatorFolder = options.simulatorFolder;
  host.bitmapFolder = options.bitmapFolder;  // the drawing surfaces take their bitmaps' sizes
  for (const ScenarioLine& line : scenario.setup) {
    if (line.words[0] == "addon" && line.words.size() >= 2) {
      host.addonPresent = line.words[1] != "none";
      if (line.words[1] == "2.74") host.addonVersion = kAddonVersion274;
    }
    if (line.words[0] == "sound" && line.words.size() >= 2) host.soundDevice = line.words[1] != "none";
  }
  if (!options.outputFolder.empty()) std::filesystem::create_directories(options.outputFolder);
  // A scenario that writes files gets its own copy of the simulator folder, so the shared one
  // stays as it is; its set-up files are there before the module reads anything.
  std::string fileFolder;
  if (usesFiles(scenario)) {
    if (options.outputFolder.empty()) {
      result.error = "a scenario that writes files needs an output folder";
      return result;
    }
    fileFolder = options.outputFolder + "/simfolder";
    std::error_code ignored;
    std::filesystem::remove_all(fileFolder, ignored);
    std::filesystem::create_directories(fileFolder);
    if (!options.simulatorFolder.empty()) {
      std::filesystem::copy(options.simulatorFolder, fileFolder, std::filesystem::copy_options::recursive, ignored);
    }
    for (const ScenarioLine& line : scenario.setup) {
      if (line.words[0] == "file" && !writeScenarioFile(fileFolder, line.words)) {
        result.error = "line " + std::to_string(line.lineNumber) + ": cannot write " +
                       (line.words.size() > 1 ? line.words[1] : std::string("?"));
        return result;
      }
    }
    host.simulatorFolder = fileFolder;
  }
  SimHost sim(host);
  if (!sim.loaded()) {
    result.error = sim.error();
    return result;
  }
  Runner(scenario, options, sim, result, fileFolder).run();
  if (!options.outputFolder.empty() && !sim.sound.calls().empty()) {
    sim.sound.writeList(options.outputFolder + "/sounds.csv");
    if (options.writeSoundMix) sim.sound.writeMix(options.outputFolder + "/sounds.wav", sim.world.simSeconds);
  }
  result.ok = result.failures == 0 && result.messages.empty();
  if (!options.outputFolder.empty()) {
    std::ofstream out(options.outputFolder + "/results.txt", std::ios::binary);
    out << "expectations " << result.expectations << ", failed " << result.failures << '\n';
    for (const std::string& m : result.messages) out << m << '\n';
  }
  return result;
}

std::string bitmapFolderFor(const std::string& option, const std::string& modulePath) {
  if (option == "none") return {};
  if (!option.empty()) return option;
  const std::filesystem::path module(modulePath);
  return (module.parent_path() / "Xaq-Orvek.resources" / "BITMAP").string();
}

}  // namespace xaq::sim
