#include "dialer/RasApi.h"

const TRasApi& SystemRasApi() {
  static const TRasApi system{&::RasConnectionNotificationW};
  return system;
}

const TRasApi& RasApi() {
  return TRasApiScope::InForce(SystemRasApi());
}
