#include "session/printed_dialogs.h"

namespace zarkel {

void PrintedDialogs::ShowMessage(const std::string& text) {
  messages_ << text << '\n' << std::flush;
}

}  // namespace zarkel
