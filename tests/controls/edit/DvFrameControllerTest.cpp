// The frame controller: registration pushes every setting once, later changes push their own
// setting by property name, updates can be held back, and controls that frame themselves are
// told instead.
#include <gtest/gtest.h>

#include "controls/common/DvLabel.h"
#include "controls/edit/DvFrameController.h"
#include "controls/edit/DvSpinEdit.h"
#include "tests/controls/common/SpineTestForm.h"

namespace {

TEST(DvFrameControllerTest, RegisteringPushesAllSettingsOnceAndKeepsOneEntry) {
  TComponent owner(nullptr);
  auto& controller = TComponent::Create<TDvFrameController>(owner);
  auto& spin = TComponent::Create<TDvSpinEdit>(owner);
  controller.SetFrameColor(clRed);
  controller.SetFrameSides(SideBit(sdLeft) | SideBit(sdBottom));
  controller.SetFlatButtonColor(clYellow);
  spin.SetFrameController(&controller);
  EXPECT_EQ(controller.ControlCount(), 1);
  EXPECT_EQ(spin.FrameColor(), clRed);
  EXPECT_EQ(spin.FrameSides(), SideBit(sdLeft) | SideBit(sdBottom));
  EXPECT_EQ(spin.FlatButtonColor(), clYellow);
  EXPECT_TRUE(spin.FlatButtons());
  EXPECT_EQ(spin.FramingPreference(), fpXPThemes);

  // A second registration pushes nothing.
  spin.SetFrameColor(clBlue);
  controller.RegisterControl(&spin);
  EXPECT_EQ(controller.ControlCount(), 1);
  EXPECT_EQ(spin.FrameColor(), clBlue);

  controller.SetFrameHotColor(clAqua);
  EXPECT_EQ(spin.FrameHotColor(), clAqua);
  EXPECT_EQ(spin.FrameColor(), clBlue);

  // The last control going frees the list.
  spin.SetFrameController(nullptr);
  EXPECT_FALSE(controller.HasControlList());
}

TEST(DvFrameControllerTest, LockedUpdatesArePushedTogetherByTheLastUnlock) {
  TComponent owner(nullptr);
  auto& controller = TComponent::Create<TDvFrameController>(owner);
  auto& spin = TComponent::Create<TDvSpinEdit>(owner);
  spin.SetFrameController(&controller);
  controller.LockUpdates();
  controller.LockUpdates();
  controller.SetFrameColor(clRed);
  controller.SetFrameStyle(fsFlatBold);
  controller.UnlockUpdates();
  EXPECT_EQ(spin.FrameColor(), clBtnShadow);
  EXPECT_EQ(spin.FrameStyle(), fsFlat);
  controller.UnlockUpdates();
  EXPECT_EQ(spin.FrameColor(), clRed);
  EXPECT_EQ(spin.FrameStyle(), fsFlatBold);
}

TEST(DvFrameControllerTest, ColourSettingsFollowEachOther) {
  TDvFrameController controller(nullptr);
  controller.SetParentColor(true);
  controller.SetColor(clYellow);
  EXPECT_EQ(controller.FocusColor(), clYellow);
  EXPECT_FALSE(controller.ParentColor());
  controller.SetFocusColor(clAqua);
  controller.SetColor(clRed);
  EXPECT_EQ(controller.FocusColor(), clAqua);
  controller.SetFrameSides(SideBit(sdTop));
  controller.SetFrameHotTrack(true);
  EXPECT_TRUE(controller.FrameVisible());
  EXPECT_EQ(controller.FrameSides(), kAllSides);
}

TEST(DvFrameControllerTest, SelfFramingControlsAreToldAndReferencesClearOnDestruction) {
  TComponent owner(nullptr);
  auto* controller = &TComponent::Create<TDvFrameController>(owner);
  auto& label = TComponent::Create<TDvLabel>(owner);
  auto& spin = TComponent::Create<TDvSpinEdit>(owner);
  controller->SetFrameStyle(fsStatus);
  label.SetFrameController(controller);
  // Nothing taken while the controller's frame is hidden.
  EXPECT_EQ(label.BorderOuter(), fsNone);
  controller->SetFrameVisible(true);
  EXPECT_EQ(label.BorderOuter(), fsStatus);
  EXPECT_EQ(label.FlatColorAdjustment(), 0);
  spin.SetFrameController(controller);
  TComponent::Destroy(*controller);
  EXPECT_EQ(label.FrameController(), nullptr);
  EXPECT_EQ(spin.FrameController(), nullptr);
}

TEST(DvFrameControllerTest, FormDataReferencesTheControllerAndOldNamesAreRead) {
  auto form = LoadTestForm(
      "  object Frames: TDvFrameController\n    FrameColor = clRed\n    FrameFlat = True\n"
      "    FrameFlatStyle = fsFlat\n  end\n"
      "  object Spin: TDvSpinEdit\n    FrameController = Frames\n  end\n");
  auto& controller = form->Component<TDvFrameController>("Frames");
  auto& spin = form->Component<TDvSpinEdit>("Spin");
  EXPECT_EQ(spin.FrameController(), &controller);
  EXPECT_TRUE(controller.FrameHotTrack());
  EXPECT_EQ(controller.FrameStyle(), fsStatus);
  EXPECT_EQ(spin.FrameColor(), clRed);
  EXPECT_EQ(spin.FrameStyle(), fsStatus);
  EXPECT_EQ(spin.FrameHotStyle(), fsLowered);
  // Settings that come from the controller are not written with the control.
  const std::string written = WrittenObject(*form, "Spin");
  EXPECT_NE(written.find("    FrameController = Frames\n"), std::string::npos);
  EXPECT_EQ(written.find("FrameColor"), std::string::npos);
  EXPECT_EQ(written.find("FrameStyle"), std::string::npos);
}

}  // namespace
