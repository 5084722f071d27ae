#include <windows.h>

#include <climits>

#include "common/win32/dib_surface.h"
#include "common/win32/gdi_surface_text.h"

namespace torvek::win32 {

static_assert(platform::kDtCenter == DT_CENTER && platform::kDtVCenter == DT_VCENTER &&
              platform::kDtSingleLine == DT_SINGLELINE);

bool GdiSurfaceText::Draw(platform::Surface& surface, platform::WindowRef window,
                          std::string_view text, const platform::Rect& area,
                          platform::Colour colour, std::uint32_t format) {
  auto* dib = dynamic_cast<DibSurface*>(&surface);
  if (dib == nullptr || text.size() > INT_MAX)
    return false;
  HDC dc = reinterpret_cast<HDC>(dib->DeviceContext());
  // The surface's DC is kept between paints: whatever is selected for the text goes back.
  const auto font = reinterpret_cast<HFONT>(
      window != 0 ? SendMessageA(reinterpret_cast<HWND>(window), WM_GETFONT, 0, 0) : 0);
  HGDIOBJ previousFont = font != nullptr ? SelectObject(dc, font) : nullptr;
  const COLORREF previousColour = SetTextColor(dc, colour);
  const int previousMode = SetBkMode(dc, TRANSPARENT);
  RECT rect{area.left, area.top, area.right, area.bottom};
  const int height = DrawTextA(dc, text.data(), static_cast<int>(text.size()), &rect, format);
  SetBkMode(dc, previousMode);
  SetTextColor(dc, previousColour);
  if (previousFont != nullptr)
    SelectObject(dc, previousFont);
  dib->Flush();
  return height != 0;
}

}  // namespace torvek::win32
