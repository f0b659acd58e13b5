// One crossing attempt and its report.
#pragma once

#include "cast/person.hpp"

namespace river {

// Writes to standard output the report of `first` and `second` trying to cross together while
// `remaining_people` stay behind: the pair, the bank, and the verdict. Rules are consulted only
// when one of the two can operate the raft, and then only those of `first`.
void sailAcross(const Person& first, const Person& second, const NameList& remaining_people);

}  // namespace river
