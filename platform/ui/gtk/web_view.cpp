#include "platform/ui/gtk/web_view.h"

namespace qv::ui::gtk {

void addHeaderLines(SoupMessageHeaders* headers, std::string_view text) {
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0) continue;
    std::string name(line.substr(0, colon));
    std::string_view value = line.substr(colon + 1);
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
      value.remove_prefix(1);
    soup_message_headers_append(headers, name.c_str(), std::string(value).c_str());
  }
}

WebView::WebView(WebViewListener& listener, int id)
    : listener_(listener), id_(id), view_(WEBKIT_WEB_VIEW(webkit_web_view_new())) {
  g_object_ref_sink(view_);
  g_signal_connect(view_, "load-failed", G_CALLBACK(onLoadFailed), this);
  g_signal_connect(view_, "decide-policy", G_CALLBACK(onDecidePolicy), this);
  g_signal_connect(view_, "notify::uri", G_CALLBACK(onUri), this);
}

WebView::~WebView() {
  if (pendingError_) g_source_remove(pendingError_);
  g_signal_handlers_disconnect_by_data(view_, this);
  g_object_unref(view_);
}

void WebView::navigate(std::string_view url, std::string_view headers) {
  WebKitURIRequest* request = webkit_uri_request_new(std::string(url).c_str());
  if (SoupMessageHeaders* h = webkit_uri_request_get_http_headers(request)) {
    addHeaderLines(h, headers);
  }
  webkit_web_view_load_request(view_, request);
  g_object_unref(request);
}

void WebView::follow(std::string_view url) {
  webkit_web_view_load_uri(view_, std::string(url).c_str());
}

void WebView::stop() {
  webkit_web_view_stop_loading(view_);
}

void WebView::reload() {
  // WebKit's own reload repeats the original request with its extra
  // headers; a reload asks for the document shown anew without them.
  const gchar* uri = webkit_web_view_get_uri(view_);
  if (uri && *uri) {
    webkit_web_view_load_uri(view_, std::string(uri).c_str());
  } else {
    webkit_web_view_reload(view_);
  }
}

void WebView::reportError() {
  // Delivered from the main loop, not from inside WebKit's signal, so the
  // program may navigate again from its handler.
  if (!pendingError_) pendingError_ = g_idle_add(&WebView::deliverError, this);
}

gboolean WebView::deliverError(gpointer self) {
  auto* view = static_cast<WebView*>(self);
  view->pendingError_ = 0;
  view->listener_.webViewNavigateError(view->id_);
  return G_SOURCE_REMOVE;
}

gboolean WebView::onLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar*, GError* error,
                               gpointer self) {
  // Stop and a newer navigation cancel the load in progress: not a failure.
  const bool cancelled =
      g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED) ||
      g_error_matches(error, WEBKIT_POLICY_ERROR,
                      WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE);
  if (!cancelled) static_cast<WebView*>(self)->reportError();
  return FALSE;
}

gboolean WebView::onDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                 WebKitPolicyDecisionType type, gpointer self) {
  if (type != WEBKIT_POLICY_DECISION_TYPE_RESPONSE) return FALSE;
  auto* response = WEBKIT_RESPONSE_POLICY_DECISION(decision);
  if (!webkit_response_policy_decision_is_main_frame_main_resource(response)) return FALSE;
  // WebKit shows an HTTP error page as a successful load; the page failed.
  WebKitURIResponse* r = webkit_response_policy_decision_get_response(response);
  if (r && webkit_uri_response_get_status_code(r) >= 400) {
    static_cast<WebView*>(self)->reportError();
  }
  return FALSE;
}

void WebView::onUri(GObject*, GParamSpec*, gpointer self) {
  auto* view = static_cast<WebView*>(self);
  const gchar* uri = webkit_web_view_get_uri(view->view_);
  view->listener_.webViewAddressChanged(view->id_, uri ? uri : "");
}

}  // namespace qv::ui::gtk
