#include "wizard/pages/page_registry.h"

#include <array>

#include "wizard/message/message_page.h"
#include "wizard/pages/directory_page.h"
#include "wizard/pages/file_page.h"
#include "wizard/pages/list_noedit_page.h"
#include "wizard/pages/list_page.h"
#include "wizard/pages/option_page.h"
#include "wizard/pages/run_page.h"
#include "wizard/pages/text_page.h"
#include "wizard/pages/wavfile_page.h"
#include "wizard/res/resources.h"

namespace qv::wizard {
namespace {

const std::array kPages{
    PageEntry{&res::kParamText, &runParamPage<TextPage>},
    PageEntry{&res::kParamList, &runParamPage<ListPage>},
    PageEntry{&res::kParamListNoEdit, &runParamPage<ListNoEditPage>},
    PageEntry{&res::kParam2Option, &runParamPage<OptionPage>},
    PageEntry{&res::kParamFile, &runParamPage<FilePage>},
    PageEntry{&res::kParamDirectory, &runParamPage<DirectoryPage>},
    PageEntry{&res::kParamRun, &runParamPage<RunPage>},
    PageEntry{&res::kParamWavFile, &runParamPage<WavFilePage>},
    PageEntry{&res::kParamMessage, &runParamPage<MessagePage>},
};

}  // namespace

const PageEntry* findPage(std::string_view resource) {
  if (resource.empty()) return nullptr;
  for (const PageEntry& page : kPages) {
    if (page.dialog->name == resource) return &page;
  }
  return nullptr;
}

}  // namespace qv::wizard
