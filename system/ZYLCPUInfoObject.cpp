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

constexpr const char* kFlagNames[] = {
    "FPU",          "VirtualModeExtensions",    "DebuggingExtensions", "PageSizeExtensions",
    "TimeStampCoutner", "K86_ModelSpecificRegisters", "MachineCheckException", "CMP_XCHG_8B",
    "APIC",         "MemoryTypeRangeRegisters", "GlobalPaging",        "Cond_MOVE_Instruct",
    "MMX",          "SysCallAndSysRet",         "FPCond_MOVE_Instruct", "AMD3DNow"};
static_assert(std::size(kFlagNames) == TZYLCPUInfoObject::biAMD3DNow + 1);

bool Bit(uint32_t Value, int N) { return ((Value >> N) & 1u) != 0; }

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
    const uint32_t d = r[3];
    Info.FPU = Bit(d, 0);
    Info.VirtualModeExtensions = Bit(d, 1);
    Info.DebuggingExtensions = Bit(d, 2);
    Info.PageSizeExtensions = Bit(d, 3);
    Info.TimeStampCoutner = Bit(d, 4);
    Info.K86_ModelSpecificRegisters = Bit(d, 5);
    Info.MachineCheckException = Bit(d, 7);
    Info.CMP_XCHG_8B = Bit(d, 8);
    Info.APIC = Bit(d, 9);
    Info.MemoryTypeRangeRegisters = Bit(d, 12);
    Info.GlobalPaging = Bit(d, 13);
    Info.Cond_MOVE_Instruct = Bit(d, 15);
    Info.MMX = Bit(d, 23);
  }
  if (std::memcmp(Info.IDString, "AuthenticAMD", 12) != 0) return;
  Query(0x80000000u, r);
  const uint32_t maxExt = r[0];
  if (maxExt <= 0x80000000u) return;
  Query(0x80000001u, r);
  Info.SysCallAndSysRet = Bit(r[3], 11);
  Info.FPCond_MOVE_Instruct = Bit(r[3], 16);
  Info.AMD3DNow = Bit(r[3], 31);
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
    b.Prop(kFlagNames[i], &TZYLCPUInfoObject::GetBoolean, &TZYLCPUInfoObject::SetBoolean).Index(i);
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
  const TZYLCPUInfo& i = FInfo;
  switch (Index) {
    case biFPU: return i.FPU;
    case biVirtualModeExtensions: return i.VirtualModeExtensions;
    case biDebuggingExtensions: return i.DebuggingExtensions;
    case biPageSizeExtensions: return i.PageSizeExtensions;
    case biTimeStampCoutner: return i.TimeStampCoutner;
    case biK86_ModelSpecificRegisters: return i.K86_ModelSpecificRegisters;
    case biMachineCheckException: return i.MachineCheckException;
    case biCMP_XCHG_8B: return i.CMP_XCHG_8B;
    case biAPIC: return i.APIC;
    case biMemoryTypeRangeRegisters: return i.MemoryTypeRangeRegisters;
    case biGlobalPaging: return i.GlobalPaging;
    case biCond_MOVE_Instruct: return i.Cond_MOVE_Instruct;
    case biMMX: return i.MMX;
    case biSysCallAndSysRet: return i.SysCallAndSysRet;
    case biFPCond_MOVE_Instruct: return i.FPCond_MOVE_Instruct;
    case biAMD3DNow: return i.AMD3DNow;
    case biExistCPUInfo: return ZYLExistCPUInfo();
    default: return false;
  }
}

}  // namespace zyl
