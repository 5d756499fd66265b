#include <gtest/gtest.h>

#include "report/advice/advice_rules.h"

namespace {
TEST(AdviceMachine, RecognisesHypervisorsByMakerOrProduct) {
  struct Case {
    const char* maker;
    const char* product;
    bool isVirtual;
  };
  const Case cases[] = {
      {"QEMU", "Standard PC (Q35 + ICH9, 2009)", true},
      {"VMware, Inc.", "VMware7,1", true},
      {"innotek GmbH", "VirtualBox", true},
      {"Xen", "HVM domU", true},
      {"Parallels Software International Inc.", "Parallels Virtual Platform", true},
      {"Red Hat", "KVM", true},
      {"Bochs", "Bochs", true},
      {"Amazon EC2", "m5.large", true},
      {"Microsoft Corporation", "Virtual Machine", true},
      {"Microsoft Corporation", "Surface Laptop 4", false},
      {"Dell Inc.", "Virtual Machine Host 9000", false},  // Hyper-V needs Microsoft as maker
      {"Xenon Systems", "Workstation", false},            // a word that only starts with Xen
      {"ASUS", "System Product Name", false},
      {"", "", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsVirtualMachine(c.maker, c.product), c.isVirtual) << c.maker << " / " << c.product;
  }
}
}  // namespace
