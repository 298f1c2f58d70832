// The texts of the message page and the expression builder.
#pragma once

#include <string_view>

namespace qv::wizard::texts {

// The message page's defaults.
inline constexpr std::string_view kDefaultTitle = "Error detected on server <$$SERVER> ...";
inline constexpr std::string_view kDefaultText =
    "The following error was detected on server <$$SERVER> at <$$TIMELOGGED>. Check: <$$TEST>, "
    "Error: <$$ERROR>";
// SMS messages are short: the error cut to 100 characters and the server.
inline constexpr std::string_view kDefaultSmsText = "<$$ERROR,100> occurred on server <$$SERVER>";

// The message page's refusals.
inline constexpr std::string_view kEnterMessageTitle =
    "Please enter the title of the message that is to be sent ...";
inline constexpr std::string_view kEnterMessageText =
    "Please enter the text of the message that is to be sent or logged ...";

// The expression builder.
inline constexpr std::string_view kCataloguePrompt = "------ Please select a place-marker ------";
inline constexpr std::string_view kSelectValidMarker =
    "Please select a valid place-marker to add from the list ...";
inline constexpr std::string_view kOverwriteWithDefault =
    "Are you sure you want to overwrite the existing message text with the default value ...?";
inline constexpr std::string_view kCancelBuilder =
    "Are you sure you want to cancel the Builder without saving ...?";

}  // namespace qv::wizard::texts
