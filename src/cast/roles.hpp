// The six roles of the cast. Each is named by the run that creates it; the rules recognise
// characters by those names, never by class.
#pragma once

#include <string>

#include "cast/person.hpp"

namespace river {

class Mother final : public Operator {
 public:
  explicit Mother(std::string given_name);
};

class Father final : public Operator {
 public:
  explicit Father(std::string given_name);
};

class Policeman final : public Operator {
 public:
  explicit Policeman(std::string given_name);
};

class Daughter final : public Passenger {
 public:
  explicit Daughter(std::string given_name);
};

class Son final : public Passenger {
 public:
  explicit Son(std::string given_name);
};

class Thief final : public Passenger {
 public:
  explicit Thief(std::string given_name);
};

}  // namespace river
