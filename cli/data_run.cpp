#include "cli/data_run.h"

#include <iostream>

#include "app/data/main_link.h"

namespace tavro::cli {

HeadlessData::HeadlessData(const std::string& programFolder)
    : platform_(messages_, programFolder),
      main_(std::make_unique<FrmMain>(platform_)),
      data_(std::make_unique<FrmData>(platform_)) {}

std::string HeadlessData::TakeMessages() {
  std::string s = messages_.str();
  messages_.str("");
  return s;
}

namespace {

// Messages end in a line end; the caller adds its own.
std::string WithoutLineEnd(std::string s) {
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
  return s;
}

}  // namespace

bool HeadlessData::Start(const HeadlessDataOptions& o, std::string& error) {
  FrmMain& f = *main_;
  if (!f.Form_Load()) {
    error = WithoutLineEnd(TakeMessages());
    return false;
  }
  TakeMessages();

  if (std::string refused = ApplySettingOptions(f, o.settings); !refused.empty()) {
    error = std::move(refused);
    return false;
  }
  if (!o.entry.empty()) {
    const FrmMain::Parsed p = f.ParseDate(IsPlainDate(o.entry) ? o.entry + " CE" : o.entry);
    if (p.error > 0) f.ShowEntryError(p.error);
    if (p.error > 0 || f.CheckRange(p.ajd)) {
      error = RefusalText(f, TakeMessages());
      return false;
    }
    f.dblCurrentAJDate = p.ajd;
    f.DisplayDatesAndTimes();
  }
  TakeMessages();

  ConnectToMain(*data_, f);
  data_->optJC.value = o.julian;
  data_->optCE.value = !o.julian;
  return true;
}

std::string PrintedText(const std::string& windowText, bool crlf) {
  std::string out;
  out.reserve(windowText.size() + 2);
  for (size_t i = 0; i < windowText.size(); ++i) {
    if (!crlf && windowText[i] == '\r' && i + 1 < windowText.size() && windowText[i + 1] == '\n') continue;
    out += windowText[i];
  }
  if (out.empty() || out.back() != '\n') out += crlf ? "\r\n" : "\n";
  return out;
}

int RunDataWindow(const std::string& command, const HeadlessDataOptions& o, bool crlf,
                  const std::function<void(FrmData&)>& act, const std::function<int(const std::string&)>& status) {
  HeadlessData run(ProgramFolder());
  std::string error;
  if (!run.Start(o, error)) return UsageError(command + ": " + error);
  FrmData& d = run.data();
  act(d);
  std::cout << PrintedText(d.txbText.text, crlf);
  std::cerr << run.TakeMessages();
  return status ? status(d.txbText.text) : 0;
}

}  // namespace tavro::cli

