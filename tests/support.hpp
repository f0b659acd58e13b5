// Helpers shared by the tests.
#pragma once

#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>

#include "cast/person.hpp"

namespace river {

inline const std::string kFatherLine = "Father is left with daughter without mother's presence.\n";
inline const std::string kMotherLine = "Mother is left with son without father's presence.\n";
inline const std::string kThiefLine =
    "Thief is left with a family member without policeman's presence.\n";

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

// A character with no rule of its own: the rules know a companion only by its name.
class Plain final : public Operator {
 public:
  explicit Plain(std::string given_name) : Operator(std::move(given_name)) {}
};

}  // namespace river
