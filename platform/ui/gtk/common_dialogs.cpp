// Message boxes, the open-file dialog, the folder browser and the clipboard.
// When a script drives the run, the answer comes from the script; a message
// box is shown briefly and closed with it.
#include <filesystem>

#include "platform/ui/gtk/gtk_ui.h"
#include "platform/ui/gtk/script_driver.h"
#include "platform/ui/gtk/widget_text.h"
#include "platform/ui/script/transcript_events.h"

namespace qv::ui::gtk {
namespace {

// How long a scripted run shows a common dialog before answering it.
constexpr guint kScriptedShowMs = 30;

struct ScriptedResponse {
  GtkDialog* dialog;
  int response;
};

gboolean respond(gpointer data) {
  auto* r = static_cast<ScriptedResponse*>(data);
  gtk_dialog_response(r->dialog, r->response);
  return G_SOURCE_REMOVE;
}

// Runs a GTK dialog modally; under a script it is answered with `scripted`.
int runDialog(GtkDialog* dialog, std::optional<int> scripted) {
  ScriptedResponse r{dialog, scripted.value_or(0)};
  guint source = 0;
  if (scripted) source = g_timeout_add(kScriptedShowMs, respond, &r);
  const int response = gtk_dialog_run(dialog);
  if (source && response != r.response) g_source_remove(source);
  return response;
}

GtkMessageType messageType(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Warning:
      return GTK_MESSAGE_WARNING;
    case MessageIcon::Question:
      return GTK_MESSAGE_QUESTION;
    case MessageIcon::Information:
      return GTK_MESSAGE_INFO;
    case MessageIcon::Error:
      return GTK_MESSAGE_ERROR;
    case MessageIcon::None:
      return GTK_MESSAGE_OTHER;
  }
  return GTK_MESSAGE_OTHER;
}

void addFilters(GtkFileChooser* chooser, const std::vector<FileFilter>& filters) {
  for (const FileFilter& f : filters) {
    GtkFileFilter* filter = gtk_file_filter_new();
    gtk_file_filter_set_name(filter, toUtf8(f.description).c_str());
    std::string_view rest = f.pattern;
    while (!rest.empty()) {
      const std::size_t semi = rest.find(';');
      const std::string pattern(rest.substr(0, semi));
      // "*.*" means every file, with or without a dot.
      if (!pattern.empty())
        gtk_file_filter_add_pattern(filter, pattern == "*.*" ? "*" : pattern.c_str());
      rest = semi == std::string_view::npos ? std::string_view() : rest.substr(semi + 1);
    }
    gtk_file_chooser_add_filter(chooser, filter);
  }
}

}  // namespace

MessageAnswer GtkUi::messageBox(std::string_view text, std::string_view title, MessageIcon icon,
                                MessageButtons buttons) {
  std::optional<MessageAnswer> scripted;
  if (script_) scripted = script_->answerMessage(text, title, icon, buttons);
  GtkWindow* owner = focusWindow();
  GtkWidget* box = gtk_message_dialog_new(owner, GTK_DIALOG_MODAL, messageType(icon),
                                          GTK_BUTTONS_NONE, "%s", toUtf8(text).c_str());
  gtk_window_set_title(GTK_WINDOW(box), toUtf8(title).c_str());
  // GTK 3's message dialogs draw no picture of their own; a message box
  // shows its kind's icon at the left of the text.
  if (icon != MessageIcon::None) {
    // The theme's names follow the transcript's: dialog-warning, ...
    const std::string name = std::string("dialog-") + script::iconName(icon);
    GtkWidget* image = gtk_image_new_from_icon_name(name.c_str(), GTK_ICON_SIZE_DIALOG);
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(box), image);
    G_GNUC_END_IGNORE_DEPRECATIONS
    gtk_widget_set_valign(image, GTK_ALIGN_START);
    gtk_widget_show(image);
  }
  std::optional<MessageAnswer> onClose;
  auto add = [&](const char* label, MessageAnswer answer) {
    gtk_dialog_add_button(GTK_DIALOG(box), label, static_cast<int>(answer));
  };
  switch (buttons) {
    case MessageButtons::Ok:
      add("_OK", MessageAnswer::Ok);
      onClose = MessageAnswer::Ok;
      break;
    case MessageButtons::OkCancel:
      add("_OK", MessageAnswer::Ok);
      add("_Cancel", MessageAnswer::Cancel);
      onClose = MessageAnswer::Cancel;
      break;
    case MessageButtons::YesNo:
      add("_Yes", MessageAnswer::Yes);
      add("_No", MessageAnswer::No);
      // A yes/no question has no way out but its buttons.
      gtk_window_set_deletable(GTK_WINDOW(box), FALSE);
      break;
    case MessageButtons::YesNoCancel:
      add("_Yes", MessageAnswer::Yes);
      add("_No", MessageAnswer::No);
      add("_Cancel", MessageAnswer::Cancel);
      onClose = MessageAnswer::Cancel;
      break;
  }
  std::optional<int> response;
  ++commonDialogs_;
  for (;;) {
    const int r = runDialog(
        GTK_DIALOG(box), scripted ? std::optional<int>(static_cast<int>(*scripted)) : std::nullopt);
    if (r > 0) {
      response = r;
      break;
    }
    if (onClose) {
      response = static_cast<int>(*onClose);
      break;
    }
  }
  --commonDialogs_;
  gtk_widget_destroy(box);
  // The keyboard goes back to the owner, with or without a window manager.
  if (owner) gtk_window_present(owner);
  return static_cast<MessageAnswer>(*response);
}

std::optional<std::string> GtkUi::openFile(const OpenFileRequest& request) {
  // A scripted run takes the answer from the script without showing the
  // chooser: a script cannot type into it, and it needs the system's MIME
  // database and icon theme, which test environments may hide.
  if (script_) return script_->answerFile(request);
  // Saving mode takes a new name in an existing folder; no overwrite question.
  GtkWidget* chooser = gtk_file_chooser_dialog_new(
      toUtf8(request.title).c_str(), focusWindow(), GTK_FILE_CHOOSER_ACTION_SAVE, "_Cancel",
      GTK_RESPONSE_CANCEL, "_Open", GTK_RESPONSE_ACCEPT, nullptr);
  auto* fc = GTK_FILE_CHOOSER(chooser);
  gtk_file_chooser_set_do_overwrite_confirmation(fc, FALSE);
  addFilters(fc, request.filters);
  if (request.initialFolder)
    gtk_file_chooser_set_current_folder(fc, request.initialFolder->c_str());
  if (!request.initialName.empty()) {
    const std::filesystem::path name(request.initialName);
    if (name.has_parent_path() && !request.initialFolder) {
      gtk_file_chooser_set_current_folder(fc, name.parent_path().c_str());
    }
    gtk_file_chooser_set_current_name(fc, toUtf8(name.filename().string()).c_str());
  }
  std::optional<std::string> answer;
  ++commonDialogs_;
  for (;;) {
    const int r = runDialog(GTK_DIALOG(chooser), std::nullopt);
    if (r != GTK_RESPONSE_ACCEPT) break;
    gchar* file = gtk_file_chooser_get_filename(fc);
    const std::string path = file ? file : "";
    g_free(file);
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code error;
    if (!path.empty() && request.pathMustExist && !std::filesystem::is_directory(folder, error)) {
      continue;  // the folder must exist; the chooser stays open
    }
    if (!path.empty() && path.size() < request.bufferCapacity) answer = path;
    break;
  }
  --commonDialogs_;
  gtk_widget_destroy(chooser);
  return answer;
}

std::optional<std::string> GtkUi::browseFolder(std::string_view title) {
  if (script_) return script_->answerFolder(title);
  GtkWidget* chooser = gtk_file_chooser_dialog_new(
      toUtf8(title).c_str(), focusWindow(), GTK_FILE_CHOOSER_ACTION_SELECT_FOLDER, "_Cancel",
      GTK_RESPONSE_CANCEL, "_Select", GTK_RESPONSE_ACCEPT, nullptr);
  std::optional<std::string> answer;
  ++commonDialogs_;
  const int r = runDialog(GTK_DIALOG(chooser), std::nullopt);
  --commonDialogs_;
  if (r == GTK_RESPONSE_ACCEPT) {
    if (gchar* folder = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(chooser))) {
      answer = folder;
      g_free(folder);
    }
  }
  gtk_widget_destroy(chooser);
  return answer;
}

void GtkUi::setClipboardText(std::string_view text) {
  if (script_) {
    script::JsonObject o = script::Transcript::event("clipboard");
    o.add("text", text);
    script_->write(o);
  }
  const std::string shown = toUtf8(text);
  gtk_clipboard_set_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD), shown.c_str(),
                         static_cast<gint>(shown.size()));
}

std::string GtkUi::clipboardText() {
  gchar* text = gtk_clipboard_wait_for_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
  std::string out = text ? text : "";
  g_free(text);
  return out;
}

}  // namespace qv::ui::gtk
