#include "report/format/report_advice_texts.h"

#include "report/report_facts.h"

namespace {

std::string Count(uint64_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "DDR4-2933 (PC4-23400)" split into "DDR4-2933" and "PC4-23400".
std::pair<std::string, std::string> SplitStandardName(const std::string& name) {
  const size_t open = name.find(" (");
  if (open == std::string::npos || name.back() != ')') return {name, ""};
  return {name.substr(0, open), name.substr(open + 2, name.size() - open - 3)};
}

std::string RoomText(const UpgradeSummary& u) {
  if (!u.freeSlots) return "";
  if (*u.freeSlots == 0) return ", no free slot: replace modules to grow";
  std::string text;
  if (u.perFreeSlotBytes && *u.perFreeSlotBytes > 0) {
    text = ", up to " + ExactSizeText(static_cast<int64_t>(*u.perFreeSlotBytes)) + " per module";
  } else if (u.perFreeSlotBytes) {
    text = ", but the maximum leaves no room for another module";
  }
  return text + ", " + Count(*u.freeSlots, "free slot", "free slots");
}

}  // namespace

std::optional<std::string> Joined(std::initializer_list<std::optional<std::string>> parts) {
  std::optional<std::string> text;
  for (const std::optional<std::string>& part : parts) {
    if (!part) continue;
    text = text ? *text + " " + *part : *part;
  }
  return text;
}

std::optional<std::string> BiosText(const SystemRecord& s) {
  std::optional<std::string> text = Joined({s.biosVendor, s.biosVersion});
  if (s.biosDate) text = text ? *text + " (" + *s.biosDate + ")" : *s.biosDate;
  return text;
}

std::optional<std::string> ModuleKindText(const std::optional<std::string>& buffering,
                                          std::optional<bool> ecc,
                                          const std::optional<std::string>& formFactor) {
  std::optional<std::string> eccText;
  if (ecc) eccText = *ecc ? "ECC" : "non-ECC";
  return Joined({buffering, eccText, formFactor});
}

std::optional<std::string> ModuleSpeedText(std::optional<uint32_t> rated,
                                           std::optional<uint32_t> configured,
                                           std::optional<uint32_t> kitRated) {
  std::string text;
  const auto add = [&](const char* what, std::optional<uint32_t> v) {
    if (v) text += (text.empty() ? "" : ", ") + std::string(what) + SpeedText(*v);
  };
  add("rated ", rated);
  add("configured ", configured);
  if (kitRated != rated) add("kit rated ", kitRated);
  return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

std::string BuyingAdvice(const UpgradeSummary& u) {
  if (u.isVirtual) return "nothing: a virtual machine's memory is set by its host";
  if (u.soldered) return "nothing: the memory is soldered to the board";
  if (u.typesDiffer) return "unknown: the modules are of different types";
  if (!u.type) return "unknown: the firmware does not say the memory type";
  auto [name, pcName] = SplitStandardName(u.standardName.value_or(*u.type));
  std::string text = *Joined({name, ModuleKindText(u.buffering, u.ecc, u.formFactor)});
  if (!pcName.empty()) text += " (" + pcName + ")";
  return text + RoomText(u);
}

std::string AddableText(const UpgradeSummary& u) {
  if (!u.maximumBytes) return "unknown (no believable maximum reported)";
  if (!u.freeSlots) return "unknown (the free slots are not known)";
  if (!u.addableBytes) return "nothing without replacing modules";
  if (*u.addableBytes == 0) return "nothing: the maximum is reached";
  return ApproximateSizeText(static_cast<int64_t>(*u.addableBytes)) + " (" +
         Count(*u.freeSlots, "free slot", "free slots") + " of " +
         ExactSizeText(static_cast<int64_t>(*u.perFreeSlotBytes)) + ")";
}
