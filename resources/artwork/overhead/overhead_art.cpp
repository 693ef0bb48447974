// The overhead panel and its virtual-cockpit pieces: each section a framed plate with its title,
// the captions under its controls, the meters' digit windows, the battery temperature dials and
// the cabin pressure knobs; the lit panel for night; and the switch images the family shares.

#include <cmath>
#include <string>

#include "gauges/overhead/overhead_layout.h"
#include "resources/artwork/art_kit.h"
#include "resources/artwork/families.h"
#include "resources/artwork/overhead/switch_family_art.h"

namespace xaq::art {

namespace {

namespace oh = gauges::overhead;

constexpr double kPi = 3.14159265358979323846;

void drawKnob(cairo_t* cr, oh::Rect r, const PlateColours& c) {
  const double cx = r.x + r.width / 2.0, cy = r.y + r.height / 2.0, radius = r.height * 0.36;
  setColour(cr, c.knob);
  cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
  cairo_fill(cr);
  // Ridges round the rim: a knob that turns without stops.
  setColour(cr, c.frame);
  cairo_set_line_width(cr, 1.2);
  for (int i = 0; i < 16; ++i) {
    const double a = i * kPi / 8;
    cairo_move_to(cr, cx + std::cos(a) * radius * 0.72, cy + std::sin(a) * radius * 0.72);
    cairo_line_to(cr, cx + std::cos(a) * radius, cy + std::sin(a) * radius);
  }
  cairo_stroke(cr);
  drawText(cr, r.x + 3, cy, "-", 11, c.caption);
  drawText(cr, r.x + r.width - 3, cy, "+", 10, c.caption);
}

// A dial: its window, the 120-degree arc with a tick at each mark of its scale (and one between
// them), the marks' legends and its caption.
void drawDial(cairo_t* cr, const oh::DialLayout& d, const PlateColours& c) {
  const oh::Point pivot = d.pivot;
  const bool inside = d.face == oh::DialFace::kCaptionInside;
  setColour(cr, c.window);
  if (inside) {
    roundedRectangle(cr, pivot.x - 29, pivot.y - 28, 58, 40, 4);
  } else {
    roundedRectangle(cr, pivot.x - 30, pivot.y - 30, 60, 38, 4);
  }
  cairo_fill(cr);
  setColour(cr, c.caption);
  cairo_set_line_width(cr, 1.2);
  cairo_arc(cr, pivot.x, pivot.y, 24, -kPi / 2 - kPi / 3, -kPi / 2 + kPi / 3);
  cairo_stroke(cr);
  for (int k = -2; k <= 2; ++k) {
    // Ticks every 30 degrees of the arc: the marks at -60, 0, +60 and the halves between them.
    const double a = -kPi / 2 + k * kPi / 6;
    const double inner = k % 2 == 0 ? 21 : 23;
    cairo_move_to(cr, pivot.x + std::cos(a) * inner, pivot.y + std::sin(a) * inner);
    cairo_line_to(cr, pivot.x + std::cos(a) * 27, pivot.y + std::sin(a) * 27);
    cairo_stroke(cr);
  }
  for (const auto& mark : *d.scale) {
    const double len = std::hypot(mark.point.x, mark.point.y);
    const double ux = mark.point.x / len, uy = mark.point.y / len;
    if (mark.legend != nullptr) drawText(cr, pivot.x + ux * 15, pivot.y + uy * 15 + 2, mark.legend, 7, c.caption);
  }
  if (inside) {
    drawText(cr, pivot.x, pivot.y + 8, d.caption, 6, c.caption);
  } else {
    drawCaption(cr, pivot.x, pivot.y + 16, d.caption, c.caption);
  }
}

// One section at `at` on the bitmap.
void paintSection(cairo_t* cr, oh::Section s, oh::Point at, Lighting lighting) {
  const PlateColours c = plateColours(lighting);
  const oh::Rect frame = oh::kSectionLayouts[s].onPanel;
  cairo_save(cr);
  cairo_translate(cr, at.x, at.y);
  drawPlate(cr, frame.size(), oh::kSectionLayouts[s].title, lighting);

  for (const oh::ControlLayout& ctl : oh::kControls) {
    if (ctl.section != s) continue;
    const oh::Rect r = ctl.rect;
    if (!oh::hasImages(ctl)) drawKnob(cr, r, c);
    drawCaption(cr, r.x + r.width / 2.0, r.y + r.height + 7, ctl.caption, c.caption);
  }
  for (const oh::ReadoutLayout& ro : oh::kReadouts) {
    if (ro.section != s) continue;
    const oh::Rect r = ro.rect;
    setColour(cr, c.frame);
    cairo_rectangle(cr, r.x - 2, r.y - 2, r.width + 4, r.height + 4);
    cairo_fill(cr);
    setColour(cr, c.window);
    cairo_rectangle(cr, r.x, r.y, r.width, r.height);
    cairo_fill(cr);
    drawCaption(cr, r.x + r.width / 2.0, r.y + r.height + 8, ro.caption, c.caption);
  }
  for (const oh::LampLayout& l : oh::kLamps) {
    if (l.section != s) continue;
    setColour(cr, c.frame);
    cairo_rectangle(cr, l.rect.x - 2, l.rect.y - 2, l.rect.width + 4, l.rect.height + 4);
    cairo_fill(cr);
  }
  if (s == oh::kIceProtection) {
    drawCaption(cr, oh::kDeiceLightsCaptionAt.x, oh::kDeiceLightsCaptionAt.y, oh::kDeiceLightsCaption, c.caption);
  }
  for (const oh::DialLayout& d : oh::kDials) {
    if (d.section == s) drawDial(cr, d, c);
  }
  cairo_restore(cr);
}

void paintWholePanel(cairo_t* cr, Lighting lighting) {
  for (int s = 0; s < oh::kSections; ++s) {
    const auto section = static_cast<oh::Section>(s);
    paintSection(cr, section, oh::kSectionLayouts[s].onPanel.origin(), lighting);
  }
  const PlateColours c = plateColours(lighting);
  const oh::Rect strip = oh::kViewStrip;
  setColour(cr, c.window);
  cairo_rectangle(cr, strip.x, strip.y, strip.width, strip.height);
  cairo_fill(cr);
  drawText(cr, strip.x + strip.width / 2.0, strip.y + strip.height / 2.0, "FORWARD VIEW", 7, c.frame);
}

}  // namespace

void addOverheadArt(Registry& art) {
  art.add(oh::kPanelBackgroundId, oh::kPanelSize, [](cairo_t* cr) { paintWholePanel(cr, Lighting::kDay); });
  art.add(oh::kPanelOverlayId, oh::kPanelSize, [](cairo_t* cr) { paintWholePanel(cr, Lighting::kNight); });
  for (int s = 0; s < oh::kSections; ++s) {
    const auto section = static_cast<oh::Section>(s);
    const oh::SectionLayout& layout = oh::kSectionLayouts[s];
    art.add(layout.backgroundId, layout.onPanel.size(),
            [section](cairo_t* cr) { paintSection(cr, section, {0, 0}, Lighting::kDay); });
    art.add(layout.backgroundId + 1, layout.onPanel.size(),
            [section](cairo_t* cr) { paintSection(cr, section, {0, 0}, Lighting::kNight); });
  }
  for (const oh::SwitchImages* images :
       {&oh::kToggleArt, &oh::kRotary3Art, &oh::kRotary4Art, &oh::kPropTimerArt, &oh::kRotary6Art, &oh::kRotary8Art,
        &oh::kPushArt, &oh::kLeverArt, &oh::kSidewaysArt, &oh::kSpringArt, &oh::kExtPowerLightArt,
        &oh::kApuAvailLightArt, &oh::kApuBleedLightArt, &oh::kApuGenLightArt, &oh::kEngineStartLightArt,
        &oh::kDeice1LArt, &oh::kDeice1RArt, &oh::kDeice2LArt, &oh::kDeice2RArt, &oh::kDeice3RArt, &oh::kDeice3LArt}) {
    addSwitchImages(art, *images);
  }
  const NeedleLayout needle{oh::kBatteryNeedleId, {0, 0}, oh::kBatteryNeedleSize, oh::kBatteryNeedlePivot};
  art.add(oh::kBatteryNeedleId, oh::kBatteryNeedleSize, [needle](cairo_t* cr) {
    drawNeedle(cr, needle, palette(Lighting::kDay));
  });
}

}  // namespace xaq::art
