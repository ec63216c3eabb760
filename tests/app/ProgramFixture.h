// The real DorvAutoDialer.exe started in this Wine session and driven from outside through window
// messages and real input, with the prefix's registry prepared first and cleaned up afterwards.
// Programs that need scripted Internet answers run from a copy beside the wininet.dll double.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/app/ProgramProcess.h"
#include "tests/app/ProgramRegistry.h"

inline const wchar_t kMainCaption[] = L"Dorv Internet Auto-Dialer v0.1";
inline const wchar_t kTitle[] = L"Dorv Internet Auto-Dialer";

// A message box the program showed, as read before it was answered.
struct TProgramDialog {
  std::wstring caption;
  std::vector<std::wstring> texts;
  HWND owner = nullptr;
};

// Makes Wine load that program's own copies of DLLs (the ones beside it) before its built-in
// ones, through the prefix's per-program overrides, until destroyed.
class TNativeDllScope {
 public:
  TNativeDllScope(const std::string& program, const std::vector<std::string>& dlls);
  ~TNativeDllScope();
  TNativeDllScope(const TNativeDllScope&) = delete;
  TNativeDllScope& operator=(const TNativeDllScope&) = delete;

 private:
  std::string programKey_;
};

class ProgramTest : public testing::Test {
 protected:
  ~ProgramTest() override;

  // Starts the program from the build, with wininet of the system.
  void Start();
  // Starts a copy of the program beside the wininet.dll and rasapi32.dll doubles: wininet
  // answering from script, the remote access registration with rasAnswer (0 accepts it).
  void StartWithDouble(const std::string& script, DWORD rasAnswer = 0);
  // Starts a copy of the program from a new folder of that name (any characters).
  void StartFromFolder(const std::wstring& folder);
  // Replaces the wininet double's script; its answer lists start again.
  void Script(const std::string& script) const;
  // The wininet double's call log so far, one line per call.
  std::vector<std::string> WininetLog() const;
  // The rasapi32 double's call log so far.
  std::vector<std::string> RasLog() const;
  // Signals the program's registered event as the remote access service does when a link drops.
  void SignalLinkDrop() const;

  // The main window once it is shown with its full caption; fails the test when it is not.
  HWND MainWindow();
  // Waits for a message box of the program with that caption, reads it, then presses its OK.
  TProgramDialog AnswerDialog(const std::wstring& caption, int timeoutMs = 10000);
  // True when the program shows a message box now.
  bool ShowsDialog() const;

  // Opens the tray icon's menu as a right click on the icon does, and returns the menu window.
  HWND OpenTrayMenu();
  // Opens the tray menu and chooses the item that many steps down ("&Show.." is 1).
  void ChooseTrayItem(int steps);
  // Sends the tray icon's callback message with the mouse action.
  void TrayCallback(UINT mouseMessage) const;

  // A real click of the left mouse button at a point of the main window's client area.
  void ClickAt(int x, int y);
  // The 16x16 state image as shown (moving the mouse off it first), and as image index would
  // show it on the square's normal colour.
  std::vector<COLORREF> ShownStateImage();
  std::vector<COLORREF> StateImage(int index) const;
  // Waits up to 3 s for the square to show image index.
  bool ShowsStateImage(int index);

  // Ends the program as the user does, by closing its window.
  void Close();

  TProgramRegistry registry;
  std::unique_ptr<TProgramProcess> program;
  HWND window = nullptr;

 private:
  void Launch(const std::wstring& exePath);
  std::string ScratchFile(const char* name) const;

  std::unique_ptr<TEnvironmentScope> environment_;
  std::unique_ptr<TNativeDllScope> nativeDlls_;
  // The auto-reset event the rasapi32 double passes on to the program's.
  std::unique_ptr<void, decltype(&CloseHandle)> linkDropSignal_{nullptr, &CloseHandle};
};
