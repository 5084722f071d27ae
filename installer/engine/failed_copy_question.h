// The question after a file of the installation could not be copied: Abort, Retry or Ignore,
// owned by the install page, naming the file.
#pragma once

#include <string>

#include "common/copy_replacing.h"
#include "installer/engine/install_page.h"

namespace torvek::engine {

// Retry copies again, Ignore goes on without the file, Abort stops the installation.
AfterFailedCopy AskAfterFailedCopy(InstallPage& page, const std::string& file);

}  // namespace torvek::engine
