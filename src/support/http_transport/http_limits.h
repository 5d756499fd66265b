#pragma once
// The HTTP client's tunables, in one place. A broken or hostile server meets these limits
// instead of exhausting memory or holding the program.
#include <cstddef>

inline constexpr size_t kHttpMaxHeaderBytes = 64 * 1024;  // status line + headers, or trailers
inline constexpr size_t kHttpMaxBodyBytes = 1024 * 1024;  // larger bodies abort the exchange
inline constexpr size_t kHttpMaxChunkLineBytes = 4096;    // chunk size and its extensions
inline constexpr int kHttpMaxRedirections = 5;            // followed in a row
inline constexpr int kHttpMaxInterimAnswers = 16;          // 1xx answers skipped before a final one
inline constexpr int kHttpWaitSliceMs = 15;               // socket waits between message pumps
inline constexpr size_t kHttpReceiveBlockBytes = 16 * 1024;
inline constexpr int kHttpMinTimeoutSeconds = 1;
// A whole exchange, redirections and proxy authentication included: a server that trickles a
// byte now and then keeps the inactivity clock at bay but not this one.
inline constexpr int kHttpExchangeDeadlineSeconds = 30;
