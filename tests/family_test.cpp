// Tests of the checks on the group left on the bank.
#include "cast/family.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "cast/person.hpp"

namespace river {
namespace {

TEST(FamilyChecks, NeedTheParentWithAChildAndWithoutTheOtherParent) {
  struct Case {
    NameList bank;
    bool father_alone, mother_alone;
  };
  const std::vector<Case> cases{
      {{"Father", "Daughter 2"}, true, false},
      {{"Son 2", "Mother"}, false, true},
      {{"Mother", "Son 1"}, false, true},
      {{"Father", "Son 1", "Mother", "Daughter 1"}, false, false},
      {{"Father", "Son 1"}, false, false},
      {{"Mother", "Daughter 1"}, false, false},
  };
  for (const auto& [bank, father_alone, mother_alone] : cases) {
    SCOPED_TRACE(::testing::PrintToString(bank));
    EXPECT_EQ(fatherAloneWithDaughters(bank), father_alone);
    EXPECT_EQ(motherAloneWithSons(bank), mother_alone);
  }
}

}  // namespace
}  // namespace river
