#include "cast/person.hpp"

#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>

namespace river {

bool listContains(const NameList& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

bool thiefUnguarded(const NameList& bank) {
  return !listContains(bank, "Policeman") && listContains(bank, "Thief") && bank.size() > 1;
}

Person::Person(std::string given_name) : name(std::move(given_name)) {}

std::string Person::getName() const { return name; }

bool Person::canSailWith(const Person& companion, const NameList& remaining_people) const {
  const bool thief_on_raft = name != "Policeman" && companion.name == "Thief";
  if (thief_on_raft || thiefUnguarded(remaining_people)) {
    std::cout << "Thief is left with a family member without policeman's presence." << std::endl;
    return false;
  }
  return true;
}

Operator::Operator(std::string given_name) : Person(std::move(given_name)) {}

bool Operator::canOperate() const { return true; }

Passenger::Passenger(std::string given_name) : Person(std::move(given_name)) {}

bool Passenger::canOperate() const { return false; }

}  // namespace river
