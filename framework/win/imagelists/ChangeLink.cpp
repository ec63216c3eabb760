#include "framework/win/imagelists/ChangeLink.h"

#include "framework/win/imagelists/ImageList.h"

TChangeLink::~TChangeLink() {
  if (sender_ != nullptr) sender_->UnRegisterChanges(*this);
}

void TChangeLink::Change() {
  OnChange(sender_);
}
