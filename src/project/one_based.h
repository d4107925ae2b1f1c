#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace fljudge {

// A fixed table numbered from 1, as every table of the program is numbered;
// the only place that knows about the offset to the underlying 0-based array.
template <class T, int N>
class OneBased {
  public:
    static constexpr int kCapacity = N;

    constexpr T& operator[](int i) {
        assert(i >= 1 && i <= N);
        return items_[static_cast<std::size_t>(i - 1)];
    }
    constexpr const T& operator[](int i) const {
        assert(i >= 1 && i <= N);
        return items_[static_cast<std::size_t>(i - 1)];
    }

    constexpr auto begin() { return items_.begin(); }
    constexpr auto end() { return items_.end(); }
    constexpr auto begin() const { return items_.begin(); }
    constexpr auto end() const { return items_.end(); }
    constexpr void Fill(const T& value) { items_.fill(value); }

    friend constexpr bool operator==(const OneBased&, const OneBased&) = default;

    std::array<T, N> items_{};
};

}  // namespace fljudge
