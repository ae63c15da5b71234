#pragma once

namespace velluno {

// Shows the busy cursor while a handler waits on the network, and restores
// the previous cursor when it goes out of scope.
class BusyCursor final {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace velluno
