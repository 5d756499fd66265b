#include "report/format/report_human.h"

#include <algorithm>

#include "report/format/report_advice_texts.h"
#include "report/format/report_insight_texts.h"
#include "report/format/report_terminal.h"
#include "report/report_facts.h"

namespace {

constexpr size_t kLineWidth = 80;
constexpr size_t kIndent = 2;
constexpr size_t kLabelWidth = 15;
const char* const kUnknown = "unknown";

// Where to break the rest of a value that is too long: the last space within the width, else
// the width itself, never inside a UTF-8 sequence. Looks at no more than the width.
size_t BreakAt(std::string_view s, size_t width) {
  for (size_t at = width; at > 0; --at) {
    if (s[at] == ' ') return at;
  }
  size_t at = width;
  while (at > 1 && (static_cast<unsigned char>(s[at]) & 0xC0) == 0x80) --at;
  return at;
}

// The text after lead, long texts continued under it at the column of `column`. The text is
// walked once from the front, so a value of any length costs its length.
void Wrapped(std::string& out, std::string lead, size_t column, const std::string& raw) {
  const size_t width = kLineWidth - column;
  const std::string text = TerminalText(raw);
  std::string_view rest = text;
  do {
    size_t cut = rest.size() > width ? BreakAt(rest, width) : rest.size();
    out.append(lead).append(rest.substr(0, cut)).append("\n");
    rest.remove_prefix(cut);
    if (!rest.empty() && rest[0] == ' ') rest.remove_prefix(1);
    lead.assign(column, ' ');
  } while (!rest.empty());
}

// "  Label          value".
void Row(std::string& out, const std::string& label, const std::string& value) {
  std::string lead = std::string(kIndent, ' ') + label;
  lead.resize(std::max(lead.size() + 1, kIndent + kLabelWidth), ' ');
  Wrapped(out, std::move(lead), kIndent + kLabelWidth, value);
}

void MachineBlock(std::string& out, const MemoryReport& r) {
  out += "Machine\n";
  Row(out, "System", Joined({r.system.manufacturer, r.system.product}).value_or(kUnknown));
  if (auto board = Joined({r.system.boardManufacturer, r.system.boardProduct})) Row(out, "Board", *board);
  if (auto bios = BiosText(r.system)) Row(out, "BIOS", *bios);
  Row(out, "Slots", r.slots ? std::to_string(*r.slots) : kUnknown);
  Row(out, "Maximum", r.upgrade.maximumBytes ? ApproximateSizeText(*r.upgrade.maximumBytes) : kUnknown);
  Row(out, "Installed", ApproximateSizeText(r.installedBytes));
}

void ModuleBlock(std::string& out, const ModuleReport& m, size_t number) {
  const ModuleRecord& r = m.record;
  const ModuleAdvice& a = m.advice;
  out += "\nModule " + std::to_string(number) + "\n";
  Row(out, "Slot", r.bankLabel.empty() ? r.locator : r.locator + ", " + r.bankLabel);
  Row(out, "Size", r.sizeBytes ? ExactSizeText(*r.sizeBytes) : kUnknown);
  Row(out, "Type", a.standardName.value_or(a.generation.value_or(kUnknown)));
  if (auto kind = ModuleKindText(a.buffering, a.ecc, a.formFactor)) Row(out, "Module", *kind);
  if (a.persistent) Row(out, "Technology", *a.technology + " (persistent memory, left out of the advice)");
  Row(out, "Maker", a.maker.value_or(kUnknown));
  Row(out, "Part number", a.partNumber.value_or(kUnknown));
  Row(out, "Serial number", a.serialNumber.value_or(kUnknown));
  if (auto speed = ModuleSpeedText(r.ratedMTs, r.configuredMTs, a.kitRatedMTs)) Row(out, "Speed", *speed);
  std::string width = WidthText(a.dataWidth, a.totalWidth);
  if (!width.empty()) Row(out, "Width", width);
  if (r.voltageMillivolts) Row(out, "Voltage", VoltageText(*r.voltageMillivolts));
}

void Insights(std::string& out, const MemoryReport& r) {
  out += "\nInsights\n";
  for (const auto& [label, value] : InsightRows(r.insights, r.modules.size())) Row(out, label, value);
}

void EmptySlots(std::string& out, const MemoryReport& r) {
  out += "\nEmpty slots\n";
  if (!r.emptySlots) {
    const std::optional<uint64_t>& free = r.upgrade.freeSlots;
    Wrapped(out, std::string(kIndent, ' '), kIndent,
            (free ? std::to_string(*free) : std::string(kUnknown)) + " (the source does not name them)");
    return;
  }
  std::string names;
  for (const std::string& name : *r.emptySlots) names += (names.empty() ? "" : ", ") + name;
  Wrapped(out, std::string(kIndent, ' '), kIndent, names.empty() ? "none" : names);
}

void Upgrade(std::string& out, const UpgradeSummary& u) {
  out += "\nUpgrade\n";
  Row(out, "Buy", BuyingAdvice(u));
  if (u.isVirtual || u.soldered) return;
  Row(out, "Free slots", u.freeSlots ? std::to_string(*u.freeSlots) : kUnknown);
  Row(out, "Can be added", AddableText(u));
}

}  // namespace

std::string FormatHumanReport(const MemoryReport& r) {
  std::string out;
  MachineBlock(out, r);
  for (size_t i = 0; i < r.modules.size(); ++i) ModuleBlock(out, r.modules[i], i + 1);
  Insights(out, r);
  EmptySlots(out, r);
  Upgrade(out, r.upgrade);
  return out;
}
