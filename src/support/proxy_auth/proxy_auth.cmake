# Proxy authentication (Basic, Digest, NTLMv2) with the hashes and encodings it needs.
modulix_module(proxy_auth
  SOURCES md4.cpp md5.cpp hmac_md5.cpp base64.cpp ntlm.cpp ntlm_text.cpp digest_auth.cpp
          http_auth_challenge.cpp http_proxy_auth.cpp
  POSIX_SOURCES ntlm_text_posix.cpp
  WIN32_SOURCES ntlm_text_win32.cpp
  DEPS http_transport)
