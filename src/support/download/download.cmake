# Our HTTP/1.1 client on sockets, with proxy authentication and the hashes it needs.
modulix_module(http
  SOURCES md4.cpp md5.cpp hmac_md5.cpp base64.cpp ntlm.cpp ntlm_text.cpp digest_auth.cpp
          http_text.cpp http_url.cpp http_auth_challenge.cpp http_proxy_auth.cpp http_reader.cpp
          http_response.cpp http_request.cpp http_waiter.cpp http_resolver.cpp http_connection.cpp
          http_exchange.cpp http_client.cpp socket.cpp
  POSIX_SOURCES socket_posix.cpp http_pump_posix.cpp ntlm_text_posix.cpp
  WIN32_SOURCES socket_win32.cpp http_pump_win32.cpp ntlm_text_win32.cpp
  WIN32_LIBS ws2_32 user32)

# The download of the links file: TFileGrabber, CustomizeHttpClient and the proxy settings.
modulix_module(file_grabber
  SOURCES file_grabber.cpp file_grabber_settings.cpp
  POSIX_SOURCES file_grabber_settings_posix.cpp
  WIN32_SOURCES file_grabber_settings_win32.cpp
  DEPS http run_log file_replace)
if(WIN32)
  # The Windows settings reader is ReadQuorinValue.
  target_link_libraries(modulix_file_grabber PUBLIC modulix_system_info)
endif()
