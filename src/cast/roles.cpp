#include "cast/roles.hpp"

#include <iostream>
#include <string>
#include <string_view>
#include <utility>

#include "cast/family.hpp"
#include "cast/person.hpp"

namespace river {
namespace {

constexpr std::string_view kFatherWithDaughter =
    "Father is left with daughter without mother's presence.";
constexpr std::string_view kMotherWithSon = "Mother is left with son without father's presence.";

bool refuse(std::string_view reason) {
  std::cout << reason << std::endl;
  return false;
}

// Whether taking `companion` away leaves Father with a daughter without Mother. The bank is read
// only when the companion is Mother.
bool takesMotherFromDaughters(const std::string& companion, const NameList& bank) {
  return companion == "Mother" && fatherAloneWithDaughters(bank);
}

bool takesFatherFromSons(const std::string& companion, const NameList& bank) {
  return companion == "Father" && motherAloneWithSons(bank);
}

}  // namespace

Mother::Mother(std::string given_name) : Operator(std::move(given_name)) {}

bool Mother::canSailWith(const Person& companion, const NameList& remaining_people) const {
  if (companion.getName().starts_with("Son")) {
    return refuse(kMotherWithSon);
  }
  if (fatherAloneWithDaughters(remaining_people)) {
    return refuse(kFatherWithDaughter);
  }
  return Person::canSailWith(companion, remaining_people);
}

Father::Father(std::string given_name) : Operator(std::move(given_name)) {}

bool Father::canSailWith(const Person& companion, const NameList& remaining_people) const {
  if (companion.getName().starts_with("Dau")) {
    return refuse(kFatherWithDaughter);
  }
  if (motherAloneWithSons(remaining_people)) {
    return refuse(kMotherWithSon);
  }
  return Person::canSailWith(companion, remaining_people);
}

Policeman::Policeman(std::string given_name) : Operator(std::move(given_name)) {}

bool Policeman::canSailWith(const Person& companion, const NameList& remaining_people) const {
  const std::string companion_name = companion.getName();
  if (takesMotherFromDaughters(companion_name, remaining_people)) {
    return refuse(kFatherWithDaughter);
  }
  if (takesFatherFromSons(companion_name, remaining_people)) {
    return refuse(kMotherWithSon);
  }
  return Person::canSailWith(companion, remaining_people);
}

Daughter::Daughter(std::string given_name) : Passenger(std::move(given_name)) {}

bool Daughter::canSailWith(const Person& companion, const NameList& remaining_people) const {
  const std::string companion_name = companion.getName();
  if (companion_name == "Father" || takesMotherFromDaughters(companion_name, remaining_people)) {
    return refuse(kFatherWithDaughter);
  }
  return Person::canSailWith(companion, remaining_people);
}

Son::Son(std::string given_name) : Passenger(std::move(given_name)) {}

bool Son::canSailWith(const Person& companion, const NameList& remaining_people) const {
  const std::string companion_name = companion.getName();
  if (companion_name == "Mother" || takesFatherFromSons(companion_name, remaining_people)) {
    return refuse(kMotherWithSon);
  }
  return Person::canSailWith(companion, remaining_people);
}

Thief::Thief(std::string given_name) : Passenger(std::move(given_name)) {}

bool Thief::canSailWith(const Person& companion, const NameList& /*remaining_people*/) const {
  return companion.getName() == "Policeman";
}

}  // namespace river
