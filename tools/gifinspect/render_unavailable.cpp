// The Windows build has no portable picture loader to run the player on.
#include <cstdio>

#include "tools/gifinspect/command.h"

namespace torvek::gifinspect {

int Render(const Arguments&) {
  std::fprintf(stderr, "gifinspect: render is available in the native build only\n");
  return kTrouble;
}

}  // namespace torvek::gifinspect
