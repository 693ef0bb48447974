// stowplan.exe: the payload editor's one window. Both unit variants are the same window; the
// Weight Units menu reloads the files and switches the unit, as opening the other form would.

#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>

#include "payload/core/key_values.h"
#include "payload/core/payload_editor.h"
#include "payload/win32/cabin_view.h"
#include "payload/win32/stowplan_ids.h"

namespace fs = std::filesystem;

namespace xaq::payload::win32 {
namespace {

constexpr const wchar_t* kWindowClass = L"XaqStowplanWindow";
constexpr const wchar_t* kBoxTitle = L"Veltran Payload Editor";
constexpr const wchar_t* kUsage =
    L"stowplan [--aircraft FOLDER] [--settings FILE] [--metric | --imperial]\n\n"
    L"--aircraft: the folder holding aircraft.cfg and orvek-300_notes.txt\n"
    L"    (default: ..\\..\\Aircraft\\Xaq Orvek from the program's folder)\n"
    L"--settings: the settings file (default: stowplan.ini beside the program)\n"
    L"--metric, --imperial: the unit the window opens in (default: imperial)";
constexpr int kClientWidth = 560;
constexpr int kClientHeight = 392;
// The load bars as designed: their left edge stays put and their full width is 100 %.
constexpr int kBarLeft = 290;
constexpr int kBarFullWidth = 250;
constexpr int kBarHeight = 18;
constexpr int kPassengerBarTop = 32;
constexpr int kBaggageBarTop = 240;
constexpr COLORREF kPink = RGB(255, 200, 200);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kPassengerBarColour = RGB(40, 60, 150);
constexpr COLORREF kBaggageBarColour = RGB(30, 120, 60);

struct App {
  HINSTANCE instance = nullptr;
  HWND window = nullptr;
  EditorPaths paths;
  std::optional<PayloadEditor> editor;
  WeightUnit unit = WeightUnit::Pounds;
  ZfwColour zfwColour = ZfwColour::White;
  DiskFileStore disk;
  HBRUSH pinkBrush = CreateSolidBrush(kPink);
  HBRUSH whiteBrush = CreateSolidBrush(kWhite);
  HBRUSH passengerBrush = CreateSolidBrush(kPassengerBarColour);
  HBRUSH baggageBrush = CreateSolidBrush(kBaggageBarColour);
};

std::wstring widen(const std::string& utf8) {
  int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

void complain(HWND owner, const std::string& message) {
  MessageBoxW(owner, widen(message).c_str(), kBoxTitle, MB_OK | MB_ICONERROR);
}

HWND control(const App& app, int id) { return GetDlgItem(app.window, id); }

void setText(const App& app, int id, const std::string& text) { SetWindowTextA(control(app, id), text.c_str()); }

// A child control; a null class makes a label.
HWND addControl(App& app, const wchar_t* cls, const char* text, DWORD style, int id, int x, int y, int w, int h) {
  HWND child = CreateWindowExW(0, cls ? cls : L"STATIC", widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, x, y, w,
                               h, app.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app.instance, nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
}

void createControls(App& app) {
  addControl(app, L"BUTTON", "Passengers", BS_GROUPBOX, kIdFrame1, 10, 8, 540, 204);
  addControl(app, L"SCROLLBAR", "", SBS_HORZ, kIdHScroll2, 20, kPassengerBarTop, 260, kBarHeight);
  addControl(app, nullptr, "Coach Class -", 0, kIdLabel2, 20, 58, 100, 18);
  addControl(app, nullptr, "", 0, kIdAmount2, 125, 58, 60, 18);
  addControl(app, nullptr, "", 0, kIdShape2, kBarLeft, kPassengerBarTop, 0, kBarHeight);
  addControl(app, nullptr, "", 0, kIdTotalPass, kBarLeft, 58, 60, 18);
  addControl(app, nullptr, "Total Passengers", 0, kIdLabel6, 355, 58, 140, 18);
  createCabinView(app.window, app.instance, 18, 82);

  addControl(app, L"BUTTON", "Payload", BS_GROUPBOX, kIdFrame2, 10, 218, 540, 74);
  addControl(app, L"SCROLLBAR", "", SBS_HORZ, kIdHScroll5, 20, kBaggageBarTop, 260, kBarHeight);
  addControl(app, nullptr, "", 0, kIdLabel10, 20, 266, 100, 18);
  addControl(app, nullptr, "", 0, kIdAmount5, 125, 266, 60, 18);
  addControl(app, nullptr, "", 0, kIdShape6, kBarLeft, kBaggageBarTop, 0, kBarHeight);
  addControl(app, nullptr, "", 0, kIdTotalPayload, kBarLeft, 266, 100, 18);
  addControl(app, nullptr, "Total Payload", 0, kIdLabel3, 395, 266, 140, 18);

  addControl(app, nullptr, "", SS_CENTER | SS_SUNKEN, kIdZfw, 20, 306, 100, 20);
  addControl(app, nullptr, "Zero Fuel Weight", 0, kIdZfwCaption, 125, 308, 140, 18);
  addControl(app, nullptr, "", SS_CENTER | SS_SUNKEN, kIdMaxFuel, kBarLeft, 306, 100, 20);
  addControl(app, nullptr, "Max Fuel", 0, kIdLabel9, 395, 308, 140, 18);
  addControl(app, nullptr, "", 0, kIdLabel11, 20, 350, 400, 18);
  for (int id : {kIdHScroll2, kIdHScroll5}) SetScrollRange(control(app, id), SB_CTL, 0, kSliderMax, FALSE);
}

HMENU createMenu() {
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, kCmdFileSave, L"Save");
  AppendMenuW(file, MF_STRING, kCmdFileExit, L"Exit");
  HMENU units = CreatePopupMenu();
  AppendMenuW(units, MF_STRING, kCmdUnitMetric, L"Metric");
  AppendMenuW(units, MF_STRING, kCmdUnitImperial, L"Imperial");
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"File");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(units), L"Weight Units");
  return bar;
}

void resizeBar(const App& app, int id, int top, int percent) {
  MoveWindow(control(app, id), kBarLeft, top, barWidth(kBarFullWidth, percent), kBarHeight, TRUE);
}

// Recalculates and shows every figure, as after any slider change.
void refresh(App& app) {
  const PayloadEditor& editor = *app.editor;
  const PoundWeights w = editor.weights();
  const ShownWeights shown = editor.shown(app.unit);
  const UnitTexts& texts = unitTexts(app.unit);
  const std::string passengers = std::to_string(w.passengers);
  setText(app, kIdAmount2, passengers);
  setText(app, kIdTotalPass, passengers);
  setText(app, kIdAmount5, formatNumber(shown.baggageWeight));
  setText(app, kIdTotalPayload, formatNumber(shown.baggageWeight) + texts.payloadSuffix);
  setText(app, kIdLabel10, texts.baggageCaption);
  setText(app, kIdLabel11, texts.allValuesNote);
  setText(app, kIdZfw, formatNumber(shown.zeroFuelWeight));
  setText(app, kIdMaxFuel, formatNumber(shown.maxFuel));
  resizeBar(app, kIdShape2, kPassengerBarTop, editor.sliders().passengerPercent);
  resizeBar(app, kIdShape6, kBaggageBarTop, editor.sliders().baggagePercent);
  showPassengers(control(app, kIdPicture1), w.passengers);
  app.zfwColour = nextZfwColour(app.zfwColour, w.zeroFuelWeight, editor.settings().maxZfw);
  InvalidateRect(control(app, kIdZfw), nullptr, TRUE);
}

void showUnit(App& app) {
  HMENU menu = GetMenu(app.window);
  CheckMenuItem(menu, kCmdUnitMetric, app.unit == WeightUnit::Kilograms ? MF_CHECKED : MF_UNCHECKED);
  CheckMenuItem(menu, kCmdUnitImperial, app.unit == WeightUnit::Pounds ? MF_CHECKED : MF_UNCHECKED);
}

// Reads both files afresh and shows them in `unit`. On failure says why and, when an editor
// was already loaded, keeps it.
bool loadFiles(App& app, WeightUnit unit) {
  std::string error;
  auto editor = PayloadEditor::load(app.paths, app.disk, error);
  if (!editor) {
    complain(app.window, error);
    return false;
  }
  app.editor = std::move(editor);
  app.unit = unit;
  SetWindowTextA(app.window, app.editor->caption().c_str());
  SetScrollPos(control(app, kIdHScroll2), SB_CTL, app.editor->sliders().passengerPercent, TRUE);
  SetScrollPos(control(app, kIdHScroll5), SB_CTL, app.editor->sliders().baggagePercent, TRUE);
  showUnit(app);
  refresh(app);
  return true;
}

// Every scroll code moves the slider the same way; a change and a scroll are handled alike.
void onScroll(App& app, HWND bar, int code, int thumb) {
  int percent = GetScrollPos(bar, SB_CTL);
  switch (code) {
    case SB_LINELEFT: percent -= 1; break;
    case SB_LINERIGHT: percent += 1; break;
    case SB_PAGELEFT: percent -= 10; break;
    case SB_PAGERIGHT: percent += 10; break;
    case SB_LEFT: percent = 0; break;
    case SB_RIGHT: percent = kSliderMax; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: percent = thumb; break;
    default: return;
  }
  percent = clampPercent(percent);
  SetScrollPos(bar, SB_CTL, percent, TRUE);
  if (bar == control(app, kIdHScroll2)) app.editor->setPassengerPercent(percent);
  else if (bar == control(app, kIdHScroll5)) app.editor->setBaggagePercent(percent);
  else return;
  refresh(app);
}

void onCommand(App& app, int id) {
  switch (id) {
    case kCmdFileSave: {
      std::string error;
      if (app.editor->save(app.unit, app.disk, error)) {
        MessageBoxW(app.window, widen(kSavedMessage).c_str(), kBoxTitle, MB_OK);
      } else {
        complain(app.window, error);
      }
      break;
    }
    case kCmdFileExit: DestroyWindow(app.window); break;
    case kCmdUnitMetric:
      if (app.unit != WeightUnit::Kilograms) loadFiles(app, WeightUnit::Kilograms);
      break;
    case kCmdUnitImperial:
      if (app.unit != WeightUnit::Pounds) loadFiles(app, WeightUnit::Pounds);
      break;
    default: break;
  }
}

HBRUSH staticBrush(App& app, HDC dc, int id) {
  if (id == kIdShape2) return app.passengerBrush;
  if (id == kIdShape6) return app.baggageBrush;
  if (id != kIdZfw) return nullptr;
  bool pink = app.zfwColour == ZfwColour::Pink;
  SetBkColor(dc, pink ? kPink : kWhite);
  return pink ? app.pinkBrush : app.whiteBrush;
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* app = reinterpret_cast<App*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE:
      app = static_cast<App*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      app->window = window;
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(app));
      break;
    case WM_HSCROLL:
      if (app && app->editor && lParam)
        onScroll(*app, reinterpret_cast<HWND>(lParam), LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
      return 0;
    case WM_COMMAND:
      if (app && app->editor && lParam == 0) onCommand(*app, LOWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
      if (app) {
        if (HBRUSH brush = staticBrush(*app, reinterpret_cast<HDC>(wParam),
                                       GetDlgCtrlID(reinterpret_cast<HWND>(lParam))))
          return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

fs::path programFolder() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length;
  while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size())
    path.resize(path.size() * 2);
  path.resize(length);
  return fs::path(path).parent_path();
}

// Fills the paths and the first unit from the command line; false after showing the usage.
bool readCommandLine(App& app) {
  app.paths = defaultPaths(programFolder());
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  bool ok = args != nullptr;
  for (int i = 1; ok && i < count; ++i) {
    std::wstring arg = args[i];
    if ((arg == L"--aircraft" || arg == L"--settings") && i + 1 < count) {
      (arg == L"--aircraft" ? app.paths.aircraftFolder : app.paths.settingsFile) = fs::path(args[++i]);
    } else if (arg == L"--metric" || arg == L"--imperial") {
      app.unit = arg == L"--metric" ? WeightUnit::Kilograms : WeightUnit::Pounds;
    } else {
      ok = false;
    }
  }
  LocalFree(args);
  if (!ok) MessageBoxW(nullptr, kUsage, kBoxTitle, MB_OK | MB_ICONINFORMATION);
  return ok;
}

int run(HINSTANCE instance, int show) {
  App app;
  app.instance = instance;
  if (!readCommandLine(app)) return 2;

  WNDCLASSW cls{};
  cls.lpfnWndProc = windowProc;
  cls.hInstance = instance;
  cls.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = kWindowClass;
  RegisterClassW(&cls);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRect(&frame, style, TRUE);
  HWND window = CreateWindowExW(0, kWindowClass, L"", style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                frame.bottom - frame.top, nullptr, createMenu(), instance, &app);
  if (!window) return 1;
  createControls(app);
  if (!loadFiles(app, app.unit)) {
    DestroyWindow(window);
    return 1;
  }
  ShowWindow(window, show);
  UpdateWindow(window);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  for (HBRUSH brush : {app.pinkBrush, app.whiteBrush, app.passengerBrush, app.baggageBrush}) DeleteObject(brush);
  return static_cast<int>(msg.wParam);
}

}  // namespace
}  // namespace xaq::payload::win32

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) { return xaq::payload::win32::run(instance, show); }
