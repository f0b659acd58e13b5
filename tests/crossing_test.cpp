// Tests of the report block of one crossing attempt, beyond the trials the program plays.
#include "crossing/crossing.hpp"

#include <gtest/gtest.h>

#include <string>

#include "cast/person.hpp"
#include "cast/roles.hpp"
#include "support.hpp"

namespace river {
namespace {

std::string reportOf(const Person& first, const Person& second, const NameList& bank) {
  const CoutCapture output;
  sailAcross(first, second, bank);
  return output.text();
}

TEST(SailAcross, RunsNoRuleWhenNobodyCanOperateTheRaft) {
  // Son 1's rule would refuse this bank, which keeps the Thief unguarded.
  EXPECT_EQ(reportOf(Son("Son 1"), Son("Son 2"), {"Mother", "Thief"}),
            "Son 1 and Son 2 are trying sail across together\nleaving Mother Thief behind.\n"
            "ERROR: None of Son 1 and Son 2 can operate the raft\n\n");
}

TEST(SailAcross, AsksTheFirstSailorsRuleEvenWhenOnlyTheSecondCanOperate) {
  EXPECT_EQ(reportOf(Thief("Thief"), Mother("Mother"), {}),
            "Thief and Mother are trying sail across together\nleaving behind.\n"
            "ERROR: Violation of game rules\n\n\n");
}

}  // namespace
}  // namespace river
