// The edit box: the platform's single-line EDIT control with text, selection, the key, paste and
// cut hooks, colours and change notification.
#pragma once

#include <string>

#include "framework/win/controls/WinControl.h"

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
const std::vector<std::string>& EditCharCaseNames();

class TCustomEdit : public TWinControl {
  DV_CLASS(TCustomEdit)
 public:
  explicit TCustomEdit(TComponent* owner);
  ~TCustomEdit() override;

  int SelStart() const;
  void SetSelStart(int start);
  int SelLength() const;
  void SetSelLength(int length);
  std::string SelText() const;
  // Replaces the selection (a change of the text raises OnChange).
  void SetSelText(const std::string& text);
  void SelectAll();
  void Clear() { SetText(""); }
  bool Modified() const;
  void SetModified(bool value);
  // EM_SETMARGINS: flags EC_LEFTMARGIN and/or EC_RIGHTMARGIN; nothing while no window exists.
  void SetMargins(WORD flags, int left, int right);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value) { autoSize_ = value; }
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase value);
  char PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  bool OEMConvert() const { return oemConvert_; }
  void SetOEMConvert(bool value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  // Left, right or centred text (left and right swap with bdRightToLeft); a change recreates the
  // window.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

  void WndProc(TMessage& message) override;

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  // The text alignment flips with a right-to-left BiDiMode.
  bool BiDiStylesChanged() override;
  bool UsesInputMethod() const override { return true; }
  void DoEnter() override;
  // Raised on every real change of the text.
  virtual void Change() { OnChange(this); }
  // Paste and cut requests; an override that does not call these vetoes them.
  virtual void WMPaste(TMessage& message) { DefaultHandler(message); }
  virtual void WMCut(TMessage& message) { DefaultHandler(message); }

 private:
  bool readOnly_ = false;
  bool autoSelect_ = true;
  bool autoSize_ = true;
  int maxLength_ = 0;
  TEditCharCase charCase_ = ecNormal;
  char passwordChar_ = 0;
  bool hideSelection_ = true;
  bool oemConvert_ = false;
  TBorderStyle borderStyle_ = bsSingle;
  TAlignment alignment_ = taLeftJustify;
};

class TEdit : public TCustomEdit {
  DV_CLASS(TEdit)
 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};
