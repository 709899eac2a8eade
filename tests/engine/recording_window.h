// A JobWindow for tests: a source list in memory, and every call recorded in order as a short
// text ("SetProgress File 2"), log lines and message boxes also kept apart for easy checks.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "engine/job_window.h"

namespace xr::test {

class RecordingWindow : public engine::JobWindow {
 public:
  struct LogLine {
    std::string text;
    engine::Colour colour;
  };
  struct Message {
    std::string text;
    unsigned flags = 0;
    bool owned = false;
  };
  struct Row {
    std::string path;
    int icon = engine::kIconListed;
    int mark = 0;
  };

  explicit RecordingWindow(const std::vector<std::string>& paths = {}) {
    for (const auto& p : paths) rows.push_back({p});
  }

  std::vector<Row> rows;
  std::vector<std::string> calls;
  std::vector<LogLine> log;
  std::vector<Message> messages;
  std::atomic<int> runFlag{1};
  // Called after each AppendLog; lets a test act at a given moment of the run (a stop request).
  std::function<void(const std::string&)> afterAppendLog;

  // The recorded calls that start with `prefix`, in order.
  std::vector<std::string> CallsStartingWith(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& c : calls) {
      if (c.rfind(prefix, 0) == 0) out.push_back(c);
    }
    return out;
  }
  std::vector<std::string> LogTexts() const {
    std::vector<std::string> out;
    for (const auto& l : log) out.push_back(l.text);
    return out;
  }

  int SourceCount() override {
    calls.push_back("SourceCount");
    return static_cast<int>(rows.size());
  }
  std::string SourcePath(int index) override {
    calls.push_back("SourcePath " + std::to_string(index));
    return rows.at(static_cast<std::size_t>(index)).path;
  }
  void MarkSource(int index, engine::StatusIcon icon, int repairedMark) override {
    calls.push_back("MarkSource " + std::to_string(index) + " " + std::to_string(icon) + " " +
                    std::to_string(repairedMark));
    auto& row = rows.at(static_cast<std::size_t>(index));
    row.icon = icon;
    row.mark = repairedMark;
  }
  bool IsSourceRepaired(int index) override {
    return rows.at(static_cast<std::size_t>(index)).mark == 1;
  }
  void ClearRepairedMark(int index) override { rows.at(static_cast<std::size_t>(index)).mark = 0; }

  void AppendLog(const std::string& text, engine::Colour colour) override {
    calls.push_back("AppendLog");
    log.push_back({text, colour});
    if (afterAppendLog) afterAppendLog(text);
  }
  void SetLogText(const std::string& text) override {
    calls.push_back("SetLogText [" + text + "]");
  }
  void SetInstructions(const std::string& text,
                       const std::vector<engine::BoldRange>& bold) override {
    std::string call = "SetInstructions [" + text + "]";
    for (const auto& b : bold) call += " " + std::to_string(b.begin) + "-" + std::to_string(b.end);
    calls.push_back(call);
  }

  void ShowProgressArea(bool show) override {
    calls.push_back(std::string("ShowProgressArea ") + (show ? "show" : "hide"));
  }
  void ShowTotalProgressOnly() override { calls.push_back("ShowTotalProgressOnly"); }
  void ResetProgress(engine::ProgressBar bar, std::uint32_t upperBound) override {
    calls.push_back("ResetProgress " + Name(bar) + " " + std::to_string(upperBound));
  }
  void SetProgress(engine::ProgressBar bar, std::uint32_t position) override {
    calls.push_back("SetProgress " + Name(bar) + " " + std::to_string(position));
  }

  void ShowPreviewNotice(engine::PreviewNotice notice) override {
    calls.push_back("ShowPreviewNotice " + std::to_string(notice));
  }
  void ShowPreviewImage(const std::filesystem::path&) override {
    calls.push_back("ShowPreviewImage");
  }

  void SetCommandStates(const engine::CommandStates& c) override {
    std::string call = "SetCommandStates";
    const auto add = [&](const char* name, const std::optional<bool>& v) {
      if (v) call += std::string(" ") + name + "=" + (*v ? "1" : "0");
    };
    add("canSelect", c.canSelect);
    add("canRepair", c.canRepair);
    add("canSave", c.canSave);
    add("select", c.selectEnabled);
    add("repair", c.repairEnabled);
    add("remove", c.removeEnabled);
    add("stopEnabled", c.stopEnabled);
    add("stopVisible", c.stopVisible);
    add("saveControls", c.saveControlsEnabled);
    calls.push_back(call);
  }
  std::string DestinationText() override { return {}; }
  bool IsExtractMediaChecked() override { return false; }

  int ShowMessage(const std::string& text, unsigned flags, bool owned) override {
    calls.push_back("ShowMessage");
    messages.push_back({text, flags, owned});
    return engine::kAnswerOk;
  }
  std::atomic<int>& RunFlag() override { return runFlag; }

 private:
  static std::string Name(engine::ProgressBar bar) {
    return bar == engine::ProgressBar::File ? "File" : "Total";
  }
};

}  // namespace xr::test
