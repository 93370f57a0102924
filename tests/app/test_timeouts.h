#pragma once

// How long a window test waits for a condition: generous, so that a loaded machine only slows a
// test down; a test that passes never waits for the limit.
inline constexpr int WindowTestTimeoutMs = 30000;
