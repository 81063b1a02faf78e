#pragma once
// Compressed text resources compiled into the program (zlib streams of
// Windows-1252 lines), read line by line.
#include <string>
#include <string_view>

namespace vyr {

// The program's compressed resources by number.
enum TZipResourceNumber : int {
  kResSprachlabor = 1,    // language-lab topics and sentences
  kResBeispielliste = 2,  // the built-in sample vocabulary list
};

// The Qt resource path of a resource number, or empty for an unknown number.
std::string ZipResourcePath(int number);

class TZIPResource {
 public:
  // Reads and inflates the resource. A resource that is missing leaves the
  // reader empty; one that cannot be inflated leaves it empty and says so once.
  explicit TZIPResource(int number);
  // A reader over compressed bytes given directly (what names them in a message).
  TZIPResource(std::string_view compressed, std::string_view what);

  // The text up to the next byte below 32 (or the end); a CR LF pair counts
  // as one line end. An empty or used-up reader gives empty lines.
  std::string ReadLine();
  bool AtEnd() const { return pos_ >= data_.size(); }
  bool IsEmpty() const { return data_.empty(); }

 private:
  void Open(std::string_view compressed, std::string_view what);

  std::string data_;
  size_t pos_ = 0;
};

}  // namespace vyr
