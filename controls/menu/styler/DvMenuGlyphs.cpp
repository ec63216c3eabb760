#include "controls/menu/styler/DvMenuGlyphs.h"

#include <string>
#include <vector>

namespace {

// Black runs of one picture row: {row, first column, last column}.
struct Run {
  int row;
  int first;
  int last;
};

const std::vector<Run> kCheckRuns = {{4, 11, 11}, {5, 10, 11}, {6, 9, 11}, {7, 4, 4},  {7, 8, 10},
                                     {8, 4, 5},   {8, 7, 9},   {9, 4, 8},  {10, 5, 7}, {11, 6, 6}};
const std::vector<Run> kRadioRuns = {{5, 6, 9},  {6, 5, 10}, {7, 5, 10},
                                     {8, 5, 10}, {9, 5, 10}, {10, 6, 9}};
const std::vector<Run> kSubMenuRuns = {{0, 0, 0}, {1, 0, 1}, {2, 0, 2}, {3, 0, 3},
                                       {4, 0, 2}, {5, 0, 1}, {6, 0, 0}};

void Build(TBitmap& glyph, int width, int height, const std::vector<Run>& runs) {
  glyph.SetPixelFormat(pf1bit);
  glyph.SetSize(width, height);
  TCanvas& canvas = glyph.Canvas();
  canvas.Brush().SetColor(clWhite);
  canvas.FillRect(TRect{0, 0, width, height});
  for (const Run& run : runs)
    for (int x = run.first; x <= run.last; ++x)
      canvas.SetPixel(x, run.row, clBlack);
}

void Load(TBitmap& glyph, const char* resource, int width, int height,
          const std::vector<Run>& runs) {
  const HINSTANCE program = GetModuleHandleA(nullptr);
  if (TBitmap::HasBitmapResource(program, resource))
    glyph.LoadFromResourceName(program, resource);
  else
    Build(glyph, width, height, runs);
  glyph.SetTransparentColor(clWhite);
  glyph.SetTransparent(true);
}

}  // namespace

const TClassInfo& TMenuGlyphs::StaticClassInfo() {
  using G = TMenuGlyphs;
  static const TClassInfo info = DefineClassInfo<G, TPersistent>("TMenuGlyphs", [](auto& b) {
    b.Object("SubMenu", [](G& g) { return &g.SubMenu(); });
    b.Object("Check", [](G& g) { return &g.Check(); });
    b.Object("Radio", [](G& g) { return &g.Radio(); });
  });
  return info;
}

TMenuGlyphs::TMenuGlyphs() {
  Load(subMenu_, "DVSUBMENUITEM", 4, 7, kSubMenuRuns);
  Load(check_, "DVCHECKITEM", 16, 16, kCheckRuns);
  Load(radio_, "DVRADIOITEM", 16, 16, kRadioRuns);
}

void TMenuGlyphs::CopyGlyph(TBitmap& glyph, const TBitmap& source) {
  glyph.Assign(&source);
  glyph.SetTransparent(true);
}

void TMenuGlyphs::Assign(const TPersistent* source) {
  if (const auto* glyphs = dynamic_cast<const TMenuGlyphs*>(source)) {
    CopyGlyph(subMenu_, glyphs->subMenu_);
    CopyGlyph(check_, glyphs->check_);
    CopyGlyph(radio_, glyphs->radio_);
    return;
  }
  TPersistent::Assign(source);
}
