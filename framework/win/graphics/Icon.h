// An icon graphic: an owned HICON with the .ico file it came from, drawn with its mask.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/core/Graphic.h"
#include "framework/core/IconFile.h"
#include "framework/win/graphics/GdiObjects.h"

class TIcon : public TGraphic {
  DV_CLASS(TIcon)
 public:
  TIcon();
  ~TIcon() override;

  // Stretches the icon into rect (DrawIconEx with its mask).
  void Draw(TCanvas& canvas, const TRect& rect) override;
  bool Empty() const override { return !handle_; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // Fail with EInvalidGraphicOperation "Cannot change the size of an icon".
  void SetWidth(int width) override;
  void SetHeight(int height) override;
  bool Transparent() const override { return true; }

  // .ico files: the image closest to the system icon size is shown; saving writes the loaded file
  // back unchanged, or a one-image 32-bit file made from the handle. Malformed data fails with
  // EInvalidGraphic "Icon image is not valid" and leaves the icon unchanged.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;

  // From another icon (CopyIcon and the file data) or nullptr (empty).
  void Assign(const TPersistent* source) override;

  HICON Handle() const { return handle_.Get(); }
  // Takes ownership (nullptr empties the icon); the file data is dropped.
  void SetHandle(HICON icon);
  // Gives the handle to the caller; the icon becomes empty.
  HICON ReleaseHandle();

  // An RT_GROUP_ICON resource at the system icon size; fails with EInvalidGraphic
  // "Resource %s not found".
  void LoadFromResourceName(HINSTANCE instance, const std::string& name);
  void LoadFromResourceID(HINSTANCE instance, int id);

 private:
  void Install(IconHandle icon, std::vector<uint8_t> file);

  IconHandle handle_;
  std::vector<uint8_t> file_;  // the .ico data the icon was loaded from, if any
  int width_ = 0;
  int height_ = 0;
};

// The size of an icon handle (its colour bitmap, or half its mask); 0 × 0 for nullptr.
TSize IconSize(HICON icon);
// A one-image .ico file (32 bits with mask) made from an icon handle. Fails with
// EInvalidGraphic "Icon image is not valid" when the handle cannot be read.
TIconFile IconFileFromHandle(HICON icon);
