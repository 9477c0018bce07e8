// What a write put on disk, as the window's status bar and zarkel-cli report it.
#pragma once

#include <string>

#include "model/written_files.h"

namespace zarkel {

// `Wrote cchina.scn, scchina.tst, cchina.tit and cchina.des in "/home/me/camp"`.
std::string WrittenFilesLine(const WrittenFiles& files);

}  // namespace zarkel
