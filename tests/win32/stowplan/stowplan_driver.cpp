// Drives a running stowplan.exe from outside, as a user would through its window: finds it by
// caption, moves the sliders with WM_HSCROLL, picks menu commands by their documented ids,
// answers message boxes, reads the labels back and captures the window's pixels.
//
//   stowplan_driver edit CAPTION SHOT_FOLDER   the editing session below; exit 0 when it all held
//   stowplan_driver expect-error TEXT          a start-up error box mentioning TEXT, dismissed

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "payload/win32/stowplan_ids.h"

using namespace xaq::payload::win32;

namespace {

constexpr const char* kBoxTitle = "Veltran Payload Editor";
int failures = 0;

void check(bool ok, const std::string& what) {
  std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
  if (!ok) ++failures;
}

template <typename Probe>
auto waitFor(Probe probe, int timeoutMs = 20000) {
  for (int waited = 0;; waited += 100) {
    auto found = probe();
    if (found || waited >= timeoutMs) return found;
    Sleep(100);
  }
}

std::string textOf(HWND window) {
  char buffer[512] = {};
  SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

struct Editor {
  HWND main;
  std::string label(int id) const { return textOf(GetDlgItem(main, id)); }
  void expectLabel(int id, const std::string& want, const char* name) const {
    std::string got = label(id);
    check(got == want, std::string(name) + " shows \"" + want + "\" (got \"" + got + "\")");
  }
  void scroll(int scrollId, int code, int position = 0) const {
    SendMessageA(main, WM_HSCROLL, MAKEWPARAM(code, position),
                 reinterpret_cast<LPARAM>(GetDlgItem(main, scrollId)));
  }
  int visibleSeats() const {
    HWND cabin = GetDlgItem(main, kIdPicture1);
    int visible = 0, lastVisible = 0;
    for (int seat = 1; seat <= 50; ++seat)
      if (IsWindowVisible(GetDlgItem(cabin, kIdPaxFirst + seat - 1))) ++visible, lastVisible = seat;
    return visible == lastVisible ? visible : -1;  // -1: not the first n seats
  }
  int barWidth(int id) const {
    RECT r;
    GetWindowRect(GetDlgItem(main, id), &r);
    return r.right - r.left;
  }
};

struct BoxSearch {
  HWND owner;
  HWND found;
};

BOOL CALLBACK matchBox(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<BoxSearch*>(param);
  char cls[32] = {};
  GetClassNameA(window, cls, sizeof cls);
  if (std::string(cls) != "#32770" || !IsWindowVisible(window) || textOf(window) != kBoxTitle) return TRUE;
  if (search->owner && GetWindow(window, GW_OWNER) != search->owner) return TRUE;
  search->found = window;
  return FALSE;
}

// Top-level dialog box owned by `owner` (any, when null) with the editor's box title.
HWND findBox(HWND owner) {
  BoxSearch search{owner, nullptr};
  EnumWindows(matchBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string boxMessage(HWND box) {
  std::string all;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (std::string(cls) == "Static") all += textOf(child);
  }
  return all;
}

bool answerBox(HWND owner, const std::string& wantText) {
  HWND box = waitFor([&] { return findBox(owner); });
  if (!box) {
    check(false, "a message box appeared");
    return false;
  }
  std::string message = boxMessage(box);
  check(message.find(wantText) != std::string::npos, "the box says \"" + wantText + "\" (got \"" + message + "\")");
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  return waitFor([&] { return !IsWindow(box); }, 5000);
}

// The window's pixels as they are on screen, after it has had time to repaint.
struct Shot {
  int width = 0, height = 0;
  std::vector<DWORD> pixels;  // top-down, 0x00RRGGBB
  RECT place{};
  COLORREF at(int x, int y) const {
    DWORD p = pixels[static_cast<size_t>((y - place.top) * width + (x - place.left))];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
};

Shot capture(HWND window) {
  Sleep(400);
  Shot shot;
  GetWindowRect(window, &shot.place);
  shot.width = shot.place.right - shot.place.left;
  shot.height = shot.place.bottom - shot.place.top;
  shot.pixels.resize(static_cast<size_t>(shot.width * shot.height));
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), shot.width, -shot.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, shot.width, shot.height, screen, shot.place.left, shot.place.top, SRCCOPY);
  GdiFlush();
  std::memcpy(shot.pixels.data(), bits, shot.pixels.size() * 4);
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return shot;
}

void saveBmp(const Shot& shot, const std::string& file) {
  BITMAPINFOHEADER info{sizeof info, shot.width, -shot.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  DWORD imageBytes = static_cast<DWORD>(shot.pixels.size() * 4);
  BITMAPFILEHEADER head{0x4D42, static_cast<DWORD>(sizeof head + sizeof info + imageBytes), 0, 0,
                        static_cast<DWORD>(sizeof head + sizeof info)};
  // GDI leaves the fourth byte 0, which image tools read as fully transparent.
  std::vector<DWORD> opaque = shot.pixels;
  for (DWORD& pixel : opaque) pixel |= 0xFF000000u;
  if (FILE* out = std::fopen(file.c_str(), "wb")) {
    std::fwrite(&head, sizeof head, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(opaque.data(), 4, opaque.size(), out);
    std::fclose(out);
  }
  check(GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES, "screenshot written to " + file);
}

// Background of the zero-fuel-weight label, just inside its sunken edge.
COLORREF zfwBackground(const Editor& editor) {
  RECT r;
  GetWindowRect(GetDlgItem(editor.main, kIdZfw), &r);
  return capture(editor.main).at(r.left + 3, r.top + 3);
}

int editSession(const std::string& caption, const std::string& shotFolder) {
  HWND main = waitFor([&] { return FindWindowA(nullptr, caption.c_str()); });
  check(main != nullptr, "window \"" + caption + "\" found");
  if (!main) return 1;
  Editor e{main};
  waitFor([&] { return IsWindowVisible(main); });

  // As loaded: 3990 lbs of passengers are 21 of 43 seats, 1000 lbs of baggage half the hold.
  e.expectLabel(kIdAmount2, "21", "amount2");
  e.expectLabel(kIdTotalPass, "21", "total_pass");
  e.expectLabel(kIdAmount5, "1000", "amount5");
  e.expectLabel(kIdTotalPayload, "1000 lbs", "total_payload");
  e.expectLabel(kIdZfw, "29990", "zfw");
  e.expectLabel(kIdMaxFuel, "5700", "maxfuel");
  e.expectLabel(kIdLabel11, "All values shown in pounds (lbs)", "Label11");
  check(e.visibleSeats() == 21, "seats 1 to 21 shown");
  check(zfwBackground(e) == RGB(255, 255, 255), "zfw white below max_zfw");

  // Full cabin: above max_zfw, the label turns pink.
  e.scroll(kIdHScroll2, SB_RIGHT);
  e.expectLabel(kIdAmount2, "43", "amount2 at 100 %");
  check(e.visibleSeats() == 43, "seats 1 to 43 shown");
  check(e.barWidth(kIdShape2) == 250, "passenger bar full");
  check(zfwBackground(e) == RGB(255, 200, 200), "zfw pink above max_zfw");
  saveBmp(capture(main), shotFolder + "\\stowplan-full-cabin.bmp");

  // 30 passengers and 800 lbs make exactly max_zfw: the colour stays; one seat fewer is white.
  e.scroll(kIdHScroll5, SB_THUMBPOSITION, 40);
  e.scroll(kIdHScroll2, SB_THUMBTRACK, 70);
  e.expectLabel(kIdZfw, "31500", "zfw at the limit");
  check(zfwBackground(e) == RGB(255, 200, 200), "zfw keeps pink when equal");
  e.scroll(kIdHScroll2, SB_LINELEFT);
  e.expectLabel(kIdAmount2, "29", "amount2 one line left");
  check(zfwBackground(e) == RGB(255, 255, 255), "zfw white again below");

  // The load to save: 9 passengers (1710 lbs) and 580 lbs of baggage.
  e.scroll(kIdHScroll2, SB_THUMBPOSITION, 21);
  e.scroll(kIdHScroll5, SB_THUMBPOSITION, 28);
  e.scroll(kIdHScroll5, SB_LINERIGHT);
  e.expectLabel(kIdAmount2, "9", "amount2");
  e.expectLabel(kIdAmount5, "580", "amount5");
  check(e.visibleSeats() == 9, "seats 1 to 9 shown");
  check(e.barWidth(kIdShape2) == 52 && e.barWidth(kIdShape6) == 72, "bars at 21 % and 29 %");
  PostMessageA(main, WM_COMMAND, kCmdFileSave, 0);
  answerBox(main, "Aircraft.cfg Saved");

  // Metric reloads what was saved and shows kilograms; saving again rewrites the notes in Kgs.
  SendMessageA(main, WM_COMMAND, kCmdUnitMetric, 0);
  e.expectLabel(kIdAmount2, "9", "amount2 after reload");
  e.expectLabel(kIdTotalPayload, "263 Kg", "total_payload in Kg");
  e.expectLabel(kIdLabel10, "Bagage (Kg) -", "Label10");
  e.expectLabel(kIdZfw, "12389", "zfw in Kg");
  e.expectLabel(kIdMaxFuel, "2587", "maxfuel in Kg");
  e.expectLabel(kIdLabel11, "All values shown in Kilos (Kg)", "Label11");
  saveBmp(capture(main), shotFolder + "\\stowplan-metric.bmp");
  PostMessageA(main, WM_COMMAND, kCmdFileSave, 0);
  answerBox(main, "Aircraft.cfg Saved");

  PostMessageA(main, WM_COMMAND, kCmdFileExit, 0);
  check(waitFor([&] { return !IsWindow(main); }, 5000), "File > Exit closes the window");
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "edit" && argc == 4) return editSession(argv[2], argv[3]);
  if (mode == "expect-error" && argc == 3) {
    answerBox(nullptr, argv[2]);
    return failures == 0 ? 0 : 1;
  }
  std::fprintf(stderr, "usage: stowplan_driver edit CAPTION SHOT_FOLDER | expect-error TEXT\n");
  return 2;
}
