// TIconBar: the icon column at the left of every drop-down item, with the look of the check and
// radio boxes drawn in it.
#pragma once

#include "controls/menu/styler/DvMenuGradientBar.h"
#include "controls/menu/styler/DvMenuMarkLooks.h"

class TIconBar : public TGradientBar, public TMarkLooks {
  DV_CLASS(TIconBar)
 public:
  TIconBar();

  // Width of the column; a value below 16 is stored as 16.
  int Size() const { return size_; }
  void SetSize(int size) { size_ = size < 16 ? 16 : size; }

  // From an icon bar: the check and radio settings and Size (not the column colours); from
  // another gradient bar its gradient part.
  void Assign(const TPersistent* source) override;

 private:
  int size_ = 24;
};
