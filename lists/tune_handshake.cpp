#include "lists/tune_handshake.h"

#include "link/DisplayZarvinStatus.h"

namespace lists {
namespace {

constexpr double kSendSettle = 0.1;
constexpr double kConfirmWait = 1.5;
constexpr double kStatusSettle = 0.4;

enum class Outcome { Confirmed, Differs, Silent, Abandoned };

Outcome sendAndWait(DisplayZarvinStatus& link, const std::string& command,
                    const std::function<bool()>& abandoned) {
  link.gFreqNew = false;
  double start = link.now();
  link.transmitter.unkeyBeforeRetune(command.substr(1));
  link.gSendCommand(command, true, kSendSettle);
  // The radio's answer can be short of the frequency line (other lines first), so reading
  // goes on until one comes or the time is up.
  while (link.elapsedSince(start) < kConfirmWait && !link.gFreqNew) {
    link.gReadResponse();
    if (abandoned()) return Outcome::Abandoned;
  }
  if (!link.gFreqNew) return Outcome::Silent;
  if (link.gFreq != command || !link.gFreqValid) return Outcome::Differs;
  return Outcome::Confirmed;
}

}  // namespace

bool tuneHandshake(DisplayZarvinStatus& link, const std::string& command,
                   const std::function<bool()>& abandoned,
                   const std::function<void()>& beforeEachSend) {
  for (;;) {
    if (beforeEachSend) beforeEachSend();
    switch (sendAndWait(link, command, abandoned)) {
      case Outcome::Abandoned:
        return false;
      case Outcome::Silent:
        // The frequency line may have been lost: ask for the whole status once and go on.
        link.gSendCommand("?", true, kStatusSettle);
        link.gReadResponse();
        return true;
      case Outcome::Differs:
        break;
      case Outcome::Confirmed:
        return true;
    }
  }
}

}  // namespace lists
