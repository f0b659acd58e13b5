// Tests of the name list helpers, raft ability and the rule that guards the Thief.
#include "cast/person.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "cast/roles.hpp"
#include "support.hpp"

namespace river {
namespace {

const std::string kThiefLine = "Thief is left with a family member without policeman's presence.\n";

TEST(ListContains, MatchesWholeNamesExactly) {
  const NameList names{"Son 1", "Thief "};
  EXPECT_TRUE(listContains(names, "Son 1"));
  EXPECT_FALSE(listContains(names, "Son"));
  EXPECT_FALSE(listContains(names, "son 1"));
  EXPECT_FALSE(listContains(names, "Thief"));
  EXPECT_FALSE(listContains({}, ""));
}

TEST(ThiefUnguarded, NeedsTheThiefWithCompanyAndNoPoliceman) {
  struct Case {
    NameList bank;
    bool expected;
  };
  const std::vector<Case> cases{
      {{}, false},
      {{"Thief"}, false},
      {{"Son 1", "Mother"}, false},
      {{"Thief", "Son 1"}, true},
      {{"Mother", "Father", "Thief"}, true},
      {{"Thief", "Son 1", "Policeman"}, false},
  };
  for (const auto& [bank, expected] : cases) {
    EXPECT_EQ(thiefUnguarded(bank), expected) << ::testing::PrintToString(bank);
  }
}

TEST(DefaultRule, RefusesTheThiefOnTheRaftOrUnguardedOnTheBank) {
  struct Case {
    std::string sailor;
    std::string companion;
    NameList bank;
    bool allowed;
  };
  const std::vector<Case> cases{
      {"Mother", "Thief", {}, false},
      {"Mother", "thief", {}, true},
      {"Policeman", "Thief", {}, true},
      {"Policeman", "Son 1", {"Thief", "Son 2"}, false},
      {"Mother", "Thief", {"Thief", "Son 2"}, false},  // two reasons, still one line
      {"Mother", "Father", {"Thief", "Son 2", "Policeman"}, true},
  };
  for (const auto& [sailor, companion, bank, allowed] : cases) {
    SCOPED_TRACE(sailor + " with " + companion + " leaving " + ::testing::PrintToString(bank));
    const CoutCapture output;
    EXPECT_EQ(Plain(sailor).canSailWith(Plain(companion), bank), allowed);
    EXPECT_EQ(output.text(), allowed ? "" : kThiefLine);
  }
}

TEST(CanOperate, OnlyMotherFatherAndPolicemanOperateTheRaft) {
  const Mother m("Mother");
  const Father f("Father");
  const Policeman p("Policeman");
  const Daughter d("Daughter 1");
  const Son s("Son 1");
  const Thief t("Thief");
  for (const Person* character : std::initializer_list<const Person*>{&m, &f, &p}) {
    EXPECT_TRUE(character->canOperate()) << character->getName();
  }
  for (const Person* character : std::initializer_list<const Person*>{&d, &s, &t}) {
    EXPECT_FALSE(character->canOperate()) << character->getName();
  }
}

}  // namespace
}  // namespace river
