// Drag and drop with real mouse and keyboard input: the events in order on the source and on the
// controls under the cursor, the target's answer deciding the drop and the cursor, Esc and dock
// drags, and a press that never became a drag staying a click.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/core/FormReader.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/stdctrls/StdCtrls.h"
#include "tests/framework/win/controls/WinTestSupport.h"

namespace {

const char kDragForm[] =
    "object DragTestFrm: TDragTestFrm\n"
    "  Left = 100\n"
    "  Top = 100\n"
    "  BorderStyle = bsSingle\n"
    "  Caption = 'Drag and drop'\n"
    "  ClientHeight = 120\n"
    "  ClientWidth = 300\n"
    "  object Source: TLabel\n"
    "    Left = 10\n"
    "    Top = 10\n"
    "    Width = 60\n"
    "    Height = 20\n"
    "    AutoSize = False\n"
    "    Caption = 'Source'\n"
    "    Color = clLime\n"
    "    DragMode = dmAutomatic\n"
    "    ParentColor = False\n"
    "    OnClick = SourceClick\n"
    "    OnEndDock = SourceEndDock\n"
    "    OnEndDrag = SourceEndDrag\n"
    "    OnStartDock = SourceStartDock\n"
    "    OnStartDrag = SourceStartDrag\n"
    "  end\n"
    "  object Refuser: TLabel\n"
    "    Left = 150\n"
    "    Top = 10\n"
    "    Width = 60\n"
    "    Height = 20\n"
    "    AutoSize = False\n"
    "    Caption = 'Refuser'\n"
    "    Color = clYellow\n"
    "    ParentColor = False\n"
    "    OnDragOver = RefuserDragOver\n"
    "  end\n"
    "  object Target: TEdit\n"
    "    Left = 10\n"
    "    Top = 60\n"
    "    Width = 120\n"
    "    Height = 21\n"
    "    TabOrder = 0\n"
    "    OnDragDrop = TargetDragDrop\n"
    "    OnDragOver = TargetDragOver\n"
    "  end\n"
    "end\n";

class TDragTestFrm : public TForm {
  DV_CLASS(TDragTestFrm)
 public:
  explicit TDragTestFrm(TComponent* owner) : TForm(owner) {
    RegisterMethod("SourceClick", this, &TDragTestFrm::SourceClick);
    RegisterMethod("SourceStartDrag", this, &TDragTestFrm::SourceStartDrag);
    RegisterMethod("SourceEndDrag", this, &TDragTestFrm::SourceEndDrag);
    RegisterMethod("SourceStartDock", this, &TDragTestFrm::SourceStartDock);
    RegisterMethod("SourceEndDock", this, &TDragTestFrm::SourceEndDock);
    RegisterMethod("TargetDragOver", this, &TDragTestFrm::TargetDragOver);
    RegisterMethod("TargetDragDrop", this, &TDragTestFrm::TargetDragDrop);
    RegisterMethod("RefuserDragOver", this, &TDragTestFrm::RefuserDragOver);
  }

  void SourceClick(TObject*) { log.push_back("click"); }
  void SourceStartDrag(TObject* sender, TDragObject*&) { log.push_back("start " + NameOf(sender)); }
  void SourceEndDrag(TObject* sender, TObject* target, int x, int y) {
    log.push_back("end " + NameOf(sender) + " on " + NameOf(target) + " " + At(x, y));
  }
  void SourceStartDock(TObject* sender, TDragDockObject*&) {
    log.push_back("start dock " + NameOf(sender));
  }
  void SourceEndDock(TObject* sender, TObject* target, int x, int y) {
    log.push_back("end dock " + NameOf(sender) + " on " + NameOf(target) + " " + At(x, y));
  }
  void TargetDragOver(TObject* sender, TObject* source, int x, int y, TDragState state,
                      bool& accept) {
    Over(sender, source, state);
    lastOver = {x, y};
    accept = NameOf(source) == "Source";
  }
  void TargetDragDrop(TObject* sender, TObject* source, int x, int y) {
    log.push_back("drop " + NameOf(source) + " on " + NameOf(sender) + " " + At(x, y));
  }
  void RefuserDragOver(TObject* sender, TObject* source, int, int, TDragState state, bool& accept) {
    Over(sender, source, state);
    accept = false;
  }

  // Entries with repeated moves folded into one.
  std::vector<std::string> Events() const {
    std::vector<std::string> folded;
    for (const std::string& entry : log)
      if (folded.empty() || folded.back() != entry || entry.find(" move ") == std::string::npos)
        folded.push_back(entry);
    return folded;
  }

  std::vector<std::string> log;
  TPoint lastOver;

 private:
  static std::string NameOf(TObject* object) {
    const auto* component = dynamic_cast<TComponent*>(object);
    return component != nullptr ? component->Name() : "none";
  }
  static std::string At(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
  void Over(TObject* sender, TObject* source, TDragState state) {
    static const char* const kStates[] = {"enter", "leave", "move"};
    log.push_back("over " + NameOf(sender) + " " + kStates[state] + " from " + NameOf(source));
  }
};

}  // namespace

const TClassInfo& TDragTestFrm::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TDragTestFrm, TForm>("TDragTestFrm");
  return info;
}

namespace {

class DragDropTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterStdCtrlsClasses();
    form = &Application().CreateForm<TDragTestFrm>();
    form->ReadFormDefinition(kDragForm);
    source = &form->Component<TLabel>("Source");
    target = &form->Component<TEdit>("Target");
    form->Show();
    SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PumpFor(150);
  }
  void TearDown() override {
    ReleaseLeftButton();
    PumpFor(30);
    Application().DestroyForms();
  }

  // Moves the real mouse to a client point of the form and lets the messages through.
  void MoveTo(int x, int y) {
    const TPoint p = form->ClientToScreen({x, y});
    MoveMouseTo({p.X, p.Y});
    PumpFor(60);
  }
  void Press() {
    PressLeftButton();
    PumpFor(60);
  }
  void Release() {
    ReleaseLeftButton();
    PumpFor(80);
  }

  TDragTestFrm* form = nullptr;
  TLabel* source = nullptr;
  TEdit* target = nullptr;
};

TEST_F(DragDropTest, DraggingOntoAControlThatAcceptsDropsThereAndEndsOnTheSource) {
  MoveTo(30, 20);
  Press();
  MoveTo(40, 22);  // past the drag distance: the drag starts
  EXPECT_TRUE(source->Dragging());
  MoveTo(50, 68);
  EXPECT_EQ(GetCursor(), CursorHandle(crDrag));
  MoveTo(60, 70);
  // In the edit's client area, inside its two-pixel sunken edge.
  EXPECT_EQ(form->lastOver, (TPoint{48, 8}));
  Release();
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(form->Events(), (std::vector<std::string>{
                                "start Source", "over Target enter from Source",
                                "over Target move from Source", "over Target leave from Source",
                                "drop Source on Target 48,8", "end Source on Target 48,8"}));
  // The press became a drag: no click.
  EXPECT_EQ(std::count(form->log.begin(), form->log.end(), "click"), 0);
}

TEST_F(DragDropTest, ATargetThatRefusesGetsNoDropAndTheCursorSaysSo) {
  MoveTo(30, 20);
  Press();
  MoveTo(40, 20);
  MoveTo(170, 20);
  EXPECT_EQ(GetCursor(), CursorHandle(crNoDrop));
  // Off the refuser onto the acceptor and back: leave, enter, and the cursor follows.
  MoveTo(60, 70);
  EXPECT_EQ(GetCursor(), CursorHandle(crDrag));
  MoveTo(180, 20);
  EXPECT_EQ(GetCursor(), CursorHandle(crNoDrop));
  Release();
  EXPECT_EQ(form->Events(), (std::vector<std::string>{
                                "start Source", "over Refuser enter from Source",
                                "over Refuser leave from Source", "over Target enter from Source",
                                "over Target leave from Source", "over Refuser enter from Source",
                                "over Refuser leave from Source", "end Source on none 0,0"}));
}

TEST_F(DragDropTest, EscCancelsTheDragAndTheReleaseDropsNothing) {
  target->SetFocus();
  PumpFor(50);
  MoveTo(30, 20);
  Press();
  MoveTo(40, 20);
  MoveTo(50, 70);
  TapKey(VK_ESCAPE);
  PumpFor(80);
  EXPECT_FALSE(source->Dragging());
  Release();
  EXPECT_EQ(form->Events(),
            (std::vector<std::string>{"start Source", "over Target enter from Source",
                                      "over Target leave from Source", "end Source on none 0,0"}));
}

TEST_F(DragDropTest, APressReleasedWithoutMovingIsAClick) {
  MoveTo(30, 20);
  Press();
  MoveTo(31, 21);  // within the drag distance
  Release();
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(form->log, (std::vector<std::string>{"click"}));
}

TEST_F(DragDropTest, ADockDragRaisesTheDockEventsAndNoDragOver) {
  source->SetDragKind(dkDock);
  MoveTo(30, 20);
  Press();
  MoveTo(40, 20);
  MoveTo(60, 70);
  Release();
  EXPECT_EQ(form->log,
            (std::vector<std::string>{"start dock Source", "end dock Source on none 0,0"}));
}

TEST_F(DragDropTest, BeginDragFromCodeEndsTheEditsOwnPressAndTheCursorIsTheSourcesOwn) {
  // A manual drag of the edit, begun by its mouse-down handler; a label accepts it.
  auto& refuser = form->Component<TLabel>("Refuser");
  target->SetDragCursor(crHandPoint);
  target->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
    target->BeginDrag(true);
  };
  refuser.OnDragOver = [&](TObject*, TObject* from, int, int, TDragState, bool& accept) {
    accept = from == target;
  };
  bool dropped = false;
  refuser.OnDragDrop = [&](TObject*, TObject*, int, int) { dropped = true; };
  MoveTo(40, 70);
  Press();
  EXPECT_TRUE(target->Dragging());
  EXPECT_NE(GetCapture(), nullptr);
  MoveTo(170, 20);
  EXPECT_EQ(GetCursor(), CursorHandle(crHandPoint));
  Release();
  EXPECT_TRUE(dropped);
  EXPECT_FALSE(target->Dragging());
  EXPECT_EQ(GetCapture(), nullptr);
}

// What a start handler may supply instead of the control: the targets see it as the source and
// it chooses the cursor.
class TFileDragObject : public TDragObject {
 public:
  TCursor DragCursor(bool accepted) const override { return accepted ? crHandPoint : crNo; }
};

TEST_F(DragDropTest, AStartHandlerMaySupplyItsOwnDragObject) {
  TFileDragObject files;
  source->OnStartDrag = [&](TObject*, TDragObject*& object) { object = &files; };
  TObject* seenSource = nullptr;
  TPoint seenPos;
  TControl* seenTarget = nullptr;
  target->OnDragOver = [&](TObject*, TObject* from, int, int, TDragState, bool& accept) {
    seenSource = from;
    seenPos = files.DragPos();
    seenTarget = files.DragTarget();
    accept = true;
  };
  MoveTo(30, 20);
  Press();
  MoveTo(40, 20);
  MoveTo(60, 70);
  EXPECT_EQ(seenSource, &files);
  EXPECT_EQ(seenTarget, target);
  EXPECT_EQ(seenPos, form->ClientToScreen({60, 70}));
  EXPECT_EQ(GetCursor(), CursorHandle(crHandPoint));
  Release();
  // The drop names no component as its source: the object is no control.
  EXPECT_EQ(form->log,
            (std::vector<std::string>{"drop none on Target 48,8", "end Source on Target 48,8"}));
}

TEST_F(DragDropTest, DragSettingsAndEventsGoBackToFormDataUnchanged) {
  EXPECT_EQ(source->DragMode(), dmAutomatic);
  EXPECT_EQ(target->OnDragOver.HandlerName(), "TargetDragOver");
  const std::string written = FormWriter::WriteRoot(*form);
  for (const char* line :
       {"    DragMode = dmAutomatic\n", "    OnEndDock = SourceEndDock\n",
        "    OnStartDrag = SourceStartDrag\n", "    OnDragDrop = TargetDragDrop\n"})
    EXPECT_NE(written.find(line), std::string::npos) << line;
  EXPECT_EQ(written.find("DragCursor"), std::string::npos);
}

}  // namespace
