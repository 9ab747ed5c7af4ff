#pragma once

#include <string>
#include <vector>

namespace kestrune::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }

  // Writes `content` to the file at `relative` (folders made as needed).
  void Write(const std::string& relative, const std::string& content) const;
  // The file's bytes; "<missing>" when it does not exist.
  std::string Read(const std::string& relative) const;
  bool Exists(const std::string& relative) const;
  // The sorted names in a sub-folder.
  std::vector<std::string> List(const std::string& relative) const;

 private:
  std::string path_;
};

}  // namespace kestrune::testing
