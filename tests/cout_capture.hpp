// Collects what the code under test writes to standard output.
#pragma once

#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>

namespace river {

// Redirects std::cout into a buffer for as long as it lives.
class CoutCapture {
 public:
  CoutCapture() : saved(std::cout.rdbuf(buffer.rdbuf())) {}
  CoutCapture(const CoutCapture&) = delete;
  CoutCapture& operator=(const CoutCapture&) = delete;
  ~CoutCapture() { std::cout.rdbuf(saved); }

  [[nodiscard]] std::string text() const { return buffer.str(); }

 private:
  std::ostringstream buffer;
  std::streambuf* saved;
};

}  // namespace river
