#pragma once

#include <memory>

namespace Dix {

// The sound library's shared owning pointer: copies share the object and its use count, and the last one
// to let go deletes it. An array's (sp<char[]>) deletes with the array form.
template <class T>
using sp = std::shared_ptr<T>;

}  // namespace Dix
