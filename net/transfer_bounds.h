#pragma once

#include <chrono>
#include <cstddef>

namespace velluno {

// How long an exchange may take and how much of an answer is kept. Running
// into any of them ends the reading as a read error does.
struct TransferBounds {
    std::chrono::milliseconds connect_timeout{10'000};
    std::chrono::milliseconds total_timeout{30'000}; // the whole exchange, redirects included
    std::size_t max_body_bytes = 32 * 1024 * 1024;
    std::size_t max_header_bytes = 256 * 1024; // the header text of one answer
};

// The bounds that requests obey now.
TransferBounds transfer_bounds();

// Puts other bounds in force while it lives, so that tests reach them quickly.
class ScopedTransferBounds final {
public:
    explicit ScopedTransferBounds(const TransferBounds& bounds);
    ~ScopedTransferBounds();
    ScopedTransferBounds(const ScopedTransferBounds&) = delete;
    ScopedTransferBounds& operator=(const ScopedTransferBounds&) = delete;

private:
    TransferBounds m_previous;
};

} // namespace velluno
