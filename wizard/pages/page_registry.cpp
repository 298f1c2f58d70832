#include "wizard/pages/page_registry.h"

#include <array>

#include "wizard/pages/list_noedit_page.h"
#include "wizard/pages/list_page.h"
#include "wizard/pages/option_page.h"
#include "wizard/pages/text_page.h"
#include "wizard/res/resources.h"

namespace qv::wizard {
namespace {

const std::array kPages{
    PageEntry{&res::kParamText, &runParamPage<TextPage>},
    PageEntry{&res::kParamList, &runParamPage<ListPage>},
    PageEntry{&res::kParamListNoEdit, &runParamPage<ListNoEditPage>},
    PageEntry{&res::kParam2Option, &runParamPage<OptionPage>},
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
