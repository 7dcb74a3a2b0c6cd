#pragma once

#include <memory>

namespace Dix {

// A shared holder of a platform object with its own reference count (AddRef / Release). It takes over the
// one reference it is given; copies share it, and the last holder to let go calls Release.
template <class I>
class Com_ptr {
public:
    Com_ptr() = default;
    explicit Com_ptr(I* object) {
        if (object != nullptr) {
            held.reset(object, [](I* p) { p->Release(); });
        }
    }

    I* get() const { return held.get(); }
    I* operator->() const { return held.get(); }
    explicit operator bool() const { return held != nullptr; }

    // Releases the held object (when this was its last holder).
    void reset() { held.reset(); }

private:
    std::shared_ptr<I> held;
};

}  // namespace Dix
