// A JobWindow that records every call, for the save tests. Safe to call from a worker thread.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "engine/job_window.h"

namespace xr::test {

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

struct Source {
  std::string path;
  bool repaired = true;
};

class FakeJobWindow : public engine::JobWindow {
 public:
  // Inputs of a run.
  std::vector<Source> sources;
  std::string destination;
  bool extractMedia = false;
  std::atomic<int> runFlag{0};

  // Called with the name of every call after it is recorded; a test stops the run from here.
  std::function<void(const std::string& call)> onCall;

  // What the run did. `calls` holds one short line per call in order, for the order of events.
  std::vector<std::string> calls;
  std::vector<LogLine> log;
  std::vector<Message> messages;
  std::vector<std::filesystem::path> previewImages;
  std::vector<int> clearedMarks;

  int SourceCount() override {
    Record("SourceCount");
    return static_cast<int>(sources.size());
  }
  std::string SourcePath(int index) override {
    Record("SourcePath " + std::to_string(index));
    return sources.at(index).path;
  }
  void MarkSource(int index, engine::StatusIcon icon, int mark) override {
    Record("MarkSource " + std::to_string(index) + " " + std::to_string(icon) + " " + std::to_string(mark));
  }
  bool IsSourceRepaired(int index) override {
    Record("IsSourceRepaired " + std::to_string(index));
    return sources.at(index).repaired;
  }
  void ClearRepairedMark(int index) override {
    {
      std::lock_guard lock(mutex_);
      sources.at(index).repaired = false;
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
  void SetInstructions(const std::string& text, const std::vector<engine::BoldRange>& bold) override {
    std::string call = "SetInstructions '" + text + "'";
    for (const auto& range : bold) call += " [" + std::to_string(range.begin) + "," + std::to_string(range.end) + ")";
    Record(call);
  }
  void ShowProgressArea(bool show) override { Record(std::string("ShowProgressArea ") + (show ? "show" : "hide")); }
  void ShowTotalProgressOnly() override { Record("ShowTotalProgressOnly"); }
  void ResetProgress(engine::ProgressBar bar, std::uint32_t upper) override {
    Record("ResetProgress " + Name(bar) + " " + std::to_string(upper));
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
  void SetCommandStates(const engine::CommandStates& c) override {
    std::string call = "SetCommandStates";
    const auto field = [&](const char* name, const std::optional<bool>& value) {
      if (value) call += std::string(" ") + name + "=" + (*value ? "1" : "0");
    };
    field("saveControls", c.saveControlsEnabled);
    field("canSave", c.canSave);
    field("canSelect", c.canSelect);
    field("canRepair", c.canRepair);
    field("select", c.selectEnabled);
    field("repair", c.repairEnabled);
    field("remove", c.removeEnabled);
    field("stopEnabled", c.stopEnabled);
    field("stopVisible", c.stopVisible);
    Record(call);
  }
  std::string DestinationText() override {
    Record("DestinationText");
    return destination;
  }
  bool IsExtractMediaChecked() override {
    Record("IsExtractMediaChecked");
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

  // The calls that change what the user sees, without the reads.
  std::vector<std::string> Effects() const {
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

 private:
  static std::string Name(engine::ProgressBar bar) { return bar == engine::ProgressBar::File ? "File" : "Total"; }
  void Record(const std::string& call) {
    {
      std::lock_guard lock(mutex_);
      calls.push_back(call);
    }
    if (onCall) onCall(call);
  }

  std::mutex mutex_;
};

}  // namespace xr::test
