// Controls and their actions: what a control takes when an action is assigned, how it follows the
// action only while it still shows the action's value, clicks that run the action, and what form
// data stores while a value follows the action.
#include <gtest/gtest.h>

#include "framework/core/Actions.h"
#include "framework/core/FormReader.h"
#include "framework/win/controls/ControlActionLink.h"
#include "framework/win/controls/ControlPublish.h"
#include "framework/win/controls/GraphicControl.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Forms.h"
#include "tests/framework/win/controls/WinTestSupport.h"

namespace {

// A windowless control that publishes its action and the values that follow it.
class TActionBox : public TGraphicControl {
  DV_CLASS(TActionBox)
 public:
  explicit TActionBox(TComponent* owner) : TGraphicControl(owner) {}
  using TGraphicControl::Click;
};

class TActionTestFrm : public TForm {
  DV_CLASS(TActionTestFrm)
 public:
  explicit TActionTestFrm(TComponent* owner) : TForm(owner) {
    RegisterMethod("ConnectExecute", this, &TActionTestFrm::ConnectExecute);
  }
  void ConnectExecute(TObject* sender) {
    runs.push_back(dynamic_cast<TBasicAction*>(sender)->ActionComponent());
  }
  std::vector<TComponent*> runs;
};

}  // namespace

const TClassInfo& TActionBox::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TActionBox, TGraphicControl>(
      "TActionBox", [](TPropertyBuilder<TActionBox>& b) {
        PublishControlProperties(b, {"Action", "Caption", "Enabled", "Visible", "OnClick"});
      });
  return info;
}

const TClassInfo& TActionTestFrm::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TActionTestFrm, TForm>("TActionTestFrm");
  return info;
}

namespace {

class ActionLinkTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterActionClasses();
    ClassRegistry::Register(TActionBox::StaticClassInfo());
    form = &Application().CreateForm<TActionTestFrm>();
  }
  void TearDown() override { Application().DestroyForms(); }

  TActionBox& NewBox() {
    auto& box = TComponent::Create<TActionBox>(*form);
    box.SetParent(form);
    return box;
  }
  TAction& NewAction() { return TComponent::Create<TAction>(*form); }

  TActionTestFrm* form = nullptr;
};

TEST_F(ActionLinkTest, AssigningAnActionGivesTheControlItsValues) {
  TAction& action = NewAction();
  action.SetCaption("&Force Connect..");
  action.SetEnabled(false);
  action.SetHint("Dial now");
  action.SetVisible(false);
  TActionBox& box = NewBox();
  box.SetCaption("own");
  box.SetAction(&action);
  EXPECT_EQ(box.Action(), &action);
  EXPECT_EQ(box.Caption(), "&Force Connect..");
  EXPECT_FALSE(box.Enabled());
  EXPECT_EQ(box.Hint(), "Dial now");
  EXPECT_FALSE(box.Visible());
  EXPECT_EQ(action.ClientCount(), 1);
  box.SetAction(nullptr);
  EXPECT_EQ(box.ActionLink(), nullptr);
  EXPECT_EQ(action.ClientCount(), 0);
}

TEST_F(ActionLinkTest, AControlFollowsOnlyWhileItStillShowsTheActionsValue) {
  TAction& action = NewAction();
  TActionBox& box = NewBox();
  box.SetAction(&action);
  action.SetCaption("Connect");
  action.SetEnabled(false);
  EXPECT_EQ(box.Caption(), "Connect");
  EXPECT_FALSE(box.Enabled());
  // Changed by hand, the caption no longer follows...
  box.SetCaption("Mine");
  action.SetCaption("Dial");
  EXPECT_EQ(box.Caption(), "Mine");
  EXPECT_TRUE(box.StoresCaption());
  // ...until the two agree again.
  box.SetCaption("Dial");
  EXPECT_FALSE(box.StoresCaption());
  action.SetCaption("Hang up");
  EXPECT_EQ(box.Caption(), "Hang up");
  action.SetEnabled(true);
  EXPECT_TRUE(box.Enabled());
}

TEST_F(ActionLinkTest, AClickRunsTheActionUnlessTheControlHasItsOwnHandler) {
  TAction& action = NewAction();
  action.OnExecute = [&](TObject* sender) { form->ConnectExecute(sender); };
  TActionBox& box = NewBox();
  box.SetAction(&action);
  box.Click();
  ASSERT_EQ(form->runs.size(), 1u);
  EXPECT_EQ(form->runs[0], &box);
  action.SetEnabled(false);
  box.Click();
  EXPECT_EQ(form->runs.size(), 1u) << "a disabled action does not run";
  action.SetEnabled(true);
  int ownClicks = 0;
  box.OnClick = [&](TObject*) { ++ownClicks; };
  box.Click();
  EXPECT_EQ(ownClicks, 1);
  EXPECT_EQ(form->runs.size(), 1u);
}

TEST_F(ActionLinkTest, AnActionThatGoesAwayLeavesTheControlWithNone) {
  TAction& action = NewAction();
  TActionBox& box = NewBox();
  box.SetAction(&action);
  TComponent::Destroy(action);
  EXPECT_EQ(box.Action(), nullptr);
  EXPECT_EQ(box.ActionLink(), nullptr);
  box.Click();  // nothing to run, nothing breaks
}

TEST_F(ActionLinkTest, FormDataLeavesOutWhatFollowsTheActionAndKeepsWhatDoesNot) {
  const std::string text =
      "object ActionTestFrm: TActionTestFrm\n"
      "  Left = 0\n"
      "  Top = 0\n"
      "  Width = 200\n"
      "  Height = 100\n"
      "  object Linked: TActionBox\n"
      "    Left = 0\n"
      "    Top = 0\n"
      "    Width = 40\n"
      "    Height = 20\n"
      "    Action = ConnectAction\n"
      "  end\n"
      "  object Own: TActionBox\n"
      "    Left = 50\n"
      "    Top = 0\n"
      "    Width = 40\n"
      "    Height = 20\n"
      "    Action = ConnectAction\n"
      "    Caption = 'Own caption'\n"
      "    Enabled = True\n"
      "  end\n"
      "  object ConnectAction: TAction\n"
      "    Caption = 'Connect'\n"
      "    Enabled = False\n"
      "    OnExecute = ConnectExecute\n"
      "  end\n"
      "end\n";
  form->ReadFormDefinition(text);
  auto& linked = form->Component<TActionBox>("Linked");
  auto& own = form->Component<TActionBox>("Own");
  EXPECT_EQ(linked.Caption(), "Connect");
  EXPECT_FALSE(linked.Enabled());
  // Values given in form data are kept: the action only fills in defaults while loading.
  EXPECT_EQ(own.Caption(), "Own caption");
  EXPECT_FALSE(own.Enabled()) << "Enabled = True is the default, so the action's value comes in";
  const std::string written = FormWriter::WriteRoot(*form);
  const size_t linkedAt = written.find("object Linked");
  const std::string linkedText = written.substr(linkedAt, written.find("end", linkedAt) - linkedAt);
  EXPECT_EQ(linkedText.find("Caption"), std::string::npos) << linkedText;
  EXPECT_EQ(linkedText.find("Enabled"), std::string::npos) << linkedText;
  EXPECT_NE(written.find("    Caption = 'Own caption'\n"), std::string::npos) << written;
  linked.Click();
  EXPECT_TRUE(form->runs.empty()) << "the action is disabled";
}

}  // namespace
