#include "framework/win/graphics/Cursors.h"

#include <array>
#include <cstdint>

#include "framework/win/graphics/GdiObjects.h"

namespace {

// The drag cursor, 32 x 32: 'X' black, '.' white, anything else shows the screen. The hot spot
// is the arrow's tip at (0, 0).
constexpr std::array<const char*, 24> kDragCursorArt = {
    "X",
    "XX",
    "X.X",
    "X..X",
    "X...X",
    "X....X",
    "X.....X",
    "X......X",
    "X.......X",
    "X........X",
    "X.....XXXXX",
    "X..X..X",
    "X.X X..X",
    "XX  X..X",
    "X    X..X",
    "     X..X",
    "      X..X  XXXXXXXXXXX",
    "      X..X  X.........X",
    "       XX   X.........X",
    "            X.........X",
    "            X.........X",
    "            X.........X",
    "            X.........X",
    "            XXXXXXXXXXX",
};

HCURSOR MakeDragCursor() {
  constexpr int kSize = 32;
  constexpr int kRowBytes = kSize / 8;
  // A monochrome cursor is one bitmap twice as high: the AND mask above the XOR mask.
  std::array<uint8_t, kRowBytes * kSize * 2> bits{};
  uint8_t* andMask = bits.data();
  uint8_t* xorMask = bits.data() + kRowBytes * kSize;
  for (int y = 0; y < kSize; ++y) {
    const char* row = y < static_cast<int>(kDragCursorArt.size()) ? kDragCursorArt[y] : "";
    bool ended = false;
    for (int x = 0; x < kSize; ++x) {
      const char c = ended ? ' ' : row[x];
      if (c == '\0') ended = true;
      const int byte = y * kRowBytes + x / 8;
      const uint8_t bit = static_cast<uint8_t>(0x80 >> (x % 8));
      if (c == 'X' || c == '.') {
        if (c == '.') xorMask[byte] |= bit;
      } else {
        andMask[byte] |= bit;
      }
    }
  }
  GdiObject<HBITMAP> mask(CreateBitmap(kSize, kSize * 2, 1, 1, bits.data()));
  if (!mask) return nullptr;
  ICONINFO info{FALSE, 0, 0, mask.Get(), nullptr};
  return CreateIconIndirect(&info);
}

const char* SystemCursorId(TCursor cursor) {
  switch (cursor) {
    case crArrow:
      return IDC_ARROW;
    case crCross:
      return IDC_CROSS;
    case crIBeam:
      return IDC_IBEAM;
    case crSizeNESW:
      return IDC_SIZENESW;
    case crSizeNS:
      return IDC_SIZENS;
    case crSizeNWSE:
      return IDC_SIZENWSE;
    case crSizeWE:
      return IDC_SIZEWE;
    case crUpArrow:
      return IDC_UPARROW;
    case crHourGlass:
      return IDC_WAIT;
    case crNoDrop:
    case crNo:
      return IDC_NO;
    case crAppStart:
      return IDC_APPSTARTING;
    case crHelp:
      return IDC_HELP;
    case crHandPoint:
      return IDC_HAND;
    case crSizeAll:
      return IDC_SIZEALL;
    default:
      return nullptr;
  }
}

}  // namespace

HCURSOR CursorHandle(TCursor cursor) {
  if (cursor == crDrag) {
    static const IconHandle dragCursor(MakeDragCursor());
    return dragCursor.Get();
  }
  const char* id = SystemCursorId(cursor);
  return id != nullptr ? LoadCursorA(nullptr, id) : nullptr;
}

const TIdentMap& CursorIdents() {
  static const TIdentMap idents = {
      {crDefault, "crDefault"},     {crNone, "crNone"},
      {crArrow, "crArrow"},         {crCross, "crCross"},
      {crIBeam, "crIBeam"},         {crSizeNESW, "crSizeNESW"},
      {crSizeNS, "crSizeNS"},       {crSizeNWSE, "crSizeNWSE"},
      {crSizeWE, "crSizeWE"},       {crUpArrow, "crUpArrow"},
      {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
      {crNoDrop, "crNoDrop"},       {crNo, "crNo"},
      {crAppStart, "crAppStart"},   {crHelp, "crHelp"},
      {crHandPoint, "crHandPoint"}, {crSizeAll, "crSizeAll"},
  };
  return idents;
}
