// A shared, ordered record of what the code under test did to the outside world, so that tests
// can check the order of calls across several doubles.
#ifndef TARVIK_TESTS_DOUBLES_EVENT_LOG_H_
#define TARVIK_TESTS_DOUBLES_EVENT_LOG_H_

#include <string>
#include <vector>

namespace tarvik::testing {

struct EventLog {
  std::vector<std::string> events;
  void Add(std::string event) { events.push_back(std::move(event)); }
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_EVENT_LOG_H_
