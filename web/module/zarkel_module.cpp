// The page's module: the editor's core compiled to WebAssembly, with the operations the page
// calls bound through embind. The page copies the files the user gives into the module's
// in-memory file system and names them by their paths there.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <filesystem>
#include <optional>
#include <string>

#include "base/errors.h"
#include "base/utf8_path.h"
#include "load/open_scenario.h"
#include "model/editor_state.h"
#include "page_dialogs.h"

namespace zarkel::web {

namespace {

using emscripten::val;

// A string property of a request object, or none when it is missing, null or not a string.
std::optional<std::string> TextField(const val& object, const char* name) {
  const val field = object[name];
  if (!field.isString())
    return std::nullopt;
  return field.as<std::string>();
}

std::optional<ScenarioLayout> LayoutField(const val& request) {
  const std::optional<std::string> text = TextField(request, "layout");
  if (text == "homemade")
    return ScenarioLayout::Homemade;
  if (text == "original")
    return ScenarioLayout::Original;
  return std::nullopt;  // the core answers with its own message
}

val Strings(const std::vector<std::string>& texts) {
  val array = val::array();
  for (const std::string& text : texts)
    array.call<void>("push", text);
  return array;
}

// The line that says which scenario is open. A stand-in with the window's format: to be replaced
// by the core's function for the status line once the core offers it.
std::string StatusLine(const ScenarioData& scenario) {
  if (!scenario.layout)
    return {};
  const auto units = scenario.units.size();
  return Utf8FromPath(PathFromUtf8(scenario.geometry.sourcePath).filename()) + " \u00b7 " +
         LayoutCaption(*scenario.layout) + " \u00b7 map " +
         std::to_string(scenario.geometry.mapSizeA) + " x " +
         std::to_string(scenario.geometry.mapSizeB) + " \u00b7 " + std::to_string(units) +
         (units == 1 ? " unit" : " units");
}

}  // namespace

// One editing session of the page: the editor's state between calls.
class PageEditor {
 public:
  // Opens a scenario. `request` holds the layout ("homemade" or "original"), the scenario's
  // path and the paths of the equipment, equipment-name and, for an Original scenario, the
  // companion files; a companion file given stands for its cleared check box. Answers
  // {opened, status, messages, error}: `error` is the core's text of a failure, if any.
  val Open(const val& request) {
    const std::filesystem::path scenario =
        PathFromUtf8(TextField(request, "scenario").value_or(""));
    OpenRequest open;
    open.layout = LayoutField(request);
    open.directory = Utf8FromPath(scenario.parent_path());
    open.fileName = Utf8FromPath(scenario.filename());
    PageDialogs dialogs;
    dialogs.SetAnswer(FileDialogKind::Equipment, TextField(request, "equipment"));
    dialogs.SetAnswer(FileDialogKind::EquipmentNames, TextField(request, "names"));
    const std::pair<FileDialogKind, const char*> companions[] = {
        {FileDialogKind::Placenames, "placenames"},
        {FileDialogKind::Title, "title"},
        {FileDialogKind::Description, "description"}};
    for (const auto& [kind, name] : companions)
      dialogs.SetAnswer(kind, TextField(request, name));
    open.placenameDefault = !TextField(request, "placenames");
    open.titleDefault = !TextField(request, "title");
    open.descriptionDefault = !TextField(request, "description");

    val result = val::object();
    bool opened = false;
    try {
      opened = OpenScenario(state_, dialogs, open).opened;
    } catch (const EditorError& error) {
      result.set("error", std::string(error.what()));
    }
    result.set("opened", opened);
    result.set("status", StatusLine(state_.scenario));
    result.set("messages", Strings(dialogs.messages()));
    return result;
  }

  std::string Status() const { return StatusLine(state_.scenario); }

 private:
  EditorState state_;
};

EMSCRIPTEN_BINDINGS(zarkel) {
  emscripten::class_<PageEditor>("Editor")
      .constructor<>()
      .function("open", &PageEditor::Open)
      .function("status", &PageEditor::Status);
}

}  // namespace zarkel::web
