#include "platform/os/desktop_launcher.h"

#include <gio/gio.h>

#include <string>

#include "platform/os/paths.h"
#include "platform/os/program_start.h"

namespace qv::os {
namespace {

// Owns one GObject reference.
template <typename T>
class Ref {
 public:
  explicit Ref(T* object = nullptr) : object_(object) {}
  ~Ref() {
    if (object_) g_object_unref(object_);
  }
  Ref(const Ref&) = delete;
  Ref& operator=(const Ref&) = delete;
  T* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  T* object_;
};

bool startDefaultAppForType(std::string_view contentType, const std::vector<std::string>& args) {
  const std::string type(contentType);
  Ref<GAppInfo> app(g_app_info_get_default_for_type(type.c_str(), FALSE));
  if (!app) return false;
  GList* files = nullptr;
  for (const std::string& arg : args) {
    files = g_list_append(files, g_file_new_for_commandline_arg(arg.c_str()));
  }
  GError* error = nullptr;
  const gboolean started = g_app_info_launch(app.get(), files, nullptr, &error);
  g_list_free_full(files, g_object_unref);
  if (error) g_error_free(error);
  return started;
}

class DesktopLauncher final : public Launcher {
 public:
  bool startProgram(std::string_view commandLine, WindowState /*state: dropped*/) override {
    return startWindowsCommandLine(commandLine, startDefaultAppForType);
  }

  bool openAddress(std::string_view address) override {
    if (address.empty()) return false;
    std::string uri(address);
    if (char* scheme = g_uri_parse_scheme(uri.c_str())) {
      g_free(scheme);
    } else {
      Ref<GFile> file(g_file_new_for_commandline_arg(uri.c_str()));
      char* fileUri = g_file_get_uri(file.get());
      uri = fileUri;
      g_free(fileUri);
    }
    GError* error = nullptr;
    const gboolean opened = g_app_info_launch_default_for_uri(uri.c_str(), nullptr, &error);
    if (error) g_error_free(error);
    return opened;
  }

  std::string findAssociatedProgram(std::string_view filePath) override {
    const std::string path(filePath);
    if (!fileExists(path)) return {};
    // The name decides, as the extension does on Windows (an empty file
    // would otherwise be taken as text); the content only when the name
    // tells no type. (Without content GIO calls every guess uncertain.)
    char* guessed = g_content_type_guess(path.c_str(), nullptr, 0, nullptr);
    std::string contentType;
    if (guessed && !g_content_type_is_unknown(guessed)) contentType = guessed;
    g_free(guessed);
    if (contentType.empty()) {
      Ref<GFile> file(g_file_new_for_path(path.c_str()));
      Ref<GFileInfo> info(g_file_query_info(file.get(), G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                            G_FILE_QUERY_INFO_NONE, nullptr, nullptr));
      const char* queried = info ? g_file_info_get_content_type(info.get()) : nullptr;
      if (queried) contentType = queried;
    }
    if (contentType.empty()) return {};
    Ref<GAppInfo> app(g_app_info_get_default_for_type(contentType.c_str(), FALSE));
    if (!app) return {};
    const char* executable = g_app_info_get_executable(app.get());
    if (!executable || !*executable) return {};
    return findProgramOnPath(executable);
  }
};

}  // namespace

std::unique_ptr<Launcher> makeDesktopLauncher() {
  return std::make_unique<DesktopLauncher>();
}

}  // namespace qv::os
