#include "tests/controls/common/SpineTestForm.h"

#include <algorithm>

#include "controls/check/CheckControls.h"
#include "controls/common/CommonControls.h"
#include "controls/edit/EditControls.h"
#include "framework/core/FormReader.h"
#include "framework/core/TypInfo.h"
#include "framework/win/forms/Application.h"
#include "framework/win/stdctrls/StdCtrls.h"

const TClassInfo& TSpineTestForm::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TSpineTestForm, TForm>("TSpineTestForm");
  return info;
}

TSpineTestForm::TSpineTestForm(TComponent* owner) : TForm(owner) {
  RegisterMethod("ControlClick", this, &TSpineTestForm::ControlClick);
  RegisterMethod("ControlChange", this, &TSpineTestForm::ControlChange);
  RegisterMethod("ControlKeyUp", this, &TSpineTestForm::ControlKeyUp);
  RegisterMethod("SpinChanging", this, &TSpineTestForm::SpinChanging);
  RegisterMethod("SpinButtonClick", this, &TSpineTestForm::SpinButtonClick);
}

namespace {
std::string NameOf(TObject* sender) {
  const auto* component = dynamic_cast<TComponent*>(sender);
  return component != nullptr ? component->Name() : std::string("?");
}
}  // namespace

int TSpineTestForm::Count(const std::string& entry) const {
  return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

void TSpineTestForm::ControlClick(TObject* sender) {
  log.push_back("Click:" + NameOf(sender));
}

void TSpineTestForm::ControlChange(TObject* sender) {
  log.push_back("Change:" + NameOf(sender));
  if (onChange) onChange(sender);
}

void TSpineTestForm::ControlKeyUp(TObject* sender, WORD&, TShiftState) {
  log.push_back("KeyUp:" + NameOf(sender));
}

void TSpineTestForm::SpinChanging(TObject* sender, bool& allow) {
  log.push_back("Changing:" + NameOf(sender));
  allow = allowChange;
}

void TSpineTestForm::SpinButtonClick(TObject* sender, TSpinButtonType button) {
  log.push_back("Button:" + NameOf(sender) + (button == sbUp ? ":up" : ":down"));
}

void RegisterSpineTestClasses() {
  RegisterFormClasses();
  RegisterStdCtrlsClasses();
  RegisterCommonControls();
  RegisterCheckControls();
  RegisterEditControls();
}

void TestFormDeleter::operator()(TSpineTestForm* form) const {
  if (form != nullptr) TComponent::Destroy(*form);
}

TestFormPtr LoadTestForm(const std::string& childObjects) {
  RegisterSpineTestClasses();
  const std::string text =
      "object SpineTestForm: TSpineTestForm\n"
      "  Left = 100\n"
      "  Top = 100\n"
      "  BorderStyle = bsSingle\n"
      "  Caption = 'Spine controls'\n"
      "  ClientHeight = 177\n"
      "  ClientWidth = 286\n"
      "  Color = clBtnFace\n"
      "  Font.Charset = DEFAULT_CHARSET\n"
      "  Font.Color = clWindowText\n"
      "  Font.Height = -11\n"
      "  Font.Name = 'MS Shell Dlg 2'\n"
      "  Font.Style = []\n" +
      childObjects + "end\n";
  TestFormPtr form(&TComponent::Create<TSpineTestForm>(Application()));
  form->ReadFormDefinition(text);
  return form;
}

TestFormPtr ShowTestForm(const std::string& childObjects) {
  // Hover effects only when a test asks for them.
  SetCursorPos(5, 740);
  TestFormPtr form = LoadTestForm(childObjects);
  form->Show();
  SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(form->Handle());
  PumpFor(60);
  return form;
}

std::string WrittenObject(TSpineTestForm& form, const std::string& componentName) {
  const std::string text = FormWriter::WriteRoot(form);
  const std::string start = "object " + componentName + ":";
  const size_t begin = text.find(start);
  if (begin == std::string::npos) return std::string();
  // The object ends at the first "end" line indented like its "object" line.
  const size_t lineStart = text.rfind('\n', begin) + 1;
  const std::string indent = text.substr(lineStart, begin - lineStart);
  const size_t end = text.find("\n" + indent + "end\n", begin);
  return text.substr(lineStart, end + indent.size() + 5 - lineStart);
}

void PumpFor(int milliseconds) {
  const DWORD start = GetTickCount();
  do {
    Application().ProcessMessages();
    Sleep(2);
  } while (static_cast<int>(GetTickCount() - start) < milliseconds);
  Application().ProcessMessages();
}

void PostAndPump(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  PostMessageA(window, msg, wParam, lParam);
  Application().ProcessMessages();
}

void TypeText(HWND window, const std::string& text) {
  for (char c : text)
    PostAndPump(window, WM_CHAR, static_cast<unsigned char>(c));
}
