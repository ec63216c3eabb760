#include "app/ConnectionState.h"

namespace {

struct TStateLook {
  int imageIndex;
  std::string text;
};

const TStateLook& Look(TConnectionState state) {
  static const TStateLook connected{2, "Connected."};
  static const TStateLook notConnected{0, "Not Connected."};
  static const TStateLook connecting{1, "Connecting.."};
  static const TStateLook connectFailed{3, "Error Connecting !"};
  static const TStateLook disconnecting{1, "Disconnecting.."};
  static const TStateLook disconnected{0, "Disconnected."};
  static const TStateLook disconnectFailed{3, "Error Disconnecting (Behind Router?) !"};
  switch (state) {
    case TConnectionState::Connected:
      return connected;
    case TConnectionState::NotConnected:
      return notConnected;
    case TConnectionState::Connecting:
      return connecting;
    case TConnectionState::ConnectFailed:
      return connectFailed;
    case TConnectionState::Disconnecting:
      return disconnecting;
    case TConnectionState::Disconnected:
      return disconnected;
    case TConnectionState::DisconnectFailed:
      break;
  }
  return disconnectFailed;
}

}  // namespace

int StateImageIndex(TConnectionState state) {
  return Look(state).imageIndex;
}

const std::string& StateText(TConnectionState state) {
  return Look(state).text;
}
