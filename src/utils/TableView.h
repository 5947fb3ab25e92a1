// A read-only view of a constant table, for range-for.
#pragma once

#include <cstddef>

namespace corvo::utils {

template <typename Row>
struct TableView {
    const Row* first;
    std::size_t count;
    const Row* begin() const { return first; }
    const Row* end() const { return first + count; }
};

} // namespace corvo::utils
