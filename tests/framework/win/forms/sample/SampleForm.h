// The sample form: a form definition with nested components (a panel with an edit and a label
// inside, edits, labels, a disabled windowless square, a timer and a popup menu) and the classes
// it names. Used by the sample program and by the framework's tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/win/controls/CustomControl.h"
#include "framework/win/controls/GraphicControl.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/stdctrls/StdCtrls.h"

// A windowed container that fills itself with its colour.
class TSamplePanel : public TCustomControl {
  DV_CLASS(TSamplePanel)
 public:
  explicit TSamplePanel(TComponent* owner);

 protected:
  void Paint() override;
};

// A windowless square that records what reaches it and answers the blink query 0xB3E8.
class TSampleSquare : public TGraphicControl {
  DV_CLASS(TSampleSquare)
 public:
  explicit TSampleSquare(TComponent* owner);
  void WndProc(TMessage& message) override;

  std::vector<std::string> log;

 protected:
  void Paint() override;
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Click() override;
};

class TSampleFrm : public TForm {
  DV_CLASS(TSampleFrm)
 public:
  explicit TSampleFrm(TComponent* owner);

  void FormShow(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);
  void Edit2Change(TObject* sender);
  void Timer1Timer(TObject* sender);

  std::vector<std::string> log;
  int showCount = 0;
  int changeCount = 0;
  int timerTicks = 0;
  TCloseAction closeAction = caHide;
  std::function<void()> onTimer;
};

// The sample form definition (class TSampleFrm), as the program's resource holds it.
extern const char kSampleFormDefinition[];

// Registers every class the sample form names (idempotent).
void RegisterSampleClasses();
