#include "cli/template_check.h"

#include "wizard/answers/answers_listing.h"
#include "wizard/engine/header_reader.h"

namespace qv::cli {
namespace {

using wizard::CompileFinding;

void printFinding(const std::string& file, const CompileFinding& finding, bool asError,
                  std::ostream& out) {
  out << file << ':' << finding.line << ": " << (asError ? "error" : "warning") << ": "
      << wizard::flattenedLine(finding.message);
  if (!finding.tag.empty()) out << ": " << wizard::flattenedLine(finding.tag);
  out << '\n';
}

}  // namespace

TemplateReport checkTemplateFile(wizard::WizardState& state) {
  TemplateReport report;
  std::vector<CompileFinding> findings;
  if (!wizard::checkTemplate(state, findings)) return report;
  const std::optional<wizard::HeaderOutline> header = wizard::outlineHeader(state.templatePath);
  if (!header) return report;
  report.readable = true;
  for (CompileFinding& finding : findings) {
    (finding.error ? report.errors : report.warnings).push_back(std::move(finding));
  }
  if (!header->opened) {
    report.warnings.push_back({false, 1, "no header block", {}});
  } else if (!header->closed) {
    report.warnings.push_back(
        {false, header->firstLine, "the header block is not closed: the wizard shows none", {}});
  } else {
    if (!header->hasParams) {
      report.warnings.push_back(
          {false, header->firstLine, "the header block has no WIZARD:PARAMS= key", {}});
    }
    if (!header->hasResults) {
      report.warnings.push_back(
          {false, header->firstLine, "the header block has no WIZARD:RESULTS= key", {}});
    }
  }
  return report;
}

int printReport(const std::string& file, const TemplateReport& report, bool werror,
                std::ostream& out) {
  if (!report.readable) {
    out << file << ": error: cannot be read\n";
    return kExitUnreadable;
  }
  for (const CompileFinding& finding : report.errors) printFinding(file, finding, true, out);
  for (const CompileFinding& finding : report.warnings) printFinding(file, finding, werror, out);
  const bool failed = !report.errors.empty() || (werror && !report.warnings.empty());
  return failed ? kExitRefused : kExitOk;
}

int compileForUse(wizard::WizardState& state, const std::string& file, std::ostream& err) {
  state.templatePath = file;
  TemplateReport report = checkTemplateFile(state);
  report.warnings.clear();  // the check's business, not a render's
  if (report.readable && report.errors.empty()) return kExitOk;
  return printReport(file, report, false, err);
}

}  // namespace qv::cli
