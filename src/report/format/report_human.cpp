#include "report/format/report_human.h"

#include <algorithm>

#include "report/report_facts.h"
#include "report/format/report_insight_texts.h"
#include "report/format/report_terminal.h"

namespace {

constexpr size_t kLineWidth = 80;
constexpr size_t kIndent = 2;
constexpr size_t kLabelWidth = 15;
constexpr size_t kValueWidth = kLineWidth - kIndent - kLabelWidth;

// Where to break a value that is too long: the last space within the width, else the width
// itself, never inside a UTF-8 sequence.
size_t BreakAt(const std::string& s, size_t width) {
  size_t space = s.rfind(' ', width);
  if (space != std::string::npos && space > 0) return space;
  size_t at = width;
  while (at > 1 && (static_cast<unsigned char>(s[at]) & 0xC0) == 0x80) --at;
  return at;
}

// "  Label          value", long values continued under the value column.
void Row(std::string& out, const std::string& label, std::string value) {
  std::string lead = std::string(kIndent, ' ') + label;
  lead.resize(std::max(lead.size() + 1, kIndent + kLabelWidth), ' ');
  value = TerminalText(value);
  do {
    size_t cut = value.size() > kValueWidth ? BreakAt(value, kValueWidth) : value.size();
    out += lead + value.substr(0, cut) + "\n";
    value.erase(0, cut);
    if (!value.empty() && value[0] == ' ') value.erase(0, 1);
    lead.assign(kIndent + kLabelWidth, ' ');
  } while (!value.empty());
}

void Line(std::string& out, const std::string& text) {
  out += std::string(kIndent, ' ') + text + "\n";
}

void ModuleBlock(std::string& out, const ModuleReport& m) {
  out += "\nModule " + std::to_string(m.index + 1) + "\n";
  for (const auto& [label, value] : m.panel) Row(out, label, value);
  Row(out, "Exact size", m.capacityBytes ? ExactSizeText(*m.capacityBytes) : "unknown");
  if (!m.bankLabel.empty()) Row(out, "Bank", m.bankLabel);
  if (m.configuredSpeed) Row(out, "Configured", SpeedText(*m.configuredSpeed));
  if (!m.formFactor.empty()) Row(out, "Form factor", m.formFactor);
  std::string width = WidthText(m.dataWidth, m.totalWidth);
  if (!width.empty()) Row(out, "Width", width);
  if (m.voltageMillivolts) Row(out, "Voltage", VoltageText(*m.voltageMillivolts));
}

void Insights(std::string& out, const MemoryReport& r) {
  out += "\nInsights\n";
  for (const auto& [label, value] : InsightRows(r.insights, r.modules.size())) Row(out, label, value);
}

void EmptySlots(std::string& out, const MemoryReport& r) {
  out += "\nEmpty slots\n";
  if (!r.emptySlots) {
    Line(out, std::to_string(r.upgrade.freeSlots) + " (the source does not name them)");
    return;
  }
  std::string names;
  for (const std::string& name : *r.emptySlots) names += (names.empty() ? "" : ", ") + name;
  Line(out, names.empty() ? "none" : TerminalText(names));
}

std::string NewModuleText(const UpgradeSummary& u) {
  std::string text = u.type;
  if (!u.formFactor.empty()) text += (text.empty() ? "" : " ") + u.formFactor;
  if (u.speed) text += (text.empty() ? "" : ", ") + SpeedText(*u.speed) + " or faster";
  return text.empty() ? "unknown" : text;
}

std::string AddableText(const UpgradeSummary& u) {
  if (!u.addableBytes) return "unknown (no usable maximum reported)";
  std::string text = ApproximateSizeText(*u.addableBytes);
  if (u.perFreeSlotBytes) {
    return text + ", " + ApproximateSizeText(*u.perFreeSlotBytes) + " per free slot";
  }
  return *u.addableBytes > 0 && u.freeSlots == 0 ? text + " by replacing modules" : text;
}

void Upgrade(std::string& out, const UpgradeSummary& u) {
  out += "\nUpgrade\n";
  if (u.soldered) {
    Line(out, "soldered memory, not upgradable");
    return;
  }
  Row(out, "Free slots", std::to_string(u.freeSlots));
  Row(out, "Can be added", AddableText(u));
  Row(out, "New modules", NewModuleText(u));
}

}  // namespace

std::string FormatHumanReport(const MemoryReport& r) {
  std::string out = r.slotsLabel + "\n" + r.maxmemLabel + "\n" + r.curmemLabel + "\n";
  for (const ModuleReport& m : r.modules) ModuleBlock(out, m);
  Insights(out, r);
  EmptySlots(out, r);
  Upgrade(out, r.upgrade);
  return out;
}
