#include "bmp_button.h"

TBmpButton::TBmpButton(winui::Dialog &parent, int id, int bitmap, int disabledBitmap, HINSTANCE module)
    : winui::Button(parent, id),
      picture_(LoadBitmapA(module, MAKEINTRESOURCEA(bitmap))),
      disabledPicture_(disabledBitmap ? LoadBitmapA(module, MAKEINTRESOURCEA(disabledBitmap)) : nullptr) {}

TBmpButton::~TBmpButton() {
  if (picture_) DeleteObject(picture_);
  if (disabledPicture_) DeleteObject(disabledPicture_);
}

bool TBmpButton::Draw(const DRAWITEMSTRUCT &item) {
  HDC target = item.hDC;
  RECT client;
  GetClientRect(item.hwndItem, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  HBITMAP shown = (item.itemState & ODS_DISABLED) && disabledPicture_ ? disabledPicture_ : picture_;
  if (shown) {
    HDC memory = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(memory, shown);
    BITMAP size{};
    GetObjectA(shown, sizeof size, &size);
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, 0, 0, width, height, memory, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
  }
  HGDIOBJ oldBrush = SelectObject(target, GetStockObject(HOLLOW_BRUSH));
  HGDIOBJ oldPen = SelectObject(target, GetStockObject(BLACK_PEN));
  if (item.itemState & ODS_SELECTED) {
    const LONG right = item.rcItem.right;
    const LONG bottom = item.rcItem.bottom;
    const POINT outline[] = {{1, bottom - 2}, {1, 1}, {right - 2, 1}, {right - 2, bottom - 2}, {1, bottom - 2}};
    Polyline(target, outline, 5);
  }
  if (item.itemState & ODS_FOCUS) {
    const RECT focus{3, 3, width - 4, height - 3};
    DrawFocusRect(target, &focus);
  }
  SelectObject(target, oldPen);
  SelectObject(target, oldBrush);
  return true;
}
