// A window's state read back as text in the form of the expectation that asks for it,
// "name[(index)][.property]=value", so that a table row says what the panel shows in the same
// words as a failure reports: "lblVox=DATA", "lblU.back=red", "sliBFO.value=100",
// "cmdF=1425000" (a control array's captions joined), "focus=vscLoadCh", "form=0" (the
// window disabled), "caption=Frequency Select" (the window's).
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/ui/form.h"

namespace look {

inline std::string colour(ui::Color c) {
  const std::pair<ui::Color, const char*> names[] = {
      {ui::kRed, "red"},         {ui::kGreen, "green"},          {ui::kYellow, "yellow"},
      {ui::kWhite, "white"},     {ui::kBlack, "black"},          {ui::kLightGrey, "grey"},
      {ui::kSysGrayText, "dim"}, {ui::kSysButtonText, "bright"}, {ui::kSysWindowText, "text"},
  };
  for (const auto& [value, name] : names) {
    if (c == value) return name;
  }
  return std::to_string(c);
}

/// What `form` shows of the control and property that `expected` names, as "key=value".
inline std::string of(const ui::Form& form, const std::string& expected) {
  std::string key = expected.substr(0, expected.find('='));
  std::string name = key.substr(0, key.find('.'));
  std::string prop = name.size() < key.size() ? key.substr(name.size() + 1) : "";
  int index = -1;
  if (name.back() == ')') {
    index = std::stoi(name.substr(name.find('(') + 1));
    name = name.substr(0, name.find('('));
  }
  if (name == "focus") return key + "=" + (form.focus() ? form.focus()->name() : "");
  if (name == "form") return key + "=" + std::to_string(form.enabled);
  if (name == "caption") return key + "=" + form.caption;
  const ui::Control* c = form.find(name, index);
  std::string value;
  if (c == nullptr) {
    for (int i = 0; form.find(name, i) != nullptr; ++i) value += form.find(name, i)->caption;
  } else if (prop.empty()) {
    value = c->caption;
  } else if (prop == "fore" || prop == "back" || prop == "fill") {
    value = colour(prop == "fore" ? c->foreColor : prop == "back" ? c->backColor : c->fillColor);
  } else {
    value = std::to_string(prop == "enabled"   ? c->enabled
                           : prop == "visible" ? c->visible
                                               : c->value);
  }
  return key + "=" + value;
}

}  // namespace look
