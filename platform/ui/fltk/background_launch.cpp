#include "platform/ui/fltk/background_launch.h"

#include <sys/wait.h>
#include <unistd.h>

namespace ui::fltk {

void launchInBackground(const std::vector<std::string>& argv) {
  if (argv.empty()) return;
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t child = fork();
  if (child < 0) return;
  if (child == 0) {
    // The intermediate child exits at once, so the program is adopted by init and never
    // left as a zombie of ours.
    if (fork() == 0) {
      setsid();
      execvp(args[0], args.data());
      _exit(127);
    }
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
}

}  // namespace ui::fltk
