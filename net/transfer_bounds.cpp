#include "net/transfer_bounds.h"

#include <mutex>

namespace velluno {
namespace {

struct BoundsInForce {
    std::mutex mutex;
    TransferBounds bounds;
};

BoundsInForce& bounds_in_force() {
    static BoundsInForce in_force;
    return in_force;
}

TransferBounds exchange_bounds(const TransferBounds& bounds) {
    BoundsInForce& in_force = bounds_in_force();
    const std::lock_guard lock(in_force.mutex);
    const TransferBounds previous = in_force.bounds;
    in_force.bounds = bounds;
    return previous;
}

} // namespace

TransferBounds transfer_bounds() {
    BoundsInForce& in_force = bounds_in_force();
    const std::lock_guard lock(in_force.mutex);
    return in_force.bounds;
}

ScopedTransferBounds::ScopedTransferBounds(const TransferBounds& bounds)
    : m_previous(exchange_bounds(bounds)) {}

ScopedTransferBounds::~ScopedTransferBounds() {
    exchange_bounds(m_previous);
}

} // namespace velluno
