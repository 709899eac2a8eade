// A JobWindow for the engine and save tests: a source list in memory, every call recorded in order
// as a short text ("SetProgress File 2"), log lines and message boxes also kept apart for checks.
// Safe to call from a worker thread; read what it recorded once the worker is done.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "engine/job_window.h"

namespace xr::test {

class RecordingJobWindow : public engine::JobWindow {
 public:
  struct LogLine {
    std::string text;
    engine::Colour colour;
    friend bool operator==(const LogLine&, const LogLine&) = default;
  };
  struct Message {
    std::string text;
    unsigned flags = 0;
    bool owned = false;
    friend bool operator==(const Message&, const Message&) = default;
  };
  struct Row {
    std::string path;
    int icon = engine::kIconListed;
    int mark = 0;  // the repaired mark: 1 once the row was processed
  };

  explicit RecordingJobWindow(const std::vector<std::string>& paths = {}) {
    for (const auto& p : paths) rows.push_back({p});
  }

  // Inputs of a run. The flag starts cleared, as the frame's does before a command sets it.
  std::vector<Row> rows;
  std::string destination;
  bool extractMedia = false;
  std::atomic<int> runFlag{0};

  // Called with the text of every call once it is recorded, on the caller's thread; a test acts at
  // a given moment of the run from here (a stop request).
  std::function<void(const std::string& call)> onCall;

  // What the run did.
  std::vector<std::string> calls;
  std::vector<LogLine> log;
  std::vector<Message> messages;
  std::vector<std::filesystem::path> previewImages;
  std::vector<int> clearedMarks;

  // The recorded calls that start with `prefix`, in order.
  std::vector<std::string> CallsStartingWith(const std::string& prefix) const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> out;
    for (const auto& call : calls) {
      if (call.starts_with(prefix)) out.push_back(call);
    }
    return out;
  }
  std::vector<std::string> LogTexts() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> out;
    for (const auto& line : log) out.push_back(line.text);
    return out;
  }
  // The calls that change what the user sees, without the reads.
  std::vector<std::string> Effects() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> effects;
    for (const auto& call : calls) {
      if (call.starts_with("SourceCount") || call.starts_with("SourcePath") ||
          call.starts_with("IsSourceRepaired") || call.starts_with("DestinationText") ||
          call.starts_with("IsExtractMediaChecked")) {
        continue;
      }
      effects.push_back(call);
    }
    return effects;
  }

  int SourceCount() override {
    Record("SourceCount");
    std::lock_guard lock(mutex_);
    return static_cast<int>(rows.size());
  }
  std::string SourcePath(int index) override {
    Record("SourcePath " + std::to_string(index));
    std::lock_guard lock(mutex_);
    return RowAt(index).path;
  }
  void MarkSource(int index, engine::StatusIcon icon, int repairedMark) override {
    {
      std::lock_guard lock(mutex_);
      Row& row = RowAt(index);
      row.icon = icon;
      row.mark = repairedMark;
    }
    Record("MarkSource " + std::to_string(index) + " " + std::to_string(icon) + " " +
           std::to_string(repairedMark));
  }
  bool IsSourceRepaired(int index) override {
    Record("IsSourceRepaired " + std::to_string(index));
    std::lock_guard lock(mutex_);
    return RowAt(index).mark == 1;
  }
  void ClearRepairedMark(int index) override {
    {
      std::lock_guard lock(mutex_);
      RowAt(index).mark = 0;
      clearedMarks.push_back(index);
    }
    Record("ClearRepairedMark " + std::to_string(index));
  }

  void AppendLog(const std::string& text, engine::Colour colour) override {
    {
      std::lock_guard lock(mutex_);
      log.push_back({text, colour});
    }
    Record("AppendLog");
  }
  void SetLogText(const std::string& text) override { Record("SetLogText '" + text + "'"); }
  // Bold ranges are written half-open, as BoldRange holds them: "[19,30)".
  void SetInstructions(const std::string& text,
                       const std::vector<engine::BoldRange>& bold) override {
    std::string call = "SetInstructions '" + text + "'";
    for (const auto& range : bold) {
      call += " [" + std::to_string(range.begin) + "," + std::to_string(range.end) + ")";
    }
    Record(call);
  }

  void ShowProgressArea(bool show) override {
    Record(std::string("ShowProgressArea ") + (show ? "show" : "hide"));
  }
  void ShowTotalProgressOnly() override { Record("ShowTotalProgressOnly"); }
  void ResetProgress(engine::ProgressBar bar, std::uint32_t upperBound) override {
    Record("ResetProgress " + Name(bar) + " " + std::to_string(upperBound));
  }
  void SetProgress(engine::ProgressBar bar, std::uint32_t position) override {
    Record("SetProgress " + Name(bar) + " " + std::to_string(position));
  }

  void ShowPreviewNotice(engine::PreviewNotice notice) override {
    Record("ShowPreviewNotice " + std::to_string(notice));
  }
  void ShowPreviewImage(const std::filesystem::path& picture) override {
    {
      std::lock_guard lock(mutex_);
      previewImages.push_back(picture);
    }
    Record("ShowPreviewImage");
  }

  // Only the fields a call sets appear, always in the order CommandStates declares them.
  void SetCommandStates(const engine::CommandStates& c) override {
    std::string call = "SetCommandStates";
    const auto field = [&](const char* name, const std::optional<bool>& value) {
      if (value) call += std::string(" ") + name + "=" + (*value ? "1" : "0");
    };
    field("canSelect", c.canSelect);
    field("canRepair", c.canRepair);
    field("canSave", c.canSave);
    field("select", c.selectEnabled);
    field("repair", c.repairEnabled);
    field("remove", c.removeEnabled);
    field("stopEnabled", c.stopEnabled);
    field("stopVisible", c.stopVisible);
    field("saveControls", c.saveControlsEnabled);
    Record(call);
  }
  std::string DestinationText() override {
    Record("DestinationText");
    std::lock_guard lock(mutex_);
    return destination;
  }
  bool IsExtractMediaChecked() override {
    Record("IsExtractMediaChecked");
    std::lock_guard lock(mutex_);
    return extractMedia;
  }

  int ShowMessage(const std::string& text, unsigned flags, bool owned) override {
    {
      std::lock_guard lock(mutex_);
      messages.push_back({text, flags, owned});
    }
    Record("ShowMessage");
    return engine::kAnswerOk;
  }
  std::atomic<int>& RunFlag() override { return runFlag; }

 private:
  static std::string Name(engine::ProgressBar bar) {
    return bar == engine::ProgressBar::File ? "File" : "Total";
  }
  Row& RowAt(int index) { return rows.at(static_cast<std::size_t>(index)); }

  // The callback runs outside the lock, so it may read the window or call it again.
  void Record(const std::string& call) {
    {
      std::lock_guard lock(mutex_);
      calls.push_back(call);
    }
    if (onCall) onCall(call);
  }

  mutable std::mutex mutex_;
};

}  // namespace xr::test
