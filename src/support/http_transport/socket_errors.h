#pragma once
// Windows Sockets error numbers. The POSIX socket layer translates errno and resolver codes into
// these, so a failure reads the same in the log on every platform.
#include <cstdint>
#include <stdexcept>
#include <string>

inline constexpr uint16_t kWsaEIntr = 10004;
inline constexpr uint16_t kWsaEAccess = 10013;
inline constexpr uint16_t kWsaEInval = 10022;
inline constexpr uint16_t kWsaEMFile = 10024;
inline constexpr uint16_t kWsaEWouldBlock = 10035;
inline constexpr uint16_t kWsaEInProgress = 10036;
inline constexpr uint16_t kWsaEAddrInUse = 10048;
inline constexpr uint16_t kWsaEAddrNotAvail = 10049;
inline constexpr uint16_t kWsaENetDown = 10050;
inline constexpr uint16_t kWsaENetUnreach = 10051;
inline constexpr uint16_t kWsaEConnAborted = 10053;
inline constexpr uint16_t kWsaEConnReset = 10054;
inline constexpr uint16_t kWsaENoBufs = 10055;
inline constexpr uint16_t kWsaENotConn = 10057;
inline constexpr uint16_t kWsaETimedOut = 10060;
inline constexpr uint16_t kWsaEConnRefused = 10061;
inline constexpr uint16_t kWsaEHostUnreach = 10065;
inline constexpr uint16_t kWsaEDiscon = 10101;  // the peer shut the connection down gracefully
inline constexpr uint16_t kWsaHostNotFound = 11001;
inline constexpr uint16_t kWsaTryAgain = 11002;
inline constexpr uint16_t kWsaNoRecovery = 11003;
inline constexpr uint16_t kWsaNoData = 11004;

// A failed socket call, carrying its Windows Sockets number.
class ESocketError : public std::runtime_error {
 public:
  ESocketError(uint16_t code, const std::string& what) : std::runtime_error(what), FCode(code) {}
  uint16_t Code() const { return FCode; }

 private:
  uint16_t FCode;
};
