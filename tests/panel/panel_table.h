// The runner of the panel's scenario tables: the whole program reaches REMOTE operation by
// itself, a script of user and radio actions runs at seconds after kReady, and the scenario
// states every write to the radio with its time and what the panel shows at given moments.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/ui/user_actions.h"
#include "tests/link/look.h"
#include "tests/panel/panel_script.h"

namespace panel_table {

using panel_script::kReady;
using panel_script::Rig;

/// A script is steps "t verb argument" separated by ';', t in seconds after kReady:
///   click NAME         a user's click (ignored when the control cannot be reached)
///   force NAME         makes the control and its frames live first, then clicks
///   keys DIGITS        clicks the digit keys one after another, 0.6 s apart
///   hold NAME L|M|R s  presses a mouse button on the control, releases it s seconds later
///   set NAME n         moves a slider or scroll bar
///   focus NAME         gives the control the focus
///   choose NAME        chooses an option button
///   text NAME text     types into a text box
///   show NAME text     sets a caption (spread over a control array's captions)
///   store gFreq|gMode|gAudioInput text  overwrites an item, as a damaged line leaves it
///   line TEXT          the radio sends TEXT and a line feed
///   local              the radio goes LOCAL under its own front panel
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

inline std::string seconds(double t) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6f", t);
  std::string s = text;
  s.erase(s.find_last_not_of('0') + 1);
  if (s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

/// The script with each '@' standing for "window/", the prefix of a child window's controls.
inline std::string inWindow(const std::string& window, std::string script) {
  for (auto at = script.find('@'); at != std::string::npos; at = script.find('@', at)) {
    script.replace(at, 1, window + "/");
  }
  return script;
}

/// The writes from kReady on as "t bytes".
inline std::vector<std::string> writesOf(const Rig& rig, bool keepAlives) {
  std::vector<std::string> found;
  for (const auto& w : rig.port.writes()) {
    double t = w.time - rig.start - kReady;
    bool keepAlive = w.bytes == "U" || w.bytes == " ";
    if (t > -1e-9 && (keepAlives || !keepAlive)) found.push_back(seconds(t) + " " + w.bytes);
  }
  return found;
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
    EXPECT_TRUE(ui::userChooseOption(control())) << arg;
  } else if (verb == "text") {
    ui::userSetText(control(), rest);
  } else if (verb == "force") {
    panel_script::press(rig, name, index);
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
    panel_script::radioGoesLocal(rig);
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

/// Runs the scenario, then `after` for what no look shows.
inline void run(const Scenario& s, const std::function<void(Rig&)>& after = nullptr) {
  SCOPED_TRACE(s.script);
  Rig rig(s.firmware);
  if (s.prepare) s.prepare(rig);
  std::istringstream script(s.script);
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
  rig.runFor(kReady + last + 1.0);
  EXPECT_EQ(writesOf(rig, s.keepAlives), s.writes);
  if (after) after(rig);
}

}  // namespace panel_table
