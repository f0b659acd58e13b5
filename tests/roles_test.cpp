// Tests of each role's crossing rule: the order of its tests, what each test reads, and the reason
// line it writes.
#include "cast/roles.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support.hpp"

namespace river {
namespace {

const std::string kFather = "Father is left with daughter without mother's presence.\n";
const std::string kMother = "Mother is left with son without father's presence.\n";
const std::string kThief = "Thief is left with a family member without policeman's presence.\n";

TEST(RoleRules, RunTheirTestsInOrderAndWriteTheirReason) {
  const Mother m("Mother");
  const Father f("Father");
  const Daughter d1("Daughter 1");
  const Son s1("Son 1");
  const Policeman p("Policeman");
  const Thief t("Thief");
  struct Case {
    const Person* sailor;
    std::string companion;
    NameList bank;
    bool allowed;
    std::string output;
  };
  const std::vector<Case> cases{
      // Mother and Father compare a prefix, before the bank.
      {&m, "Son 1", {"Father", "Daughter 1"}, false, kMother},
      {&m, "Sonny", {}, false, kMother},
      {&m, "Thief", {"Father", "Daughter 1", "Son 1", "Policeman"}, false, kFather},
      {&m, "Thief", {}, false, kThief},
      {&m,
       "Father",
       {"Daughter 1", "Daughter 2", "Son 1", "Son 2", "Policeman", "Thief"},
       true,
       ""},
      {&f, "Daughter 2", {"Mother", "Son 1"}, false, kFather},
      {&f, "Dauphin", {}, false, kFather},
      {&f, "Son 1", {"Mother", "Son 2", "Daughter 1"}, false, kMother},
      {&f, "Mother", {"Thief", "Son 1"}, false, kThief},
      // The children compare whole names, and read the bank only with a parent as companion.
      {&d1, "Father", {}, false, kFather},
      {&d1, "Mother", {"Father", "Daughter 2"}, false, kFather},
      {&d1, "Fathers", {"Father", "Daughter 2"}, true, ""},
      {&d1, "Policeman", {"Father", "Daughter 2"}, true, ""},
      {&d1, "Policeman", {"Thief", "Son 1"}, false, kThief},
      {&s1, "Mother", {}, false, kMother},
      {&s1, "Father", {"Mother", "Son 2"}, false, kMother},
      {&s1, "Policeman", {"Mother", "Son 2"}, true, ""},
      {&s1, "Mother", {"Thief", "Son 2"}, false, kMother},
      // The Policeman guards the family only when he takes a parent away.
      {&p, "Mother", {"Father", "Daughter 1", "Thief"}, false, kFather},
      {&p, "Father", {"Mother", "Son 1"}, false, kMother},
      {&p, "Son 1", {"Mother", "Son 2"}, true, ""},
      {&p,
       "Daughter 1",
       {"Mother", "Father", "Daughter 2", "Son 1", "Son 2", "Thief"},
       false,
       kThief},
      // The Thief crosses with the Policeman only, silently and whatever the bank holds.
      {&t, "Mother", {}, false, ""},
      {&t, "Policeman", {"Father", "Daughter 1", "Thief", "Son 1"}, true, ""},
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
