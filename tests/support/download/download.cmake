modulix_add_test(http_unit_test PORTABLE
  SOURCES md4_test.cpp md5_test.cpp hmac_md5_test.cpp base64_test.cpp ntlm_test.cpp digest_auth_test.cpp
          http_auth_challenge_test.cpp http_url_test.cpp http_request_test.cpp http_response_test.cpp
          http_proxy_auth_test.cpp
  LIBS modulix_http)
modulix_add_test(http_client_test PORTABLE
  SOURCES http_client_test.cpp http_test_server.cpp
  LIBS modulix_http)
modulix_add_test(http_proxy_test PORTABLE
  SOURCES http_proxy_test.cpp http_test_server.cpp
  LIBS modulix_http)
# The same client tests over Winsock, and the Windows waiting loop, under Wine.
modulix_add_test(http_client_win32_test WIN32
  SOURCES http_client_test.cpp http_proxy_test.cpp http_test_server.cpp
  LIBS modulix_http)
modulix_add_test(http_win32_test WIN32
  SOURCES http_win32_test.cpp http_test_server.cpp
  LIBS modulix_http)

modulix_add_test(file_grabber_test PORTABLE
  SOURCES file_grabber_test.cpp http_test_server.cpp
  LIBS modulix_file_grabber)
# Starts Debian's squid on a loopback port; skipped where squid is missing.
modulix_add_test(file_grabber_squid_test PORTABLE
  SOURCES file_grabber_squid_posix_test.cpp http_test_server.cpp
  LIBS modulix_file_grabber TIMEOUT 120)
modulix_add_test(file_grabber_win32_test WIN32
  SOURCES file_grabber_win32_test.cpp http_test_server.cpp
  LIBS modulix_file_grabber)
# A real modal dialog (the About box) open while the download runs.
modulix_add_test(file_grabber_modal_win32_test WIN32
  SOURCES file_grabber_modal_win32_test.cpp http_test_server.cpp
  LIBS modulix_file_grabber modulix_about_dlg)
