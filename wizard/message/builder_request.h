// The block through which a caller hands a text to the expression builder
// and gets it back. Both fields keep the capacities of their fixed buffers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/base/text.h"

namespace qv::wizard {

inline constexpr std::size_t kBuilderDefaultCapacity = 500;
inline constexpr std::size_t kBuilderTextCapacity = 5000;

struct BuilderRequest {
  // What "Use default text" puts in; empty: the builder offers no default.
  std::string defaultText;
  // In: the text to start with. Out: the text accepted with OK.
  std::string text;
};

inline BuilderRequest makeBuilderRequest(std::string_view defaultText, std::string_view text) {
  return {cutToCapacity(defaultText, kBuilderDefaultCapacity),
          cutToCapacity(text, kBuilderTextCapacity)};
}

}  // namespace qv::wizard
