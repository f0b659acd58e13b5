#include "cast/family.hpp"

#include "cast/person.hpp"

namespace river {

bool fatherAloneWithDaughters(const NameList& bank) {
  return !listContains(bank, "Mother") && listContains(bank, "Father") &&
         (listContains(bank, "Daughter 1") || listContains(bank, "Daughter 2"));
}

bool motherAloneWithSons(const NameList& bank) {
  return !listContains(bank, "Father") && listContains(bank, "Mother") &&
         (listContains(bank, "Son 1") || listContains(bank, "Son 2"));
}

}  // namespace river
