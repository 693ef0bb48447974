#pragma once
// The radios as the TUNE page sees them: an active and a recall value per radio. The frame hands
// in the aircraft's radio panel; HeldCduRadios keeps the values the pilot enters (the pages show
// them) and reaches no receiver, for the CDU's own tests.

#include <array>
#include <cstdint>

namespace xaq::fms {

// COM and NAV in MHz x 100 (118.05 = 11805), ADF in kHz x 10 (350.5 = 3505), ATC the code.
enum class CduRadio : int { kCom1 = 0, kCom2, kNav1, kNav2, kAdf1, kAtc, kCount };

struct RadioSetting {
  std::int32_t active = 0;
  std::int32_t recall = 0;
};

class CduRadios {
 public:
  virtual ~CduRadios() = default;
  virtual RadioSetting setting(CduRadio radio) const = 0;
  // The value becomes active; the previous active value becomes the recall value.
  virtual void tune(CduRadio radio, std::int32_t value) = 0;
  // Recall and active change places.
  virtual void swapRecall(CduRadio radio) = 0;
};

class HeldCduRadios final : public CduRadios {
 public:
  HeldCduRadios();
  RadioSetting setting(CduRadio radio) const override;
  void tune(CduRadio radio, std::int32_t value) override;
  void swapRecall(CduRadio radio) override;

 private:
  std::array<RadioSetting, static_cast<std::size_t>(CduRadio::kCount)> radios_{};
};

}  // namespace xaq::fms
