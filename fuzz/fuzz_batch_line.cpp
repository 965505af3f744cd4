// One input line of `tavro-cli convert --batch`, as TSV (no options) and as
// JSON (--calendar CHL --time 9:30 --zone local): every line gives one
// record line, TSV with ten cells and JSON that reads back with the entry.
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/batch.h"
#include "fuzz_main_window.h"

using tavro::fuzz::Require;

namespace {

tavro::FrmMain& WithOptions(tavro::FrmMain& f, const tavro::cli::WindowOptions& o) {
  Require(tavro::cli::ApplyWindowOptions(f, o).empty(), "the options apply");
  return f;
}

struct Batch {
  tavro::fuzz::MainWindow window;
  tavro::cli::BatchConverter converter;
  explicit Batch(const tavro::cli::WindowOptions& o)
      : converter(WithOptions(window.f, o), window.platform, window.messages, o, "", false) {}
};

tavro::cli::WindowOptions JsonOptions() {
  tavro::cli::WindowOptions o;
  o.calendar = "CHL";
  o.time = "9:30";
  o.zone = "local";
  o.json = true;
  return o;
}

bool IsUtf8(const std::string& s) {
  try {
    (void)nlohmann::json(s).dump();
    return true;
  } catch (const nlohmann::json::exception&) {
    return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Batch tsv{tavro::cli::WindowOptions{}};
  static Batch json{JsonOptions()};
  std::string line(reinterpret_cast<const char*>(data), size);
  // As the batch reads its input: up to the line end, without a CR, blank lines skipped.
  line = line.substr(0, line.find('\n'));
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.find_first_not_of(" \t\r") == std::string::npos) return 0;

  std::string out;
  const bool ok = tsv.converter.Convert(line, out);
  Require(out.find('\n') == std::string::npos, "a TSV record is one line");
  size_t tabs = 0;
  for (char c : out) tabs += c == '\t';
  Require(tabs == 9, "a TSV record has ten cells");

  out.clear();
  const bool jsonOk = json.converter.Convert(line, out);
  Require(out.find('\n') == std::string::npos, "a JSON record is one line");
  const nlohmann::json record = nlohmann::json::parse(out, nullptr, false);
  Require(!record.is_discarded() && record.is_object(), "a JSON record reads back as an object");
  Require(record.contains("error") != jsonOk, "a record has an error exactly when the entry failed");
  if (IsUtf8(line)) Require(record["entry"] == line, "the record names its entry");
  (void)ok;
  return 0;
}
