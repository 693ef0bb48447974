#include "fms/cdu/pages/fuel_page.h"

#include <cmath>

#include "fms/cdu/cdu.h"
#include "fms/cdu/text_format.h"

namespace xaq::fms {

namespace {

double sumIfSet(double a, double b, double c) { return isSet(a) && isSet(b) && isSet(c) ? a + b + c : kUnset; }

void recomputeZfw(FuelWeights& w) {
  const double zfw = sumIfSet(w.emptyWeight, w.passengerWeight, w.cargo);
  if (isSet(zfw)) w.zeroFuelWeight = zfw;
}

void recomputeReserves(FuelWeights& w) {
  const double total = sumIfSet(w.alternate, w.hold, w.extra);
  if (isSet(total)) w.totalReserves = total;
}

double* fieldValue(FuelWeights& w, FuelField f) {
  switch (f) {
    case FuelField::kEmpty: return &w.emptyWeight;
    case FuelField::kPaxCount: return &w.passengerCount;
    case FuelField::kPerPax: return &w.weightPerPassenger;
    case FuelField::kPaxWeight: return &w.passengerWeight;
    case FuelField::kCargo: return &w.cargo;
    case FuelField::kZfw: return &w.zeroFuelWeight;
    case FuelField::kGross: return &w.grossWeight;
    case FuelField::kAlternate: return &w.alternate;
    case FuelField::kHold: return &w.hold;
    case FuelField::kExtra: return &w.extra;
    case FuelField::kReserves: return &w.totalReserves;
    case FuelField::kNone: break;
  }
  return nullptr;
}

std::string weightText(double v) { return isSet(v) ? textf("%d", static_cast<int>(std::lround(v))) : "-----"; }

}  // namespace

FuelField enterFuelValue(FuelWeights& w, FuelField field, double value, double fuelOnBoardLb) {
  double* target = fieldValue(w, field);
  if (target == nullptr) return FuelField::kNone;
  *target = value;
  switch (field) {
    case FuelField::kEmpty:
      recomputeZfw(w);
      return FuelField::kPaxCount;
    case FuelField::kPaxCount:
      w.passengerWeight = w.weightPerPassenger * w.passengerCount;
      recomputeZfw(w);
      return FuelField::kCargo;
    case FuelField::kPerPax:
      if (isSet(w.passengerCount)) {
        w.passengerWeight = w.weightPerPassenger * w.passengerCount;
        recomputeZfw(w);
      }
      return FuelField::kCargo;
    case FuelField::kPaxWeight:
      recomputeZfw(w);
      w.passengerCount = kUnset;
      return FuelField::kCargo;
    case FuelField::kCargo:
      recomputeZfw(w);
      return FuelField::kAlternate;
    case FuelField::kZfw:
      w.emptyWeight = w.passengerWeight = w.cargo = kUnset;
      return FuelField::kAlternate;
    case FuelField::kGross:
      w.zeroFuelWeight = value - fuelOnBoardLb;
      w.emptyWeight = w.passengerWeight = w.cargo = kUnset;
      return FuelField::kAlternate;
    case FuelField::kAlternate:
      recomputeReserves(w);
      return FuelField::kHold;
    case FuelField::kHold:
      recomputeReserves(w);
      return FuelField::kExtra;
    case FuelField::kExtra:
      recomputeReserves(w);
      return FuelField::kNone;
    case FuelField::kReserves:
      w.alternate = w.hold = w.extra = kUnset;
      return FuelField::kNone;
    case FuelField::kNone:
      break;
  }
  return FuelField::kNone;
}

void FuelPage::select(FuelField field) {
  selected_ = field;
  const double* v = fieldValue(cdu_.weights(), field);
  if (v == nullptr) return;
  const bool small = field == FuelField::kPaxCount || field == FuelField::kPerPax;
  entry.begin(isSet(*v) ? textf("%d", static_cast<int>(std::lround(*v))) : std::string(small ? "   " : "     "));
  entry.setMask(small ? "###" : "#####");
}

void FuelPage::key(int code) {
  FuelField wanted = FuelField::kNone;
  switch (code) {
    case 1: wanted = FuelField::kEmpty; break;
    case 2:
      if (selected_ == FuelField::kPaxCount) wanted = FuelField::kPerPax;
      else if (selected_ == FuelField::kPerPax) wanted = FuelField::kPaxWeight;
      else if (selected_ == FuelField::kPaxWeight) wanted = FuelField::kNone;
      else wanted = FuelField::kPaxCount;
      if (wanted == FuelField::kNone) {
        entry.type(code);
        return;
      }
      break;
    case 3: wanted = FuelField::kCargo; break;
    case 4: wanted = FuelField::kZfw; break;
    case 5: wanted = FuelField::kGross; break;
    case 6: wanted = FuelField::kAlternate; break;
    case 7: wanted = FuelField::kHold; break;
    case 8: wanted = FuelField::kExtra; break;
    case 9: wanted = FuelField::kReserves; break;
    case key::kEnter: {
      int value = 0;
      if (selected_ == FuelField::kNone || !entry.readInteger(value) || value < 0) {
        entry.type(code);
        return;
      }
      select(enterFuelValue(cdu_.weights(), selected_, value, cdu_.inputs().fuelOnBoardLb));
      return;
    }
    default:
      entry.type(code);
      return;
  }
  if (wanted == selected_) {
    entry.type(code);
    return;
  }
  select(wanted);
}

void FuelPage::draw() {
  beginScreen();
  FuelWeights& w = cdu_.weights();
  drawText("FUEL  1/1", 7, 0, kDataColour);
  drawText("LBS", 10, 1, kCaptionColour, kSmall);
  struct Line {
    const char* caption;
    FuelField field;
    int row;
    bool right;
  };
  const Line lines[] = {
      {"EMPTY WT", FuelField::kEmpty, 1, false},     {"CARGO", FuelField::kCargo, 5, false},
      {"ZFW", FuelField::kZfw, 7, false},            {"GROSS WT", FuelField::kGross, 9, false},
      {"ALTERNATE", FuelField::kAlternate, 1, true}, {"HOLD", FuelField::kHold, 3, true},
      {"EXTRA", FuelField::kExtra, 5, true},         {"TOTAL RESRVS", FuelField::kReserves, 7, true},
  };
  for (const Line& l : lines) {
    drawText(l.caption, l.right ? 23 : 0, l.row, kCaptionColour, kSmall | (l.right ? kRight : 0u));
    const unsigned align = l.right ? kRight : 0u;
    const int column = l.right ? 23 : 0;
    if (selected_ == l.field) {
      drawEntry(column, l.row + 1, kPendingColour, align);
    } else {
      drawText(weightText(*fieldValue(w, l.field)), column, l.row + 1, kDataColour, align);
    }
  }
  // Passengers: count and weight per passenger on the caption row, their total below.
  drawText("PAX(", 0, 3, kCaptionColour, kSmall);
  drawText(")@", 7, 3, kCaptionColour, kSmall);
  if (selected_ == FuelField::kPaxCount) drawEntry(4, 3, kPendingColour);
  else drawText(isSet(w.passengerCount) ? textf("%3d", static_cast<int>(std::lround(w.passengerCount))) : "---", 4, 3, kDataColour, kSmall);
  if (selected_ == FuelField::kPerPax) drawEntry(9, 3, kPendingColour);
  else drawText(isSet(w.weightPerPassenger) ? textf("%d", static_cast<int>(std::lround(w.weightPerPassenger))) : "---", 9, 3, kDataColour, kSmall);
  if (selected_ == FuelField::kPaxWeight) drawEntry(0, 4, kPendingColour);
  else drawText(weightText(w.passengerWeight), 0, 4, kDataColour);

  drawText("FUEL ONBOARD", 23, 9, kCaptionColour, kSmall | kRight);
  drawText(weightText(cdu_.inputs().fuelOnBoardLb), 23, 10, kDataColour, kRight);
}

}  // namespace xaq::fms
