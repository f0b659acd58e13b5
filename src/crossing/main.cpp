// The demonstration run: five trial crossings, each from the full roster on one bank.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "cast/person.hpp"
#include "cast/roles.hpp"
#include "crossing/crossing.hpp"

namespace {

// A report that could not be written must not end in success. A stream that has failed makes no
// further writes, so errno still holds the reason of the write that failed.
int exitStatus() {
  if (std::cout) {
    return EXIT_SUCCESS;
  }
  const int reason = errno;
  std::cerr << "river-crossing: write error";
  if (reason != 0) {
    std::cerr << ": " << std::strerror(reason);
  }
  std::cerr << std::endl;
  return EXIT_FAILURE;
}

}  // namespace

int main() {
  river::NameList people;
  river::NameList remaining_people;

  const river::Mother m("Mother");
  const river::Father f("Father");
  const river::Daughter d1("Daughter 1");
  const river::Daughter d2("Daughter 2");
  const river::Son s1("Son 1");
  const river::Son s2("Son 2");
  const river::Policeman p("Policeman");
  const river::Thief t("Thief");
  people = {m.getName(),  f.getName(),  d1.getName(), d2.getName(),
            s1.getName(), s2.getName(), p.getName(),  t.getName()};

  // Every trial starts again from the full roster: nobody is ever moved.
  const auto trial = [&people, &remaining_people](const river::Person& first,
                                                  const river::Person& second) {
    remaining_people = people;
    remaining_people.remove(first.getName());
    remaining_people.remove(second.getName());
    river::sailAcross(first, second, remaining_people);
  };
  trial(m, d2);
  trial(f, d2);
  trial(s1, s2);
  trial(p, d1);
  trial(m, f);

  return exitStatus();
}
