// Event properties: a handler of the owning form, optionally bound by name so that it can be
// written back to form data. Raising an unassigned event does nothing.
#pragma once

#include <functional>
#include <string>
#include <utility>

class TObject;

template <class... Args>
class TEvent {
 public:
  using Handler = std::function<void(Args...)>;

  TEvent() = default;
  TEvent(Handler handler, std::string handlerName = std::string())  // NOLINT: implicit by design
      : handler_(std::move(handler)), handlerName_(std::move(handlerName)) {}
  template <class F, class = std::enable_if_t<std::is_invocable_v<F&, Args...> &&
                                              !std::is_same_v<std::decay_t<F>, TEvent>>>
  TEvent(F&& f)  // NOLINT: lambdas convert implicitly
      : handler_(std::forward<F>(f)) {}

  explicit operator bool() const { return static_cast<bool>(handler_); }
  void operator()(Args... args) const {
    if (handler_) handler_(std::forward<Args>(args)...);
  }
  const Handler& GetHandler() const { return handler_; }
  // The form method's name when bound from form data; empty for handlers set in code.
  const std::string& HandlerName() const { return handlerName_; }
  void Clear() {
    handler_ = nullptr;
    handlerName_.clear();
  }

 private:
  Handler handler_;
  std::string handlerName_;
};

using TNotifyEvent = TEvent<TObject*>;
