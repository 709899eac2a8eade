// Command routing: an object that carries out commands by id and tells their state.
#pragma once

#include <windows.h>

namespace wnd {

// The state a command shows in menus and toolbars.
struct CommandState {
  UINT id = 0;
  bool enabled = true;
  bool checked = false;
  bool radio = false;  // a check shown as a radio mark
};

class CommandTarget {
 public:
  virtual ~CommandTarget() = default;
  // True when this target carried out the command.
  virtual bool HandleCommand(UINT) { return false; }
  // True when this target decided the state of the command.
  virtual bool UpdateCommand(CommandState&) { return false; }
};

}  // namespace wnd
