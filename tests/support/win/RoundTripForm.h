// Form-data round trips of controls: a form with a handler of every event signature the
// framework's controls publish, and the checks the round-trip tests share.
#pragma once

#include <functional>
#include <string>

#include "framework/win/forms/Application.h"
#include "framework/win/forms/Forms.h"

class TRoundTripForm : public TForm {
  DV_CLASS(TRoundTripForm)
 public:
  explicit TRoundTripForm(TComponent* owner);

  void Notify(TObject*) {}
  // Events that ask a yes or no of their handler (OnChanging, OnQueryEndSession).
  void Ask(TObject*, bool&) {}
  void MouseButton(TObject*, TMouseButton, TShiftState, int, int) {}
  void MouseMove(TObject*, TShiftState, int, int) {}
  void Key(TObject*, WORD&, TShiftState) {}
  void KeyPress(TObject*, char&) {}
  void ContextPopup(TObject*, TPoint, bool&) {}
  void Wheel(TObject*, TShiftState, TPoint, bool&) {}
  void DragDrop(TObject*, TObject*, int, int) {}
  void DragOver(TObject*, TObject*, int, int, TDragState, bool&) {}
  void EndDrag(TObject*, TObject*, int, int) {}
  void StartDrag(TObject*, TDragObject*&) {}
  void StartDock(TObject*, TDragDockObject*&) {}
};

// Reads objects (the components of a form, as form-data text) into a new form of class formClass
// made by make, a 286 x 177 client area at (100, 100), and gives back what the writer writes for
// its components.
std::string RoundTripObjects(const std::string& objects, const std::string& formClass,
                             const std::function<TForm&()>& make);
template <class Form = TRoundTripForm>
std::string RoundTripObjects(const std::string& objects) {
  return RoundTripObjects(objects, Form::StaticClassInfo().Name(),
                          []() -> TForm& { return TComponent::Create<Form>(Application()); });
}

// Fails the current test for each published property of info that text does not set (as
// "Name = " or "Name."), but for Name and those listed.
void ExpectEveryPropertyIn(const TClassInfo& info, const std::string& text,
                           std::initializer_list<const char*> notSet = {});

// A 4 x 2 bitmap as the binary value of a glyph's Data: a 32-bit byte count, then a 24-bit bitmap
// file.
extern const char kGlyphData[];
