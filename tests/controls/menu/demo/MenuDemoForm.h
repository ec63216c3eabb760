// A form for looking at styled menus in real menu windows: a popup menu (shown on a right click)
// and a menu bar, both styled by one fantasy styler. The menu tests start it as a program with
// the preset to show; it is also a quick way to look at a preset by hand.
#pragma once

#include <string>

#include "framework/win/forms/Forms.h"

class TDvMainMenu;
class TDvMenuFantasyStyler;
class TDvPopupMenu;
class TImageList;

// The four 16 x 16 images of the demo's menus, solid squares in these colours.
inline constexpr TColor kDemoImageColors[4] = {0x0000C0, 0x00C000, 0xC00000, 0x00C0C0};

class TMenuDemoFrm : public TForm {
  DV_CLASS(TMenuDemoFrm)
 public:
  explicit TMenuDemoFrm(TComponent* owner);
  // The bar leaves the window before the window goes: a window destroys the menu it carries.
  ~TMenuDemoFrm() override;

  // After loading: the image list for both menus and the bar on the window.
  void Prepare();
  // The preset by name ("fsSilverFox"); false for an unknown name.
  bool ShowPreset(const std::string& name);

  // The bar's owner-draw and command messages go to the bar.
  void WndProc(TMessage& message) override;

 private:
  TDvMainMenu* Bar() const;
  TImageList* images_ = nullptr;
};

// Registers the classes the demo form names (idempotent).
void RegisterMenuDemoClasses();
