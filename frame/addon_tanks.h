#pragma once
// The fuel transfer's tank levels, read and written one request at a time through the add-on
// data link (4-byte words at 0x0B7C and 0x0B94).

#include "services/datalink/data_link.h"
#include "systems/fuel/fuel.h"

namespace xaq::frame {

class AddonTanks final : public systems::TankLevels {
 public:
  explicit AddonTanks(services::datalink::DataLink& link) : link_(link) {}

  bool read(int tank, std::uint32_t& raw) override {
    return tank >= 1 && tank <= 2 && link_.singleRead(offset(tank), sizeof raw, &raw);
  }
  bool write(int tank, std::uint32_t raw) override {
    return tank >= 1 && tank <= 2 && link_.singleWrite(offset(tank), sizeof raw, &raw);
  }

 private:
  static std::uint32_t offset(int tank) {
    return tank == 1 ? services::datalink::offsets::kTank1Level : services::datalink::offsets::kTank2Level;
  }
  services::datalink::DataLink& link_;
};

}  // namespace xaq::frame
