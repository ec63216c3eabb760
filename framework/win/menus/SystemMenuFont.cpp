#include "framework/win/menus/SystemMenuFont.h"

#include "framework/win/graphics/Font.h"

LOGFONTA SystemMenuLogFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    return metrics.lfMenuFont;
  LOGFONTA font{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
  return font;
}

void AssignSystemMenuFont(TFont& font) {
  const LOGFONTA logFont = SystemMenuLogFont();
  font.SetName(logFont.lfFaceName);
  font.SetHeight(logFont.lfHeight);
  TFontStyles style = 0;
  if (logFont.lfWeight >= FW_BOLD) style |= 1u << fsBold;
  if (logFont.lfItalic) style |= 1u << fsItalic;
  if (logFont.lfUnderline) style |= 1u << fsUnderline;
  if (logFont.lfStrikeOut) style |= 1u << fsStrikeOut;
  font.SetStyle(style);
  font.SetCharset(logFont.lfCharSet);
  font.SetColor(clMenuText);
}
