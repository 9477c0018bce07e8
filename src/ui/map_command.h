// `zarkel SCENARIO --layout L [--equipment EQP] [--names TXT] --save-map FILE [--width PIXELS]`:
// the scenario opened as "Open File" opens it, the equipment dialogs answered from the flags
// (a file not given is skipped, as a cancelled dialog skips it), and the map's picture written,
// all without a window. Messages and errors go to stderr.
#pragma once

#include "ui/start_options.h"

namespace zarkel {

// Returns the exit status: 0 when the picture was written, 1 when the open or the write failed.
int SaveMapFromCommandLine(const StartOptions& options);

}  // namespace zarkel
