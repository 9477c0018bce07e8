// Where Qt's own messages go. The terminal carries the program's messages (its usage, what a
// --save-map run wrote or why it failed); Qt's notes about the session it runs in ("QStandardPaths:
// XDG_RUNTIME_DIR not set, ...", a font it substitutes) are not the user's concern and stay off
// it. A real error still shows: when Qt stops the program or reports a critical failure, the
// notes held back are printed first, since they usually tell why.
#pragma once

namespace zarkel {

// Installs the handler for the rest of the run; called before the application is made. With
// QT_LOGGING_RULES set, whoever set it asked for Qt's messages, and gets them all as Qt prints
// them.
void KeepQtNotesOffTheTerminal();

}  // namespace zarkel
