#pragma once

namespace velluno {} // namespace velluno
