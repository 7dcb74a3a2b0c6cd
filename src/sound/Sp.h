#pragma once

#include <memory>

namespace Dix {

// The sound library's shared owning pointer: copies share the object and its use count, and the last one
// to let go deletes it. Made from an array (MakeArray), it deletes with the array form.
template <class T>
using sp = std::shared_ptr<T>;

// Holds `count` value-initialised elements; the pointer addresses the first.
template <class T>
sp<T> MakeArray(std::size_t count) {
    return sp<T>(new T[count](), std::default_delete<T[]>());
}

}  // namespace Dix
