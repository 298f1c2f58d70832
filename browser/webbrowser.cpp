#include "browser/webbrowser.h"

namespace qv::browser {

void CWebbrowser::Navigate(std::string_view url, std::string_view headers) {
  if (ui::Dialog* d = liveDialog()) d->navigate(controlId(), url, headers);
}

void CWebbrowser::Stop() {
  if (ui::Dialog* d = liveDialog()) d->stopLoading(controlId());
}

void CWebbrowser::Refresh() {
  if (ui::Dialog* d = liveDialog()) d->reload(controlId());
}

std::string CWebbrowser::LocationURL() const {
  const ui::Dialog* d = liveDialog();
  return d ? d->locationUrl(controlId()) : std::string();
}

}  // namespace qv::browser
