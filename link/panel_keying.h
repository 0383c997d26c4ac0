#pragma once

// The state of XMT and TUNE is their caption, compared whole, access-key marker included.
constexpr const char* kXmitOn = "&XMT ON";    // receiving: a click keys
constexpr const char* kXmitOff = "&XMT OFF";  // transmitting: a click unkeys
constexpr const char* kTuneOn = "T&UNE ON";
constexpr const char* kTuneOff = "T&UNE OFF";
