// A table of system calls that tests can replace for a while: the seam behind the registry, the
// Internet layer, remote access, the tray's shell calls and the GIF clipboard's allocation.
// Portable: never includes windows.h.
#pragma once

// Puts a copy of a table in force for its lifetime and restores the previous one afterwards.
// Scopes nest; destroy them in reverse order of creation (automatic variables do).
template <typename Table>
class TCallTableScope {
 public:
  explicit TCallTableScope(const Table& table) noexcept : table_(table), previous_(Slot()) {
    Slot() = &table_;
  }
  ~TCallTableScope() { Slot() = previous_; }
  TCallTableScope(const TCallTableScope&) = delete;
  TCallTableScope& operator=(const TCallTableScope&) = delete;

  // The table of the innermost live scope, else the given one.
  static const Table& InForce(const Table& system) noexcept {
    const Table* current = Slot();
    return current != nullptr ? *current : system;
  }

 private:
  static const Table*& Slot() noexcept {
    static const Table* current = nullptr;
    return current;
  }

  Table table_;
  const Table* previous_;
};
