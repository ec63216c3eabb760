#include "framework/win/menus/MenuCommands.h"

#include <vector>

#include "framework/core/SysUtils.h"

namespace {

constexpr int kLastCommand = 0xFFFF;

struct CommandPool {
  std::vector<bool> used = std::vector<bool>(kLastCommand + 1, false);
  int next = 1;
};

CommandPool& Pool() {
  static CommandPool pool;
  return pool;
}

}  // namespace

int AllocateMenuCommand() {
  CommandPool& pool = Pool();
  // Numbers are handed out round-robin so that a freed one is not reused at once.
  for (int tried = 0; tried < kLastCommand; ++tried) {
    const int command = pool.next;
    pool.next = pool.next == kLastCommand ? 1 : pool.next + 1;
    if (!pool.used[static_cast<size_t>(command)]) {
      pool.used[static_cast<size_t>(command)] = true;
      return command;
    }
  }
  throw EOutOfResources("Too many menu items");
}

void ReleaseMenuCommand(int command) noexcept {
  if (command < 1 || command > kLastCommand) return;
  Pool().used[static_cast<size_t>(command)] = false;
}
