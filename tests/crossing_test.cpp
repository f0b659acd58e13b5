// Tests of the report block written for one crossing attempt.
#include "crossing/crossing.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cast/roles.hpp"
#include "support.hpp"

namespace river {
namespace {

TEST(SailAcross, WritesTheBlockOfEachVerdict) {
  const Mother m("Mother");
  const Policeman p("Policeman");
  const Son s1("Son 1");
  const Son s2("Son 2");
  const Thief t("Thief");
  struct Case {
    const Person* first;
    const Person* second;
    NameList bank;
    std::string report;
  };
  const std::vector<Case> cases{
      // Nobody can operate: no rule runs, although the bank would break one.
      {&s1,
       &s2,
       {"Mother", "Thief"},
       "Son 1 and Son 2 are trying sail across together\n"
       "leaving Mother Thief behind.\n"
       "ERROR: None of Son 1 and Son 2 can operate the raft\n"
       "\n"},
      // A passenger sailing with an operator is judged by its own rule.
      {&s1,
       &p,
       {"Mother", "Thief"},
       "Son 1 and Policeman are trying sail across together\n"
       "leaving Mother Thief behind.\n"
       "Thief is left with a family member without policeman's presence.\n"
       "ERROR: Violation of game rules\n"
       "\n"
       "\n"},
      {&m,
       &t,
       {"Son 2"},
       "Mother and Thief are trying sail across together\n"
       "leaving Son 2 behind.\n"
       "Thief is left with a family member without policeman's presence.\n"
       "ERROR: Violation of game rules\n"
       "\n"
       "\n"},
      // Only the first sailor's rule runs: the Thief's refuses Mother without a reason line.
      {&t,
       &m,
       {},
       "Thief and Mother are trying sail across together\n"
       "leaving behind.\n"
       "ERROR: Violation of game rules\n"
       "\n"
       "\n"},
      {&p,
       &t,
       {},
       "Policeman and Thief are trying sail across together\n"
       "leaving behind.\n"
       "Policeman and Thief can succesfully sail across the river together\n"
       "\n"},
  };
  for (const auto& [first, second, bank, report] : cases) {
    const CoutCapture output;
    sailAcross(*first, *second, bank);
    EXPECT_EQ(output.text(), report);
  }
}

}  // namespace
}  // namespace river
