// The six roles of the cast, each with its own crossing rule. Each character is named by the run
// that creates it; the rules recognise companions by those names, never by class. A refusal
// writes its reason line to standard output. Every rule but the Thief's ends in Person's.
#pragma once

#include <string>

#include "cast/person.hpp"

namespace river {

// Refuses a son on the raft, and Father left with a daughter.
class Mother final : public Operator {
 public:
  explicit Mother(std::string given_name);
  [[nodiscard]] bool canSailWith(const Person& companion,
                                 const NameList& remaining_people) const override;
};

// Refuses a daughter on the raft, and Mother left with a son.
class Father final : public Operator {
 public:
  explicit Father(std::string given_name);
  [[nodiscard]] bool canSailWith(const Person& companion,
                                 const NameList& remaining_people) const override;
};

// Refuses to take Mother while Father stays with a daughter, or Father while Mother stays with a
// son.
class Policeman final : public Operator {
 public:
  explicit Policeman(std::string given_name);
  [[nodiscard]] bool canSailWith(const Person& companion,
                                 const NameList& remaining_people) const override;
};

// Refuses Father on the raft, and Mother when that leaves Father with a daughter.
class Daughter final : public Passenger {
 public:
  explicit Daughter(std::string given_name);
  [[nodiscard]] bool canSailWith(const Person& companion,
                                 const NameList& remaining_people) const override;
};

// Refuses Mother on the raft, and Father when that leaves Mother with a son.
class Son final : public Passenger {
 public:
  explicit Son(std::string given_name);
  [[nodiscard]] bool canSailWith(const Person& companion,
                                 const NameList& remaining_people) const override;
};

// Crosses with the Policeman only; refuses everybody else without a reason line.
class Thief final : public Passenger {
 public:
  explicit Thief(std::string given_name);
  [[nodiscard]] bool canSailWith(const Person& companion,
                                 const NameList& remaining_people) const override;
};

}  // namespace river
