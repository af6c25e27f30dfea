// INI files: TCustomIniFile, TIniFile (over the file itself) and TMemIniFile (in memory).
//
// The text rules are those of TIniText (IniText.h): case-insensitive sections and keys, the
// value after the first '=', blanks trimmed, the first of duplicate keys wins, comments and
// every other line kept when the file is rewritten (with CR LF line ends).
//
// TIniFile writes through: every Write*, EraseSection and DeleteKey rewrites the file before it
// returns (to a temporary file renamed over the old one), so nothing waits for the destructor
// or for the end of the process, and UpdateFile has nothing left to do. Each change is a
// read-modify-write of the current file under an advisory lock of its folder, so TIniFile
// writers in several threads or processes lose nothing; reads see changes that other writers
// made to the file. A missing file reads as empty and is created by the first
// write (its folder must exist); a write that fails raises EIniFileException "Unable to write
// to %s", a file that exists but cannot be read EIniFileException "Cannot read file %s: <why>".
//
// TMemIniFile reads the file once when created and keeps every change in memory until
// UpdateFile writes the whole text (EFCreateError "Cannot create file %s" on failure);
// destroying it does not write.
//
// Typed reads take the string and convert it; text that does not convert gives the default:
// - ReadInteger: decimal, "$" or "0x" hexadecimal; ReadBool: ReadInteger <> 0, so "0" is
//   false, other numbers true and non-numeric text the default;
// - ReadFloat/ReadDate/ReadDateTime/ReadTime: the locale's formats (platform/rtl).
// Typed writes store text: WriteBool "1"/"0", WriteFloat FloatToStr, WriteDate DateToStr...
// Binary streams are stored as upper-case hexadecimal text.
//
// File names follow the layer's path policy (NativeFileName, platform/rtl/FileUtils.h):
// Windows-style names with drives and '\' work; relative names resolve against the current
// folder; a name on an unmapped drive reads as a missing file and cannot be written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/classes/Object.h"
#include "platform/sys/IniText.h"
#include "platform/sys/SysFiles.h"

namespace vcl {

class TStrings;
class TStream;

class TCustomIniFile : public TObject {
  ZYL_CLASS(TCustomIniFile, TObject)
  explicit TCustomIniFile(const std::string& FileName) : fileName_(FileName) {}

  const std::string& FileName() const { return fileName_; }

  virtual std::string ReadString(const std::string& Section, const std::string& Ident,
                                 const std::string& Default) = 0;
  virtual void WriteString(const std::string& Section, const std::string& Ident,
                           const std::string& Value) = 0;
  int32_t ReadInteger(const std::string& Section, const std::string& Ident, int32_t Default);
  void WriteInteger(const std::string& Section, const std::string& Ident, int32_t Value);
  bool ReadBool(const std::string& Section, const std::string& Ident, bool Default);
  void WriteBool(const std::string& Section, const std::string& Ident, bool Value);
  double ReadFloat(const std::string& Section, const std::string& Ident, double Default);
  void WriteFloat(const std::string& Section, const std::string& Ident, double Value);
  double ReadDate(const std::string& Section, const std::string& Ident, double Default);
  void WriteDate(const std::string& Section, const std::string& Ident, double Value);
  double ReadDateTime(const std::string& Section, const std::string& Ident, double Default);
  void WriteDateTime(const std::string& Section, const std::string& Ident, double Value);
  double ReadTime(const std::string& Section, const std::string& Ident, double Default);
  void WriteTime(const std::string& Section, const std::string& Ident, double Value);
  // Writes the decoded bytes at the stream's position, which is left unchanged; answers the
  // number of bytes (decoding stops at the first character that is not hexadecimal).
  int32_t ReadBinaryStream(const std::string& Section, const std::string& Ident, TStream* Value);
  // Stores the bytes from the stream's position to its end.
  void WriteBinaryStream(const std::string& Section, const std::string& Ident, TStream* Value);

  // The key names of the section / the section names / the section's "key=value" lines; each
  // clears the list first.
  virtual void ReadSection(const std::string& Section, TStrings* Strings) = 0;
  virtual void ReadSections(TStrings* Strings) = 0;
  virtual void ReadSectionValues(const std::string& Section, TStrings* Strings) = 0;
  virtual void EraseSection(const std::string& Section) = 0;
  virtual void DeleteKey(const std::string& Section, const std::string& Ident) = 0;
  virtual void UpdateFile() = 0;

  // True when ReadSection finds at least one key (a section without keys does not count, as
  // in the framework).
  bool SectionExists(const std::string& Section);
  bool ValueExists(const std::string& Section, const std::string& Ident);

 protected:
  void SetFileName(const std::string& FileName) { fileName_ = FileName; }
  // The indexed text behind the reads, for classes that keep one: SectionExists and
  // ValueExists then look names up instead of listing the section.
  virtual const TIniText* Model() { return nullptr; }

 private:
  std::string fileName_;
};

class TIniFile : public TCustomIniFile {
  ZYL_CLASS(TIniFile, TCustomIniFile)
  explicit TIniFile(const std::string& FileName) : TCustomIniFile(FileName) {}

  std::string ReadString(const std::string& Section, const std::string& Ident,
                         const std::string& Default) override;
  void WriteString(const std::string& Section, const std::string& Ident,
                   const std::string& Value) override;
  void ReadSection(const std::string& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  void ReadSectionValues(const std::string& Section, TStrings* Strings) override;
  void EraseSection(const std::string& Section) override;
  void DeleteKey(const std::string& Section, const std::string& Ident) override;
  // Every change is already in the file.
  void UpdateFile() override {}

 private:
  // The text of the file, read again when the file changed.
  const TIniText* Model() override;
  // Applies f(TIniText&) -> bool (changed) to the file's current text under the folder lock
  // and writes the result back.
  template <class F>
  void Change(F f);
  TIniText text_;
  sysfiles::TFileStamp stamp_;
  bool loaded_ = false;
};

class TMemIniFile : public TCustomIniFile {
  ZYL_CLASS(TMemIniFile, TCustomIniFile)
  // Reads the file when it exists (EFOpenError "Cannot open file %s" when it exists but cannot
  // be read).
  explicit TMemIniFile(const std::string& FileName);

  std::string ReadString(const std::string& Section, const std::string& Ident,
                         const std::string& Default) override;
  void WriteString(const std::string& Section, const std::string& Ident,
                   const std::string& Value) override;
  void ReadSection(const std::string& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  void ReadSectionValues(const std::string& Section, TStrings* Strings) override;
  void EraseSection(const std::string& Section) override;
  void DeleteKey(const std::string& Section, const std::string& Ident) override;
  // Writes the whole text to FileName.
  void UpdateFile() override;

  void Clear() { text_.Clear(); }
  // Adds the lines of the text, comments included, to List / replaces the text with the
  // list's lines.
  void GetStrings(TStrings* List);
  void SetStrings(TStrings* List);
  // Changes the file name; with Reload the text is read again from the new file (empty when
  // it does not exist).
  void Rename(const std::string& FileName, bool Reload);

 private:
  const TIniText* Model() override { return &text_; }
  void Load();
  TIniText text_;
};

}  // namespace vcl
