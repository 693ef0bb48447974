#include "services/commands/command_table.h"

#include <cstring>

#include "services/text_lines.h"

namespace xaq::services {

const std::array<Command, kCommandCount> kCommands = {{
    {"AP_AUTO", "Autopilot AP Button", "AP_AUTO,Autopilot AP Button,0,0,0,0,0,90,0,0"},
    {"AP_YD", "Autopilot YD Button", "AP_YD,Autopilot YD Button,0,1,0,0,0,68,0,0"},
    {"AP_HSISEL", "Autopilot HSI SEL Button", "AP_HSISEL,Autopilot HSI SEL Button,0,0,0,0,0,0,0,0"},
    {"AP_NAVSEL", "Autopilot NAV SEL Button", "AP_NAVSEL,Autopilot NAV SEL Button,0,0,0,0,0,0,0,0"},
    {"AP_HDG", "Autopilot HDG Button", "AP_HDG,Autopilot HDG Button,0,1,0,0,0,72,0,0"},
    {"AP_NAVHLD", "Autopilot NAV Button", "AP_NAVHLD,Autopilot NAV Button,0,1,0,0,0,78,0,0"},
    {"AP_APP", "Autopilot APP Button", "AP_APP,Autopilot APP Button,0,1,0,0,0,65,0,0"},
    {"AP_IAS", "Autopilot IAS Button", "AP_IAS,Autopilot IAS Button,0,1,0,0,0,82,0,0"},
    {"AP_VS", "Autopilot VS Button", "AP_VS,Autopilot VS Button,0,1,0,0,0,86,0,0"},
    {"AP_BC", "Autopilot BC Button", "AP_BC,Autopilot BC Button,0,1,0,0,0,66,0,0"},
    {"AP_ALTHLD", "Autopilot ALT Button", "AP_ALTHLD,Autopilot ALT Button,0,1,0,0,0,90,0,0"},
    {"AP_ALTSEL", "Autopilot ALT SEL Button", "AP_ALTSEL,Autopilot ALT SEL Button,1,1,0,0,0,90,0,0"},
    {"AP_STBY", "Autopilot STBY Button", "AP_STBY,Autopilot STBY Button,0,0,0,0,0,0,0,0"},
    {"AP_WHEELDN", "Autopilot Pitch Wheel Nose Down", "AP_WHEELDN,Autopilot Pitch Wheel Nose Down,0,0,0,0,0,0,1,20"},
    {"AP_WHEELUP", "Autopilot Pitch Wheel Nose Up", "AP_WHEELUP,Autopilot Pitch Wheel Nose Up,0,0,0,0,0,0,1,21"},
    {"AP_TCS", "Autopilot Touch Control Steering (TCS)", "AP_TCS,Autopilot Touch Control Steering (TCS),0,0,0,0,0,0,1,2"},
    {"AP_GA", "Autopilot Go-Around engage", "AP_GA,Autopilot Go-Around engage,1,1,0,0,0,71,0,0"},
    {"RMI_LEFTSRC", "RMI Left source selector toggle", "RMI_LEFTSRC,RMI Left source selector toggle,0,0,0,0,0,0,0,0"},
    {"RMI_RIGHTSRC", "RMI Right source selector toggle", "RMI_RIGHTSRC,RMI Right source selector toggle,0,0,0,0,0,0,0,0"},
    {"ASI_BUGINC", "ASI bug increase", "ASI_BUGINC,ASI bug increase,0,0,0,0,0,0,0,0"},
    {"ASI_BUGDEC", "ASI bug decrease", "ASI_BUGDEC,ASI bug decrease,0,0,0,0,0,0,0,0"},
    {"ADI_DHINC", "ADI decision height increase", "ADI_DHINC,ADI decision height increase,0,0,0,0,0,0,0,0"},
    {"ADI_DHDEC", "ADI decision height decrease", "ADI_DHDEC,ADI decision height decrease,0,0,0,0,0,0,0,0"},
    {"HSI_HDGINC", "HSI heading bug increase", "HSI_HDGINC,HSI heading bug increase,0,0,0,0,0,0,0,0"},
    {"HSI_HDGDEC", "HSI heading bug decrease", "HSI_HDGDEC,HSI heading bug decrease,0,0,0,0,0,0,0,0"},
    {"HSI_CRSINC", "HSI course increase", "HSI_CRSINC,HSI course increase,0,0,0,0,0,0,0,0"},
    {"HSI_CRSDEC", "HSI course decrease", "HSI_CRSDEC,HSI course decrease,0,0,0,0,0,0,0,0"},
    {"ALT_BAROINC", "Altimeter baro settings increase", "ALT_BAROINC,Altimeter baro settings increase,0,0,0,0,0,0,0,0"},
    {"ALT_BARODEC", "Altimeter baro settings decrease", "ALT_BARODEC,Altimeter baro settings decrease,0,0,0,0,0,0,0,0"},
    {"ALTSEL_INC", "Altitude preselect increase", "ALTSEL_INC,Altitude preselect increase,0,0,0,0,0,0,0,0"},
    {"ALTSEL_DEC", "Altitude preselect decrease", "ALTSEL_DEC,Altitude preselect decrease,0,0,0,0,0,0,0,0"},
    {"CLOCK_TIME", "Clock show time", "CLOCK_TIME,Clock show time,0,0,0,0,0,0,0,0"},
    {"CLOCK_FT", "Clock show F.T.", "CLOCK_FT,Clock show F.T.,0,0,0,0,0,0,0,0"},
    {"CLOCK_ET", "Clock show E.T.", "CLOCK_ET,Clock show E.T.,0,0,0,0,0,0,0,0"},
    {"CLOCK_RUN", "Clock E.T. Run", "CLOCK_RUN,Clock E.T. Run,0,0,0,0,0,0,0,0"},
    {"CLOCK_STOP", "Clock E.T. Stop", "CLOCK_STOP,Clock E.T. Stop,0,0,0,0,0,0,0,0"},
    {"CLOCK_ZERO", "Clock E.T. Zero", "CLOCK_ZERO,Clock E.T. Zero,0,0,0,0,0,0,0,0"},
    {"CLOCK_NORM", "Clock sim rate set Normal", "CLOCK_NORM,Clock sim rate set Normal,0,0,0,0,0,0,0,0"},
    {"CLOCK_2X", "Clock sim rate set 2X", "CLOCK_2X,Clock sim rate set 2X,0,0,0,0,0,0,0,0"},
    {"CLOCK_4X", "Clock sim rate set 4X", "CLOCK_4X,Clock sim rate set 4X,0,0,0,0,0,0,0,0"},
    {"MASTER_WARN", "Master warning switchlight push", "MASTER_WARN,Master warning switchlight push,0,0,0,0,0,0,0,0"},
    {"MASTER_CAUTN", "Master caution switchlight push", "MASTER_CAUTN,Master caution switchlight push,0,0,0,0,0,0,0,0"},
    {"NAV1_OUTERUP", "Radio NAV1 outer tuning knob up", "NAV1_OUTERUP,Radio NAV1 outer tuning knob up,0,0,0,0,0,0,0,0"},
    {"NAV1_OUTERDN", "Radio NAV1 outer tuning knob down", "NAV1_OUTERDN,Radio NAV1 outer tuning knob down,0,0,0,0,0,0,0,0"},
    {"NAV1_INNERUP", "Radio NAV1 inner tuning knob up", "NAV1_INNERUP,Radio NAV1 inner tuning knob up,0,0,0,0,0,0,0,0"},
    {"NAV1_INNERDN", "Radio NAV1 inner tuning knob down", "NAV1_INNERDN,Radio NAV1 inner tuning knob down,0,0,0,0,0,0,0,0"},
    {"NAV1_XFR", "Radio NAV1 transfer switch", "NAV1_XFR,Radio NAV1 transfer switch,0,0,0,0,0,0,0,0"},
    {"NAV2_OUTERUP", "Radio NAV2 outer tuning knob up", "NAV2_OUTERUP,Radio NAV2 outer tuning knob up,0,0,0,0,0,0,0,0"},
    {"NAV2_OUTERDN", "Radio NAV2 outer tuning knob down", "NAV2_OUTERDN,Radio NAV2 outer tuning knob down,0,0,0,0,0,0,0,0"},
    {"NAV2_INNERUP", "Radio NAV2 inner tuning knob up", "NAV2_INNERUP,Radio NAV2 inner tuning knob up,0,0,0,0,0,0,0,0"},
    {"NAV2_INNERDN", "Radio NAV2 inner tuning knob down", "NAV2_INNERDN,Radio NAV2 inner tuning knob down,0,0,0,0,0,0,0,0"},
    {"NAV2_XFR", "Radio NAV2 transfer switch", "NAV2_XFR,Radio NAV2 transfer switch,0,0,0,0,0,0,0,0"},
    {"COM1_OUTERUP", "Radio COM1 outer tuning knob up", "COM1_OUTERUP,Radio COM1 outer tuning knob up,0,0,0,0,0,0,0,0"},
    {"COM1_OUTERDN", "Radio COM1 outer tuning knob down", "COM1_OUTERDN,Radio COM1 outer tuning knob down,0,0,0,0,0,0,0,0"},
    {"COM1_INNERUP", "Radio COM1 inner tuning knob up", "COM1_INNERUP,Radio COM1 inner tuning knob up,0,0,0,0,0,0,0,0"},
    {"COM1_INNERDN", "Radio COM1 inner tuning knob down", "COM1_INNERDN,Radio COM1 inner tuning knob down,0,0,0,0,0,0,0,0"},
    {"COM1_XFR", "Radio COM1 transfer switch", "COM1_XFR,Radio COM1 transfer switch,0,0,0,0,0,0,0,0"},
    {"COM2_OUTERUP", "Radio COM2 outer tuning knob up", "COM2_OUTERUP,Radio COM2 outer tuning knob up,0,0,0,0,0,0,0,0"},
    {"COM2_OUTERDN", "Radio COM2 outer tuning knob down", "COM2_OUTERDN,Radio COM2 outer tuning knob down,0,0,0,0,0,0,0,0"},
    {"COM2_INNERUP", "Radio COM2 inner tuning knob up", "COM2_INNERUP,Radio COM2 inner tuning knob up,0,0,0,0,0,0,0,0"},
    {"COM2_INNERDN", "Radio COM2 inner tuning knob down", "COM2_INNERDN,Radio COM2 inner tuning knob down,0,0,0,0,0,0,0,0"},
    {"COM2_XFR", "Radio COM2 transfer switch", "COM2_XFR,Radio COM2 transfer switch,0,0,0,0,0,0,0,0"},
    {"ADF_OUTERUP", "Radio ADF outer tuning knob up", "ADF_OUTERUP,Radio ADF outer tuning knob up,0,0,0,0,0,0,0,0"},
    {"ADF_OUTERDN", "Radio ADF outer tuning knob down", "ADF_OUTERDN,Radio ADF outer tuning knob down,0,0,0,0,0,0,0,0"},
    {"ADF_INNERUP", "Radio ADF inner tuning knob up", "ADF_INNERUP,Radio ADF inner tuning knob up,0,0,0,0,0,0,0,0"},
    {"ADF_INNERDN", "Radio ADF inner tuning knob down", "ADF_INNERDN,Radio ADF inner tuning knob down,0,0,0,0,0,0,0,0"},
    {"ADF_XFR", "Radio ADF transfer switch", "ADF_XFR,Radio ADF transfer switch,0,0,0,0,0,0,0,0"},
    {"XPDR_OUTERUP", "Radio XPDR outer tuning knob up", "XPDR_OUTERUP,Radio XPDR outer tuning knob up,0,0,0,0,0,0,0,0"},
    {"XPDR_OUTERDN", "Radio XPDR outer tuning knob down", "XPDR_OUTERDN,Radio XPDR outer tuning knob down,0,0,0,0,0,0,0,0"},
    {"XPDR_INNERUP", "Radio XPDR inner tuning knob up", "XPDR_INNERUP,Radio XPDR inner tuning knob up,0,0,0,0,0,0,0,0"},
    {"XPDR_INNERDN", "Radio XPDR inner tuning knob down", "XPDR_INNERDN,Radio XPDR inner tuning knob down,0,0,0,0,0,0,0,0"},
    {"ENG_ECU_UP", "Engine ECU rating selector up", "ENG_ECU_UP,Engine ECU rating selector up,0,0,0,0,0,0,0,0"},
    {"ENG_ECU_DN", "Engine ECU rating selector down", "ENG_ECU_DN,Engine ECU rating selector down,0,0,0,0,0,0,0,0"},
    {"ENG_AUTOFEATHER_SW", "Engine Autofeather arm switch", "ENG_AUTOFEATHER_SW,Engine Autofeather arm switch,0,0,0,0,0,0,0,0"},
    {"FUEL_XFR_1", "Fuel transfer to tank 1", "FUEL_XFR_1,Fuel transfer to tank 1,0,0,0,0,0,0,0,0"},
    {"FUEL_XFR_2", "Fuel transfer to tank 2", "FUEL_XFR_2,Fuel transfer to tank 2,0,0,0,0,0,0,0,0"},
    {"FUEL_XFR_OFF", "Fuel transfer off", "FUEL_XFR_OFF,Fuel transfer off,0,0,0,0,0,0,0,0"},
}};

namespace {

bool beginsWithCommandName(std::string_view line) {
  for (const Command& c : kCommands) {
    const std::size_t length = std::strlen(c.name);
    if (line.size() >= length && line.compare(0, length, c.name) == 0) return true;
  }
  return false;
}

}  // namespace

bool parseAssignmentLine(std::string_view line, Assignment& out) {
  if (!beginsWithCommandName(line)) return false;
  out = Assignment{};
  // The name up to the first comma, the description up to the next, then the eight numbers.
  const std::size_t nameEnd = line.find(',');
  if (nameEnd == std::string_view::npos) return true;
  const std::size_t descriptionEnd = line.find(',', nameEnd + 1);
  if (descriptionEnd == std::string_view::npos) return true;
  std::int32_t* const fields[] = {&out.shift, &out.ctrl,    &out.alt,      &out.win,
                                  &out.menu,  &out.keyCode, &out.joystick, &out.button};
  std::size_t at = descriptionEnd + 1;
  for (std::size_t i = 0; i < std::size(fields); ++i) {
    if (i > 0) {
      if (at >= line.size() || line[at] != ',') break;
      ++at;
    }
    if (!scanDecimal(line, at, *fields[i])) break;
  }
  return true;
}

void CommandAssignments::reset() {
  records_.fill(Assignment{});
  entryOf_ = filledWithNone();
  count_ = 0;
}

bool CommandAssignments::offer(std::string_view line) {
  Assignment record;
  if (!parseAssignmentLine(line, record)) return false;
  // A file with more assignment lines than commands: the extra lines have no command to go to.
  if (count_ < kCommandCount) records_[static_cast<std::size_t>(count_++)] = record;
  return true;
}

const Assignment& CommandAssignments::of(int command) const {
  static const Assignment kNone{};
  return command >= 0 && command < count_ ? records_[static_cast<std::size_t>(command)] : kNone;
}

void CommandAssignments::numberJoystickButtons(datalink::JoystickButtons& entries) {
  entryOf_ = filledWithNone();
  std::size_t next = 0;
  for (int command = 0; command < count_ && next < entries.size(); ++command) {
    const Assignment& a = records_[static_cast<std::size_t>(command)];
    if (a.button == 0) continue;
    datalink::JoystickButton& entry = entries[next];
    entry = datalink::JoystickButton{};
    // Wrapping, not overflowing, for numbers no joystick has; the watch skips those entries.
    entry.joystick = static_cast<std::int32_t>(static_cast<std::uint32_t>(a.joystick) - 1u);
    entry.button = static_cast<std::int32_t>(static_cast<std::uint32_t>(a.button) - 1u);
    entryOf_[static_cast<std::size_t>(command)] = static_cast<std::int8_t>(next++);
  }
}

int CommandAssignments::joystickEntryOf(int command) const {
  return command >= 0 && command < kCommandCount ? entryOf_[static_cast<std::size_t>(command)] : -1;
}

}  // namespace xaq::services
