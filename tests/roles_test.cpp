// Tests of each role's crossing rule, and of the rule guarding the Thief that five of them end in:
// the order of the tests, what each reads, and the reason line written.
#include "cast/roles.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cast/person.hpp"
#include "support.hpp"

namespace river {
namespace {

TEST(RoleRules, RunTheirTestsInOrderAndWriteTheirReason) {
  const Mother m("Mother");
  const Father f("Father");
  const Daughter d1("Daughter 1");
  const Son s1("Son 1");
  const Policeman p("Policeman");
  const Thief t("Thief");
  const NameList father_with_daughter{"Father", "Daughter 2", "Thief"};
  const NameList mother_with_son{"Mother", "Son 2", "Thief"};
  struct Case {
    const Person* sailor;
    std::string companion;
    NameList bank;
    bool allowed;
    std::string output;
  };
  const std::vector<Case> cases{
      // Mother and Father compare a prefix first, then the bank, then fall back on the rule that
      // guards the Thief on the raft and on the bank.
      {&m, "Sonny", father_with_daughter, false, kMotherLine},
      {&m, "Sot", {}, true, ""},  // the prefix is three letters, no fewer
      {&m, "Thief", father_with_daughter, false, kFatherLine},
      {&m, "Thief", {}, false, kThiefLine},
      {&m, "Father", {"Daughter 1", "Son 1", "Policeman", "Thief"}, true, ""},
      {&m, "Thief", {"Thief", "Son 2"}, false, kThiefLine},  // two reasons, one line
      {&m, "Thief ", {}, true, ""},
      {&f, "Dauphin", mother_with_son, false, kFatherLine},
      {&f, "Da", {}, true, ""},  // a name shorter than the prefix does not match it
      {&f, "Son 1", mother_with_son, false, kMotherLine},
      {&f, "Mother", {"Thief", "Son 1"}, false, kThiefLine},
      // The others compare whole names and read the bank only with a parent as companion.
      {&d1, "Father", mother_with_son, false, kFatherLine},
      {&d1, "Mother", father_with_daughter, false, kFatherLine},
      {&d1, "Fathers", father_with_daughter, false, kThiefLine},
      {&d1, "Policeman", {"Thief"}, true, ""},
      {&s1, "Mother", father_with_daughter, false, kMotherLine},
      {&s1, "Father", mother_with_son, false, kMotherLine},
      {&s1, "Mothers", mother_with_son, false, kThiefLine},
      {&p, "Mother", father_with_daughter, false, kFatherLine},
      {&p, "Father", mother_with_son, false, kMotherLine},
      {&p, "Son 1", mother_with_son, false, kThiefLine},
      {&p, "Son 1", {"Mother", "Son 2"}, true, ""},
      {&p, "Thief", {}, true, ""},
      // The Thief refuses silently, and never reads the bank.
      {&t, "Mother", {}, false, ""},
      {&t, "Policeman", mother_with_son, true, ""},
  };
  for (const auto& [sailor, companion, bank, allowed, output] : cases) {
    SCOPED_TRACE(sailor->getName() + " with " + companion + " leaving " +
                 ::testing::PrintToString(bank));
    const CoutCapture captured;
    EXPECT_EQ(sailor->canSailWith(Plain(companion), bank), allowed);
    EXPECT_EQ(captured.text(), output);
  }
}

}  // namespace
}  // namespace river
