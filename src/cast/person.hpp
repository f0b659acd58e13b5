// The characters of the puzzle, and the rule that guards the Thief.
#pragma once

#include <list>
#include <string>
#include <string_view>

namespace river {

// Names in the order they were added; the same name may appear more than once.
using NameList = std::list<std::string>;

// Whether `names` holds an element equal to `name` (case-sensitive, whole string).
[[nodiscard]] bool listContains(const NameList& names, std::string_view name);

// Whether `bank` keeps the Thief with anybody else and without the Policeman.
[[nodiscard]] bool thiefUnguarded(const NameList& bank);

// A character, known to the rules only by its name. Characters are owned as objects of their
// concrete classes and never copied, so copying is deleted and the destructor is protected.
class Person {
 public:
  Person(const Person&) = delete;
  Person& operator=(const Person&) = delete;

  [[nodiscard]] std::string getName() const;

  // Whether this character can operate the raft.
  [[nodiscard]] virtual bool canOperate() const = 0;

  // Whether this character may cross with `companion` while `remaining_people` stay on the bank.
  // A refusal first writes its reason line to standard output. This rule refuses the Thief on the
  // raft (unless this character is the Policeman) and the Thief left unguarded on the bank.
  [[nodiscard]] virtual bool canSailWith(const Person& companion,
                                         const NameList& remaining_people) const;

 protected:
  explicit Person(std::string given_name);
  ~Person() = default;

 private:
  std::string name;
};

// A character who can operate the raft.
class Operator : public Person {
 public:
  [[nodiscard]] bool canOperate() const override;

 protected:
  explicit Operator(std::string given_name);
  ~Operator() = default;
};

// A character who cannot operate the raft.
class Passenger : public Person {
 public:
  [[nodiscard]] bool canOperate() const override;

 protected:
  explicit Passenger(std::string given_name);
  ~Passenger() = default;
};

}  // namespace river
