// qvbrowser: the Quorvel console browser.
#include "browser/browser_app.h"
#include "platform/base/standard_options.h"
#include "platform/ui/run.h"

namespace {

constexpr std::string_view kHelp =
    "Usage: qvbrowser SERVER,PORT,PAGE\n"
    "       qvbrowser --help | --version\n"
    "Shows a Quorvel monitoring server's web console pages. The Quorvel console\n"
    "starts it with the server's connection details, for example\n"
    "  qvbrowser 127.0.0.1,8080,RecConsoleStatus.qvp\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Environment: QV_UI (gtk or script), QV_UI_SCRIPT, QV_UI_TRANSCRIPT.\n"
    "See qvbrowser(1).\n";

}  // namespace

int main(int argc, char** argv) {
  if (const auto answered = qv::answerStandardOption(argc, argv, "qvbrowser", kHelp)) {
    return *answered;
  }
  return qv::ui::runProgram(argc, argv, [](qv::ui::Platform& platform, int argc, char** argv) {
    qv::browser::CQuorvelConsoleBrowserApp app(platform, qv::afx::programArguments(argc, argv));
    return app.run();
  });
}
