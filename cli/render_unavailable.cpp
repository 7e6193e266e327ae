// Builds without the renderer answer the render command with a clear message.

#include "render_command.h"

#include <cstdio>

namespace korvat::cli {

int RenderWorkbook(const RenderCommandOptions&) {
  std::fprintf(stderr, "korvat: this build has no renderer\n");
  return 1;
}

}  // namespace korvat::cli
