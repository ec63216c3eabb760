// The smallest and largest size a control may take. 0 means no limit. Portable: never includes
// windows.h.
#pragma once

#include "framework/core/Classes.h"

class TSizeConstraints : public TPersistent {
  DV_CLASS(TSizeConstraints)
 public:
  TSizeConstraints() = default;

  // Negative values count as 0. A minimum above the matching maximum raises the maximum with it;
  // a maximum below the minimum lowers the minimum with it. A change raises OnChange.
  int MinWidth() const { return minWidth_; }
  void SetMinWidth(int value);
  int MinHeight() const { return minHeight_; }
  void SetMinHeight(int value);
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int value);
  int MaxHeight() const { return maxHeight_; }
  void SetMaxHeight(int value);

  // Brings a size within the limits.
  void Constrain(int& width, int& height) const;
  // From another TSizeConstraints; OnChange once.
  void Assign(const TPersistent* source) override;

  TNotifyEvent OnChange;

 private:
  static void Limit(int& value, int minimum, int maximum);
  void Change() { OnChange(this); }

  int minWidth_ = 0;
  int minHeight_ = 0;
  int maxWidth_ = 0;
  int maxHeight_ = 0;
};
