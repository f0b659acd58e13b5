// Checks on the group that stays behind that guard the family rules.
#pragma once

#include "cast/person.hpp"

namespace river {

// Whether `bank` keeps Father with a daughter and without Mother.
[[nodiscard]] bool fatherAloneWithDaughters(const NameList& bank);

// Whether `bank` keeps Mother with a son and without Father.
[[nodiscard]] bool motherAloneWithSons(const NameList& bank);

}  // namespace river
