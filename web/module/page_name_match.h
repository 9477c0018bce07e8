// The core's rule for a name in any case of A to Z, for the page: which of the files the user
// gave a typed name finds, and which names of a folder a written name would replace on a disk
// that ignores case.
#pragma once

#include <emscripten/val.h>

#include <string>

namespace zarkel::web {

// `files` as the page holds them ([{name, path?}], `path` with the folders below what was
// given): {index} of the one `wanted` finds (PickIgnoringCase: the exact name, else its one
// twin in other case), -1 for none; or {error} when which one was meant cannot be told.
emscripten::val PickFile(const emscripten::val& files, const std::string& wanted);

// The names among `names` (an array of texts) that are `wanted` when the case of A to Z is
// ignored, in their order.
emscripten::val NamesIgnoringCaseOf(const emscripten::val& names, const std::string& wanted);

}  // namespace zarkel::web
