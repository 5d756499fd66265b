# Our HTTP/1.1 client: addresses, requests, responses and the exchange with its redirects and
# proxy authentication.
modulix_module(http
  SOURCES http_url.cpp http_reader.cpp http_response.cpp http_request.cpp http_connection.cpp
          http_exchange.cpp http_run.cpp http_client.cpp
  DEPS http_transport proxy_auth)
