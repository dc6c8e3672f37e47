// Whole numbers of any size: what a conversion needs to be exact to the last shown digit.
#pragma once

#include <algorithm>
#include <compare>
#include <cstdint>
#include <vector>

namespace quivra {

class Natural {
public:
    Natural(unsigned __int128 value = 0);

    friend Natural operator*(const Natural& a, const Natural& b);
    friend std::strong_ordering operator<=>(const Natural& a, const Natural& b);
    friend bool operator==(const Natural& a, const Natural& b) { return a.limbs_ == b.limbs_; }
    bool is_zero() const { return limbs_.empty(); }
    // The value when it fits 64 bits; callers compare against a limit first.
    std::uint64_t low_64() const;

    struct Division;
    // Truncating division; the divisor must not be zero.
    Division divided_by(const Natural& divisor) const;

private:
    void trim();
    void subtract(const Natural& smaller);
    void double_and_add(bool bit);
    std::size_t bits() const;
    bool bit(std::size_t index) const;

    std::vector<std::uint32_t> limbs_;  // least significant first, no leading zero limbs
};

struct Natural::Division {
    Natural quotient;
    Natural remainder;
};

}  // namespace quivra
