#include "wizard/shell/page_dispatch.h"

#include "wizard/engine/param_list.h"
#include "wizard/pages/page_registry.h"

namespace qv::wizard {

int showPageAt(WizardContext& ctx, int position) {
  TemplateParam* record = recordAt(ctx.state.paramList, position);
  if (!record) return kPageEndOfPages;
  const PageEntry* page = findPage(pageResourceFor(*record));
  if (!page) return kPageNone;
  return page->run(ctx, *record, *page->dialog);
}

}  // namespace qv::wizard
