// The texts the template engine shows in message boxes and reports.
#pragma once

#include <string_view>

namespace qv::wizard::msg {

inline constexpr std::string_view kWizardTitle = "Quorvel Scripting Wizard";

// Compiler.
inline constexpr std::string_view kTemplateCannotOpen =
    "The template file cannot be opened or accessed. Please ensure it exists & you have "
    "sufficient permission to open it ...";
inline constexpr std::string_view kMissingEndTag =
    "Missing end tag ('>') or tag exceeds the maximum length ...";
inline constexpr std::string_view kNoType = "No parameter type was specified ...";
inline constexpr std::string_view kUnknownType =
    "The parameter type is not recognised by the Wizard. Please check the tag name specified or "
    "for newer tags, please upgrade the Wizard to the latest version ...";
inline constexpr std::string_view kNoQuestion = "No question text type was specified ...";
inline constexpr std::string_view kNoListData =
    "No data has been specified for the list option. 'Data=[Data ...]' tag is required ...";
inline constexpr std::string_view kTwoOptionsRequired =
    "One or both tags are missing. Two options are required for this tag ...";
// Out-of-memory texts: std::string reports exhaustion by throwing, which this
// program does not survive anyway, so these are kept only for completeness.
inline constexpr std::string_view kNoMemoryForRecord =
    "Insufficient memory is available to process the script ...";
inline constexpr std::string_view kNoMemoryForList =
    "Insufficient memory available to run the Wizard ...";

// Generator.
inline constexpr std::string_view kGenerateTemplateCannotOpen =
    "Cannot generate the script - the template file could not be opened ...";
inline constexpr std::string_view kGenerateTargetCannotOpen =
    "Cannot generate the script - the target file could not be opened ...";
inline constexpr std::string_view kGenerateTargetCannotWrite =
    "Cannot generate the script - the target file could not be written. Please check that "
    "there is enough free disk space ...";

// Save-as page, welcome page and generator.
inline constexpr std::string_view kTemplateIsTarget =
    "The template cannot be overwritten by the script generated from it. Please choose another "
    "file ...";

}  // namespace qv::wizard::msg
