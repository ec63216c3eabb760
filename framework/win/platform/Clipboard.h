// The clipboard: opened for a scope, raw handles by format, text, and graphics through their
// clipboard forms and the registered clipboard formats.
#pragma once

#include <windows.h>

#include <string>

#include "framework/core/SysUtils.h"
#include "framework/win/platform/GlobalMemory.h"

class TGraphic;
class TPicture;

class EClipboardError : public Exception {
  using Exception::Exception;
};

class TClipboard {
 public:
  // owner: the window that owns what this clipboard puts there; nullptr gives the clipboard a
  // hidden window of its own.
  explicit TClipboard(HWND owner = nullptr);
  ~TClipboard();
  TClipboard(const TClipboard&) = delete;
  TClipboard& operator=(const TClipboard&) = delete;

  // Opens are counted; only the first really opens. Fails with EClipboardError
  // "Cannot open clipboard".
  void Open();
  void Close();
  bool IsOpen() const { return openCount_ > 0; }

  // Open() for a scope.
  class Session {
   public:
    explicit Session(TClipboard& clipboard) : clipboard_(clipboard) { clipboard_.Open(); }
    ~Session() { clipboard_.Close(); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

   private:
    TClipboard& clipboard_;
  };

  bool HasFormat(UINT format) const;
  // The clipboard's handle for the format (owned by the clipboard), nullptr when absent.
  HANDLE GetAsHandle(UINT format);
  // Hands data over; the clipboard owns it from then on. On failure (EClipboardError
  // "Cannot put data on the clipboard") the caller still owns data.
  void SetAsHandle(UINT format, HANDLE data);
  // The same for a global memory block, which is freed when the clipboard refuses it.
  void SetAsHandle(UINT format, GlobalMemory data);
  // Empties the clipboard and makes this clipboard's window its owner.
  void Clear();

  // CF_TEXT; empty when there is none.
  std::string AsText();
  void SetAsText(const std::string& text);

  // Empties the clipboard and puts the graphic there through its clipboard form (a graphic may
  // put further formats itself while the clipboard is open). Nothing for an empty picture.
  void Assign(TGraphic& graphic);
  void Assign(const TPicture& picture);
  // Loads the picture from the most recently registered clipboard format that the clipboard
  // holds (with CF_PALETTE when present); false, picture unchanged, when none is there.
  bool LoadPicture(TPicture& picture);

  // RegisterClipboardFormatA; 0 on failure.
  static UINT RegisterFormat(const std::string& name);

 private:
  void Put(UINT format, HANDLE data);

  HWND window_;
  HWND ownWindow_ = nullptr;
  int openCount_ = 0;
};
