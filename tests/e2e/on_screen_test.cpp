// The front panel and every window of the program drawn by FLTK on a real 1280 x 1024 screen
// (Xvfb, no window manager), without the start-up: each is drawn and saved as a picture in the
// build folder, every caption fits its control, each carries the program's class and icon, the
// list windows open over the panel's band frame wherever the panel was moved, every text box
// takes typing wherever its keyboard came from, and the panel's menus neither crash on a key
// nor open while the panel is held.
#include "tests/e2e/fltk_demo_form.h"
#include "tests/e2e/fltk_panel_rig.h"
// After gtest: the X11 headers define None.
#include <FL/Fl_Input.H>
#include <FL/Fl_Light_Button.H>
#include <FL/Fl_Valuator.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "lists/frmBandSelect.h"
#include "lists/frmScanBands.h"
#include "lists/frmScanFreqs.h"
#include "platform/ui/fltk/widgets.h"
#include "setup/frmAudioSetup.h"
#include "setup/frmHelp.h"
#include "setup/frmPortSetup.h"

namespace {

using fltk_test::centreOf;
using fltk_test::Point;
using fltk_test::Steps;
using fltk_test::xEvent;

// The pixels a caption may take: the widget less its box, less an option or check button's
// mark, less the inset of a text aligned to one side; a frame's caption keeps 8 from each side.
Point captionRoom(const Fl_Widget& w) {
  if (dynamic_cast<const ui::fltk::FrameGroup*>(&w) != nullptr) return {w.w() - 16, INT_MAX};
  int room = w.w() - Fl::box_dw(w.box());
  int height = w.h() - Fl::box_dh(w.box());
  if (dynamic_cast<const Fl_Light_Button*>(&w) != nullptr)
    return {room - w.labelsize() - 4, height};
  bool sided = (w.align() & (FL_ALIGN_LEFT | FL_ALIGN_RIGHT)) != 0;
  return {sided && room > 11 ? room - 6 : room, height};
}

// The ink width of the widest line of a text, or of its widest word when the control wraps it:
// a fixed-pitch glyph's blank sides need no room.
int inkWidth(const std::string& text, bool wrapped) {
  std::istringstream in(text);
  int widest = 0;
  for (std::string part; wrapped ? bool(in >> part) : bool(std::getline(in, part));) {
    int dx = 0, dy = 0, w = 0, h = 0;
    fl_text_extents(part.c_str(), dx, dy, w, h);
    widest = std::max(widest, w);
  }
  return widest;
}

// Adds "window: caption" for each caption under `group` that its control cuts: too wide, or
// wrapped onto more lines than the control's height shows.
void findCutCaptions(const Fl_Group& group, const std::string& window,
                     std::vector<std::string>& cut) {
  for (int i = 0; i < group.children(); ++i) {
    Fl_Widget& w = *group.child(i);
    if (w.label() != nullptr && *w.label() != '\0') {
      auto [room, height] = captionRoom(w);
      fl_font(w.labelfont(), w.labelsize());
      bool wrapped = (w.align() & FL_ALIGN_WRAP) != 0;
      int width = wrapped ? room : 0, needed = 0;
      fl_measure(w.label(), width, needed);
      bool tooTall = needed / fl_height() > std::max(1, height / fl_height());
      if (inkWidth(w.label(), wrapped) > room || tooTall) cut.push_back(window + ": " + w.label());
    }
    if (w.as_group() != nullptr) findCutCaptions(*w.as_group(), window, cut);
  }
}

struct Walk {
  int windows = 0;
  std::vector<std::string> cut;
  std::set<std::string> identities;
};

// Walks the open windows for cut captions and their class and icon, then closes the message
// box that holds the test.
void walkAndClose(void* walk) {
  auto& w = *static_cast<Walk*>(walk);
  for (Fl_Window* win = Fl::first_window(); win != nullptr;
       win = Fl::next_window(win), ++w.windows) {
    findCutCaptions(*win, win->label() != nullptr ? win->label() : "", w.cut);
    w.identities.insert(fltk_panel::identityOf(*win));
  }
  Fl::modal()->hide();
}

class OnScreen : public fltk_panel::PanelTest {
 protected:
  // Loads and shows a window as its menu does, without waiting in it, and lets it be drawn.
  template <class W>
  std::unique_ptr<W> open() {
    auto window = std::make_unique<W>(*platform, frm->link, *frm);
    window->Form_Load();
    window->form.show();
    pumpFor(0.05);
    return window;
  }
  void save(const ui::Form& form, const std::string& name) {
    std::string path = fltk_panel::freshBuildFile(name);
    EXPECT_TRUE(ui->saveScreenshot(form, path) && fltk_panel::isPng(path)) << name;
  }
  Point at(const ui::Form& form) {
    Fl_Window* w = ui->windowOf(form);
    return {w->x(), w->y()};
  }
};

TEST_F(OnScreen, EveryWindowIsDrawnAndSavedAndFitsItsCaptions) {
  // A radio in REMOTE on 14.2 MHz USB, slow AGC, FWD meter; the data box shown.
  std::string lines =
      "R1\nF1420000\nM1\nA2\nH1\n\"1\nI0\nD4\n'1\n(1\nS0\nV1\nO1\nT1\nP0714050001\nJ07\nJ12\nJ09\n";
  frm->link.gParseInData(lines);
  frm->link.gUpdateDisplay();
  frm->txtInData.visible = true;
  frm->txtInData.caption = "F1420000<M1<A2<H1<\"1<I0<D4<'1<(1<S0<V1<";
  pumpFor(0.1);
  Fl_Window* panel = ui->windowOf(frm->form);
  // The in-band circle drawn green at its centre.
  Fl::flush();
  panel->make_current();
  Fl_Widget* circle = ui->widgetOf(frm->shaInBand);
  std::unique_ptr<unsigned char[]> pixel(
      fl_read_image(nullptr, circle->x() + circle->w() / 2, circle->y() + circle->h() / 2, 1, 1));
  EXPECT_EQ(std::vector<int>(pixel.get(), pixel.get() + 3), (std::vector<int>{0, 255, 0}));
  save(frm->form, "panel.png");

  // Each window saved while it is the one on top, the others then opened over them.
  folder.write("M40List.txt", "7.074 USB FT8 calling\r\n7.150 LSB Net\r\n35.000 USB too high\r\n");
  frm->link.gBand = "40";
  auto list = open<frmBandSelect>();
  list->Option1[2]->value = 1;
  list->Option1_Click(2);  // the refused row: its error state is part of the picture
  pumpFor(0.05);
  save(list->form, "band_list.png");
  auto portSetup = open<frmPortSetup>();
  save(portSetup->form, "port_setup.png");
  files.writeLines("AudioSetup.txt", {"H2 Audio 2", "'1 PTT On", "\"0 Remote Audio"});
  auto audio = open<frmAudioSetup>();
  EXPECT_EQ(audio->Option1[1]->value, 1);
  save(audio->form, "audio_setup.png");
  // The band sweep shows the band as left on opening, which would switch the PTT enable off
  // through the closed port: as if it were off already.
  frm->link.gPTT = "'0";
  auto freqs = open<frmScanFreqs>();
  auto bands = open<frmScanBands>();
  auto about = open<frmHelp>();

  Walk walk;
  Fl::add_timeout(0.1, walkAndClose, &walk);
  ui->messageBox("Port Error: 8002 Invalid port number");
  EXPECT_EQ(walk.windows, 8);  // the panel, six windows and the message box
  EXPECT_EQ(walk.cut, std::vector<std::string>{});
  // Each window carries the program's class and icon, for a task bar to group them under it.
  EXPECT_EQ(walk.identities, std::set<std::string>{"zarvin/Zarvin 32x32"});
}

TEST_F(OnScreen, ListWindowsOpenOverTheBandFrameWhereverThePanelIs) {
  ASSERT_EQ(Point(Fl::w(), Fl::h()), Point(1280, 1024));
  Fl_Window* panel = ui->windowOf(frm->form);
  int bottom = 1024 - panel->h();
  // The panel's place; where the band list opens; where the two scanners open. All open at the
  // panel's top, 648 pixels right of its left edge (its width less the band frame's); only the
  // band list (324 x 546) is pulled back onto the screen.
  const std::pair<Point, std::pair<Point, Point>> rows[] = {
      {{10, 40}, {{658, 40}, {658, 40}}},           // left: nothing to pull back
      {{567, 40}, {{956, 40}, {1215, 40}}},         // right edge: the scanners stand out
      {{10, bottom}, {{658, 478}, {658, bottom}}},  // bottom: so do they, downwards
  };
  for (const auto& [place, expected] : rows) {
    // Moved as a window manager or the user moves it.
    XMoveWindow(fl_display, fl_xid(panel), place.first, place.second);
    pumpFor(0.1);
    EXPECT_EQ(at(open<frmBandSelect>()->form), expected.first);
    EXPECT_EQ(at(open<frmScanFreqs>()->form), expected.second);
    EXPECT_EQ(at(open<frmScanBands>()->form), expected.second);
  }
}

// The band list against the simulated radio in real time: "Com OK" throughout. It runs beside
// the other tests: its panel is never shown, and the list opens in the screen's bottom right
// corner, where no other test's window goes.
struct BesideTheOthers : OnScreen {
  BesideTheOthers() { panelShown = false; }
};

TEST_F(BesideTheOthers, BandListKeepsTheLinkComOK) {
  pid_t radio = fork();
  if (radio == 0) {
    execl(ZARVIN_BUILD_DIR "/radiosim", "radiosim", "--link", folder.file("COM1").c_str(), nullptr);
    _exit(127);
  }
  std::shared_ptr<void> stopRadio(nullptr, [radio](void*) {
    kill(radio, SIGTERM);
    waitpid(radio, nullptr, 0);
  });
  for (double end = clock.now() + 5; !folder.exists("COM1") && clock.now() < end;) pumpFor(0.05);
  port->onDescriptorToWatch = [this](int fd) { ui->watchFileDescriptor(fd); };
  port->setPortOpen(true);
  DisplayZarvinStatus& link = frm->link;
  link.gSendCommand("?", true, 0.6);
  link.gReadResponse();
  link.gSyncChar = "U";
  link.gLastSyncTime = clock.now();  // the first keep-alive goes at the list's 31st tick
  frm->form.left = 1280 * 15;
  frm->form.top = 1024 * 15;
  link.gBand = "40";
  auto list = open<frmBandSelect>();
  double end = clock.now() + 17;  // five keep-alives, and done before the longest test
  while (clock.now() < end) {
    ASSERT_EQ(frm->lblComStat.caption, "Com OK") << end - clock.now() << " s before the end";
    ui->doEvents(0.05);
  }
  EXPECT_EQ(link.gSyncCount, 5);  // every 3.1 s
}

// A click into a channel box leaves the keyboard on its scroll bar: digits typed then, or at
// once before the program has seen the click, never reach the box; the arrow keys step the
// channel, and box and bar agree. Shift+Tab leaves the bar backwards, past the box, and Tab comes
// back to it. The audio setup dialog opens with the keyboard on Save.
TEST_F(OnScreen, ChannelBoxesHandTheKeyboardToTheirScrollBars) {
  Fl_Window& panel = *ui->windowOf(frm->form);
  for (auto [box, bar, before] : {std::tuple{&frm->txtLoadCh, &frm->vscLoadCh, &frm->cmdM2V},
                                  std::tuple{&frm->txtStoreCh, &frm->vscStoreCh, &frm->cmdM2C}}) {
    auto& input = static_cast<Fl_Input&>(*ui->widgetOf(*box));
    auto& scroll = static_cast<Fl_Valuator&>(*ui->widgetOf(*bar));
    Point at = fltk_test::centreOf(input);
    auto type = [&](int key) { xEvent(panel, FL_KEYBOARD, at, key); };
    // The box's text in the model and on screen, the bar's value in both, the focus on the bar.
    auto shown = [&] {
      ui->doEvents(0), ui->doEvents(0);
      return std::tuple(box->caption.get(), std::string(input.value()), bar->value.get(),
                        static_cast<int>(scroll.value()), Fl::focus() == &scroll);
    };
    auto channel = [](std::string nn, int n) { return std::tuple(nn, nn, n, n, true); };
    xEvent(panel, FL_PUSH, at, FL_Button + FL_LEFT_MOUSE, FL_BUTTON1);
    xEvent(panel, FL_RELEASE, at, FL_Button + FL_LEFT_MOUSE);
    type('7');  // before the click's focus event has run
    EXPECT_EQ(shown(), channel("00", 0)) << box->name();
    type('7');
    EXPECT_EQ(shown(), channel("00", 0)) << box->name();
    type(FL_Up);
    EXPECT_EQ(shown(), channel("01", 1)) << box->name();
    type(FL_Up);
    EXPECT_EQ(shown(), channel("02", 2)) << box->name();
    type(FL_Down);
    EXPECT_EQ(shown(), channel("01", 1)) << box->name();
    xEvent(panel, FL_KEYBOARD, at, FL_Tab, FL_SHIFT);
    shown();
    EXPECT_EQ(Fl::focus(), ui->widgetOf(*before)) << box->name();
    xEvent(panel, FL_KEYBOARD, at, FL_Tab);
    EXPECT_EQ(shown(), channel("01", 1)) << box->name();
  }
  frm->m2vCmd();  // as the main loop serves M->V: the channel of the box
  EXPECT_EQ(frm->lblInfo.caption, "Channel 01");
  frm->form.enabled = false;  // held, as the Setup menu holds it while the dialog is open
  auto audio = open<frmAudioSetup>();
  frm->form.setFocus(frm->vscStoreCh);  // the held panel never takes the keyboard back
  ui->doEvents(0);
  EXPECT_EQ(Fl::focus(), ui->widgetOf(audio->cmdSave));
}

// Every other text box of every window takes typed and pasted text however the keyboard came to
// it: a click, the program, Tab or Shift+Tab.
TEST_F(OnScreen, EveryTextBoxTakesTextWhereverItsKeyboardCameFrom) {
  frm->txtInData.visible = true;
  auto list = open<frmBandSelect>();
  auto freqs = open<frmScanFreqs>();
  auto bands = open<frmScanBands>();
  auto portSetup = open<frmPortSetup>();
  auto audio = open<frmAudioSetup>();
  Fl::copy("p", 1, 1);  // for Ctrl+V
  std::vector<std::string> refused;
  std::map<std::string, std::set<std::string>> ways;  // each box: the ways that reached it
  for (ui::Form* form :
       {&frm->form, &list->form, &freqs->form, &bands->form, &portSetup->form, &audio->form}) {
    Fl_Window& window = *ui->windowOf(*form);
    // Empties the box that holds the keyboard, types an "x" and pastes a "p" into it.
    auto takes = [&](ui::Control& box, const std::string& how) {
      auto& input = static_cast<Fl_Input&>(*ui->widgetOf(box));
      box.caption = "";
      ui->doEvents(0);
      xEvent(window, FL_KEYBOARD, centreOf(input), 'x');
      xEvent(window, FL_KEYBOARD, centreOf(input), 'v', FL_CTRL);
      ui->doEvents(0), ui->doEvents(0);
      std::string name = form->name() + "." + box.fullName();
      if (box.caption != "xp" || input.value() != std::string("xp"))
        refused.push_back(name + " by " + how + ": " + box.caption.get());
      ways[name].insert(how);
    };
    for (const auto& c : form->controls()) {
      if (c->kind() != ui::Kind::TextBox || !c->reachable() || !c->tabStop) continue;
      form->setFocus(*c);
      ui->doEvents(0);
      takes(*c, "program");
      Point at = centreOf(*ui->widgetOf(*c));
      xEvent(window, FL_PUSH, at, FL_Button + FL_LEFT_MOUSE, FL_BUTTON1);
      xEvent(window, FL_RELEASE, at, FL_Button + FL_LEFT_MOUSE);
      ui->doEvents(0);
      takes(*c, "click");
    }
    for (int shift : {0, FL_SHIFT})
      for (int i = 0; i < 100; ++i) {
        xEvent(window, FL_KEYBOARD, {window.x(), window.y()}, FL_Tab, shift);
        ui->doEvents(0), ui->doEvents(0);
        for (const auto& c : form->controls())
          if (c->kind() == ui::Kind::TextBox && ui->widgetOf(*c) == Fl::focus())
            takes(*c, shift ? "Shift+Tab" : "Tab");
      }
  }
  EXPECT_EQ(refused, std::vector<std::string>{});
  // The panel's two; three in each of the band list's 14 rows and the scanner's 13, and its dwell
  // box; the sweep's three; Port Setup's one; none in the audio setup.
  EXPECT_EQ(ways.size(), 2 + 3 * 14 + 3 * 13 + 1 + 3 + 1);
  const std::set<std::string> all{"program", "click", "Tab", "Shift+Tab"};
  for (const auto& [box, reached] : ways) EXPECT_EQ(reached, all) << box;
}

TEST_F(OnScreen, NoKeyCrashesAMenuThePointerLeftAndArrowsWorkOnItAgain) {
  Fl_Window& panel = *ui->windowOf(frm->form);
  int exits = 0;
  frm->mnuFileExit.onClick = [&] { ++exits; };
  Point off{panel.x() + panel.w() - 8, panel.y() + panel.h() - 8};
  Point offBar{panel.x() + panel.w() - 8, panel.y() + 10};  // the bar right of its titles
  Point onFile{panel.x() + 10, panel.y() + 10};
  Point onArrow = fltk_test::centreOf(*ui->widgetOf(frm->cmbChMode)->as_group()->child(1));
  auto key = [&](int k, int state = 0) {
    return [&, k, state] { xEvent(panel, FL_KEYBOARD, off, k, state); };
  };
  // The keys that FLTK 1.3.8 takes from a list of open menus, once the pointer has left them.
  const std::pair<int, int> keys[] = {{FL_BackSpace, 0}, {FL_Tab, 0},  {FL_Tab, FL_SHIFT},
                                      {FL_Up, 0},        {FL_Down, 0}, {FL_Left, 0},
                                      {FL_Right, 0}};
  for (bool chan : {false, true}) {
    for (auto [k, shift] : keys)
      for (Point away : {off, offBar}) {
        // Click File or Chan's arrow, leave the pop-up, press the key; back on the first item,
        // Down and Return pick the next one: "L" after "U" (File has one item: Exit).
        frm->cmbChMode.caption = "C";
        ui->doEvents(0);
        Steps steps{{[&] { xEvent(panel, FL_MOVE, away); }, key(k, shift),
                     [&] { fltk_test::pointAtFirstItem(panel); }, key(FL_Down), key(FL_Enter)}};
        steps.start();
        xEvent(panel, FL_PUSH, chan ? onArrow : onFile);  // returns when the pop-up has closed
        ui->doEvents(0);
        EXPECT_EQ(frm->cmbChMode.caption, chan ? "L" : "C") << k << " " << shift;
      }
  }
  // Opened with Alt+F, the pointer elsewhere: Down goes to Exit, Return picks it.
  Steps steps{{key(FL_Down), key(FL_Enter)}};
  steps.start();
  key('f', FL_ALT)();
  ui->doEvents(0);
  EXPECT_EQ(exits, 15);  // one from each of File's fourteen tries
}

TEST_F(OnScreen, NoMenuOpensOnAPanelThatABandListOrAMessageBoxHolds) {
  Fl_Window& panel = *ui->windowOf(frm->form);
  Point onFile{panel.x() + 10, panel.y() + 10};
  Point onArrow = fltk_test::centreOf(*ui->widgetOf(frm->cmbChMode)->as_group()->child(1));
  // Click File; Alt+F typed into the panel, or into the window on top with the pointer resting
  // on the panel's menu bar; click Chan's arrow.
  auto opened = [&](Fl_Window& onTop) {
    std::vector<bool> any;
    for (auto [window, at, key] : {std::tuple{&panel, onFile, 0},
                                   {&panel, onFile, 'f'},
                                   {&onTop, onFile, 'f'},
                                   {&panel, onArrow, 0}}) {
      Fl::belowmouse(ui->widgetOf(frm->mnuFile));
      any.push_back(fltk_test::opensPopup([w = window, p = at, k = key] {
        xEvent(*w, k ? FL_KEYBOARD : FL_PUSH, p, k, k ? FL_ALT : 0);
      }));
    }
    return any;
  };
  const std::vector<bool> none(4, false);
  frm->form.enabled = false;  // as a band button does before the list opens
  auto list = open<frmBandSelect>();
  EXPECT_EQ(opened(*ui->windowOf(list->form)), none);
  list->form.close();
  frm->form.enabled = true;
  // Return typed into the panel, where the desktop's keyboard focus may be, closes the box.
  std::vector<bool> held;
  bool stuck = false;
  Steps inBox{{[&] {
                 held = opened(*Fl::modal());
                 xEvent(panel, FL_KEYBOARD, onFile, FL_Enter);
               },
               [&] { stuck = Fl::modal() != nullptr && (Fl::modal()->hide(), true); }}};
  inBox.start();
  ui->messageBox("Tune Cancelled");
  EXPECT_EQ(held, none);
  EXPECT_FALSE(stuck);
}

}  // namespace
