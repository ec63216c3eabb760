// The action link of a control: a value follows the action only while the control still shows
// the action's current value, so a control changed by hand stops following until they agree
// again. Controls that follow more (a check state) derive from it.
#pragma once

#include "framework/core/Actions.h"

class TControl;

class TControlActionLink : public TActionLink {
 public:
  explicit TControlActionLink(TControl& client);

  bool IsCaptionLinked() const override;
  bool IsEnabledLinked() const override;
  bool IsHintLinked() const override;
  bool IsVisibleLinked() const override;

  void SetCaption(const std::string& value) override;
  void SetEnabled(bool value) override;
  void SetHint(const std::string& value) override;
  void SetVisible(bool value) override;

 protected:
  TControl& Control() const { return *control_; }

 private:
  TControl* control_;
};
