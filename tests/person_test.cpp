// Tests of the name lists and of raft ability.
#include "cast/person.hpp"

#include <gtest/gtest.h>

#include "cast/roles.hpp"

namespace river {
namespace {

TEST(ListContains, MatchesWholeNamesExactly) {
  const NameList names{"Son 1", "Thief "};
  EXPECT_TRUE(listContains(names, "Son 1"));
  EXPECT_FALSE(listContains(names, "Son"));
  EXPECT_FALSE(listContains(names, "son 1"));
  EXPECT_FALSE(listContains(names, "Thief"));
  EXPECT_FALSE(listContains({}, ""));
}

TEST(CanOperate, OnlyParentsAndThePolicemanOperateTheRaft) {
  EXPECT_TRUE(Mother("Mother").canOperate());
  EXPECT_TRUE(Father("Father").canOperate());
  EXPECT_TRUE(Policeman("Policeman").canOperate());
  EXPECT_FALSE(Daughter("Daughter 1").canOperate());
  EXPECT_FALSE(Son("Son 1").canOperate());
  EXPECT_FALSE(Thief("Thief").canOperate());
}

}  // namespace
}  // namespace river
