#include "dialer/RasApi.h"

namespace {

const TRasApi*& CurrentRasApi() {
  static const TRasApi* current = &SystemRasApi();
  return current;
}

}  // namespace

const TRasApi& SystemRasApi() {
  static const TRasApi system{&::RasConnectionNotificationW};
  return system;
}

const TRasApi& RasApi() {
  return *CurrentRasApi();
}

TRasApiScope::TRasApiScope(const TRasApi& api) : api_(api), previous_(CurrentRasApi()) {
  CurrentRasApi() = &api_;
}

TRasApiScope::~TRasApiScope() {
  CurrentRasApi() = previous_;
}
