// How the window shows an operation that failed: its text in an error box, whatever failed (a
// refusal, a file that could not be read or written, or a fault of the program), so that no
// failure passes the event loop unseen.
#pragma once

#include <functional>

#include "model/dialogs.h"

namespace zarkel {

// Runs `work`; when it throws, shows what it says with `dialogs` and returns.
void RunShowingFailure(Dialogs& dialogs, const std::function<void()>& work);

}  // namespace zarkel
