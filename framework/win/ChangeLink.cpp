#include "framework/win/ChangeLink.h"

#include "framework/win/ImageList.h"

TChangeLink::~TChangeLink() {
  if (sender_ != nullptr) sender_->UnRegisterChanges(*this);
}

void TChangeLink::Change() {
  OnChange(sender_);
}
