#pragma once
#include <string>
#include <vector>

namespace ui::fltk {

/// Starts a program (searched in PATH) with its arguments and returns at once, without waiting
/// for it or keeping it as a child. Failures to start are not reported.
void launchInBackground(const std::vector<std::string>& argv);

}  // namespace ui::fltk
