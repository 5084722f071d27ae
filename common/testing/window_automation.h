// Acting as the user on this process's own windows, for tests of what needs a real window:
// finding a box by its caption and pressing one of its buttons.
#pragma once

#include <cstdint>
#include <string>

namespace torvek::testing {

// Waits up to `timeoutMs` for a visible dialog box of this process whose caption is `caption`
// (code page 936), reads its message text into `text` (UTF-16, as the box shows it) and
// presses the button `buttonId` (IDOK, IDRETRY...). False when no such box appeared.
bool AnswerMessageBox(const char* caption, int buttonId, std::uint32_t timeoutMs,
                      std::u16string& text);

}  // namespace torvek::testing
