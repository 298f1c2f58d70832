// How the compiler, the generator and the header reader cut a template into
// lines and find its tags. They must read the same pieces, or an answer could
// land in a tag the compiler never saw.
#pragma once

#include <cstddef>
#include <string_view>

namespace qv::wizard {

// A line read takes at most 1,999 characters, its line feed included; a
// longer line is read, and handled, as several.
inline constexpr std::size_t kTemplateLineCapacity = 2000;

inline constexpr std::string_view kTagStart = "<PARAM:";

}  // namespace qv::wizard
