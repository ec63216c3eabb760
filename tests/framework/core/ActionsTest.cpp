// Actions and their links: the order in which links hear of a change, running an action, links
// and actions going away, and an action in form data.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/Actions.h"
#include "framework/core/FormReader.h"
#include "framework/core/TypInfo.h"

namespace {

// Records what it is told and what the action held at that moment.
class RecordingLink : public TActionLink {
 public:
  RecordingLink() : TActionLink(nullptr) {}
  void SetCaption(const std::string& value) override {
    log.push_back("caption " + value + " (was " + CustomAction()->Caption() + ")");
  }
  void SetChecked(bool value) override {
    log.push_back(std::string("checked ") + (value ? "on" : "off") + " (was " +
                  (CustomAction()->Checked() ? "on" : "off") + ")");
  }
  void SetEnabled(bool value) override { log.push_back(value ? "enabled" : "disabled"); }
  void SetHint(const std::string& value) override { log.push_back("hint " + value); }
  void SetImageIndex(int value) override { log.push_back("image " + std::to_string(value)); }
  void SetVisible(bool value) override { log.push_back(value ? "shown" : "hidden"); }

  std::vector<std::string> log;
};

TEST(ActionsTest, LinksHearOfEachRealChangeBeforeTheActionStoresIt) {
  TAction action(nullptr);
  RecordingLink link;
  link.SetAction(&action);
  link.OnChange = [&](TObject* sender) {
    link.log.push_back(sender == &action ? "changed" : "changed by a stranger");
  };
  action.SetCaption("&Connect");
  action.SetCaption("&Connect");
  action.SetChecked(true);
  action.SetEnabled(false);
  action.SetHint("Dial now");
  action.SetImageIndex(2);
  action.SetVisible(false);
  action.SetChecked(true);
  EXPECT_EQ(link.log,
            (std::vector<std::string>{"caption &Connect (was )", "changed", "checked on (was off)",
                                      "changed", "disabled", "changed", "hint Dial now", "changed",
                                      "image 2", "changed", "hidden", "changed"}));
}

TEST(ActionsTest, RunningAnActionNeedsItEnabledAndFlipsAnAutoCheckFirst) {
  TAction action(nullptr);
  std::vector<std::string> log;
  EXPECT_FALSE(action.Execute());  // no handler
  action.OnExecute = [&](TObject* sender) {
    log.push_back(std::string("run, checked ") + (action.Checked() ? "on" : "off"));
    EXPECT_EQ(sender, &action);
  };
  action.SetAutoCheck(true);
  EXPECT_TRUE(action.Execute());
  EXPECT_TRUE(action.Execute());
  action.SetEnabled(false);
  EXPECT_FALSE(action.Execute());
  EXPECT_EQ(log, (std::vector<std::string>{"run, checked on", "run, checked off"}));
  EXPECT_FALSE(action.Checked());
}

TEST(ActionsTest, ALinkRunsItsActionOnBehalfOfAComponentEvenWhenTheHandlerFails) {
  TAction action(nullptr);
  TComponent button(nullptr);
  TBasicActionLink link(&button);
  EXPECT_FALSE(link.Execute(&button));  // no action yet
  link.SetAction(&action);
  TComponent* seen = nullptr;
  action.OnExecute = [&](TObject*) { seen = action.ActionComponent(); };
  EXPECT_TRUE(link.Execute(&button));
  EXPECT_EQ(seen, &button);
  EXPECT_EQ(action.ActionComponent(), nullptr);
  action.OnExecute = [&](TObject*) { throw std::runtime_error("failed"); };
  EXPECT_THROW(link.Execute(&button), std::runtime_error);
  EXPECT_EQ(action.ActionComponent(), nullptr);
}

TEST(ActionsTest, LinksAndActionsLetGoOfEachOther) {
  auto action = std::make_unique<TAction>(nullptr);
  auto first = std::make_unique<RecordingLink>();
  RecordingLink second;
  first->SetAction(action.get());
  second.SetAction(action.get());
  second.SetAction(action.get());
  EXPECT_EQ(action->ClientCount(), 2);
  first.reset();
  EXPECT_EQ(action->ClientCount(), 1);
  // A link that drops itself while it is told does not upset the others.
  auto third = std::make_unique<RecordingLink>();
  third->SetAction(action.get());
  second.OnChange = [&](TObject*) { third.reset(); };
  action->SetCaption("x");
  EXPECT_EQ(third, nullptr);
  EXPECT_EQ(action->ClientCount(), 1);
  action.reset();
  EXPECT_EQ(second.Action(), nullptr);
}

// A form root whose children are its actions, with a handler for OnExecute.
class TActionTestRoot : public TComponent {
  DV_CLASS(TActionTestRoot)
 public:
  explicit TActionTestRoot(TComponent* owner) : TComponent(owner) {
    methods_.Add("ConnectExecute", this, &TActionTestRoot::ConnectExecute);
  }
  const TMethodTable* Methods() const override { return &methods_; }
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const override {
    for (int i = 0; i < ComponentCount(); ++i)
      proc(Components(i));
  }
  void ConnectExecute(TObject*) { ++runs; }
  int runs = 0;

 private:
  TMethodTable methods_;
};

}  // namespace

const TClassInfo& TActionTestRoot::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TActionTestRoot, TComponent>("TActionTestRoot");
  return info;
}

namespace {

TEST(ActionsTest, AnActionWithEveryPropertySetReadsBackFromFormDataUnchanged) {
  RegisterActionClasses();
  const std::string text =
      "object Root: TActionTestRoot\n"
      "  object ConnectAction: TAction\n"
      "    AutoCheck = True\n"
      "    Caption = '&Force Connect..'\n"
      "    Checked = True\n"
      "    Enabled = False\n"
      "    Hint = 'Dial the default connection'\n"
      "    ImageIndex = 2\n"
      "    Visible = False\n"
      "    OnExecute = ConnectExecute\n"
      "  end\n"
      "end\n";
  TActionTestRoot root(nullptr);
  FormReader::ReadRoot(root, text);
  auto* action = dynamic_cast<TAction*>(root.FindComponent("ConnectAction"));
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->Caption(), "&Force Connect..");
  EXPECT_EQ(action->ImageIndex(), 2);
  EXPECT_FALSE(action->Enabled());
  EXPECT_EQ(FormWriter::WriteRoot(root), text);
  action->SetEnabled(true);
  action->OnExecute(action);
  EXPECT_EQ(root.runs, 1);
}

}  // namespace
