// Messages and texts the W way, which is how they cross threads and processes intact: the
// window driver and the dialog view read and send everything through these.
#pragma once

#include <windows.h>

#include <string>

namespace torvek::testing {

// SendMessageTimeoutW; 0 when the window did not answer within five seconds.
LRESULT SendWide(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// UTF-16 to code page 936; what cannot be converted comes back empty.
std::string Narrow(const wchar_t* text, std::size_t length);
// WM_GETTEXT, in code page 936.
std::string TextOf(HWND window);

}  // namespace torvek::testing
