#pragma once
// Which memory channel a slot belongs to, read from the texts firmware writes for it.
#include <optional>
#include <string>
#include <string_view>

// The channel a slot text names: "A" for "ChannelA-DIMM0" or "DIMM_A1", with the controller or
// processor written in the same text in front ("Controller1 A", "P0 A", "PROC 1 A"); none for
// texts that name no channel ("DIMM 1", "A1", "D11").
std::optional<std::string> ChannelInText(std::string_view text);

// A slot's channel: from its locator, else from its bank label.
std::optional<std::string> SlotChannel(std::string_view locator, std::string_view bank);
