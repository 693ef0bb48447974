#pragma once
// FUEL: the weights and reserves, entered line by line; the gross weight follows.

#include "fms/cdu/cdu_page.h"

namespace xaq::fms {

struct FuelWeights;

enum class FuelField : int {
  kNone = 0, kEmpty, kPaxCount, kPerPax, kPaxWeight, kCargo, kZfw, kGross, kAlternate, kHold, kExtra, kReserves,
};

// What entering a value into a field does to the weights; returns the field selected next.
FuelField enterFuelValue(FuelWeights& w, FuelField field, double value, double fuelOnBoardLb);

class FuelPage final : public CduPage {
 public:
  using CduPage::CduPage;
  void draw() override;
  void key(int code) override;
  FuelField selected() const { return selected_; }

 private:
  void select(FuelField field);

  FuelField selected_ = FuelField::kNone;
};

}  // namespace xaq::fms
