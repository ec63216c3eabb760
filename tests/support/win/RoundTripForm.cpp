#include "tests/support/win/RoundTripForm.h"

#include <gtest/gtest.h>

#include "framework/core/FormReader.h"
#include "framework/core/TypInfo.h"

const TClassInfo& TRoundTripForm::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TRoundTripForm, TForm>("TRoundTripForm");
  return info;
}

TRoundTripForm::TRoundTripForm(TComponent* owner) : TForm(owner) {
  RegisterMethod("Notify", this, &TRoundTripForm::Notify);
  RegisterMethod("Ask", this, &TRoundTripForm::Ask);
  RegisterMethod("MouseButton", this, &TRoundTripForm::MouseButton);
  RegisterMethod("MouseMove", this, &TRoundTripForm::MouseMove);
  RegisterMethod("Key", this, &TRoundTripForm::Key);
  RegisterMethod("KeyPress", this, &TRoundTripForm::KeyPress);
  RegisterMethod("ContextPopup", this, &TRoundTripForm::ContextPopup);
  RegisterMethod("Wheel", this, &TRoundTripForm::Wheel);
  RegisterMethod("DragDrop", this, &TRoundTripForm::DragDrop);
  RegisterMethod("DragOver", this, &TRoundTripForm::DragOver);
  RegisterMethod("EndDrag", this, &TRoundTripForm::EndDrag);
  RegisterMethod("StartDrag", this, &TRoundTripForm::StartDrag);
  RegisterMethod("StartDock", this, &TRoundTripForm::StartDock);
}

namespace {

// The form's components: its text from the first "object" inside it to its own "end".
std::string Objects(const std::string& text) {
  const size_t begin = text.find("\n  object ");
  if (begin == std::string::npos) return std::string();
  return text.substr(begin + 1, text.size() - (begin + 1) - std::string("end\n").size());
}

}  // namespace

std::string RoundTripObjects(const std::string& objects, const std::string& formClass,
                             const std::function<TForm&()>& make) {
  const std::string text = "object RoundTripForm: " + formClass +
                           "\n"
                           "  Left = 100\n"
                           "  Top = 100\n"
                           "  BorderStyle = bsSingle\n"
                           "  ClientHeight = 177\n"
                           "  ClientWidth = 286\n" +
                           objects + "end\n";
  TForm& form = make();
  std::string written;
  try {
    form.ReadFormDefinition(text);
    written = FormWriter::WriteRoot(form);
  } catch (...) {
    TComponent::Destroy(form);
    throw;
  }
  TComponent::Destroy(form);
  return Objects(written);
}

void ExpectEveryPropertyIn(const TClassInfo& info, const std::string& text,
                           std::initializer_list<const char*> notSet) {
  for (const TPropInfo* property : info.Properties()) {
    const std::string& name = property->Name();
    bool skipped = name == "Name";
    for (const char* other : notSet)
      skipped = skipped || name == other;
    if (skipped) continue;
    const bool found = text.find(" " + name + " = ") != std::string::npos ||
                       text.find(" " + name + ".") != std::string::npos;
    EXPECT_TRUE(found) << info.Name() << "." << name << " is not set in the form data";
  }
}

const char kGlyphData[] =
    "{\n"
    "      4E000000424D4E00000000000000360000002800000004000000020000000100\n"
    "      18000000000018000000000000000000000000000000000000000000FF0000FF\n"
    "      00FF0000FF00FF0000FF000000FFFF00FFFF}";
