#pragma once
#include "platform/clock.h"
#include "platform/serial/serial_port.h"
#include "platform/text_files.h"
#include "platform/ui/ui.h"

/// What the program gets from the machine it runs on: the clock, the window services, the
/// serial port (the control the program calls MSComm1) and its text files. The real program
/// and the tests build different ones.
struct Platform {
  Clock& clock;
  ui::Ui& ui;
  SerialPort& port;
  TextFiles& files;
};
