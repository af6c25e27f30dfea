// Decoding of the processor's CPUID answers: vendor text, signature, feature bits, the
// extended leaves that only one vendor's answers are read from, and the published object.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/classes/TypeInfo.h"
#include "system/ZYLCPUInfoObject.h"

namespace zyl {
namespace {

// A processor that answers from a table of leaves; unknown leaves answer zeros. Records the
// leaves it was asked.
struct TFakeCPU {
  TFakeCPU(const char* VendorText, uint32_t MaxLeaf) { Vendor(VendorText, MaxLeaf); }
  std::map<uint32_t, std::vector<uint32_t>> Leaves;
  std::vector<uint32_t> Asked;

  TZYLCPUIDQuery Query() {
    return [this](uint32_t Leaf, uint32_t Regs[4]) {
      Asked.push_back(Leaf);
      auto it = Leaves.find(Leaf);
      for (int i = 0; i < 4; ++i) Regs[i] = it == Leaves.end() ? 0 : it->second[i];
    };
  }
  // Leaf 0 with the vendor text split over EBX, EDX, ECX.
  void Vendor(const char* Text, uint32_t MaxLeaf) {
    uint32_t w[3];
    std::memcpy(w, Text, 12);
    Leaves[0] = {MaxLeaf, w[0], w[2], w[1]};
  }
  // Decodes into `info` (fresh unless given) and answers it.
  TZYLCPUInfo Decode(TZYLCPUInfo info = {}) {
    ZYLDecodeCPUInfo(Query(), info);
    return info;
  }
  bool WasAsked(uint32_t Leaf) const {
    for (uint32_t l : Asked)
      if (l == Leaf) return true;
    return false;
  }
};

std::vector<uint32_t> NameLeaf(const char* Text16) {
  uint32_t w[4];
  std::memcpy(w, Text16, 16);
  return {w[0], w[1], w[2], w[3]};
}

TEST(CPUInfoDecode, VendorSignatureAndStandardFlags) {
  TFakeCPU cpu("GenuineIntel", 1);
  // Family 6, model 0xD, stepping 8; above bit 11 of EAX (extended model/family) is ignored.
  const uint32_t edx = (1u << 0) | (1u << 4) | (1u << 8) | (1u << 15) | (1u << 23);
  cpu.Leaves[1] = {0x000F06D8u, 0, 0, edx};
  TZYLCPUInfo stale;
  stale.AMD3DNow = true;  // cleared by the decoding
  const TZYLCPUInfo info = cpu.Decode(stale);
  EXPECT_EQ(std::string(info.IDString, 12), "GenuineIntel");
  EXPECT_EQ(info.Stepping, 8);
  EXPECT_EQ(info.Model, 0xD);
  EXPECT_EQ(info.Family, 6);
  EXPECT_TRUE(info.FPU);
  EXPECT_FALSE(info.VirtualModeExtensions);
  EXPECT_TRUE(info.TimeStampCoutner);
  EXPECT_TRUE(info.CMP_XCHG_8B);
  EXPECT_TRUE(info.Cond_MOVE_Instruct);
  EXPECT_TRUE(info.MMX);
  EXPECT_FALSE(info.APIC);
  EXPECT_FALSE(info.AMD3DNow);
  // Another vendor: the extended leaves are not read and the name stays empty.
  EXPECT_FALSE(cpu.WasAsked(0x80000000u));
  EXPECT_TRUE(info.CPUName.empty());
}

TEST(CPUInfoDecode, EachFeatureBitLandsInItsOwnFlag) {
  const std::pair<int, bool TZYLCPUInfo::*> bits[] = {
      {0, &TZYLCPUInfo::FPU},
      {1, &TZYLCPUInfo::VirtualModeExtensions},
      {2, &TZYLCPUInfo::DebuggingExtensions},
      {3, &TZYLCPUInfo::PageSizeExtensions},
      {4, &TZYLCPUInfo::TimeStampCoutner},
      {5, &TZYLCPUInfo::K86_ModelSpecificRegisters},
      {7, &TZYLCPUInfo::MachineCheckException},
      {8, &TZYLCPUInfo::CMP_XCHG_8B},
      {9, &TZYLCPUInfo::APIC},
      {12, &TZYLCPUInfo::MemoryTypeRangeRegisters},
      {13, &TZYLCPUInfo::GlobalPaging},
      {15, &TZYLCPUInfo::Cond_MOVE_Instruct},
      {23, &TZYLCPUInfo::MMX}};
  for (const auto& [bit, flag] : bits) {
    TFakeCPU cpu("GenuineIntel", 1);
    cpu.Leaves[1] = {0, 0, 0, 1u << bit};
    const TZYLCPUInfo info = cpu.Decode();
    int set = 0;
    for (const auto& [other, f] : bits) set += info.*f ? 1 : 0;
    EXPECT_TRUE(info.*flag) << "bit " << bit;
    EXPECT_EQ(set, 1) << "bit " << bit;
  }
  // Bits that name no flag (6, 10, 11, 14 ...) set nothing.
  TFakeCPU cpu("GenuineIntel", 1);
  cpu.Leaves[1] = {0, 0, 0, (1u << 6) | (1u << 10) | (1u << 11) | (1u << 14) | (1u << 24)};
  TZYLCPUInfo info = cpu.Decode();
  for (const auto& [bit, flag] : bits) EXPECT_FALSE(info.*flag) << bit;
}

TEST(CPUInfoDecode, ExtendedLeavesOfTheOneVendor) {
  TFakeCPU cpu("AuthenticAMD", 1);
  cpu.Leaves[1] = {0x00000F4Au, 0, 0, 1u << 23};
  cpu.Leaves[0x80000000u] = {0x80000008u, 0, 0, 0};
  cpu.Leaves[0x80000001u] = {0, 0, 0, (1u << 11) | (1u << 16) | (1u << 31)};
  cpu.Leaves[0x80000002u] = NameLeaf("AMD Athlon(tm) 6");
  cpu.Leaves[0x80000003u] = NameLeaf("4 Processor 3200");
  cpu.Leaves[0x80000004u] = NameLeaf("+\0\0\0\0\0\0\0\0\0\0\0\0\0\0");
  TZYLCPUInfo info = cpu.Decode();
  EXPECT_EQ(info.Family, 0xF);
  EXPECT_EQ(info.Model, 4);
  EXPECT_EQ(info.Stepping, 0xA);
  EXPECT_TRUE(info.SysCallAndSysRet);
  EXPECT_TRUE(info.FPCond_MOVE_Instruct);
  EXPECT_TRUE(info.AMD3DNow);
  EXPECT_EQ(info.CPUName, "AMD Athlon(tm) 64 Processor 3200+");
}

TEST(CPUInfoDecode, NameNeedsAllThreeLeavesAndEndsAt48Bytes) {
  // Extended leaves up to 0x80000001 only: flags, but no name.
  TFakeCPU few("AuthenticAMD", 1);
  few.Leaves[0x80000000u] = {0x80000001u, 0, 0, 0};
  few.Leaves[0x80000001u] = {0, 0, 0, 1u << 31};
  TZYLCPUInfo info = few.Decode();
  EXPECT_TRUE(info.AMD3DNow);
  EXPECT_TRUE(info.CPUName.empty());
  EXPECT_FALSE(few.WasAsked(0x80000002u));

  // No extended leaves at all: neither flags nor name are asked.
  TFakeCPU none("AuthenticAMD", 1);
  none.Leaves[0x80000000u] = {0x80000000u, 0, 0, 0};
  info = none.Decode(info);
  EXPECT_FALSE(none.WasAsked(0x80000001u));
  EXPECT_FALSE(info.AMD3DNow);

  // A name without a terminating zero stops after 48 characters.
  TFakeCPU full("AuthenticAMD", 1);
  full.Leaves[0x80000000u] = {0x80000004u, 0, 0, 0};
  for (uint32_t l = 0x80000002u; l <= 0x80000004u; ++l) full.Leaves[l] = NameLeaf("ABCDEFGHIJKLMNOP");
  info = full.Decode(info);
  EXPECT_EQ(info.CPUName.size(), 48u);
  EXPECT_EQ(info.CPUName.substr(32), "ABCDEFGHIJKLMNOP");
}

TEST(CPUInfoDecode, LeafOneIsAskedOnlyWhenReported) {
  TFakeCPU cpu("GenuineIntel", 0);
  cpu.Leaves[1] = {0xFFFFFFFFu, 0, 0, 0xFFFFFFFFu};
  TZYLCPUInfo info = cpu.Decode();
  EXPECT_FALSE(cpu.WasAsked(1));
  EXPECT_EQ(info.Family, 0);
  EXPECT_FALSE(info.FPU);
  EXPECT_EQ(std::string(info.IDString, 12), "GenuineIntel");
}

TEST(CPUInfoObject, PublishesTheRecordReadOnly) {
  TZYLCPUInfoObject obj;
  TFakeCPU cpu("AuthenticAMD", 1);
  cpu.Leaves[1] = {0x00000623u, 0, 0, (1u << 0) | (1u << 23)};
  cpu.Leaves[0x80000000u] = {0x80000004u, 0, 0, 0};
  cpu.Leaves[0x80000001u] = {0, 0, 0, 1u << 31};
  cpu.Leaves[0x80000002u] = NameLeaf("Test CPU\0\0\0\0\0\0\0");
  obj.GetInfo(cpu.Query());

  EXPECT_EQ(vcl::GetStrProp(&obj, "IDString"), "AuthenticAMD");
  EXPECT_EQ(vcl::GetStrProp(&obj, "CPUName"), "Test CPU");
  EXPECT_EQ(vcl::GetOrdProp(&obj, "Family"), 6);
  EXPECT_EQ(vcl::GetOrdProp(&obj, "Model"), 2);
  EXPECT_EQ(vcl::GetOrdProp(&obj, "Stepping"), 3);
  EXPECT_EQ(vcl::GetOrdProp(&obj, "FPU"), 1);
  EXPECT_EQ(vcl::GetOrdProp(&obj, "MMX"), 1);
  EXPECT_EQ(vcl::GetOrdProp(&obj, "AMD3DNow"), 1);
  EXPECT_EQ(vcl::GetOrdProp(&obj, "APIC"), 0);
  EXPECT_EQ(vcl::GetOrdProp(&obj, "ExistCPUInfo"), ZYLExistCPUInfo() ? 1 : 0);
  // The names are spelled as published, typo included.
  EXPECT_NE(vcl::GetPropInfo(&obj, "TimeStampCoutner"), nullptr);
  EXPECT_EQ(vcl::GetPropInfo(&obj, "TimeStampCounter"), nullptr);
  EXPECT_EQ(vcl::GetPropList(&obj).size(), 5u + 17u);

  // Writes do nothing.
  vcl::SetStrProp(&obj, "IDString", "Other");
  vcl::SetOrdProp(&obj, "Family", 9);
  vcl::SetOrdProp(&obj, "MMX", 0);
  EXPECT_EQ(obj.GetString(0), "AuthenticAMD");
  EXPECT_EQ(obj.GetInteger(2), 6);
  EXPECT_TRUE(obj.GetBoolean(12));
  // Out-of-range indexes give neutral answers.
  EXPECT_EQ(obj.GetString(2), "");
  EXPECT_EQ(obj.GetInteger(3), 0);
  EXPECT_FALSE(obj.GetBoolean(17));
  EXPECT_FALSE(obj.GetBoolean(-1));
}

TEST(CPUInfoObject, RunningProcessor) {
  TZYLCPUInfo info;
  const bool exists = ZYLGetCPUInfo(info);
  EXPECT_EQ(ZYLExistMMX(), exists && info.MMX);
  EXPECT_EQ(ZYLExist3DNow(), exists && info.AMD3DNow);
#if defined(__x86_64__)
  EXPECT_TRUE(exists);
  EXPECT_TRUE(info.FPU);  // every processor of this architecture has one
  EXPECT_EQ(TZYLCPUInfoObject().GetString(0).size(), 12u);
#endif
}

}  // namespace
}  // namespace zyl
