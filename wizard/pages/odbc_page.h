// PARAM-ODBC: an ODBC data source, chosen from those the driver manager lists
// or typed, with its server, database, user and password; a button starts
// the ODBC Data Source Administrator.
#pragma once

#include "platform/os/odbc_sources.h"
#include "wizard/pages/param_page.h"

namespace qv::wizard {

class OdbcPage final : public ParamPage {
 public:
  OdbcPage(WizardContext& ctx, TemplateParam& param, os::OdbcSources& sources)
      : ParamPage(ctx, param), sources_(sources) {}

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
  void onPageCommand(ui::Dialog& dialog, int id) override;

 private:
  void listDataSources(ui::Dialog& dialog);

  os::OdbcSources& sources_;
};

// Runs PARAM-ODBC on the machine's driver manager.
int runOdbcPage(WizardContext& ctx, TemplateParam& param, const ui::DialogTemplate& dialog);

}  // namespace qv::wizard
