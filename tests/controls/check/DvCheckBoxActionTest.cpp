// The check box and its action: it takes the action's Checked when the action is assigned, follows
// the action's Checked and Enabled without raising OnClick, runs the action when clicked and stays
// in step with it, stops following while the two disagree, and stores Checked only when it does
// not follow. A drag begun by the press leaves no press behind.
#include <gtest/gtest.h>

#include <stdexcept>

#include "controls/check/DvCheckBox.h"
#include "framework/core/Actions.h"
#include "framework/win/controls/ControlActionLink.h"
#include "tests/controls/common/SpineTestForm.h"

namespace {

const char kTwoBoxes[] =
    "  object First: TDvCheckBox\n"
    "    Left = 10\n    Top = 10\n    Width = 128\n    Height = 17\n"
    "    Caption = 'Enabled Auto-Dial'\n    State = cbUnchecked\n  end\n"
    "  object Second: TDvCheckBox\n"
    "    Left = 10\n    Top = 40\n    Width = 128\n    Height = 17\n"
    "    Caption = 'Auto Run On Startup'\n    State = cbUnchecked\n  end\n";

class DvCheckBoxActionTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterActionClasses();
    form = ShowTestForm(kTwoBoxes);
    first = &form->Component<TDvCheckBox>("First");
    second = &form->Component<TDvCheckBox>("Second");
    action = &TComponent::Create<TAction>(*form);
    action->SetName("AutoDialAction");
    action->OnExecute = [this](TObject*) { ++runs; };
  }
  // Counts the box's OnClick (a box with a handler of its own does not run its action).
  void CountClicks(TDvCheckBox& box) {
    box.OnClick = [this](TObject*) { ++clicks; };
  }
  void ClickWithMouse(TDvCheckBox& box) {
    SendMessageA(box.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PackPoint(5, 8));
    SendMessageA(box.Handle(), WM_LBUTTONUP, 0, PackPoint(5, 8));
  }

  TestFormPtr form;
  TDvCheckBox* first = nullptr;
  TDvCheckBox* second = nullptr;
  TAction* action = nullptr;
  int runs = 0;
  int clicks = 0;
};

TEST_F(DvCheckBoxActionTest, AssigningTheActionTakesItsCheckedWithoutAClick) {
  CountClicks(*first);
  action->SetChecked(true);
  first->SetAction(action);
  EXPECT_TRUE(first->Checked());
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(runs, 0) << "taking the action's state does not run it";
  EXPECT_FALSE(first->ActionUpdating());
  // An unchecked action unchecks a checked box when assigned from code.
  TAction& other = TComponent::Create<TAction>(*form);
  second->SetChecked(true);
  CountClicks(*second);
  second->SetAction(&other);
  EXPECT_FALSE(second->Checked());
  EXPECT_EQ(clicks, 0);
}

TEST_F(DvCheckBoxActionTest, ALinkedBoxFollowsCheckedAndEnabledWithoutOnClick) {
  CountClicks(*first);
  first->SetAction(action);
  action->SetChecked(true);
  EXPECT_TRUE(first->Checked());
  EXPECT_EQ(first->State(), cbChecked);
  action->SetEnabled(false);
  EXPECT_FALSE(first->Enabled());
  action->SetChecked(false);
  EXPECT_FALSE(first->Checked());
  action->SetEnabled(true);
  EXPECT_TRUE(first->Enabled());
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(runs, 0);
  // A change from code afterwards is a click again.
  first->SetChecked(true);
  EXPECT_EQ(clicks, 1);
}

TEST_F(DvCheckBoxActionTest, AClickRunsTheActionAndEveryLinkedBoxKeepsInStep) {
  action->SetAutoCheck(true);
  first->SetAction(action);
  second->SetAction(action);
  CountClicks(*second);
  ClickWithMouse(*first);
  EXPECT_TRUE(first->Checked());
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(action->Checked());
  EXPECT_TRUE(second->Checked()) << "the other box follows the action";
  EXPECT_EQ(clicks, 0) << "and raises no OnClick for it";
  // Space on the box runs it once more, unchecking all three.
  first->SetFocus();
  SendMessageA(first->Handle(), WM_KEYDOWN, VK_SPACE, 1);
  SendMessageA(first->Handle(), WM_KEYUP, VK_SPACE, 1);
  EXPECT_EQ(runs, 2);
  EXPECT_FALSE(first->Checked());
  EXPECT_FALSE(action->Checked());
  EXPECT_FALSE(second->Checked());
}

TEST_F(DvCheckBoxActionTest, ABoxThatDisagreesStopsFollowingUntilTheyAgreeAgain) {
  CountClicks(*first);
  first->SetAction(action);
  first->SetChecked(true);  // by hand: its own handler runs, the action does not
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(runs, 0);
  EXPECT_FALSE(action->Checked());
  ASSERT_NE(first->ActionLink(), nullptr);
  EXPECT_FALSE(first->ActionLink()->IsCheckedLinked());
  // The action catches up: no change reaches the box, which shows the new value already.
  action->SetChecked(true);
  EXPECT_TRUE(first->Checked());
  EXPECT_TRUE(first->ActionLink()->IsCheckedLinked());
  // In step again, the box follows.
  action->SetChecked(false);
  EXPECT_FALSE(first->Checked());
  EXPECT_EQ(clicks, 1);
}

TEST_F(DvCheckBoxActionTest, CheckedIsStoredOnlyWhileTheBoxDoesNotFollow) {
  first->SetAction(action);
  action->SetChecked(true);
  const std::string linked = WrittenObject(*form, "First");
  EXPECT_NE(linked.find("    Action = AutoDialAction\n"), std::string::npos);
  EXPECT_EQ(linked.find("    Checked = "), std::string::npos) << linked;
  EXPECT_NE(linked.find("    State = cbChecked\n"), std::string::npos);
  // A grayed box no longer shows the action's Checked.
  first->SetState(cbGrayed);
  action->SetChecked(false);
  first->SetState(cbChecked);
  const std::string own = WrittenObject(*form, "First");
  EXPECT_NE(own.find("    Checked = True\n"), std::string::npos) << own;
}

// A box whose check change fails once.
class TFailingCheckBox : public TDvCheckBox {
 public:
  explicit TFailingCheckBox(TComponent* owner) : TDvCheckBox(owner) {}
  void SetChecked(bool value) override {
    TDvCheckBox::SetChecked(value);
    if (fail) {
      fail = false;
      throw std::runtime_error("refused");
    }
  }
  bool fail = false;
};

TEST_F(DvCheckBoxActionTest, TheActionUpdateFlagIsClearedWhenTheChangeFails) {
  auto& box = TComponent::Create<TFailingCheckBox>(*form);
  box.SetParent(form.get());
  box.SetAction(action);
  box.OnClick = [this](TObject*) { ++clicks; };
  box.fail = true;
  EXPECT_THROW(action->SetChecked(true), std::runtime_error);
  EXPECT_FALSE(box.ActionUpdating());
  box.SetChecked(false);
  EXPECT_EQ(clicks, 1) << "a later change from code is a click";
}

TEST_F(DvCheckBoxActionTest, ADragBegunByThePressLeavesNoPressBehind) {
  CountClicks(*first);
  first->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
    first->BeginDrag(true);
  };
  SendMessageA(first->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PackPoint(5, 8));
  EXPECT_TRUE(first->Dragging());
  EXPECT_FALSE(first->Tracking());
  EXPECT_FALSE(first->PressedLook());
  first->EndDrag(false);
  SendMessageA(first->Handle(), WM_LBUTTONUP, 0, PackPoint(5, 8));
  EXPECT_FALSE(first->Checked());
  EXPECT_EQ(clicks, 0);
  // A drag that waits for the mouse to move leaves a plain click a click.
  first->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
    first->BeginDrag(false, 20);
  };
  ClickWithMouse(*first);
  EXPECT_FALSE(first->Dragging());
  EXPECT_TRUE(first->Checked());
  EXPECT_EQ(clicks, 1);
}

}  // namespace
