// The one exception of the dialog kit: it ends a failed scripted run by
// unwinding to where the kit started the run. Programs never see it.
#pragma once

#include <exception>

namespace qv::ui::script {

class ScriptFailure final : public std::exception {
 public:
  const char* what() const noexcept override { return "scripted run failed"; }
};

}  // namespace qv::ui::script
