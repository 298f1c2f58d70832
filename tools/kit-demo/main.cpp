// qv-kit-demo: the dialog kit's sample program.
#include "platform/ui/run.h"
#include "tools/kit-demo/demo_dialogs.h"

int main(int argc, char** argv) {
  return qv::ui::runProgram(argc, argv, [](qv::ui::Platform& platform, int, char**) {
    return qv::demo::runDemo(platform);
  });
}
