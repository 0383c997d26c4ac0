// The runner of the panel's scenario tables: the whole program reaches REMOTE operation by
// itself, a script of user and radio actions runs at seconds after kReady, and the scenario
// states every write to the radio with its time and what the panel shows at given moments.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/ui/user_actions.h"
#include "tests/link/look.h"
#include "tests/link/timed_writes.h"
#include "tests/support/program_rig.h"

namespace panel_table {

/// The panel is in REMOTE operation well before this many seconds after the start.
constexpr double kReady = 8.0;

/// The whole program with its PortSetup.txt written: it reaches REMOTE operation by itself.
struct Rig : ProgramRig {
  explicit Rig(int firmware = 2) : ProgramRig(firmware) { writePortSetup(); }
};

inline int count(const std::vector<std::string>& items, const std::string& item) {
  return static_cast<int>(std::count(items.begin(), items.end(), item));
}

/// The commands the radio received from index `from` of its log on, joined by blanks, the
/// keep-alives left out.
inline std::string commandsFrom(const ProgramRig& rig, size_t from) {
  std::string found;
  const auto& log = rig.commands();
  for (size_t i = from; i < log.size(); ++i) {
    if (log[i] != "U" && log[i] != "K" && log[i] != " ")
      found += (found.empty() ? "" : " ") + log[i];
  }
  return found;
}

/// Makes a control of the main window live (it and its containers visible and enabled, as
/// the REMOTE set-up leaves them) and clicks it.
inline void press(ProgramRig& rig, const std::string& name, int index = -1) {
  for (ui::Control* c = &rig.control(name, index); c != nullptr; c = c->container()) {
    c->visible = true;
    c->enabled = true;
  }
  EXPECT_TRUE(rig.click(name, index)) << name;
}

/// The radio goes LOCAL under its own front panel and says so.
inline void radioGoesLocal(ProgramRig& rig) {
  for (const RadioReply& r : rig.radio.switchRemote(false)) rig.port.deliver(r);
}

/// A script is steps "t verb argument" separated by ';', t in seconds after kReady:
///   click NAME         a user's click (ignored when the control cannot be reached)
///   force NAME         makes the control and its frames live first, then clicks
///   keys DIGITS        clicks the digit keys one after another, 0.6 s apart
///   hold NAME L|M|R s  presses a mouse button on the control, releases it s seconds later
///   set NAME n         moves a slider or scroll bar
///   focus NAME         gives the control the focus
///   choose NAME        chooses an option button, or flips a check box
///   text NAME text     types into a text box
///   show NAME text     sets a caption (spread over a control array's captions)
///   store gFreq|gMode|gAudioInput text  overwrites an item, as a damaged line leaves it
///   line TEXT          the radio sends TEXT and a line feed
///   local              the radio goes LOCAL under its own front panel
///   silent             the radio stops answering
///   close FORM         the close box of a window, which must be open
///   see LOOK           checks a look (tests/link/look.h) at that moment
/// NAME may carry an index, cmdF(3), and a child window's name, frmBandSelect/Option1(0).
/// The run ends one second after the last step; `prepare` adjusts the rig before the start.
struct Scenario {
  std::string script;
  std::vector<std::string> writes;  // "t bytes", keep-alives left out
  std::function<void(Rig&)> prepare = nullptr;
  int firmware = 2;
  bool keepAlives = false;  // whether the writes list the keep-alives too
};

/// The script with each '@' standing for "window/", the prefix of a child window's controls.
inline std::string inWindow(const std::string& window, std::string script) {
  for (auto at = script.find('@'); at != std::string::npos; at = script.find('@', at)) {
    script.replace(at, 1, window + "/");
  }
  return script;
}

inline void act(Rig& rig, const std::string& verb, const std::string& arg) {
  std::string name = arg.substr(0, arg.find(' ')), rest = arg.substr(name.size() + (name != arg));
  std::string form = name.find('/') < name.find('=') ? name.substr(0, name.find('/')) : "";
  name = name.substr(form.size() + !form.empty());
  int index = -1;
  if (name.back() == ')') {
    index = std::stoi(name.substr(name.find('(') + 1));
    name = name.substr(0, name.find('('));
  }
  auto control = [&]() -> ui::Control& {
    return form.empty() ? rig.control(name, index) : rig.ui.control(form, name, index);
  };
  if (verb == "click" && form.empty()) {
    rig.click(name, index);
  } else if (verb == "click") {
    EXPECT_TRUE(ui::userClick(control())) << arg;
  } else if (verb == "choose") {
    ui::Control& c = control();
    EXPECT_TRUE(c.kind() == ui::Kind::CheckBox ? ui::userToggleCheck(c) : ui::userChooseOption(c));
  } else if (verb == "text") {
    ui::userSetText(control(), rest);
  } else if (verb == "force") {
    press(rig, name, index);
  } else if (verb == "keys") {
    for (std::size_t i = 0; i < name.size(); ++i) {
      std::string key = "cmd" + name.substr(i, 1);
      rig.at(rig.elapsed() + 0.6 * i, [&rig, key] { rig.click(key); });
    }
  } else if (verb == "hold") {
    // The release is queued before the press runs the stepping loop it is delivered into.
    ui::Control* c = &control();
    int b = rest[0] == 'L'   ? ui::kLeftButton
            : rest[0] == 'M' ? ui::kMiddleButton
                             : ui::kRightButton;
    rig.at(rig.elapsed() + std::stod(rest.substr(2)), [c, b] { ui::userMouseUp(*c, b); });
    ui::userMouseDown(*c, b);
  } else if (verb == "focus") {
    ui::userFocus(control());
  } else if (verb == "set") {
    ui::userSetValue(control(), std::stoi(rest));
  } else if (verb == "show" && index < 0 && rig.frm.form.find(name) == nullptr) {
    for (std::size_t i = 0; i < rest.size(); ++i) rig.control(name, i).caption = rest.substr(i, 1);
  } else if (verb == "show") {
    control().caption = rest;
  } else if (verb == "store" && name == "gFreq") {
    rig.link.gFreq = rest;
  } else if (verb == "store" && name == "gMode") {
    rig.link.gMode = rest;
  } else if (verb == "store") {
    rig.link.gAudioInput = rest;
  } else if (verb == "line") {
    rig.port.deliver({0.0, arg + "\n", false});
  } else if (verb == "local") {
    radioGoesLocal(rig);
  } else if (verb == "silent") {
    rig.radio.faults.silent = true;
  } else if (verb == "close") {
    ui::Form* form = rig.ui.findForm(arg);
    if (form) form->close();
    EXPECT_TRUE(form) << arg << " is not open";
  } else if (verb == "see") {
    const ui::Form* f = form.empty() ? &rig.frm.form : rig.ui.findForm(form);
    std::string prefix = form.empty() ? "" : form + "/";
    EXPECT_EQ(f ? prefix + look::of(*f, arg.substr(prefix.size())) : form + " is not open", arg)
        << "at " << seconds(rig.elapsed() - kReady);
  } else {
    ADD_FAILURE() << "no verb " << verb;
  }
}

/// Schedules the steps of a script; returns the seconds of the last one.
inline double schedule(Rig& rig, const std::string& steps) {
  std::istringstream script(steps);
  double last = 0;
  for (std::string step; std::getline(script, step, ';');) {
    std::istringstream in(step);
    double t = 0;
    std::string verb, arg;
    in >> t >> verb >> std::ws;
    std::getline(in, arg);
    last = std::max(last, t);
    rig.at(kReady + t, [&rig, verb, arg] { act(rig, verb, arg); });
  }
  return last;
}

/// Runs the scenario, then `after` for what no look shows.
inline void run(const Scenario& s, const std::function<void(Rig&)>& after = nullptr) {
  SCOPED_TRACE(s.script);
  Rig rig(s.firmware);
  if (s.prepare) s.prepare(rig);
  double last = schedule(rig, s.script);
  rig.runFor(kReady + last + 1.0);
  EXPECT_EQ(timedWrites(rig.port, rig.start + kReady, s.keepAlives), s.writes);
  if (after) after(rig);
}

}  // namespace panel_table
