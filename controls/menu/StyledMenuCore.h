// The part that TDvPopupMenu and TDvMainMenu share: the styler in force (an assigned one that is
// watched for destruction, or an internal one the menu owns), the menu frame switch, and the hooks
// that route every item's measuring and drawing to the styled painter.
#pragma once

#include <functional>

#include "framework/core/Classes.h"
#include "framework/win/menus/MenuTypes.h"

class TCustomDvMenuStyler;
class TMenu;
class TMenuItem;

class TStyledMenuCore {
 public:
  // Makes the internal styler of a menu (owned by the menu; named and marked as a sub-component
  // by the core).
  using StylerFactory = std::function<TCustomDvMenuStyler&(TMenu& menu)>;

  TStyledMenuCore(TMenu& menu, StylerFactory makeInternalStyler);
  TStyledMenuCore(const TStyledMenuCore&) = delete;
  TStyledMenuCore& operator=(const TStyledMenuCore&) = delete;

  // Never nullptr once Start has run.
  TCustomDvMenuStyler* MenuStyler() const { return styler_; }
  // The styler stored with a form: nullptr while the internal one is in force.
  TCustomDvMenuStyler* StoredMenuStyler() const;
  TCustomDvMenuStyler* InternalStyler() const { return internal_; }
  // nullptr falls back to an internal styler (nothing happens when one already exists).
  void SetMenuStyler(TCustomDvMenuStyler* styler);
  bool DrawMenuFrame() const { return drawMenuFrame_; }
  void SetDrawMenuFrame(bool draw) { drawMenuFrame_ = draw; }

  // Construction, after the menu's own: the internal styler becomes the styler in force.
  void Start();
  // End of loading, after the menu's own: hooks every item and frees an internal styler that is
  // no longer in force.
  void Loaded();
  // Replaces a styler in force that is being destroyed by a new internal one.
  void Notification(TComponent* component, TOperation operation);
  // Hooks item, or every item of the menu when item is nullptr; nothing while the menu loads.
  void HookItems(TMenuItem* item);
  // Destruction, before the menu's own: the reference is cleared and the internal styler freed.
  void Finish();

  // The hooks, as function objects so that a hooked item can be recognised.
  struct MeasureHook {
    const TStyledMenuCore* core;
    void operator()(TObject* sender, TCanvas& canvas, int& width, int& height) const;
  };
  struct DrawHook {
    const TStyledMenuCore* core;
    void operator()(TObject* sender, TCanvas& canvas, const TRect& rect,
                    TOwnerDrawState state) const;
  };

 private:
  void HookItem(TMenuItem& item);
  void ReleaseAssignedStyler();
  void CreateInternalStyler();
  void FreeInternalStyler();

  TMenu& menu_;
  StylerFactory makeInternalStyler_;
  TCustomDvMenuStyler* styler_ = nullptr;
  TCustomDvMenuStyler* internal_ = nullptr;  // owned by the menu as a component
  bool drawMenuFrame_ = true;
  bool finishing_ = false;
};
