// qvscript batch: one script per row of a CSV file.
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <map>
#include <sstream>
#include <thread>

#include "cli/answer_source.h"
#include "cli/commands.h"
#include "cli/csv_reader.h"
#include "cli/render_output.h"
#include "cli/template_check.h"
#include "platform/base/text.h"
#include "platform/os/paths.h"
#include "wizard/answers/answers_listing.h"

namespace qv::cli {
namespace {

struct Row {
  std::size_t number = 0;  // 1 for the first data row
  std::vector<wizard::GivenAnswer> answers;
  std::string target;
};

// The answer a key has for a row: its cell, else the answers file's.
std::optional<std::string> valueFor(std::string_view key, const Row& row,
                                    const std::vector<wizard::GivenAnswer>& base) {
  for (const auto* list : {&row.answers, &base}) {
    for (auto it = list->rbegin(); it != list->rend(); ++it) {
      if (equalsNoCase(it->key, key)) return it->value;
    }
  }
  return std::nullopt;
}

// PATTERN with {KEY} and {row} replaced; nullopt with `error` for a key that
// has no value or a brace that is not closed.
std::optional<std::string> targetFor(std::string_view pattern, const Row& row,
                                     const std::vector<wizard::GivenAnswer>& base,
                                     std::string& error) {
  std::string target;
  for (std::size_t i = 0; i < pattern.size();) {
    if (pattern[i] != '{') {
      target.push_back(pattern[i++]);
      continue;
    }
    const std::size_t close = pattern.find('}', i);
    if (close == std::string_view::npos) {
      error = "--output: a \"{\" without its \"}\"";
      return std::nullopt;
    }
    const std::string_view key = pattern.substr(i + 1, close - i - 1);
    if (key == "row") {
      target += std::to_string(row.number);
    } else if (const auto value = valueFor(key, row, base)) {
      target += *value;
    } else {
      error = "--output: no value for {" + std::string(key) + "}";
      return std::nullopt;
    }
    i = close + 1;
  }
  return target;
}

struct RowOutcome {
  bool written = false;
  std::string messages;
};

// Scripts written at once; the work is mostly waiting for the disk.
constexpr std::size_t kWorkers = 16;

RowOutcome renderRow(const std::string& file, const CliOptions& options,
                     const std::vector<wizard::GivenAnswer>& base, const std::string& rowsFile,
                     const Row& row) {
  std::ostringstream err;
  const std::string where = rowsFile + ":" + std::to_string(row.number);
  wizard::WizardState state;
  if (compileForUse(state, file, err) != kExitOk) return {false, err.str()};
  std::vector<wizard::GivenAnswer> given = base;
  given.insert(given.end(), row.answers.begin(), row.answers.end());
  wizard::FormPlatform platform;
  const auto problems =
      wizard::applyAnswers(platform, state, given, options.answers.value_or(file));
  for (const wizard::AnswerProblem& p : problems) {
    // An answer of the answers file or a default is named with its source.
    err << where << ": " << (p.error ? "error" : "warning") << ": "
        << (p.source == where ? "" : p.source + ":") << p.key << ": "
        << wizard::flattenedLine(p.message) << '\n';
  }
  if (wizard::hasError(problems)) return {false, err.str()};
  const std::filesystem::path folder = std::filesystem::path(row.target).parent_path();
  std::error_code ignored;
  if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
  const bool written = generateInto(state, platform, row.target, where + ": " + row.target, err);
  return {written, err.str()};
}

}  // namespace

int runBatch(const CliOptions& options, Streams io) {
  if (options.files.size() != 1 || !options.rows || !options.pattern) {
    io.err << "Usage: qvscript batch TEMPLATE [--answers FILE] --rows ROWS.csv --output "
              "PATTERN\n";
    return kExitUnreadable;
  }
  const std::string& file = options.files.front();
  const std::string& rowsFile = *options.rows;
  {
    wizard::WizardState state;
    if (const int status = compileForUse(state, file, io.err)) return status;
  }
  int status = kExitOk;
  const auto base = gatherAnswers(options.answers, options.sets, io.err, status);
  if (!base) return status;
  const std::optional<std::string> text = os::readWholeFile(rowsFile);
  if (!text) {
    io.err << rowsFile << ": error: cannot be read\n";
    return kExitUnreadable;
  }
  CsvError csvError;
  const auto records = parseCsv(*text, csvError);
  if (!records) {
    io.err << rowsFile << ':' << csvError.line << ": error: " << csvError.message << '\n';
    return kExitRefused;
  }
  if (records->empty()) {
    io.err << rowsFile << ": error: no header row naming the answers\n";
    return kExitRefused;
  }
  const CsvRecord& header = records->front();

  // Every row's answers and target first: two rows that would write the
  // same file stop the batch before anything is written.
  std::vector<Row> rows;
  bool planned = true;
  std::map<std::string, std::size_t> targets;
  for (std::size_t r = 1; r < records->size(); ++r) {
    const CsvRecord& record = (*records)[r];
    Row row;
    row.number = r;
    const std::string where = rowsFile + ":" + std::to_string(r);
    if (record.size() != header.size()) {
      io.err << where << ": error: " << record.size() << " fields where the header row has "
             << header.size() << '\n';
      planned = false;
      continue;
    }
    for (std::size_t c = 0; c < header.size(); ++c) {
      // An empty cell gives nothing: the answers file's value stands.
      if (!record[c].empty()) row.answers.push_back({header[c], record[c], where, 2});
    }
    std::string error;
    const auto target = targetFor(*options.pattern, row, *base, error);
    if (!target) {
      io.err << where << ": error: " << error << '\n';
      planned = false;
      continue;
    }
    row.target = *target;
    const std::string normal = std::filesystem::path(row.target).lexically_normal().string();
    if (const auto [it, added] = targets.try_emplace(normal, r); !added) {
      io.err << where << ": error: writes " << row.target << " as row " << it->second << " does\n";
      planned = false;
    }
    rows.push_back(std::move(row));
  }
  if (!planned) return kExitRefused;

  // Rows are rendered side by side: each script is made durable on its own
  // (written, synced and renamed as the wizard does), and the disk's waits
  // overlap. What each row says is printed in row order.
  std::vector<RowOutcome> outcomes(rows.size());
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    for (std::size_t i; (i = next.fetch_add(1)) < rows.size();) {
      outcomes[i] = renderRow(file, options, *base, rowsFile, rows[i]);
    }
  };
  const std::size_t workers = std::min<std::size_t>(kWorkers, rows.size());
  std::vector<std::thread> threads;
  for (std::size_t t = 1; t < workers; ++t) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();
  bool allWritten = true;
  for (const RowOutcome& outcome : outcomes) {
    io.err << outcome.messages;
    allWritten = allWritten && outcome.written;
  }
  return allWritten ? kExitOk : kExitRefused;
}

}  // namespace qv::cli
