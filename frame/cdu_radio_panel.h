#pragma once
// The CDU's TUNE page on the aircraft's radio panel: the page's active value is what the host's
// receiver is on, its recall value the head's standby. Tuning a value puts it on standby and
// swaps it in, so the previous active value becomes the recall value, as the page expects. The
// transponder has no standby; its recall code is kept here.

#include <cstdint>

#include "common/effects.h"
#include "fms/cdu/cdu_radios.h"
#include "systems/switches/radios.h"

namespace xaq::frame {

class CduRadioPanel final : public fms::CduRadios {
 public:
  CduRadioPanel(systems::Radios& radios, HostEventDoor& events) : radios_(radios), events_(events) {}

  fms::RadioSetting setting(fms::CduRadio radio) const override;
  void tune(fms::CduRadio radio, std::int32_t value) override;
  void swapRecall(fms::CduRadio radio) override;

 private:
  systems::Radios& radios_;
  HostEventDoor& events_;
  std::int32_t transponderRecall_ = 1200;
};

}  // namespace xaq::frame
