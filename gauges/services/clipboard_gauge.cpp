// The clipboard (`Clipboard`): 16 lines of the aircraft's notes file on the board's sheet. Nothing
// on it can be clicked.

#include <utility>

#include "frame/gauge_registry.h"
#include "gauges/kit/gauge_kit.h"
#include "gauges/services/clipboard_layout.h"

namespace xaq::gauges {

namespace {

namespace cb = clipboard;

template <int K>
double XAQ_HOSTCALL clipboardLineValue(abi::ElementHeader* element) {
  frame::AircraftState* a = aircraft();
  if (a == nullptr) return 0.0;
  writeText(abi::elementAs<abi::StringElement>(element), a->clipboard.line(K));
  return 1.0;
}

constexpr TextStyle kLineStyle{cb::kTextColour, cb::kTextBackground, cb::kFont, cb::kFontWeight,
                               abi::kTextLeft | abi::kTextVerticalCenter | abi::kTextSingleLine};
constexpr std::uint16_t kLineLength = 50;  // a clipboard line with its terminator

template <int K>
constexpr abi::StringElement clipboardLine() {
  return text(&gauge_Clipboard, pix(cb::linePosition(K)), pix({cb::kLineBox.width, cb::kLineBox.height}),
              kLineLength, 0, &clipboardLineValue<K>, kLineStyle);
}

template <std::size_t... K>
constexpr std::array<abi::StringElement, sizeof...(K)> clipboardLines(std::index_sequence<K...>) {
  return {clipboardLine<static_cast<int>(K)>()...};
}

constinit std::array<abi::StringElement, cb::kTextLines> lines =
    clipboardLines(std::make_index_sequence<cb::kTextLines>{});

template <std::size_t... K>
constexpr std::array<abi::ElementHeader*, sizeof...(K) + 1> lineList(std::index_sequence<K...>) {
  return {&lines[K].header..., nullptr};
}

constinit std::array<abi::ElementHeader*, cb::kTextLines + 1> sheet = lineList(std::make_index_sequence<cb::kTextLines>{});
constinit abi::StaticImageElement board = staticImage(&gauge_Clipboard, cb::kBackgroundId, {0, 0}, sheet.data());
abi::ElementHeader* const clipboardElements[] = {&board.header, nullptr};

abi::MouseRecord clipboardMouse[] = {mouseGroup(), mouseEndGroup(), mouseEnd()};

}  // namespace

abi::GaugeHeader gauge_Clipboard = gaugeHeader("Clipboard", clipboardElements, clipboardMouse, &quietGaugeCallback);

}  // namespace xaq::gauges
