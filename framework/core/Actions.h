// Actions: a command with its caption, check state, enabled state, visibility, hint and image,
// shared by the controls linked to it. Each control holds an action link that keeps it in step:
// the action tells its links of every change before it stores the new value, so a link can tell
// whether its control still showed the old one. Portable: never includes windows.h.
#pragma once

#include <string>
#include <vector>

#include "framework/core/Classes.h"

class TBasicActionLink;
class TActionLink;

class TBasicAction : public TComponent {
  DV_CLASS(TBasicAction)
 public:
  explicit TBasicAction(TComponent* owner);
  ~TBasicAction() override;

  // Runs OnExecute; false when there is no handler.
  virtual bool Execute();
  // The component whose link runs the action now (nullptr outside Execute and from code).
  TComponent* ActionComponent() const { return actionComponent_; }

  // The links that follow this action, in registration order (called by the links).
  void RegisterChanges(TBasicActionLink& link);
  void UnRegisterChanges(TBasicActionLink& link);
  int ClientCount() const { return static_cast<int>(clients_.size()); }

  TNotifyEvent OnExecute;
  // After every change, once the links were told.
  TNotifyEvent OnChange;

 protected:
  // Tells every link that the action changed, then raises OnChange.
  void Change();
  const std::vector<TBasicActionLink*>& Clients() const { return clients_; }

 private:
  friend class TBasicActionLink;
  std::vector<TBasicActionLink*> clients_;
  TComponent* actionComponent_ = nullptr;
};

// The action of the controls: the values a control takes from it.
class TCustomAction : public TBasicAction {
  DV_CLASS(TCustomAction)
 public:
  explicit TCustomAction(TComponent* owner);

  // Each setter tells the links first (with the old value still in place), then stores and
  // announces the change; an equal value does nothing.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  // Each run flips Checked first.
  bool AutoCheck() const { return autoCheck_; }
  void SetAutoCheck(bool value) { autoCheck_ = value; }

  // Nothing while disabled; otherwise AutoCheck, then OnExecute.
  bool Execute() override;

 private:
  // Stores a new value of field: each action link is told first, then OnChange follows.
  template <class T, class Tell>
  void ChangeValue(T& field, const T& value, Tell&& tell);

  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  std::string hint_;
  int imageIndex_ = -1;
  bool visible_ = true;
  bool autoCheck_ = false;
};

class TAction : public TCustomAction {
  DV_CLASS(TAction)
 public:
  explicit TAction(TComponent* owner) : TCustomAction(owner) {}
};

// Makes TAction known to form data (idempotent).
void RegisterActionClasses();

// What a client holds to follow one action. Not a component: its client owns it.
class TBasicActionLink {
 public:
  explicit TBasicActionLink(TObject* client) : client_(client) {}
  virtual ~TBasicActionLink();
  TBasicActionLink(const TBasicActionLink&) = delete;
  TBasicActionLink& operator=(const TBasicActionLink&) = delete;

  TObject* Client() const { return client_; }
  TBasicAction* Action() const { return action_; }
  // Leaves the old action's list and joins the new one's (nullptr: none).
  void SetAction(TBasicAction* action);
  // Runs the action for component; false when it did not run.
  virtual bool Execute(TComponent* component = nullptr);

  // Raised with the action as sender after every change of the action.
  TNotifyEvent OnChange;

 protected:
  virtual void Change() { OnChange(action_); }

 private:
  friend class TBasicAction;
  TObject* client_;
  TBasicAction* action_ = nullptr;
};

// A link to a TCustomAction: a value counts as linked only while the action is a TCustomAction;
// clients narrow that further (a control: while it still shows the action's value).
class TActionLink : public TBasicActionLink {
 public:
  using TBasicActionLink::TBasicActionLink;

  virtual bool IsCaptionLinked() const { return CustomAction() != nullptr; }
  virtual bool IsCheckedLinked() const { return CustomAction() != nullptr; }
  virtual bool IsEnabledLinked() const { return CustomAction() != nullptr; }
  virtual bool IsHintLinked() const { return CustomAction() != nullptr; }
  virtual bool IsImageIndexLinked() const { return CustomAction() != nullptr; }
  virtual bool IsVisibleLinked() const { return CustomAction() != nullptr; }

  // The action's new value, told before the action stores it.
  virtual void SetCaption(const std::string&) {}
  virtual void SetChecked(bool) {}
  virtual void SetEnabled(bool) {}
  virtual void SetHint(const std::string&) {}
  virtual void SetImageIndex(int) {}
  virtual void SetVisible(bool) {}

 protected:
  TCustomAction* CustomAction() const { return dynamic_cast<TCustomAction*>(Action()); }
};
