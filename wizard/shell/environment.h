// Where the wizard finds itself and its templates. main fills it from the
// operating system; tests fill it with folders of their own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qv::wizard {

struct WizardEnvironment {
  // The program's folder with its trailing "/"; empty when unknown.
  std::string programFolder;
  // The folder shared by all users (no trailing "/"); nullopt when unknown.
  std::optional<std::string> sharedDataFolder;

  static WizardEnvironment fromSystem();

  // The program folder followed by `name`; the name alone when the folder is
  // unknown. Cut to a path's capacity.
  std::string programFolderPath(std::string_view name) const;
  // <shared data>/Quorvel Monitoring System/<name> when that folder exists,
  // else the program folder's <name>.
  std::string templateFolderPath(std::string_view name) const;
};

inline constexpr std::string_view kTemplateFolderName = "Script Templates";
inline constexpr std::string_view kProductFolder = "Quorvel Monitoring System";
inline constexpr std::string_view kBrowserProbeFile = "Dummy.htm";
inline constexpr std::string_view kDefaultScriptName = "NewScript.vbs";

}  // namespace qv::wizard
