// What the user reads when an install ends: the completion text, followed by where the kept
// files are that could not be put back, and where files in a save's way were moved.
#pragma once

#include <string>

#include "installer/engine/config_keeper.h"

namespace torvek::engine {

// After an install that ran to its end.
std::string CompletionMessage(const KeptFilesReport& kept);
// After an install the user aborted: only what concerns the kept files; empty when nothing does.
std::string KeptFilesNote(const KeptFilesReport& kept);

}  // namespace torvek::engine
