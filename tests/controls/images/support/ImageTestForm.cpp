#include "tests/controls/images/support/ImageTestForm.h"

#include "controls/images/ImageControls.h"
#include "framework/core/TypInfo.h"
#include "framework/win/forms/Application.h"

const TClassInfo& TImageTestForm::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TImageTestForm, TForm>("TImageTestForm");
  return info;
}

TImageTestForm::TImageTestForm(TComponent* owner) : TForm(owner) {
  RegisterMethod("ListChange", this, &TImageTestForm::ListChange);
}

void TImageTestForm::ListChange(TObject* sender) {
  const auto* component = dynamic_cast<TComponent*>(sender);
  log.push_back("Change:" + (component != nullptr ? component->Name() : std::string("?")));
}

void RegisterImageTestClasses() {
  RegisterFormClasses();
  RegisterImageControls();
  ClassRegistry::Register(TImageTestForm::StaticClassInfo());
}

void ImageTestFormDeleter::operator()(TImageTestForm* form) const {
  if (form != nullptr && form->HandleAllocated()) form->Hide();
  if (form != nullptr) TComponent::Destroy(*form);
}

ImageTestFormPtr ReadImageTestForm(const std::string& definition) {
  RegisterImageTestClasses();
  // Forms are owned by the application, which takes each name once: every test form read gets
  // a name of its own, so that a test can hold several at a time.
  static int formsRead = 0;
  const std::string object = "object ";
  std::string text = definition;
  const size_t colon = text.find(':');
  if (text.compare(0, object.size(), object) == 0 && colon != std::string::npos)
    text.replace(object.size(), colon - object.size(),
                 "ImageTestForm" + std::to_string(++formsRead));
  ImageTestFormPtr form(&TComponent::Create<TImageTestForm>(Application()));
  form->ReadFormDefinition(text);
  return form;
}

ImageTestFormPtr LoadImageTestForm(const std::string& childObjects) {
  return ReadImageTestForm(
      "object ImageTestForm: TImageTestForm\n"
      "  Left = 100\n"
      "  Top = 100\n"
      "  BorderStyle = bsNone\n"
      "  Caption = 'Image controls'\n"
      "  ClientHeight = 120\n"
      "  ClientWidth = 200\n"
      "  Color = clBtnFace\n" +
      childObjects + "end\n");
}

ImageTestFormPtr ShowImageTestForm(const std::string& childObjects) {
  // Hover effects only when a test asks for them.
  SetCursorPos(5, 740);
  ImageTestFormPtr form = LoadImageTestForm(childObjects);
  form->Show();
  SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  PumpFor(60);
  Application().DoMouseIdle();
  return form;
}

void PumpFor(int milliseconds) {
  const DWORD start = GetTickCount();
  do {
    Application().ProcessMessages();
    Sleep(2);
  } while (static_cast<int>(GetTickCount() - start) < milliseconds);
  Application().ProcessMessages();
}

std::string BinaryValue(const std::vector<uint8_t>& bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string text = "{";
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % 32 == 0) text += "\n      ";
    text += kHex[bytes[i] >> 4];
    text += kHex[bytes[i] & 15];
  }
  return text + "}";
}

std::vector<uint8_t> ResourceBytes(const char* name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (resource == nullptr) return {};
  const auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(module, resource)));
  return std::vector<uint8_t>(data, data + SizeofResource(module, resource));
}
