#include "app/data/headless_run.h"

#include <filesystem>

#include "app/data/main_link.h"
#include "app/main/text_util.h"

namespace tavro {

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

bool IsPlainDate(const std::string& text) {
  size_t i = 0, fields = 0;
  if (i < text.size() && text[i] == '-') ++i;
  while (i < text.size()) {
    const size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    if (i == start) return false;
    ++fields;
    if (i == text.size()) break;
    if (text[i] != '-' || fields == 3) return false;
    ++i;
  }
  return fields == 3;
}

bool HeadlessData::Start(const HeadlessDataOptions& o, std::string& error) {
  FrmMain& f = *main_;
  if (!f.Form_Load()) {
    error = WithoutLineEnd(TakeMessages());
    return false;
  }
  TakeMessages();

  if (!o.country.empty()) {
    const std::string c = ToLower(o.country);
    const int index = c == "vietnam" ? kCountryVietnam : c == "china" ? kCountryChina : c == "japan" ? kCountryJapan : -1;
    if (index < 0) {
      error = "--country must be china, vietnam or japan";
      return false;
    }
    f.cboRefLong.index = index;
    f.cboRefLong_Click();
  }
  if (!o.longitude.empty()) {
    int index = -1;
    for (size_t k = 0; k < f.cboLongitude.items.size(); ++k)
      if (f.cboLongitude.items[k] == o.longitude) index = static_cast<int>(k);
    if (index < 0) {
      error = "--longitude must be a whole number from 100 to 145";
      return false;
    }
    f.cboLongitude.index = index;
    f.cboLongitude_Click();
  }
  if (!o.epoch.empty()) {
    if (o.epoch != "-2696" && o.epoch != "-2636") {
      error = "--epoch must be -2696 or -2636";
      return false;
    }
    f.cboEpoch.index = o.epoch == "-2696" ? 0 : 1;
    f.cboEpoch_Click();
  }
  if (!o.method.empty()) {
    const std::string m = ToLower(o.method);
    if (m != "true" && m != "mean") {
      error = "--method must be true or mean";
      return false;
    }
    f.cboMethod.index = m == "true" ? 0 : 1;
    f.cboMethod_Click();
  }
  if (!o.entry.empty()) {
    const FrmMain::Parsed p = f.ParseDate(IsPlainDate(o.entry) ? o.entry + " CE" : o.entry);
    if (p.error > 0) {
      f.ShowEntryError(p.error);
      error = WithoutLineEnd(TakeMessages());
      return false;
    }
    if (f.CheckRange(p.ajd)) {
      error = WithoutLineEnd(TakeMessages());
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

std::string ExecutableFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return ".";
  return exe.parent_path().string();
}

}  // namespace tavro
