// "Write Out File" on the "Home Made" page: the scenario in the Homemade layout, with its place
// names, description and title inside.
#pragma once

#include <optional>
#include <string>

#include "model/dialogs.h"
#include "model/editor_state.h"
#include "model/write_questions.h"
#include "output/write_report.h"

namespace zarkel {

struct HomemadeWriteRequest {
  std::string directory;        // DirectoryListBox5
  std::string name;             // Edit2; ".scn" is added
  std::int32_t battleType = 0;  // the spin control's value
  LimitTexts limitTexts;        // Edit3 .. Edit11
};

// The checks the writer makes before its question, in its order: a name, an open scenario, a
// target it may write. Throws their Refusal. Returns whether the writer asks its question (for
// an Original scenario), so that a face that cannot stop to ask in the middle of a write can ask
// before it.
bool CheckHomemadeWrite(const EditorState& state, const HomemadeWriteRequest& request);

// Returns the file written, or none when the user answered No to the question whether to
// replace the file that is there, or to the confirmation (nothing is written then). Refuses an
// empty name before asking anything. The session counts the edits as written after a write.
std::optional<WrittenFiles> WriteHomemadeScenario(EditorState& state, Dialogs& dialogs,
                                                  const HomemadeWriteRequest& request);

}  // namespace zarkel
