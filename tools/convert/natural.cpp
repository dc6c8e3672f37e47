// Schoolbook multiplication and bitwise long division: the numbers here have a few dozen digits.
#include "tools/convert/natural.h"

namespace quivra {

Natural::Natural(unsigned __int128 value) {
    for (; value; value >>= 32) limbs_.push_back(std::uint32_t(value));
}

void Natural::trim() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

Natural operator*(const Natural& a, const Natural& b) {
    Natural product;
    if (a.is_zero() || b.is_zero()) return product;
    product.limbs_.assign(a.limbs_.size() + b.limbs_.size(), 0);
    for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.limbs_.size(); ++j) {
            std::uint64_t sum = std::uint64_t(a.limbs_[i]) * b.limbs_[j] + product.limbs_[i + j] + carry;
            product.limbs_[i + j] = std::uint32_t(sum);
            carry = sum >> 32;
        }
        product.limbs_[i + b.limbs_.size()] = std::uint32_t(carry);
    }
    product.trim();
    return product;
}

std::strong_ordering operator<=>(const Natural& a, const Natural& b) {
    if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() <=> b.limbs_.size();
    for (std::size_t i = a.limbs_.size(); i-- > 0;)
        if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] <=> b.limbs_[i];
    return std::strong_ordering::equal;
}

std::uint64_t Natural::low_64() const {
    std::uint64_t value = 0;
    for (std::size_t i = std::min<std::size_t>(limbs_.size(), 2); i-- > 0;) value = value << 32 | limbs_[i];
    return value;
}

std::size_t Natural::bits() const {
    if (limbs_.empty()) return 0;
    std::size_t count = 32 * (limbs_.size() - 1);
    for (std::uint32_t top = limbs_.back(); top; top >>= 1) ++count;
    return count;
}

bool Natural::bit(std::size_t index) const { return limbs_[index / 32] >> (index % 32) & 1; }

void Natural::subtract(const Natural& smaller) {
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
        std::int64_t difference = std::int64_t(limbs_[i]) - borrow - (i < smaller.limbs_.size() ? smaller.limbs_[i] : 0);
        borrow = difference < 0;
        limbs_[i] = std::uint32_t(difference + (borrow ? std::int64_t(1) << 32 : 0));
    }
    trim();
}

void Natural::double_and_add(bool bit) {
    std::uint32_t carry = bit;
    for (std::uint32_t& limb : limbs_) {
        std::uint32_t next = limb >> 31;
        limb = limb << 1 | carry;
        carry = next;
    }
    if (carry) limbs_.push_back(carry);
}

Natural::Division Natural::divided_by(const Natural& divisor) const {
    Division result;
    result.quotient.limbs_.assign(limbs_.size(), 0);
    for (std::size_t i = bits(); i-- > 0;) {
        result.remainder.double_and_add(bit(i));
        if (result.remainder >= divisor) {
            result.remainder.subtract(divisor);
            result.quotient.limbs_[i / 32] |= 1u << (i % 32);
        }
    }
    result.quotient.trim();
    return result;
}

}  // namespace quivra
