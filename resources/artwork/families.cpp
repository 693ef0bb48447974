#include "resources/artwork/families.h"

namespace xaq::art {

Registry allArtworks() {
  Registry art;
  addFlapsArt(art);
  addRmiArt(art);
  addHsiArt(art);
  addAttitudeArt(art);
  addAirDataArt(art);
  addEadiArt(art);
  addEhsiArt(art);
  addTcasArt(art);
  addEadiTwinArt(art);
  addCduArt(art);
  addClipboardArt(art);
  addPedestalArt(art);
  addOverheadArt(art);
  addEngineArt(art);
  addEngineDialArt(art);
  addFuelArt(art);
  addWarningPanelArt(art);
  addAutopilotArt(art);
  addAdvisoryArt(art);
  addSwitchlightsArt(art);
  addAltSelArt(art);
  addClockArt(art);
  addNavGearArt(art);
  return art;
}

}  // namespace xaq::art
