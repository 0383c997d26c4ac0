#pragma once
#include <string>
#include <vector>

#include "tools/radiosim/radio_behaviour.h"
#include "tools/radiosim/radio_state.h"

/// What the radio answers to one command, before any fault is applied.
struct CommandAnswer {
  /// The K or U line that answers a keying command; kept apart so that it can be dropped.
  std::string keyLine;
  /// The status lines of what changed, sent right away (after the key line).
  std::string lines;
  /// Reports of changes that take a while, each sent `delay` seconds after `lines`.
  struct Late {
    double delay;
    std::string lines;
  };
  std::vector<Late> later;
};

/// What a command handler works on.
struct CommandContext {
  RadioState& state;
  int firmware;
  const RadioBehaviour& behaviour;
};

/// Obeys one complete command, given without its line feed, and returns the answer.
///
/// Commands the radio does not know (or that belong to another firmware generation, such
/// as "m" sent to generation 1) are ignored without an answer, as are malformed values.
/// A frequency out of the radio's range (160000..2999999) is refused and the current
/// frequency reported.
///
/// In LOCAL state the radio's own front panel has control: "?" is answered in full, "K"
/// and "U" are answered with the current transmit state without keying, and generation 2
/// (the adaptive firmware, which lets a remote program tune while in LOCAL) also obeys
/// frequency and absolute mode commands. Every other command is ignored without an answer.
CommandAnswer obeyCommand(const CommandContext& context, const std::string& command);

using CommandHandler = void (*)(const CommandContext& context, const std::string& command,
                                CommandAnswer& answer);

/// The handler of receiver settings (F, M/m, A/a, H, double quote, ', (, I, S, V, D, B, G)
/// for a command's first character, or nullptr.
CommandHandler receiverCommand(char first);

/// The handler of keying, amplifier, memory channel and status commands (K, U, blank, O,
/// C, L, P, ?) for a command's first character, or nullptr.
CommandHandler stationCommand(char first);

/// Whether `command` consists of `count` decimal digits from position `from` to its end.
bool digitsFrom(const std::string& command, std::size_t from, std::size_t count);
