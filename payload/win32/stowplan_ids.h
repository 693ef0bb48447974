#pragma once
// The payload editor window's control and command ids. They are part of the program's interface:
// scripts and tests drive the window with them, because menus cannot be opened from another
// process under Wine.
//
// WM_COMMAND (wParam = id, lParam = 0) to the main window:
//   kCmdFileSave      File > Save: writes aircraft.cfg and the notes file, then shows the
//                     "Aircraft.cfg Saved" box (or a box naming the file that failed).
//   kCmdFileExit      File > Exit: closes the window and ends the program (exit code 0).
//   kCmdUnitMetric    Weight Units > Metric: reloads both files and shows kilograms.
//   kCmdUnitImperial  Weight Units > Imperial: reloads both files and shows pounds.
// WM_HSCROLL to the main window with lParam = the scroll bar's window (GetDlgItem(kIdHScroll2)
// or kIdHScroll5) and any SB_ code; SB_THUMBPOSITION / SB_THUMBTRACK carry the new percent in
// the high word of wParam.
// Every label is a STATIC control whose text WM_GETTEXT returns; seat image n (1 ... 50) is the
// child kIdPaxFirst + n - 1 of the floor plan kIdPicture1, visible while n is a passenger.

namespace xaq::payload::win32 {

enum CommandId : int {
  kCmdFileSave = 40001,
  kCmdFileExit = 40002,
  kCmdUnitMetric = 40011,
  kCmdUnitImperial = 40012,
};

enum ControlId : int {
  kIdFrame1 = 100,
  kIdHScroll2 = 101,
  kIdAmount2 = 102,
  kIdLabel2 = 103,
  kIdTotalPass = 104,
  kIdLabel6 = 105,
  kIdPicture1 = 106,
  kIdShape2 = 107,
  kIdFrame2 = 200,
  kIdHScroll5 = 201,
  kIdAmount5 = 202,
  kIdLabel10 = 203,
  kIdTotalPayload = 204,
  kIdLabel3 = 205,
  kIdShape6 = 206,
  kIdZfw = 300,
  kIdZfwCaption = 301,
  kIdMaxFuel = 302,
  kIdLabel9 = 303,
  kIdLabel11 = 304,
  kIdPaxFirst = 1001,  // ... kIdPaxFirst + 49
};

}  // namespace xaq::payload::win32
