# What carries an HTTP exchange: sockets, the name lookup, waiting for readiness with the
# exchange's limits, the message pump that keeps the window alive, and the completion notice.
# Also the HTTP text helpers, error codes and limits the layers above share.
modulix_module(http_transport
  SOURCES socket.cpp http_waiter.cpp http_resolver.cpp http_text.cpp
  POSIX_SOURCES socket_posix.cpp http_pump_posix.cpp http_done_notice_posix.cpp
  WIN32_SOURCES socket_win32.cpp http_pump_win32.cpp http_done_notice_win32.cpp
  WIN32_LIBS ws2_32 user32)
