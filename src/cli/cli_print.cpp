#include "cli/cli_print.h"

#include <ostream>

#include "cli/cli_report.h"
#include "cli/page_module.h"
#include "files/document_io.h"
#include "solver/calculation_run.h"
#include "solver/stabil.h"

namespace volantis4 {

int runPrint(const PrintOptions& options, std::ostream& out, std::ostream& err) {
  std::string unavailable;
  const PageWriters* writers = pageWriters(unavailable);
  if (writers == nullptr) {
    err << unavailable << "\n";
    return 2;
  }
  Document doc;
  doc.language = options.language;
  doc.stability.marginText = options.marginText;
  if (!options.file.empty()) {
    if (auto error = openCommandLineFile(doc, options.file)) {
      err << renderFileError(*error, options.language) << "\n";
      return 2;
    }
  }
  if (!Button4Click(doc)) {
    for (const std::string& line : doc.run.panel.lines()) err << line << "\n";
    return 1;
  }
  const StabilityProposal proposal = proposalOf(doc);
  if (const std::string problem =
          manualMarginProblem(options.marginText, {proposal.x_cg_manual, doc.results.xnp - proposal.x_cg_manual});
      !problem.empty()) {
    err << problem << "\n";
    return 2;
  }
  for (const auto& [path, write] : {std::pair{options.png, writers->summaryPng}, {options.pdf, writers->summaryPdf}}) {
    if (path.empty()) continue;
    if (const std::string failure = write(doc, path); !failure.empty()) {
      err << failure << "\n";
      return 2;
    }
    out << path << "\n";
  }
  return 0;
}

std::optional<Refusal> writeBalanceTemplate(const Document& doc, bool manualChoice, Language language,
                                            const std::string& path) {
  std::string failure;
  const PageWriters* writers = pageWriters(failure);
  if (writers == nullptr) return Refusal{RefusalKind::Unavailable, failure};
  failure = writers->balanceTemplate(doc, manualChoice, language, path);
  if (failure.empty()) return std::nullopt;
  return Refusal{RefusalKind::Write, failure};
}

}  // namespace volantis4
