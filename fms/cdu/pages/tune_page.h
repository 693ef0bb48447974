#pragma once
// TUNE: the radios' active and recall values, entered through the entry field or picked from
// LIST or the numbered navaids nearby.

#include <array>

#include "fms/cdu/cdu_page.h"
#include "fms/cdu/cdu_radios.h"
#include "fms/cdu/pages/list_pages.h"

namespace xaq::fms {

// A typed value for a radio (COM/NAV MHz, ADF kHz, ATC code) in the radio's units, or -1 when
// it lies outside the radio's range.
std::int32_t acceptedRadioValue(CduRadio radio, double typed);

class TunePage final : public CduPage {
 public:
  using CduPage::CduPage;
  bool enter() override;
  void draw() override;
  void key(int code) override;
  void resume() override;
  CduRadio selected() const { return radio_; }

 private:
  void select(CduRadio radio);
  // The four navaids of the selected band nearest to the aircraft (column 8), 0 when fewer.
  void findNearby();

  CduRadio radio_ = CduRadio::kCom1;
  std::array<NavRecord, 4> nearby_{};
  int nearbyCount_ = 0;
  ListPage list_{cdu_};
};

}  // namespace xaq::fms
