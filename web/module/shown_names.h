// The page puts the user's files into folders of the module's in-memory file system, one folder
// for each set of files given and one for each write. The core's messages name files by those
// paths; the user knows them by the names they gave and by where the written files went. This
// turns one into the other in every text the page shows.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace zarkel::web {

class ShownNames {
 public:
  // `folder` (an absolute path without a trailing "/") is shown as `shown`: `"/in/3/kardel.scn"`
  // as `"kardel.scn"` for an empty `shown`, `"/out/4"` as `"cchina.zip"`. A folder given again
  // takes its new name.
  void Show(const std::string& folder, const std::string& shown);
  void Forget(const std::string& folder);

  // `text` with every quoted path in a folder named here, or quoted folder, shown as named.
  std::string Apply(std::string text) const;
  // The name a path is shown by; the path itself outside every folder named.
  std::string Path(const std::string& path) const;

 private:
  std::vector<std::pair<std::string, std::string>> folders_;
};

// For the length of one operation, shows `folder` as `shown`.
class ShownFolder {
 public:
  ShownFolder(ShownNames& names, std::string folder, const std::string& shown)
      : names_(names), folder_(std::move(folder)) {
    names_.Show(folder_, shown);
  }
  ~ShownFolder() { names_.Forget(folder_); }
  ShownFolder(const ShownFolder&) = delete;
  ShownFolder& operator=(const ShownFolder&) = delete;

 private:
  ShownNames& names_;
  std::string folder_;
};

}  // namespace zarkel::web
