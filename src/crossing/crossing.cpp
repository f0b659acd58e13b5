#include "crossing/crossing.hpp"

#include <iostream>
// The names are std::strings, written with the operator<< that <string> declares: clang-tidy's
// include-cleaner does not count that use, include-what-you-use does.
#include <string>  // IWYU pragma: keep

#include "cast/person.hpp"

namespace river {

void sailAcross(const Person& first, const Person& second, const NameList& remaining_people) {
  std::cout << first.getName() << " and " << second.getName() << " are trying sail across together"
            << std::endl;
  std::cout << "leaving ";
  for (const auto& name : remaining_people) {
    std::cout << name << ' ';
  }
  std::cout << "behind." << std::endl;

  // The no-operator and allowed verdicts get their line end from the two that close the block.
  if (!first.canOperate() && !second.canOperate()) {
    std::cout << "ERROR: None of " << first.getName() << " and " << second.getName()
              << " can operate the raft";
  } else if (!first.canSailWith(second, remaining_people)) {
    std::cout << "ERROR: Violation of game rules" << std::endl;
  } else {
    std::cout << first.getName() << " and " << second.getName()
              << " can succesfully sail across the river together";
  }
  std::cout << std::endl << std::endl;
}

}  // namespace river
