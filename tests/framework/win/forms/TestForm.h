// A form root for the Windows framework tests: owns the components read from form data and names
// the handlers that event properties are bound to.
#pragma once

#include <string>
#include <vector>

#include "framework/core/TypInfo.h"

class TCanvas;
struct TRect;

class TTestRootForm : public TComponent {
  DV_CLASS(TTestRootForm)
 public:
  explicit TTestRootForm(TComponent* owner);
  const TMethodTable* Methods() const override { return &methods_; }
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

  void TimerTick(TObject* sender);
  void ItemClick(TObject* sender);
  void MenuPopup(TObject* sender);

  // "TimerTick:UpdateTimer", "ItemClick:Show1", ... in the order raised.
  std::vector<std::string> log;

 private:
  TMethodTable methods_;
};

// Reads form data into a new root and registers every class the tests use (idempotent).
void RegisterTestRootClasses();
