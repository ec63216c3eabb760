#include "controls/tray/TaskbarCreated.h"

namespace {
UINT& MessageNumber() {
  static UINT number = 0;
  return number;
}
}  // namespace

void RegisterTaskbarCreatedMessage() {
  if (MessageNumber() == 0) MessageNumber() = RegisterWindowMessageA("TaskbarCreated");
}

UINT TaskbarCreatedMessage() {
  return MessageNumber();
}
