// qvbrowser: the Quorvel console browser.
#include "browser/browser_app.h"
#include "platform/ui/run.h"

int main(int argc, char** argv) {
  return qv::ui::runProgram(argc, argv, [](qv::ui::Platform& platform, int argc, char** argv) {
    qv::browser::CQuorvelConsoleBrowserApp app(platform, qv::afx::programArguments(argc, argv));
    return app.run();
  });
}
