#include "payload/core/notes_file.h"

#include <cmath>

#include "payload/core/key_values.h"

namespace xaq::payload {

std::optional<std::size_t> findReferenceText(std::string_view notes) {
  for (std::size_t lineStart = 0; lineStart < notes.size();) {
    if (notes.substr(lineStart, kReferenceMarker.size()) == kReferenceMarker) return lineStart;
    std::size_t newline = notes.find('\n', lineStart);
    if (newline == std::string_view::npos) break;
    lineStart = newline + 1;
  }
  return std::nullopt;
}

std::string composeNotes(const std::string& aircraftName, const ShownWeights& shown, WeightUnit unit,
                         std::string_view referenceText) {
  const std::string suffix = unitTexts(unit).notesSuffix;
  auto whole = [](double value) { return formatNumber(std::round(value)); };
  std::string notes;
  notes += aircraftName + "\r\n";
  notes += "REFERENCE INFORMATION\r\n";
  notes += "MTOW = " + whole(shown.maxWeight) + suffix + "\r\n";
  notes += "ZFW  = " + whole(shown.zeroFuelWeight) + suffix + "\r\n";
  notes += "Max Fuel = " + whole(shown.maxFuel) + suffix + "\r\n";
  notes += referenceText;
  return notes;
}

std::string withCrLfLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace xaq::payload
