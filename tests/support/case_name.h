// Cases of data-driven tests print as their name, so a failure and the test list say which
// case it was instead of dumping the case's bytes.
#pragma once

#include <concepts>
#include <ostream>

namespace case_name {

template <typename Case>
requires requires(const Case& c) {
    { c.name } -> std::convertible_to<const char*>;
}
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

} // namespace case_name
