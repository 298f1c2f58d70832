// The web view control on WebKitGTK: navigation with extra request headers,
// stop, reload, the address shown, and one NavigateError for every failed
// navigation of the page (a network failure or an HTTP error status; never a
// load cancelled by stop or by a newer navigation).
#pragma once

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <string>
#include <string_view>

namespace qv::ui::gtk {

class WebViewListener {
 public:
  virtual ~WebViewListener() = default;
  virtual void webViewNavigateError(int id) = 0;
  virtual void webViewAddressChanged(int id, const std::string& url) = 0;
};

class WebView {
 public:
  WebView(WebViewListener& listener, int id);
  ~WebView();
  WebView(const WebView&) = delete;
  WebView& operator=(const WebView&) = delete;

  GtkWidget* widget() { return GTK_WIDGET(view_); }
  // `headers`: header lines "Name:Value", separated by CR LF.
  void navigate(std::string_view url, std::string_view headers);
  // As after following a link: no extra headers.
  void follow(std::string_view url);
  void stop();
  void reload();

 private:
  static gboolean onLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar*, GError*, gpointer self);
  static gboolean onDecidePolicy(WebKitWebView*, WebKitPolicyDecision*, WebKitPolicyDecisionType,
                                 gpointer self);
  static void onUri(GObject*, GParamSpec*, gpointer self);
  static gboolean deliverError(gpointer self);
  void reportError();

  WebViewListener& listener_;
  int id_;
  WebKitWebView* view_;
  guint pendingError_ = 0;
};

// Splits "Name:Value" lines (CR LF separated) at the first ':' of each; the
// value loses the blanks that start it. Lines without ':' are dropped.
void addHeaderLines(SoupMessageHeaders* headers, std::string_view text);

}  // namespace qv::ui::gtk
