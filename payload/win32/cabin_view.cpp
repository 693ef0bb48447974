#include "payload/win32/cabin_view.h"

#include "payload/core/load_plan.h"
#include "payload/win32/stowplan_ids.h"
#include "payload/win32/stowplan_resources.h"

namespace xaq::payload::win32 {

namespace {

constexpr const wchar_t* kCabinClass = L"XaqStowplanCabin";
constexpr int kSeatsAbreast = 4;
constexpr int kFirstRowX = 120;
constexpr int kRowPitch = 26;
// Two seats each side of the aisle that the floor plan draws between y 51 and 67.
constexpr int kSeatY[kSeatsAbreast] = {19, 35, 69, 85};

struct CabinArt {
  HBITMAP floorPlan = nullptr;
  HBITMAP seatTaken = nullptr;
  HBITMAP seatFree = nullptr;
};

CabinArt& art() {
  static CabinArt loaded;
  return loaded;
}

// Seats are numbered from the front, left to right across each row.
POINT seatPosition(int seat) {
  int index = seat - 1;
  return {kFirstRowX + (index / kSeatsAbreast) * kRowPitch, kSeatY[index % kSeatsAbreast]};
}

SIZE bitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

void blit(HDC target, HDC source, HBITMAP bitmap, int x, int y) {
  if (!bitmap) return;
  SIZE size = bitmapSize(bitmap);
  HGDIOBJ old = SelectObject(source, bitmap);
  BitBlt(target, x, y, size.cx, size.cy, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
}

// Paints the plan and a free seat at every place; the seat images of passengers cover them.
LRESULT CALLBACK cabinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HDC source = CreateCompatibleDC(dc);
    blit(dc, source, art().floorPlan, 0, 0);
    for (int seat = 1; seat <= kSeatImages; ++seat) {
      POINT at = seatPosition(seat);
      blit(dc, source, art().seatFree, at.x, at.y);
    }
    DeleteDC(source);
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND createCabinView(HWND parent, HINSTANCE instance, int x, int y) {
  CabinArt& images = art();
  if (!images.floorPlan) {
    images.floorPlan = LoadBitmapW(instance, MAKEINTRESOURCEW(IDB_FLOOR_PLAN));
    images.seatTaken = LoadBitmapW(instance, MAKEINTRESOURCEW(IDB_SEAT_TAKEN));
    images.seatFree = LoadBitmapW(instance, MAKEINTRESOURCEW(IDB_SEAT_FREE));
    WNDCLASSW cls{};
    cls.lpfnWndProc = cabinProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    cls.lpszClassName = kCabinClass;
    RegisterClassW(&cls);
  }
  SIZE size = bitmapSize(images.floorPlan);
  HWND cabin = CreateWindowExW(WS_EX_CLIENTEDGE, kCabinClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                               x, y, size.cx + 4, size.cy + 4, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdPicture1)), instance, nullptr);
  SIZE seatSize = bitmapSize(images.seatTaken);
  for (int seat = 1; seat <= kSeatImages; ++seat) {
    POINT at = seatPosition(seat);
    HWND image = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_BITMAP, at.x, at.y, seatSize.cx, seatSize.cy,
                                 cabin, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdPaxFirst + seat - 1)),
                                 instance, nullptr);
    SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(images.seatTaken));
  }
  return cabin;
}

void showPassengers(HWND cabin, std::int64_t passengers) {
  for (int seat = 1; seat <= kSeatImages; ++seat)
    ShowWindow(GetDlgItem(cabin, kIdPaxFirst + seat - 1), seatShown(seat, passengers) ? SW_SHOW : SW_HIDE);
}

}  // namespace xaq::payload::win32
