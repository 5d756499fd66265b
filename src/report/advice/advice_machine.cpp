#include "report/advice/advice_rules.h"
#include "report/advice/advice_words.h"

namespace {
// Names hypervisors put in the system maker or product of the machines they emulate.
constexpr std::string_view kHypervisorWords[] = {
    "QEMU", "VMware", "VirtualBox", "innotek", "Xen", "Parallels", "KVM", "Bochs", "Amazon EC2",
};

bool NamesHypervisor(std::string_view text) {
  for (std::string_view word : kHypervisorWords) {
    if (ContainsWord(text, word)) return true;
  }
  return false;
}
}  // namespace

bool IsVirtualMachine(std::string_view systemMaker, std::string_view systemProduct) {
  if (NamesHypervisor(systemMaker) || NamesHypervisor(systemProduct)) return true;
  // Hyper-V: the maker alone also names Surface and other real Microsoft machines.
  return ContainsWord(systemMaker, "Microsoft Corporation") &&
         ContainsWord(systemProduct, "Virtual Machine");
}
