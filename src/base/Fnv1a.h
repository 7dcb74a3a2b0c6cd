#pragma once

#include <cstddef>
#include <cstdint>

namespace Corvane {

// The 64-bit FNV-1a hash, fed a piece at a time: quick, and the same on every system, for checksums that
// must agree wherever they are taken (a replay file's, and the digest of what a replay did on the field).
class Fnv1a {
public:
    void Add(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        for (std::size_t index = 0; index < size; ++index) {
            hash ^= bytes[index];
            hash *= kPrime;
        }
    }
    // A value's bytes as they lie in memory (little-endian on every system the game runs on).
    template <typename T>
    void AddValue(const T& value) {
        Add(&value, sizeof(value));
    }
    std::uint64_t Value() const { return hash; }

    static std::uint64_t Of(const void* data, std::size_t size) {
        Fnv1a fnv;
        fnv.Add(data, size);
        return fnv.Value();
    }

private:
    static constexpr std::uint64_t kOffset = 14695981039346656037ull;
    static constexpr std::uint64_t kPrime = 1099511628211ull;

    std::uint64_t hash = kOffset;
};

}  // namespace Corvane
