# One program for the client's parsers and the proxy authentication's hashes and encodings.
modulix_add_test(http_unit_test PORTABLE
  SOURCES ../proxy_auth/md4_test.cpp ../proxy_auth/md5_test.cpp ../proxy_auth/hmac_md5_test.cpp
          ../proxy_auth/base64_test.cpp ../proxy_auth/ntlm_test.cpp ../proxy_auth/digest_auth_test.cpp
          ../proxy_auth/http_auth_challenge_test.cpp ../proxy_auth/http_proxy_auth_test.cpp
          http_url_test.cpp http_request_test.cpp http_response_test.cpp
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
