#include "simhost/tables.h"

#include <cstdio>
#include <sstream>

#include "simhost/addon.h"
#include "simhost/host_variables.h"
#include "simhost/key_events.h"

namespace xaq::sim {

std::string tablesMarkdown() {
  std::ostringstream out;
  out << "### Host variables\n\n| id | meaning | unit the host delivers | source |\n|---|---|---|---|\n";
  for (const HostVariable& v : hostVariables()) {
    out << "| " << v.id << " | " << v.meaning << " | " << v.unit << " | " << v.source << " |\n";
  }
  out << "\n### Host key events\n\n| id | name here | effect |\n|---|---|---|\n";
  for (const KeyEvent& e : keyEvents()) out << "| " << e.id << " | " << e.name << " | " << e.effect << " |\n";
  out << "\n### Add-on offsets\n\n| offset | bytes | meaning | encoding | module writes |\n|---|---|---|---|---|\n";
  for (const AddonOffset& o : addonOffsets()) {
    char offset[16];
    std::snprintf(offset, sizeof offset, "0x%04X", o.offset);
    out << "| " << offset << " | " << o.size << " | " << o.meaning << " | " << o.encoding << " | "
        << (o.writable ? "yes" : "") << " |\n";
  }
  return out.str();
}

}  // namespace xaq::sim
