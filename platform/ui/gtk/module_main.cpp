// The module's entry point: opens the display, builds the desktop platform
// (the GTK dialogs, the desktop's launcher, the server enumeration, SMTP on
// port 25) and runs the program on it. With QV_UI_SCRIPT set, a script
// drives the run and the services are the scripted ones, so runs on both
// backends write the same transcript.
#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/os/desktop_launcher.h"
#include "platform/os/server_enumeration.h"
#include "platform/os/smb_server_enumeration.h"
#include "platform/ui/backend_platform.h"
#include "platform/ui/gtk/gtk_ui.h"
#include "platform/ui/gtk/module_entry.h"
#include "platform/ui/gtk/program_icon.h"
#include "platform/ui/gtk/script_driver.h"
#include "platform/ui/script/driven_run.h"
#include "platform/ui/script/script_launcher.h"

namespace qv::ui::gtk {
namespace {

// Classic dialogs are compact: the theme's generous padding would not fit
// the controls into their template boxes.
constexpr const char* kCompactCss = R"(
.qv-dialog button { padding: 1px 6px; min-height: 0; min-width: 0; }
.qv-dialog entry { min-height: 0; padding: 1px 3px; }
.qv-dialog combobox button, .qv-dialog combobox entry { padding-top: 1px; padding-bottom: 1px; }
.qv-dialog checkbutton, .qv-dialog radiobutton { padding: 0; min-height: 0; }
.qv-dialog progressbar trough, .qv-dialog progressbar progress { min-height: 12px; }
.qv-dialog frame > border { border-radius: 0; }
)";

void installCompactStyle() {
  GtkCssProvider* css = gtk_css_provider_new();
  gtk_css_provider_load_from_data(css, kCompactCss, -1, nullptr);
  gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(css);
}

using DesktopPlatform = BackendPlatform<GtkUi>;

int badSetting(const char* program, const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", program, message.c_str());
  return 2;
}

int runUnscripted(QvGtkProgram run, void* context) {
  // The network's browse service, through Samba's client library, which is
  // loaded when a search first needs it.
  DesktopPlatform platform(os::makeDesktopLauncher(), os::makeNetworkServerEnumerator(), 25,
                           nullptr);
  return run(&platform, context);
}

int runScripted(const char* program, QvGtkProgram run, void* context) {
  script::DrivenRun driven;
  if (!script::prepareDrivenRun(program, driven)) return 2;
  script::Script script(std::move(driven.actions));
  script::Transcript transcript(driven.transcript);
  int code = 0;
  {
    const script::ScriptSettings& settings = driven.settings;
    ScriptDriver driver(script, transcript);
    DesktopPlatform platform(
        std::make_unique<script::ScriptLauncher>(transcript, settings.launchFails),
        std::make_unique<os::ListedServers>(settings.servers), settings.smtpPort, &driver);
    code = run(&platform, context);
    driver.finish();
  }
  script::finishDrivenRun(driven, transcript, code);
  return code;
}

}  // namespace
}  // namespace qv::ui::gtk

extern "C" __attribute__((visibility("default"))) int qv_ui_gtk_run(const char* programName,
                                                                    QvGtkProgram program,
                                                                    void* context) {
  using namespace qv::ui::gtk;
  if (!gtk_init_check(nullptr, nullptr)) {
    return badSetting(programName,
                      "cannot open the display; run it in a desktop session, or by script with "
                      "QV_UI=script QV_UI_SCRIPT=FILE (see docs/automation.md)");
  }
  installCompactStyle();
  useProgramIcon(programName);
  const char* script = std::getenv("QV_UI_SCRIPT");
  if (script && *script) return runScripted(programName, program, context);
  return runUnscripted(program, context);
}
