// One module's facts in the words of a buyer, from its typed record.
#include "report/advice/advice_rules.h"
#include "report/report_model.h"

namespace {

// TypeDetail bits (DSP0134 7.18.3; Win32_PhysicalMemory passes the same word on).
constexpr uint32_t kDetailRegistered = 1u << 13;
constexpr uint32_t kDetailUnbuffered = 1u << 14;
constexpr uint32_t kDetailLoadReduced = 1u << 15;

// Widths a module can have: 8 to 128 data bits, up to 16 more for its check bits.
constexpr uint32_t kLeastDataWidth = 8;
constexpr uint32_t kMostDataWidth = 128;
constexpr uint32_t kMostCheckBits = 16;

// Form factor codes of both sources.
constexpr uint32_t kSmbiosDimm = 0x09;
constexpr uint32_t kSmbiosSodimm = 0x0D;
constexpr uint32_t kSmbiosFbDimm = 0x0F;
constexpr uint32_t kWmiDimm = 8;
constexpr uint32_t kWmiSodimm = 12;

// The DDR2 FB-DIMM memory type: SMBIOS 0x14, WMI 22.
constexpr uint32_t kSmbiosDdr2FbDimm = 0x14;
constexpr uint32_t kWmiDdr2FbDimm = 22;

// SMBIOS 3.2 memory technology.
constexpr uint32_t kTechnologyDram = 0x03;
constexpr uint32_t kTechnologyNvdimmN = 0x04;
constexpr uint32_t kTechnologyNvdimmF = 0x05;
constexpr uint32_t kTechnologyNvdimmP = 0x06;
constexpr uint32_t kTechnologyOptane = 0x07;

std::optional<std::string> Generation(const ModuleRecord& r) {
  if (r.smbiosMemoryType) {
    if (std::optional<std::string> g = GenerationFromSmbiosType(*r.smbiosMemoryType)) return g;
  }
  return r.wmiMemoryType ? GenerationFromWmiType(*r.wmiMemoryType) : std::nullopt;
}

std::optional<std::string> Buffering(std::optional<uint32_t> detail) {
  if (!detail) return std::nullopt;
  if (*detail & kDetailLoadReduced) return "load-reduced";
  if (*detail & kDetailRegistered) return "registered";
  if (*detail & kDetailUnbuffered) return "unbuffered";
  return std::nullopt;
}

bool SaneWidths(const ModuleRecord& r) {
  return r.dataWidth && r.totalWidth && *r.dataWidth >= kLeastDataWidth &&
         *r.dataWidth <= kMostDataWidth && *r.totalWidth >= *r.dataWidth &&
         *r.totalWidth <= *r.dataWidth + kMostCheckBits;
}

bool IsFbDimmType(const ModuleRecord& r) {
  return r.smbiosMemoryType ? *r.smbiosMemoryType == kSmbiosDdr2FbDimm
                            : r.wmiMemoryType == kWmiDdr2FbDimm;
}

// Only the forms a shop sells; FB-DIMM only where the type says so ("DDR3 FB-DIMM" is no module).
std::optional<std::string> FormFactor(const ModuleRecord& r) {
  const bool fbType = IsFbDimmType(r);
  if (r.smbiosFormFactor) {
    switch (*r.smbiosFormFactor) {
      case kSmbiosDimm: return fbType ? "FB-DIMM" : "DIMM";
      case kSmbiosSodimm: return "SODIMM";
      case kSmbiosFbDimm: return fbType ? std::optional<std::string>("FB-DIMM") : std::nullopt;
      default: return std::nullopt;
    }
  }
  if (r.wmiFormFactor == kWmiDimm) return fbType ? "FB-DIMM" : "DIMM";
  if (r.wmiFormFactor == kWmiSodimm) return "SODIMM";
  return std::nullopt;
}

std::optional<std::string> Technology(std::optional<uint32_t> code) {
  if (!code) return std::nullopt;
  switch (*code) {
    case kTechnologyDram: return "DRAM";
    case kTechnologyNvdimmN: return "NVDIMM-N";
    case kTechnologyNvdimmF: return "NVDIMM-F";
    case kTechnologyNvdimmP: return "NVDIMM-P";
    case kTechnologyOptane: return "Optane";
    default: return std::nullopt;
  }
}

}  // namespace

ModuleAdvice AdviseModule(const ModuleRecord& r) {
  ModuleAdvice a;
  a.generation = Generation(r);
  a.standardName = StandardName(a.generation, r.ratedMTs);
  a.buffering = Buffering(r.typeDetail);
  if (SaneWidths(r)) {
    a.dataWidth = r.dataWidth;
    a.totalWidth = r.totalWidth;
    a.ecc = *r.totalWidth > *r.dataWidth;
  }
  // LPDDR is soldered to the board whatever form the firmware names.
  if (!(a.generation && a.generation->rfind("LPDDR", 0) == 0)) a.formFactor = FormFactor(r);
  a.maker = DecodeModuleMaker(r.manufacturer);
  if (!a.maker && r.makerId) a.maker = DecodeModuleMakerId(*r.makerId);
  a.partNumber = DecodePartNumber(r.partNumber);
  a.serialNumber = CleanFirmwareText(r.serialNumber);
  a.technology = Technology(r.technology);
  a.persistent = r.technology && *r.technology >= kTechnologyNvdimmN && *r.technology <= kTechnologyOptane;
  if (a.partNumber) a.kitRatedMTs = KitRatedSpeed(*a.partNumber);
  return a;
}
