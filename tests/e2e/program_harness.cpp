#include "tests/e2e/program_harness.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <thread>

namespace {

pid_t spawn(const std::vector<std::string>& argv, const std::string& folder) {
  pid_t pid = fork();
  if (pid != 0) return pid;
  if (chdir(folder.c_str()) != 0) _exit(126);
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  execv(args[0], args.data());
  _exit(127);
}

// Asks a process to end, and makes it end after a second.
void stop(pid_t& pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  if (!ProgramHarness::waitFor([&] { return waitpid(pid, nullptr, WNOHANG) == pid; }, 1.0)) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  pid = -1;
}

}  // namespace

ProgramHarness::ProgramHarness()
    : m_radioArgv{ZARVIN_BUILD_DIR "/radiosim", "--link", m_folder.file("COM1"), "--log",
                  m_folder.file("radio.log")} {
  startRadio();
  m_folder.write("PortSetup.txt", "1\r\n9600,O,7,1\r\ncomNone\r\n");
}

void ProgramHarness::startRadio() {
  m_radio = spawn(m_radioArgv, m_folder.path());
  waitFor([this] { return m_folder.exists("COM1"); }, 5.0);
}

void ProgramHarness::stopRadio() {
  stop(m_radio);
}

ProgramHarness::~ProgramHarness() {
  stop(m_program);
  stop(m_radio);
}

void ProgramHarness::startProgram() {
  m_program = spawn({ZARVIN_BUILD_DIR "/zarvin"}, m_folder.path());
}

bool ProgramHarness::waitFor(const std::function<bool()>& cond, double seconds) {
  auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!cond()) {
    if (std::chrono::steady_clock::now() > end) return cond();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

std::vector<std::string> ProgramHarness::commands() const {
  std::vector<std::string> lines;
  std::istringstream in(m_folder.read("radio.log"));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string ProgramHarness::mainWindow() const {
  char id[64] = "";
  if (FILE* pipe = popen("xdotool search --name 'Zarvin 0.930' 2>/dev/null", "r")) {
    if (fgets(id, sizeof id, pipe) == nullptr) id[0] = '\0';
    pclose(pipe);
  }
  return std::string(id, std::strcspn(id, "\n"));
}

bool ProgramHarness::xdotool(const std::string& arguments) {
  return std::system(("xdotool " + arguments + " >/dev/null 2>&1").c_str()) == 0;
}

bool ProgramHarness::screenshot(const std::string& pngPath) const {
  std::string id = mainWindow();
  if (id.empty()) return false;
  return std::system(("import -window " + id + " " + pngPath + " >/dev/null 2>&1").c_str()) == 0;
}

int ProgramHarness::waitForExit(double seconds) {
  int status = 0;
  bool ended = waitFor([&] { return waitpid(m_program, &status, WNOHANG) == m_program; }, seconds);
  if (!ended) return -1;
  m_program = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
