// Checks the run command's first picture: a message box alone on the desktop, whose text is drawn
// as letters rather than as the message font's missing-glyph boxes. The pieces of ink in the
// dialog's area must not be that box, must be many (the notice has some sixty letters; boxes drawn
// side by side run together) and must take many shapes (it has more than twenty different
// letters, while boxes all look alike).
// Usage: dv_notice_picture_check picture.bmp     Exit status 0 when the text is readable.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "framework/win/graphics/GdiObjects.h"
#include "tests/harness/GlyphInk.h"
#include "tests/support/win/PixelSurface.h"

namespace {

constexpr int kMinimumLetters = 40;
constexpr size_t kMinimumShapes = 20;

// The rows from the first one that shows anything other than the desktop down to the next one
// that shows only the desktop, and the columns that show something in them. The dialog is the
// only window of the picture, above the taskbar.
TRect DialogArea(const PixelSurface& picture) {
  const TColor desktop = picture.At(0, 0);
  TRect area{picture.Width(), -1, -1, -1};
  for (int y = 0; y < picture.Height(); ++y) {
    bool rowShowsSomething = false;
    for (int x = 0; x < picture.Width(); ++x) {
      if (picture.At(x, y) == desktop) continue;
      rowShowsSomething = true;
      area.Left = std::min(area.Left, x);
      area.Right = std::max(area.Right, x + 1);
    }
    if (rowShowsSomething && area.Top < 0) area.Top = y;
    if (!rowShowsSomething && area.Top >= 0) {
      area.Bottom = y;
      break;
    }
  }
  return area;
}

// The colour that most of the area shows: the dialog's face.
TColor CommonestColour(const PixelSurface& picture, const TRect& area) {
  std::map<TColor, int> counts;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      ++counts[picture.At(x, y)];
  return std::max_element(counts.begin(), counts.end(),
                          [](const auto& a, const auto& b) { return a.second < b.second; })
      ->first;
}

// The picture file's pixels; null when it cannot be read.
std::unique_ptr<PixelSurface> LoadPicture(const char* path) {
  const GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(
      LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  BITMAP info{};
  if (!bitmap || GetObject(bitmap.Get(), sizeof info, &info) == 0) return nullptr;
  auto picture = std::make_unique<PixelSurface>(info.bmWidth, info.bmHeight);
  MemoryDC source;
  source.SelectBitmap(bitmap.Get());
  BitBlt(picture->Dc(), 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: dv_notice_picture_check picture.bmp\n");
    return 2;
  }
  const std::unique_ptr<PixelSurface> picture = LoadPicture(argv[1]);
  if (!picture) {
    std::fprintf(stderr, "cannot read the picture %s\n", argv[1]);
    return 1;
  }
  const TRect dialog = DialogArea(*picture);
  if (dialog.Top < 0 || dialog.Bottom < 0) {
    std::fprintf(stderr, "no dialog above the taskbar in %s\n", argv[1]);
    return 1;
  }
  const TColor face = CommonestColour(*picture, dialog);

  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const GdiObject<HFONT> font(CreateFontIndirectW(&metrics.lfMessageFont));
  const TInk missing = MissingGlyphInk(font.Get(), face);
  const TInk defaultCharacter = DefaultCharacterInk(font.Get(), face);
  // A letter is no taller or wider than two lines of the font; frames and the icon are.
  const int letterLimit = 2 * std::abs(static_cast<int>(metrics.lfMessageFont.lfHeight)) + 4;

  int boxes = 0;
  int letters = 0;
  std::set<std::pair<int, std::vector<bool>>> shapes;
  for (const TInk& piece : InkPieces(*picture, dialog, face)) {
    if (piece == missing || piece == defaultCharacter) ++boxes;
    if (piece.width > letterLimit || piece.height > letterLimit) continue;
    ++letters;
    shapes.emplace(piece.width, piece.covered);
  }
  std::printf(
      "dialog area (%d, %d)-(%d, %d), face colour %06X: %d letter-sized pieces of ink in %zu "
      "shapes, %d missing-glyph boxes of the message font\n",
      dialog.Left, dialog.Top, dialog.Right, dialog.Bottom, static_cast<unsigned>(face), letters,
      shapes.size(), boxes);
  return boxes == 0 && letters >= kMinimumLetters && shapes.size() >= kMinimumShapes ? 0 : 1;
}
