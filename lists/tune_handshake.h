#pragma once
#include <functional>
#include <string>

class DisplayZarvinStatus;

namespace lists {

/// Tunes the radio to `command` ("F" and 7 digits) and waits for it to confirm, as both
/// scanners do:
///  1. calls beforeEachSend (when given), lowers gFreqNew, passes the command's digits to
///     Transmitter::unkeyBeforeRetune and sends the command with a line feed and a 0.1 s
///     settle (which yields to window events);
///  2. reads the radio until a frequency line arrives or 1.5 s have passed since the send,
///     testing `abandoned` after each read (the reads themselves never yield);
///  3. no frequency line: sends "?" with a 0.4 s settle, reads once and ends;
///  4. a frequency line other than the command, or not a valid one: starts again at 1, with
///     no limit on the attempts;
///  5. otherwise ends.
/// Returns false when `abandoned` held (the caller stops), true when the handshake ended.
/// The caller shows the frequency only when gFreq then equals the command.
bool tuneHandshake(DisplayZarvinStatus& link, const std::string& command,
                   const std::function<bool()>& abandoned,
                   const std::function<void()>& beforeEachSend = {});

}  // namespace lists
