#pragma once
// The smallest sound files the sound layer takes for what they are.
#include <string>

namespace vyr::test {

// A wave file: RIFF header, fmt chunk, 4 samples of silence.
inline std::string TinyWave() {
  return std::string("RIFF", 4) + std::string("\x2C\x00\x00\x00", 4) + "WAVEfmt " +
         std::string("\x10\x00\x00\x00\x01\x00\x01\x00\x44\xAC\x00\x00\x88\x58\x01\x00\x02\x00\x10\x00", 20) + "data" +
         std::string("\x08\x00\x00\x00", 4) + std::string(8, '\0');
}

// An MP3 file as far as its first bytes go: an ID3 tag.
inline std::string TinyMp3() { return std::string("ID3\x03\x00\x00\x00\x00\x00\x00", 10) + std::string(32, '\0'); }

}  // namespace vyr::test
