#include "ui/failure_box.h"

#include <exception>

namespace zarkel {

void RunShowingFailure(Dialogs& dialogs, const std::function<void()>& work) {
  try {
    work();
  } catch (const std::exception& error) {  // the editor's errors (EditorError) among them
    dialogs.ShowError(error.what());
  }
}

}  // namespace zarkel
