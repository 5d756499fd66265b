#pragma once
// The facts and the buying advice in words, for the human report and the report window.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

#include "report/report_model.h"

// The known parts joined by spaces; none when no part is known.
std::optional<std::string> Joined(std::initializer_list<std::optional<std::string>> parts);
// "AMI 1.2.3 (2023-05-15)"; none when the BIOS is not named.
std::optional<std::string> BiosText(const SystemRecord& system);
// "registered ECC DIMM", "unbuffered non-ECC SODIMM"; none when nothing is known.
std::optional<std::string> ModuleKindText(const std::optional<std::string>& buffering,
                                          std::optional<bool> ecc,
                                          const std::optional<std::string>& formFactor);
// "rated 3200 MT/s, configured 2933 MT/s, kit rated 3600 MT/s"; none when no speed is known.
std::optional<std::string> ModuleSpeedText(std::optional<uint32_t> rated,
                                           std::optional<uint32_t> configured,
                                           std::optional<uint32_t> kitRated);
// What to buy, in one line a shop understands: "DDR4-2933 registered ECC DIMM (PC4-23400), up
// to 64 GB per module, 4 free slots", or why there is no such line.
std::string BuyingAdvice(const UpgradeSummary& upgrade);
// "64 GB (2 free slots of 32 GB)", or why it is unknown.
std::string AddableText(const UpgradeSummary& upgrade);
