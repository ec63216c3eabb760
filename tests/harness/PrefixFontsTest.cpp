// The prefix's fonts draw what the program shows: the first-run notice's Hebrew in the message
// box's fonts, the window's captions in Tahoma's widths, and the title-bar buttons' symbols.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "framework/win/graphics/GdiObjects.h"
#include "tests/app/HebrewNotice.h"
#include "tests/harness/GlyphInk.h"
#include "tests/support/win/PixelSurface.h"

namespace {

NONCLIENTMETRICSW WindowMetrics() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  EXPECT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  return metrics;
}

std::wstring FaceOf(HFONT font) {
  MemoryDC dc;
  const SelectGuard selected(dc.Get(), font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc.Get(), LF_FACESIZE, face);
  return face;
}

// Each Hebrew letter of the text once, in the order of the alphabet.
std::vector<wchar_t> HebrewLettersOf(const std::wstring& text) {
  std::set<wchar_t> letters;
  for (const wchar_t c : text)
    if (c >= L'\u05D0' && c <= L'\u05EA') letters.insert(c);
  return {letters.begin(), letters.end()};
}

std::string CodePoint(wchar_t c) {
  char text[8];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
  return text;
}

// The letters that the font draws as a missing glyph, as nothing, or just like another letter.
std::vector<std::string> UnreadableLetters(const LOGFONTW& logFont, const std::wstring& text) {
  const GdiObject<HFONT> font(CreateFontIndirectW(&logFont));
  const TInk missing = MissingGlyphInk(font.Get());
  const TInk defaultCharacter = DefaultCharacterInk(font.Get());
  const std::vector<wchar_t> letters = HebrewLettersOf(text);
  std::vector<TInk> inks;
  for (const wchar_t letter : letters)
    inks.push_back(TextInk(font.Get(), std::wstring(1, letter)));

  std::vector<std::string> unreadable;
  for (size_t i = 0; i < letters.size(); ++i) {
    if (inks[i].Empty()) {
      unreadable.push_back(CodePoint(letters[i]) + " draws nothing");
    } else if (inks[i] == missing || inks[i] == defaultCharacter) {
      unreadable.push_back(CodePoint(letters[i]) + " is the missing-glyph box");
    } else {
      for (size_t j = 0; j < i; ++j)
        if (inks[i] == inks[j])
          unreadable.push_back(CodePoint(letters[i]) + " looks like " + CodePoint(letters[j]));
    }
  }
  return unreadable;
}

TEST(HarnessFonts, MessageBoxFontsDrawEveryHebrewLetterOfTheNotice) {
  const NONCLIENTMETRICSW metrics = WindowMetrics();
  // The notice has more than twenty different letters: too few would prove little.
  ASSERT_GT(HebrewLettersOf(kNoticeText).size(), 20u);
  EXPECT_EQ(UnreadableLetters(metrics.lfCaptionFont, kNoticeCaption), std::vector<std::string>{})
      << "caption font " << testing::PrintToString(std::wstring(metrics.lfCaptionFont.lfFaceName));
  EXPECT_EQ(UnreadableLetters(metrics.lfMessageFont, kNoticeText), std::vector<std::string>{})
      << "message font " << testing::PrintToString(std::wstring(metrics.lfMessageFont.lfFaceName));
}

// The dialog font that Wine's dialogs ask for by name draws Hebrew as well.
TEST(HarnessFonts, ShellDialogFontDrawsTheNoticeCaption) {
  LOGFONTW logFont{};
  logFont.lfHeight = -11;
  wcscpy(logFont.lfFaceName, L"MS Shell Dlg");
  EXPECT_EQ(UnreadableLetters(logFont, kNoticeCaption), std::vector<std::string>{});
}

// The window font is Tahoma on Windows, where the main window's captions fit the rectangles made
// for them: "Enabled Auto-Dial" takes 85 pixels and its check box leaves 85 for the caption.
TEST(HarnessFonts, WindowFontHasTahomasWidths) {
  LOGFONTW logFont{};
  logFont.lfHeight = -11;
  wcscpy(logFont.lfFaceName, L"MS Shell Dlg 2");
  const GdiObject<HFONT> font(CreateFontIndirectW(&logFont));
  MemoryDC dc;
  const SelectGuard selected(dc.Get(), font.Get());
  SIZE size{};
  const std::wstring caption = L"Enabled Auto-Dial";
  ASSERT_TRUE(GetTextExtentPoint32W(dc.Get(), caption.c_str(), static_cast<int>(caption.size()),
                                    &size));
  EXPECT_LE(size.cx, 85);
  EXPECT_GE(size.cx, 75) << "far narrower than Tahoma";
  EXPECT_EQ(size.cy, 13);
}

// Small interface text is crisp, as Windows draws it by default: every pixel of black text on
// white is black or white. Tests that look for a control's text colour rely on it.
TEST(HarnessFonts, DialogTextHasNoSmoothedEdges) {
  LOGFONTW logFont{};
  logFont.lfHeight = -11;
  wcscpy(logFont.lfFaceName, L"MS Shell Dlg");
  const GdiObject<HFONT> font(CreateFontIndirectW(&logFont));
  PixelSurface surface(120, 30);
  {
    const SelectGuard selected(surface.Dc(), font.Get());
    SetBkMode(surface.Dc(), TRANSPARENT);
    const std::wstring text = L"Enabled Auto-Dial \u05E9\u05D9\u05DD";
    ExtTextOutW(surface.Dc(), 4, 4, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()),
                nullptr);
  }
  const int black = surface.Count(TRect{0, 0, surface.Width(), surface.Height()}, clBlack);
  EXPECT_GT(black, 100);
  EXPECT_EQ(surface.CountOther(clWhite), black) << "pixels neither black nor white";
}

// Title-bar buttons are Marlett's symbols; without the font, its letters stand in their place
// ("r" for the close button).
TEST(HarnessFonts, TitleBarButtonsDrawMarlettSymbols) {
  LOGFONTW symbols{};
  symbols.lfHeight = -13;
  symbols.lfCharSet = SYMBOL_CHARSET;
  wcscpy(symbols.lfFaceName, L"Marlett");
  const GdiObject<HFONT> marlett(CreateFontIndirectW(&symbols));
  EXPECT_EQ(FaceOf(marlett.Get()), L"Marlett");

  LOGFONTW letters = WindowMetrics().lfCaptionFont;
  letters.lfHeight = symbols.lfHeight;
  const GdiObject<HFONT> caption(CreateFontIndirectW(&letters));
  const TInk closeSymbol = TextInk(marlett.Get(), L"r");
  EXPECT_FALSE(closeSymbol.Empty());
  EXPECT_NE(closeSymbol, TextInk(caption.Get(), L"r"));
  EXPECT_NE(closeSymbol, MissingGlyphInk(marlett.Get()));
}

}  // namespace
