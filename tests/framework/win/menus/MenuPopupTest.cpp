#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/imagelists/ImageList.h"
#include "framework/win/menus/Menus.h"
#include "framework/win/menus/PopupList.h"
#include "framework/win/menus/SystemMenuFont.h"
#include "framework/win/platform/SystemTimer.h"
#include "tests/framework/win/menus/MenuTestSupport.h"
#include "tests/framework/win/platform/MessagePump.h"

namespace {

using Step = std::function<void(HWND menuWindow)>;

// Tracks a menu with popup() and, once its window is up, runs one step per timer tick; the menu
// is ended after two seconds whatever happens. Returns how many steps ran.
size_t DriveMenu(const std::function<void()>& popup, const std::vector<Step>& steps) {
  size_t next = 0;
  int ticks = 0;
  TSystemTimer timer([&] {
    ++ticks;
    HWND window = FindWindowA("#32768", nullptr);
    if (next < steps.size() && window != nullptr && IsWindowVisible(window)) steps[next++](window);
    if (ticks > 130) EndMenu();
  });
  timer.Start(15);
  popup();
  timer.Stop();
  return next;
}

void PostKey(HWND window, WPARAM key) {
  PostMessageA(window, WM_KEYDOWN, key, 0);
  PostMessageA(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000000));
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

class MenuPopupTest : public testing::Test {
 protected:
  void SetUp() override { PumpPending(); }
  TMenuItem& AddItem(const std::string& caption) {
    TMenuItem& item = TComponent::Create<TMenuItem>(menu);
    item.SetCaption(caption);
    menu.Items().Add(item);
    return item;
  }

  TPopupMenu menu{nullptr};
  std::vector<std::string> log;
};

TEST_F(MenuPopupTest, TheChosenCommandRunsAfterTrackingHasEnded) {
  bool popupReturned = false;
  TMenuItem& show = AddItem("&Show..");
  AddItem("-");
  TMenuItem& connect = AddItem("&Force Connect..");
  show.OnClick = [&](TObject* sender) {
    log.push_back(popupReturned ? "Show1 after tracking" : "Show1 during tracking");
    EXPECT_EQ(sender, &show);
  };
  connect.OnClick = [&](TObject*) { log.push_back("ForceConnect1"); };
  menu.OnPopup = [&](TObject*) { log.push_back("OnPopup"); };

  const size_t steps = DriveMenu([&] { menu.Popup(200, 150); }, {[&](HWND window) {
                                   log.push_back("tracking");
                                   PostKey(window, VK_DOWN);
                                   PostKey(window, VK_RETURN);
                                 }});
  popupReturned = true;
  ASSERT_EQ(steps, 1u);
  EXPECT_EQ(log, (std::vector<std::string>{"OnPopup", "tracking"}));
  ASSERT_TRUE(PumpUntil([&] { return log.size() == 3; }, 1000));
  EXPECT_EQ(log[2], "Show1 after tracking");
  EXPECT_EQ(menu.PopupPoint(), (TPoint{200, 150}));
}

TEST_F(MenuPopupTest, AMenuClosedWithoutAChoiceClicksNothing) {
  AddItem("One").OnClick = [&](TObject*) { log.push_back("One"); };
  const size_t steps = DriveMenu([&] { menu.Popup(100, 100); }, {[](HWND) { EndMenu(); }});
  EXPECT_EQ(steps, 1u);
  PumpFor(50);
  EXPECT_TRUE(log.empty());
}

TEST_F(MenuPopupTest, ItemsAddedInOnPopupAreShown) {
  AddItem("One");
  menu.Handle();
  menu.OnPopup = [&](TObject*) { AddItem("Two"); };
  int shown = 0;
  DriveMenu(
      [&] { menu.Popup(100, 100); }, {[&](HWND window) {
        shown = GetMenuItemCount(reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0)));
        EndMenu();
      }});
  EXPECT_EQ(shown, 2);
}

TEST_F(MenuPopupTest, AlignmentPlacesTheMenuAroundThePoint) {
  AddItem("A somewhat wider item");
  const auto placed = [&](TPopupAlignment alignment) {
    menu.SetAlignment(alignment);
    RECT rect{};
    DriveMenu([&] { menu.Popup(500, 300); }, {[&](HWND window) {
                GetWindowRect(window, &rect);
                EndMenu();
              }});
    return rect;
  };
  const RECT left = placed(paLeft);
  const RECT right = placed(paRight);
  const RECT centre = placed(paCenter);
  EXPECT_EQ(left.left, 500);
  EXPECT_EQ(left.top, 300);
  EXPECT_EQ(right.right, 500);
  EXPECT_LE(std::abs((centre.left + centre.right) / 2 - 500), 1);
  EXPECT_EQ(menu.TrackFlags() & (TPM_RIGHTALIGN | TPM_CENTERALIGN), UINT(TPM_CENTERALIGN));
}

TEST_F(MenuPopupTest, OwnerDrawnItemsAreMeasuredAndPaintedByTheirItems) {
  TImageList images(nullptr);
  menu.SetImages(&images);
  menu.SetOwnerDraw(true);
  TMenuItem& show = AddItem("&Show..");
  show.SetDefault(true);
  TMenuItem& line = AddItem("-");
  TMenuItem& tall = AddItem("&Force Connect..");
  TMenuItem& off = AddItem("Off");
  off.SetEnabled(false);

  struct Measure {
    int width;
    int height;
    int expectedWidth;
    int expectedHeight;
    bool bold;
    std::string face;
  };
  struct Draw {
    TMenuItem* item;
    TRect rect;
    TOwnerDrawState state;
    std::string windowClass;
    bool rectKnown;
  };
  std::vector<std::pair<TMenuItem*, Measure>> measures;
  std::vector<Draw> draws;
  for (TMenuItem* item : {&show, &line, &tall, &off}) {
    item->OnMeasureItem = [&, item](TObject* sender, TCanvas& canvas, int& width, int& height) {
      ASSERT_EQ(sender, item);
      TRect text;
      canvas.DrawText(item->Caption(), text, DT_CALCRECT | DT_SINGLELINE);
      Measure m{width,
                height,
                2 + 16 + 2 + 4 + text.Width() + 16,
                std::max(canvas.TextHeight("Ag") + 6, 16 + 4),
                (canvas.Font().Style() & (1u << fsBold)) != 0,
                canvas.Font().Name()};
      measures.emplace_back(item, m);
      if (item == &tall) height = 40;
    };
    item->OnAdvancedDrawItem = [&, item](TObject*, TCanvas& canvas, const TRect& rect,
                                         TOwnerDrawState state) {
      HWND window = WindowFromDC(canvas.Handle());
      RECT itemRect{};
      const bool known = GetMenuItemRect(window, menu.Handle(), 0, &itemRect) != 0;
      draws.push_back(Draw{item, rect, state, ClassOf(window), known});
    };
  }

  DriveMenu([&] { menu.Popup(300, 200); },
            {[&](HWND window) { PostKey(window, VK_DOWN); }, [](HWND) { EndMenu(); }});

  ASSERT_EQ(measures.size(), 4u);
  const LOGFONTA menuFont = SystemMenuLogFont();
  for (const auto& [item, m] : measures) {
    EXPECT_EQ(m.face, std::string(menuFont.lfFaceName)) << item->Caption();
    EXPECT_EQ(m.bold, item == &show) << item->Caption();
    if (item == &line) {
      EXPECT_EQ(m.height, kMenuSeparatorHeight);
      EXPECT_EQ(m.width, 2 + 16 + 2 + 4);
    } else {
      EXPECT_EQ(m.width, m.expectedWidth) << item->Caption();
      EXPECT_EQ(m.height, m.expectedHeight) << item->Caption();
    }
  }

  ASSERT_GE(draws.size(), 4u);
  const auto firstDrawOf = [&](TMenuItem* item) -> const Draw* {
    for (const Draw& d : draws)
      if (d.item == item) return &d;
    return nullptr;
  };
  for (TMenuItem* item : {&show, &line, &tall, &off})
    ASSERT_NE(firstDrawOf(item), nullptr);
  EXPECT_EQ(firstDrawOf(&show)->windowClass, "#32768");
  EXPECT_TRUE(firstDrawOf(&show)->rectKnown);
  EXPECT_EQ(firstDrawOf(&show)->rect.Height(), measures[0].second.expectedHeight);
  EXPECT_EQ(firstDrawOf(&line)->rect.Height(), kMenuSeparatorHeight);
  EXPECT_EQ(firstDrawOf(&tall)->rect.Height(), 40);
  EXPECT_EQ(firstDrawOf(&show)->state & odSelected, 0u);
  EXPECT_NE(firstDrawOf(&off)->state & (odDisabled | odGrayed), 0u);
  EXPECT_EQ(firstDrawOf(&off)->state & ~kOwnerDrawStateMask, 0u);
  bool selectedShow = false;
  for (const Draw& d : draws)
    if (d.item == &show && (d.state & odSelected) != 0) selectedShow = true;
  EXPECT_TRUE(selectedShow) << "the key moved the highlight to the first item";
}

TEST_F(MenuPopupTest, OnDrawItemIsTheFallbackAndTheStandardLookTheLast) {
  menu.SetOwnerDraw(true);
  TMenuItem& plain = AddItem("Plain");
  TMenuItem& simple = AddItem("Simple");
  std::vector<std::string> calls;
  simple.OnDrawItem = [&](TObject*, TCanvas&, const TRect&, bool selected) {
    calls.push_back(selected ? "simple selected" : "simple");
  };
  DriveMenu([&] { menu.Popup(300, 200); }, {[](HWND) {}, [](HWND) { EndMenu(); }});
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls[0], "simple");
  (void)plain;
}

TEST_F(MenuPopupTest, PopupMenusAreRegisteredForTheirLifetime) {
  const int before = TPopupList::Count();
  {
    TPopupMenu another(nullptr);
    EXPECT_EQ(TPopupList::Count(), before + 1);
  }
  EXPECT_EQ(TPopupList::Count(), before);
  EXPECT_EQ(ClassOf(TPopupList::Window()), "TDvUtilityWindow");
  EXPECT_FALSE(IsWindowVisible(TPopupList::Window()));
}

}  // namespace
