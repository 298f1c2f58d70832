// Where the wizard finds itself, its templates and its other data. main
// fills it from the operating system; tests fill it with folders of their
// own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv::wizard {

struct WizardEnvironment {
  // The program's folder with its trailing "/"; empty when unknown.
  std::string programFolder;
  // The wizard's data folders in search order: "quorvel" in each of
  // os::dataFolders() (the installation's own, then XDG_DATA_DIRS).
  std::vector<std::string> dataFolders;

  static WizardEnvironment fromSystem();

  // The program folder followed by `name`; the name alone when the folder is
  // unknown. Cut to a path's capacity.
  std::string programFolderPath(std::string_view name) const;
  // `name` (a file or folder) in the first data folder that has it, else
  // the program folder's `name`. Cut to a path's capacity.
  std::string dataPath(std::string_view name) const;
};

inline constexpr std::string_view kTemplateFolderName = "Script Templates";
inline constexpr std::string_view kBrowserProbeFile = "Dummy.htm";
inline constexpr std::string_view kDefaultScriptName = "NewScript.vbs";

}  // namespace qv::wizard
