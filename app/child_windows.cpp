#include "app/child_windows.h"

#include <memory>

#include "lists/frmBandSelect.h"
#include "lists/frmScanBands.h"
#include "lists/frmScanFreqs.h"
#include "panel/frmZarvin.h"
#include "setup/frmAudioSetup.h"
#include "setup/frmHelp.h"
#include "setup/frmPortSetup.h"

void wireChildWindows(frmZarvin& main) {
  // The band list is destroyed only after its modal show has returned: a handler that was
  // waiting when it closed has finished by then.
  main.childWindows.bandSelect = [&main] {
    auto window = std::make_unique<frmBandSelect>(main.platform, main.link, main);
    window->showModal();
  };
  main.childWindows.scanFreqs = [&main] {
    auto window = std::make_unique<frmScanFreqs>(main.platform, main.link, main);
    window->showModal();
  };
  main.childWindows.scanBands = [&main] {
    auto window = std::make_unique<frmScanBands>(main.platform, main.link, main);
    window->showModal();
  };
  main.childWindows.portSetup = [&main] {
    frmPortSetup window(main.platform, main.link, main);
    window.showModal();
  };
  main.childWindows.audioSetup = [&main] {
    frmAudioSetup window(main.platform, main.link, main);
    window.showModal();
  };
  main.childWindows.about = [&main] {
    frmHelp window(main.platform, main.link, main);
    window.showModal();
  };
}
