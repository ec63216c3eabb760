#include "controls/common/core/DvTextLayers.h"

void DrawTextLayers(const TTextLayerLook& look, bool enabled, TColor textColor,
                    const TDrawTextLayer& drawLayer) {
  if (!enabled) {
    drawLayer(1, 1, clBtnHighlight);
    drawLayer(0, 0, clBtnShadow);
    return;
  }
  switch (look.style) {
    case tsRaised:
      if (!look.lightStyle) drawLayer(1, 1, look.shadow);
      drawLayer(-1, -1, look.highlight);
      break;
    case tsRecessed:
      drawLayer(1, 1, look.highlight);
      if (!look.lightStyle) drawLayer(-1, -1, look.shadow);
      break;
    case tsShadow:
      drawLayer(look.shadowDepth, look.shadowDepth, look.shadow);
      break;
    case tsNormal:
      break;
  }
  drawLayer(0, 0, textColor);
}
