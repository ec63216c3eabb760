#include "tests/app/ProgramFixture.h"

#include <cstdio>

#include "tests/app/ScreenPixels.h"

namespace {

constexpr UINT kTrayCallbackMessage = 9250;
constexpr int kStateImageLeft = 50;
constexpr int kStateImageTop = 60;

void WriteText(const std::string& path, const std::string& text) {
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(nullptr, file) << path;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

std::vector<std::string> ReadLines(const std::string& path) {
  const std::string text = ReadText(path);
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

}  // namespace

ProgramTest::~ProgramTest() {
  // The program goes before the registry is cleaned up and the environment restored.
  program.reset();
}

TNativeDllScope::TNativeDllScope(const std::string& program, const std::vector<std::string>& dlls)
    : programKey_("Software\\Wine\\AppDefaults\\" + program) {
  HKEY key = nullptr;
  const std::string path = programKey_ + "\\DllOverrides";
  const char order[] = "native,builtin";
  EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                           KEY_SET_VALUE, nullptr, &key, nullptr));
  if (key == nullptr) return;
  for (const std::string& dll : dlls)
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key, dll.c_str(), 0, REG_SZ,
                                            reinterpret_cast<const BYTE*>(order), sizeof order));
  RegCloseKey(key);
}

TNativeDllScope::~TNativeDllScope() {
  RegDeleteTreeA(HKEY_CURRENT_USER, programKey_.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, programKey_.c_str());
}

std::string ProgramTest::ScratchFile(const char* name) const {
  return std::string(DV_APP_SCRATCH_DIR) + "\\" + name;
}

void ProgramTest::Launch(const std::wstring& exePath) {
  program = std::make_unique<TProgramProcess>(exePath);
}

void ProgramTest::Start() {
  Launch(L"" DV_PROGRAM_PATH);
}

void ProgramTest::StartWithDouble(const std::string& script, DWORD rasAnswer) {
  CreateDirectoryA(DV_APP_SCRATCH_DIR, nullptr);
  const std::string exe = ScratchFile("DorvAutoDialer.exe");
  ASSERT_TRUE(CopyFileA(DV_PROGRAM_PATH, exe.c_str(), FALSE)) << GetLastError();
  ASSERT_TRUE(CopyFileA(DV_WININET_DOUBLE_PATH, ScratchFile("wininet.dll").c_str(), FALSE))
      << GetLastError();
  ASSERT_TRUE(CopyFileA(DV_RASAPI32_DOUBLE_PATH, ScratchFile("rasapi32.dll").c_str(), FALSE))
      << GetLastError();
  Script(script);
  std::remove(ScratchFile("wininet-calls.log").c_str());
  std::remove(ScratchFile("rasapi32-calls.log").c_str());
  const std::string signal = "DvLinkDropSignal-" + std::to_string(GetCurrentProcessId());
  linkDropSignal_.reset(CreateEventA(nullptr, FALSE, FALSE, signal.c_str()));
  environment_ = std::make_unique<TEnvironmentScope>();
  environment_->Set("DV_WININET_SCRIPT", ScratchFile("wininet-script.txt"));
  environment_->Set("DV_WININET_LOG", ScratchFile("wininet-calls.log"));
  environment_->Set("DV_RASAPI32_RESULT", std::to_string(rasAnswer));
  environment_->Set("DV_RASAPI32_LOG", ScratchFile("rasapi32-calls.log"));
  environment_->Set("DV_RASAPI32_SIGNAL", signal);
  // Wine prefers its built-in DLLs unless told to load the ones beside the program. A child
  // does not see WINEDLLOVERRIDES set here (Wine reads the variable from the environment the
  // session started with), so the prefix's per-program override says it instead.
  nativeDlls_ = std::make_unique<TNativeDllScope>("DorvAutoDialer.exe",
                                                  std::vector<std::string>{"wininet", "rasapi32"});
  std::wstring wideExe(exe.begin(), exe.end());  // the scratch folder's path is ASCII
  Launch(wideExe);
}

void ProgramTest::StartFromFolder(const std::wstring& folder) {
  CreateDirectoryA(DV_APP_SCRATCH_DIR, nullptr);
  const std::wstring path = L"" DV_APP_SCRATCH_DIR L"\\" + folder;
  CreateDirectoryW(path.c_str(), nullptr);
  const std::wstring exe = path + L"\\DorvAutoDialer.exe";
  ASSERT_TRUE(CopyFileW(L"" DV_PROGRAM_PATH, exe.c_str(), FALSE)) << GetLastError();
  Launch(exe);
}

void ProgramTest::SignalLinkDrop() const {
  ASSERT_NE(nullptr, linkDropSignal_.get()) << "started without the doubles";
  SetEvent(linkDropSignal_.get());
}

void ProgramTest::Script(const std::string& script) const {
  WriteText(ScratchFile("wininet-script.txt"), script);
}

std::vector<std::string> ProgramTest::WininetLog() const {
  return ReadLines(ScratchFile("wininet-calls.log"));
}

std::vector<std::string> ProgramTest::RasLog() const {
  return ReadLines(ScratchFile("rasapi32-calls.log"));
}

HWND ProgramTest::MainWindow() {
  if (window == nullptr && program) window = program->WaitForWindow("TMainFrm", kMainCaption);
  EXPECT_NE(nullptr, window) << "the main window did not show";
  return window;
}

TProgramDialog ProgramTest::AnswerDialog(const std::wstring& caption, int timeoutMs) {
  TProgramDialog dialog;
  const HWND box = program->WaitForWindow("#32770", caption.c_str(), timeoutMs);
  EXPECT_NE(nullptr, box) << "no message box came";
  if (box == nullptr) return dialog;
  dialog.caption = WindowTextW(box);
  dialog.owner = GetWindow(box, GW_OWNER);
  for (HWND text : ChildWindows(box, "Static")) {
    const std::wstring line = WindowTextW(text);
    if (!line.empty()) dialog.texts.push_back(line);
  }
  for (HWND button : ChildWindows(box, "Button"))
    if (GetDlgCtrlID(button) == IDOK) PostMessageA(button, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000)) << "the message box stayed";
  return dialog;
}

bool ProgramTest::ShowsDialog() const {
  for (HWND box : program->Windows("#32770"))
    if (IsWindowVisible(box)) return true;
  return false;
}

void ProgramTest::TrayCallback(UINT mouseMessage) const {
  // The icon's own hidden window is one of the program's utility windows; only it answers.
  for (HWND utility : program->Windows("TDvUtilityWindow"))
    PostMessageA(utility, kTrayCallbackMessage, 0, mouseMessage);
}

HWND ProgramTest::OpenTrayMenu() {
  TrayCallback(WM_RBUTTONDOWN);
  TrayCallback(WM_RBUTTONUP);
  const HWND menu = program->WaitForWindow("#32768", nullptr, 5000);
  EXPECT_NE(nullptr, menu) << "the tray menu did not open";
  return menu;
}

void ProgramTest::ChooseTrayItem(int steps) {
  const HWND menu = OpenTrayMenu();
  if (menu == nullptr) return;
  for (int i = 0; i < steps; ++i) {
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYUP, VK_DOWN, 0xC0000000);
  }
  PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  PostMessageA(menu, WM_KEYUP, VK_RETURN, 0xC0000000);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }, 5000)) << "the menu stayed";
}

void ProgramTest::ClickAt(int x, int y) {
  POINT point{x, y};
  ClientToScreen(MainWindow(), &point);
  // A click that comes before the window is on the screen and in front goes elsewhere.
  EXPECT_TRUE(program->WaitForIdle(3000));
  EXPECT_TRUE(WaitUntil(
      [&] {
        SetForegroundWindow(MainWindow());
        return GetForegroundWindow() == MainWindow() &&
               GetAncestor(WindowFromPoint(point), GA_ROOT) == MainWindow();
      },
      3000))
      << "the window is not in front at the point clicked";
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT inputs[3]{};
  inputs[0].type = inputs[1].type = inputs[2].type = INPUT_MOUSE;
  inputs[0].mi.dx = (point.x * 65535 + width / 2) / (width - 1);
  inputs[0].mi.dy = (point.y * 65535 + height / 2) / (height - 1);
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(3, inputs, sizeof(INPUT));
  Sleep(100);
}

std::vector<COLORREF> ProgramTest::ShownStateImage() {
  POINT origin{kStateImageLeft, kStateImageTop};
  ClientToScreen(MainWindow(), &origin);
  const RECT square{origin.x, origin.y, origin.x + 16, origin.y + 16};
  // The square takes its hover colour under the mouse; read it in its normal colour.
  POINT cursor{};
  if (GetCursorPos(&cursor) && PtInRect(&square, cursor)) SetCursorPos(0, 0);
  return ScreenBlock(square);
}

std::vector<COLORREF> ProgramTest::StateImage(int index) const {
  return StateImageOn(DV_STATEIMAGES_FILE, index, GetSysColor(COLOR_WINDOW));
}

bool ProgramTest::ShowsStateImage(int index) {
  const std::vector<COLORREF> expected = StateImage(index);
  return WaitUntil([&] { return ShownStateImage() == expected; }, 3000);
}

void ProgramTest::Close() {
  ASSERT_TRUE(program->CloseAndWait(MainWindow())) << "the program did not end";
}
