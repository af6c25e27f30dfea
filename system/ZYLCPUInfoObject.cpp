#include "system/ZYLCPUInfoObject.h"

#include <cstring>
#include <iterator>

#include "platform/classes/TypeInfo.h"

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#define ZYL_HAS_CPUID 1
#else
#define ZYL_HAS_CPUID 0
#endif

namespace zyl {

namespace {

// A feature flag: its property name, its field and the bit of EDX that holds it (of leaf 1,
// or of the extended leaf 0x80000001 for an Extended flag); in the order of TBooleanProp.
struct TFlag {
  const char* Name;
  bool TZYLCPUInfo::*Field;
  int BitNo;
  bool Extended;
};

constexpr TFlag kFlags[] = {
    {"FPU", &TZYLCPUInfo::FPU, 0, false},
    {"VirtualModeExtensions", &TZYLCPUInfo::VirtualModeExtensions, 1, false},
    {"DebuggingExtensions", &TZYLCPUInfo::DebuggingExtensions, 2, false},
    {"PageSizeExtensions", &TZYLCPUInfo::PageSizeExtensions, 3, false},
    {"TimeStampCoutner", &TZYLCPUInfo::TimeStampCoutner, 4, false},
    {"K86_ModelSpecificRegisters", &TZYLCPUInfo::K86_ModelSpecificRegisters, 5, false},
    {"MachineCheckException", &TZYLCPUInfo::MachineCheckException, 7, false},
    {"CMP_XCHG_8B", &TZYLCPUInfo::CMP_XCHG_8B, 8, false},
    {"APIC", &TZYLCPUInfo::APIC, 9, false},
    {"MemoryTypeRangeRegisters", &TZYLCPUInfo::MemoryTypeRangeRegisters, 12, false},
    {"GlobalPaging", &TZYLCPUInfo::GlobalPaging, 13, false},
    {"Cond_MOVE_Instruct", &TZYLCPUInfo::Cond_MOVE_Instruct, 15, false},
    {"MMX", &TZYLCPUInfo::MMX, 23, false},
    {"SysCallAndSysRet", &TZYLCPUInfo::SysCallAndSysRet, 11, true},
    {"FPCond_MOVE_Instruct", &TZYLCPUInfo::FPCond_MOVE_Instruct, 16, true},
    {"AMD3DNow", &TZYLCPUInfo::AMD3DNow, 31, true}};
static_assert(std::size(kFlags) == TZYLCPUInfoObject::biAMD3DNow + 1);

bool Bit(uint32_t Value, int N) { return ((Value >> N) & 1u) != 0; }

// Sets the flags of one leaf (Extended or not) from that leaf's EDX.
void DecodeFlags(uint32_t Edx, bool Extended, TZYLCPUInfo& Info) {
  for (const TFlag& f : kFlags)
    if (f.Extended == Extended) Info.*f.Field = Bit(Edx, f.BitNo);
}

void HostQuery(uint32_t Leaf, uint32_t Regs[4]) {
#if ZYL_HAS_CPUID
  unsigned a = 0, b = 0, c = 0, d = 0;
  __cpuid(Leaf, a, b, c, d);
  Regs[0] = a;
  Regs[1] = b;
  Regs[2] = c;
  Regs[3] = d;
#else
  (void)Leaf;
  Regs[0] = Regs[1] = Regs[2] = Regs[3] = 0;
#endif
}

}  // namespace

bool ZYLExistCPUInfo() {
#if defined(__x86_64__)
  // Every processor of the 64-bit architecture has CPUID.
  return true;
#elif defined(__i386__)
  return __get_cpuid_max(0, nullptr) != 0;
#else
  return false;
#endif
}

void ZYLDecodeCPUInfo(const TZYLCPUIDQuery& Query, TZYLCPUInfo& Info) {
  Info = TZYLCPUInfo();
  uint32_t r[4] = {};
  Query(0, r);
  const uint32_t maxLeaf = r[0];
  std::memcpy(Info.IDString, &r[1], 4);  // EBX, EDX, ECX
  std::memcpy(Info.IDString + 4, &r[3], 4);
  std::memcpy(Info.IDString + 8, &r[2], 4);
  if (maxLeaf >= 1) {
    Query(1, r);
    Info.Stepping = static_cast<int32_t>(r[0] & 0xF);
    Info.Model = static_cast<int32_t>((r[0] >> 4) & 0xF);
    Info.Family = static_cast<int32_t>((r[0] >> 8) & 0xF);
    DecodeFlags(r[3], false, Info);
  }
  if (std::memcmp(Info.IDString, "AuthenticAMD", 12) != 0) return;
  Query(0x80000000u, r);
  const uint32_t maxExt = r[0];
  if (maxExt <= 0x80000000u) return;
  Query(0x80000001u, r);
  DecodeFlags(r[3], true, Info);
  if (maxExt < 0x80000004u) return;
  char name[49] = {};
  for (uint32_t leaf = 0; leaf < 3; ++leaf) {
    Query(0x80000002u + leaf, r);
    std::memcpy(name + leaf * 16, r, 16);
  }
  Info.CPUName.assign(name, strnlen(name, 48));
}

bool ZYLGetCPUInfo(TZYLCPUInfo& Info) {
  Info = TZYLCPUInfo();
  if (!ZYLExistCPUInfo()) return false;
  ZYLDecodeCPUInfo(&HostQuery, Info);
  return true;
}

bool ZYLExistMMX() {
  TZYLCPUInfo info;
  return ZYLGetCPUInfo(info) && info.MMX;
}

bool ZYLExist3DNow() {
  TZYLCPUInfo info;
  return ZYLGetCPUInfo(info) && info.AMD3DNow;
}

ZYL_CLASS_IMPL(TZYLCPUInfoObject) {
  b.Prop("IDString", &TZYLCPUInfoObject::GetString, &TZYLCPUInfoObject::SetString)
      .Index(TZYLCPUInfoObject::siIDString);
  b.Prop("CPUName", &TZYLCPUInfoObject::GetString, &TZYLCPUInfoObject::SetString)
      .Index(TZYLCPUInfoObject::siCPUName);
  b.Prop("Stepping", &TZYLCPUInfoObject::GetInteger, &TZYLCPUInfoObject::SetInteger)
      .Index(TZYLCPUInfoObject::iiStepping);
  b.Prop("Model", &TZYLCPUInfoObject::GetInteger, &TZYLCPUInfoObject::SetInteger)
      .Index(TZYLCPUInfoObject::iiModel);
  b.Prop("Family", &TZYLCPUInfoObject::GetInteger, &TZYLCPUInfoObject::SetInteger)
      .Index(TZYLCPUInfoObject::iiFamily);
  for (int i = TZYLCPUInfoObject::biFPU; i <= TZYLCPUInfoObject::biAMD3DNow; ++i)
    b.Prop(kFlags[i].Name, &TZYLCPUInfoObject::GetBoolean, &TZYLCPUInfoObject::SetBoolean).Index(i);
  b.Prop("ExistCPUInfo", &TZYLCPUInfoObject::GetBoolean, &TZYLCPUInfoObject::SetBoolean)
      .Index(TZYLCPUInfoObject::biExistCPUInfo);
}

TZYLCPUInfoObject::TZYLCPUInfoObject() { GetInfo(); }

void TZYLCPUInfoObject::GetInfo() { ZYLGetCPUInfo(FInfo); }

void TZYLCPUInfoObject::GetInfo(const TZYLCPUIDQuery& Query) { ZYLDecodeCPUInfo(Query, FInfo); }

std::string TZYLCPUInfoObject::GetString(int Index) const {
  switch (Index) {
    case siIDString: return std::string(FInfo.IDString, strnlen(FInfo.IDString, 12));
    case siCPUName: return FInfo.CPUName;
    default: return {};
  }
}

int32_t TZYLCPUInfoObject::GetInteger(int Index) const {
  switch (Index) {
    case iiStepping: return FInfo.Stepping;
    case iiModel: return FInfo.Model;
    case iiFamily: return FInfo.Family;
    default: return 0;
  }
}

bool TZYLCPUInfoObject::GetBoolean(int Index) const {
  if (Index >= biFPU && Index <= biAMD3DNow) return FInfo.*kFlags[Index].Field;
  return Index == biExistCPUInfo && ZYLExistCPUInfo();
}

}  // namespace zyl
