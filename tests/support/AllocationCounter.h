// Counts the allocations made through operator new while a scope runs, for the tests that prove a
// frame's work allocates nothing.
#pragma once

#include <cstddef>

namespace allocations {

std::size_t Count(); // allocations made since the program started

// Allocations made while the scope ran.
class Scope {
public:
    Scope() : start_(Count()) {}
    std::size_t Made() const { return Count() - start_; }

private:
    std::size_t start_;
};

} // namespace allocations
