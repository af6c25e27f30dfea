// ZYLCPUInfoObject: the processor's identification and feature flags as CPUID reports them,
// and a settings object that publishes them read-only.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "foundation/ZYLObject.h"

namespace zyl {

struct TZYLCPUInfo {
  char IDString[12] = {};  // the vendor text, not zero-terminated
  int32_t Stepping = 0;
  int32_t Model = 0;
  int32_t Family = 0;
  bool FPU = false;
  bool VirtualModeExtensions = false;
  bool DebuggingExtensions = false;
  bool PageSizeExtensions = false;
  bool TimeStampCoutner = false;
  bool K86_ModelSpecificRegisters = false;
  bool MachineCheckException = false;
  bool CMP_XCHG_8B = false;
  bool APIC = false;
  bool MemoryTypeRangeRegisters = false;
  bool GlobalPaging = false;
  bool Cond_MOVE_Instruct = false;
  bool MMX = false;
  bool SysCallAndSysRet = false;
  bool FPCond_MOVE_Instruct = false;
  bool AMD3DNow = false;
  std::string CPUName;
};

// One CPUID query: fills Regs with EAX, EBX, ECX, EDX of the given leaf.
using TZYLCPUIDQuery = std::function<void(uint32_t Leaf, uint32_t Regs[4])>;

// True when the processor has the CPUID instruction (bit 21 of the flags register can be
// toggled); always false on processors outside the x86 family.
bool ZYLExistCPUInfo();
// Clears Info and, when CPUID exists, fills it; answers ZYLExistCPUInfo.
bool ZYLGetCPUInfo(TZYLCPUInfo& Info);
// The decoding of ZYLGetCPUInfo over any source of CPUID answers (Info is cleared first).
// Leaf 1 is asked only when leaf 0 reports it, the extended leaves only for the vendor
// "AuthenticAMD" and only as far as leaf 0x80000000 reports them.
void ZYLDecodeCPUInfo(const TZYLCPUIDQuery& Query, TZYLCPUInfo& Info);
// The MMX / 3DNow! flag of the running processor (false without CPUID).
bool ZYLExistMMX();
bool ZYLExist3DNow();

class TZYLCPUInfoObject : public TZYLObject {
  ZYL_CLASS(TZYLCPUInfoObject, TZYLObject)
  // The indices of the string, integer and Boolean properties; the feature flags follow the
  // order of their name table.
  enum TStringProp : int { siIDString, siCPUName };
  enum TIntegerProp : int { iiStepping, iiModel, iiFamily };
  enum TBooleanProp : int {
    biFPU,
    biVirtualModeExtensions,
    biDebuggingExtensions,
    biPageSizeExtensions,
    biTimeStampCoutner,
    biK86_ModelSpecificRegisters,
    biMachineCheckException,
    biCMP_XCHG_8B,
    biAPIC,
    biMemoryTypeRangeRegisters,
    biGlobalPaging,
    biCond_MOVE_Instruct,
    biMMX,
    biSysCallAndSysRet,
    biFPCond_MOVE_Instruct,
    biAMD3DNow,
    biExistCPUInfo
  };

  // Fills the record from the running processor.
  TZYLCPUInfoObject();

  // Refills the record from the running processor (GetInfo) or from Query.
  void GetInfo();
  void GetInfo(const TZYLCPUIDQuery& Query);
  const TZYLCPUInfo& Info() const { return FInfo; }

  // Index: one of TStringProp; other indexes give an empty string.
  std::string GetString(int Index) const;
  // Index: one of TIntegerProp; other indexes give 0.
  int32_t GetInteger(int Index) const;
  // Index: one of TBooleanProp (ExistCPUInfo is asked at each read); other indexes give false.
  bool GetBoolean(int Index) const;
  // The published properties are read-only: their setters do nothing.
  void SetString(int, std::string) {}
  void SetInteger(int, int32_t) {}
  void SetBoolean(int, bool) {}

 private:
  TZYLCPUInfo FInfo;
};

}  // namespace zyl
