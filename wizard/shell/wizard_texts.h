// The texts the wizard's shell and pages show in message boxes.
#pragma once

#include <string_view>

namespace qv::wizard::texts {

// Every parameter page, the header page and the ready page.
inline constexpr std::string_view kCancelQuestion =
    "Are you sure you want to cancel without generating the script ...?";
inline constexpr std::string_view kInformationMissing =
    "The script cannot be generated without the information requested ...";

// PARAM-TEXT.
inline constexpr std::string_view kNotNumeric = "The entered value must be numeric ...";
inline constexpr const char* kTooLongFormat =
    "The entered value is too long. The maximum length of the entered value is %d character(s) "
    "...";

// Welcome page.
inline constexpr std::string_view kQuitQuestion = "Are you sure you want to quit the Wizard ...?";
inline constexpr std::string_view kSelectTemplateHint =
    "Click 'Next' to select a script template or 'Cancel' to close the Wizard ...";
inline constexpr std::string_view kTemplateDialogTitle =
    "Please select the template file you wish to use";

// Save-as page.
inline constexpr std::string_view kQuitWithoutScriptQuestion =
    "Are you sure you want to quit the Wizard without generating the script ...?";
inline constexpr std::string_view kEnterFileName =
    "Please enter the name of the file you wish to generate ...";
inline constexpr std::string_view kOverwriteQuestion =
    "The script file already exists. Do you want to overwrite it ...?";
inline constexpr std::string_view kCannotAccessFile =
    "The entered file cannot be accessed. Please check the path/name, and ensure you have "
    "sufficient permissions to write to this file ...";
inline constexpr std::string_view kTargetDialogTitle =
    "Please select the file you wish to generate";

// Completion page.
inline constexpr std::string_view kCannotOpenScript =
    "Unable to open/access the generated script ...";
inline constexpr std::string_view kTodoNotice =
    "The script contains comments which allow you to further edit & enhance this file or "
    "script.\n\nClick 'Edit' from the next window to do this now & search for 'TODO:' ...";
inline constexpr std::string_view kCannotEditScript = "Unable to edit the generated script ...";

// Browser launch.
inline constexpr std::string_view kNoBrowser =
    "The Setup Wizard was unable to launch the HTML file because no file association is "
    "available for the browser or the required file is missing ...";

}  // namespace qv::wizard::texts
