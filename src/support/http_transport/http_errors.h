#pragma once
// The error codes an HTTP exchange ends with: 0 when it completed (whatever the status), a
// Windows Sockets number for a failed lookup, connection or transfer, or one of the client's own.
#include <cstdint>
#include <stdexcept>
#include <string>

inline constexpr uint16_t kHttpErrorNone = 0;
inline constexpr uint16_t kHttpErrorAborted = 3;       // abandoned, or the server broke the protocol
inline constexpr uint16_t kHttpErrorTimeout = 8;       // nothing moved for Timeout seconds
inline constexpr uint16_t kHttpErrorNoStatusLine = 9;  // closed (or garbled) before a status line

// Raised inside an exchange to end it with a code; never leaves the client.
class EHttpExchangeFailure : public std::runtime_error {
 public:
  EHttpExchangeFailure(uint16_t code, const std::string& what) : std::runtime_error(what), FCode(code) {}
  uint16_t Code() const { return FCode; }

 private:
  uint16_t FCode;
};

// Raised by THttpClient::Get: busy, a non-zero error code, or an error status (400 and above,
// except 401 and 407).
class EHttpError : public std::runtime_error {
 public:
  EHttpError(const std::string& what, uint16_t errorCode, int statusCode)
      : std::runtime_error(what), FErrorCode(errorCode), FStatusCode(statusCode) {}
  uint16_t ErrorCode() const { return FErrorCode; }
  int StatusCode() const { return FStatusCode; }

 private:
  uint16_t FErrorCode;
  int FStatusCode;
};
