#include "cast/roles.hpp"

#include <utility>

namespace river {

Mother::Mother(std::string given_name) : Operator(std::move(given_name)) {}

Father::Father(std::string given_name) : Operator(std::move(given_name)) {}

Policeman::Policeman(std::string given_name) : Operator(std::move(given_name)) {}

Daughter::Daughter(std::string given_name) : Passenger(std::move(given_name)) {}

Son::Son(std::string given_name) : Passenger(std::move(given_name)) {}

Thief::Thief(std::string given_name) : Passenger(std::move(given_name)) {}

}  // namespace river
