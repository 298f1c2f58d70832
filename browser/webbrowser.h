// CWebbrowser: the browser control of the main dialog, reached through the
// dialog's web view operations.
#pragma once

#include <string>
#include <string_view>

#include "platform/afx/window_base.h"

namespace qv::browser {

class CWebbrowser : public afx::WindowBase {
 public:
  // Requests `url`, sending `headers` with the request.
  void Navigate(std::string_view url, std::string_view headers);
  // Stops whatever is loading.
  void Stop();
  // Reloads the document shown, adding no header of its own.
  void Refresh();
  // The address of the document shown.
  std::string LocationURL() const;
};

}  // namespace qv::browser
