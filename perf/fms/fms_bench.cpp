// Benchmarks of the FMS core on a world-sized navigation data set, generated into the build
// folder on first use: full load (against plain reading of the same files), identifier lookup,
// category lists, airways through a fix and one guidance frame; "--memory" reports the resident
// memory the loaded set takes, "--check-numbers" checks the number reading on the whole set.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fms/base/file_io.h"
#include "fms/base/text_scan.h"
#include "fms/flightplan/flight_plan.h"
#include "fms/guidance/lateral_guidance.h"
#include "fms/navdb/nav_database.h"
#include "fms/navdb/nav_file_parsers.h"
#include "perf/fms/world_generator.h"

namespace xaq::fms::perf {
namespace {

constexpr const char* kFiles[] = {"xaqvor.dat", "xaqndb.dat", "xaqwpt.dat", "xaqapt.dat", "xaqrwy.dat", "xaqawy.dat"};

// The generated world set, or the simulator folder XAQ_NAV_BENCH_FOLDER names (an imported set:
// see perf/fms/navimport_bench.sh).
const std::string& worldFolder() {
  static const std::string folder = [] {
    if (const char* other = std::getenv("XAQ_NAV_BENCH_FOLDER")) return std::string(other);
    const std::string dir = std::string(XAQ_PERF_WORLD_DIR);
    // A set written by an older generator is written again.
    constexpr std::string_view kVersion = "world data set v2, DOS line ends";
    const std::string stamp = dir + "/generated.stamp";
    const auto written = readWholeFile(stamp);
    if (!written || *written != kVersion) {
      if (!generateWorld(dir)) std::fprintf(stderr, "cannot write the world data set to %s\n", dir.c_str());
      std::ofstream(stamp) << kVersion;
    }
    return dir;
  }();
  return folder;
}

NavDatabase& world() {
  static NavDatabase db(worldFolder());
  return db;
}

long residentKb() {
  std::FILE* f = std::fopen("/proc/self/statm", "r");
  if (f == nullptr) return 0;
  long pages = 0, resident = 0;
  if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
  std::fclose(f);
  return resident * 4;
}

long minorFaults() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

void BM_FullLoad(benchmark::State& state) {
  const std::string& folder = worldFolder();
  std::size_t records = 0;
  const long faultsBefore = minorFaults();
  for (auto _ : state) {
    NavDatabase db(folder);
    records = db.vors().size() + db.ndbs().size() + db.waypoints().size() + db.airports().size() + db.runways().size();
    benchmark::DoNotOptimize(records);
  }
  state.counters["records"] = static_cast<double>(records);
  // Pages touched for the first time cost more than the parsing on some machines.
  state.counters["faults"] = benchmark::Counter(static_cast<double>(minorFaults() - faultsBefore), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FullLoad)->Unit(benchmark::kMillisecond);

// The reference for the load: the same files read line by line through the same size of line
// buffer, counting lines and nothing else.
void BM_ReadAndCountLines(benchmark::State& state) {
  const std::string folder = joinPath(worldFolder(), kNavDataFolder);
  std::size_t lines = 0;
  for (auto _ : state) {
    lines = 0;
    for (const char* name : kFiles) {
      std::FILE* f = std::fopen(joinPath(folder, name).c_str(), "r");
      if (f == nullptr) continue;
      char buffer[255];
      while (std::fgets(buffer, sizeof buffer, f) != nullptr) ++lines;
      std::fclose(f);
    }
    benchmark::DoNotOptimize(lines);
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ReadAndCountLines)->Unit(benchmark::kMillisecond);

// A harder reference: whole files read in one go and their line ends counted with memchr.
void BM_ReadWholeAndCountLineEnds(benchmark::State& state) {
  const std::string folder = joinPath(worldFolder(), kNavDataFolder);
  for (auto _ : state) {
    std::size_t lines = 0;
    for (const char* name : kFiles) {
      const auto text = readWholeFile(joinPath(folder, name));
      if (!text) continue;
      for (const char* p = text->data(); (p = static_cast<const char*>(std::memchr(p, '\n', text->data() + text->size() - p))) != nullptr; ++p) ++lines;
    }
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_ReadWholeAndCountLineEnds)->Unit(benchmark::kMillisecond);

// Identifiers spread over all tables, present and absent.
std::vector<std::string> sampleIdents() {
  NavDatabase& db = world();
  std::vector<std::string> ids;
  for (std::size_t i = 0; i < 1024; ++i) {
    const auto& table = i % 4 == 0 ? db.vors() : i % 4 == 1 ? db.ndbs() : i % 4 == 2 ? db.waypoints() : db.airports();
    if (table.empty()) break;
    ids.push_back(table[(i * 7919) % table.size()].ident.str());
  }
  ids.push_back("NOSUCH");
  return ids;
}

void BM_FindByIdent(benchmark::State& state) {
  NavDatabase& db = world();
  const auto ids = sampleIdents();
  std::size_t i = 0, found = 0;
  for (auto _ : state) {
    found += db.findByIdent(ids[i++ % ids.size()], kAllSearchableTypes, {47.0, -122.0}).size();
  }
  benchmark::DoNotOptimize(found);
}
BENCHMARK(BM_FindByIdent);

void BM_ListByCategory(benchmark::State& state) {
  NavDatabase& db = world();
  const auto mask = static_cast<std::uint32_t>(state.range(0));
  std::size_t listed = 0;
  for (auto _ : state) listed = db.listByCategory({47.0, -122.0}, mask).size();
  state.counters["listed"] = static_cast<double>(listed);
}
BENCHMARK(BM_ListByCategory)->Arg(1)->Arg(2)->Arg(4)->Arg(8)->ArgName("typeMask")->Unit(benchmark::kMillisecond);

void BM_AirwaysThrough(benchmark::State& state) {
  NavDatabase& db = world();
  std::vector<AirwayPoint> fixes;
  for (std::size_t i = 0; i < db.airways().size() && fixes.size() < 256; i += 37) fixes.push_back(db.airways()[i].points[0]);
  if (fixes.empty()) fixes.emplace_back();
  std::size_t i = 0, hits = 0;
  for (auto _ : state) {
    const AirwayPoint& p = fixes[i++ % fixes.size()];
    hits += db.airwaysThrough(p.ident.view(), {p.latitude, p.longitude}).size();
  }
  benchmark::DoNotOptimize(hits);
}
BENCHMARK(BM_AirwaysThrough)->Unit(benchmark::kMicrosecond);

void BM_GuidanceFrame(benchmark::State& state) {
  FlightPlan plan;
  for (int i = 0; i < 20; ++i) {
    NavPoint p;
    p.ident.assign("WP" + std::to_string(i));
    p.latitude = 47.0 + 0.3 * (i % 2);
    p.longitude = -122.0 + 0.5 * i;
    plan.insert(i, p);
  }
  LateralGuidance guidance;
  GuidanceInput in;
  in.present = {47.1, -121.8};  // along leg 1, far from its end: the plan does not move on
  in.magVarDeg = 15.0;
  in.headingDeg = in.trackDeg = 60.0;
  in.trueAirspeedKt = 250.0;
  in.headwindKt = 20.0;
  for (auto _ : state) {
    guidance.update(in, plan);
    benchmark::DoNotOptimize(guidance.output().steeringCourse);
  }
}
BENCHMARK(BM_GuidanceFrame);

// Every number of every line of the data set, read by the scanner the loader uses and by
// std::from_chars, must give the same float bit for bit; returns the mismatches.
int checkNumbers(const std::string& folder) {
  std::size_t numbers = 0;
  int mismatches = 0;
  for (const char* name : kFiles) {
    const auto text = readWholeFile(joinPath(joinPath(folder, kNavDataFolder), name));
    if (!text) continue;
    LineReader lines(*text, kNavLineBufferChars);
    std::string_view line;
    while (lines.next(line)) {
      for (std::size_t at = 0; at < line.size(); ++at) {
        // A number starts after a blank or a comma (or at the line start) with a sign or a digit.
        if (at > 0 && line[at - 1] != ' ' && line[at - 1] != ',') continue;
        const char c = line[at];
        if (!(c == '-' || c == '+' || (c >= '0' && c <= '9'))) continue;
        const bool negative = c == '-';
        const std::size_t digits = at + (c == '-' || c == '+' ? 1 : 0);
        if (digits >= line.size() || !((line[digits] >= '0' && line[digits] <= '9') || line[digits] == '.')) continue;
        float exact = 0.0f;
        const auto ref = std::from_chars(line.data() + digits, line.data() + line.size(), exact);
        if (ref.ec != std::errc()) continue;
        if (negative) exact = -exact;
        float scanned = 0.0f;
        FieldScanner scanner(line.substr(at));
        const bool ok = scanner.readFloat(scanned);
        ++numbers;
        if (!ok || std::memcmp(&scanned, &exact, sizeof exact) != 0 ||
            scanner.position() != static_cast<std::size_t>(ref.ptr - line.data()) - at) {
          if (++mismatches <= 10) std::fprintf(stderr, "%s: \"%.*s\"\n", name, static_cast<int>(line.size()), line.data());
        }
      }
    }
  }
  std::printf("%zu numbers read, %d differ from std::from_chars\n", numbers, mismatches);
  return mismatches;
}

}  // namespace
}  // namespace xaq::fms::perf

// "fms_bench --memory" loads the world once in a fresh process and prints the resident memory
// before and after; "--check-numbers" compares the number reading of the whole set with the
// standard conversion; anything else runs the benchmarks.
int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--check-numbers") == 0) {
    return xaq::fms::perf::checkNumbers(xaq::fms::perf::worldFolder()) == 0 ? 0 : 1;
  }
  if (argc > 1 && std::strcmp(argv[1], "--memory") == 0) {
    using namespace xaq::fms::perf;
    const std::string& folder = worldFolder();
    const long before = residentKb();
    xaq::fms::NavDatabase db(folder);
    const long after = residentKb();
    std::printf("resident before load %.1f MB, after load %.1f MB, loaded set %.1f MB (%zu records, %zu airways)\n",
                before / 1024.0, after / 1024.0, (after - before) / 1024.0,
                db.vors().size() + db.ndbs().size() + db.waypoints().size() + db.airports().size() + db.runways().size(),
                db.airways().size());
    return 0;
  }
  // Freed tables stay with the allocator, so each load reuses pages the one before touched: the
  // figures are the load's own work. What first touches cost is what "--memory" reports.
  mallopt(M_MMAP_THRESHOLD, 256 << 20);
  mallopt(M_TRIM_THRESHOLD, 512 << 20);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
