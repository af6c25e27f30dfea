// TStrings (the abstract list of strings with attached objects) and TStringList.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"
#include "platform/classes/StringListItems.h"

namespace vcl {

class TStream;

enum TDuplicates : uint8_t { dupIgnore, dupAccept, dupError };

class TStrings : public TPersistent {
  ZYL_CLASS(TStrings, TPersistent)
  TStrings() = default;

  // The primitives a concrete list provides.
  virtual std::string Get(int Index) const = 0;
  virtual int GetCount() const = 0;
  virtual TObject* GetObject(int Index) const;
  virtual void Put(int Index, const std::string& S);
  virtual void PutObject(int Index, TObject* AObject);
  virtual void Insert(int Index, const std::string& S) = 0;
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;
  virtual int Capacity() const { return GetCount(); }
  virtual void SetCapacity(int) {}

  int Count() const { return GetCount(); }
  std::string Strings(int Index) const { return Get(Index); }
  void SetStrings(int Index, const std::string& S) { Put(Index, S); }
  TObject* Objects(int Index) const { return GetObject(Index); }
  void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }

  virtual int Add(const std::string& S);
  virtual int AddObject(const std::string& S, TObject* AObject);
  void Append(const std::string& S) { Add(S); }
  virtual void AddStrings(TStrings* Strings);
  void InsertObject(int Index, const std::string& S, TObject* AObject);
  virtual void Exchange(int Index1, int Index2);
  virtual void Move(int CurIndex, int NewIndex);
  // Case-insensitive in the locale's order (TStringList: per CaseSensitive).
  virtual int IndexOf(const std::string& S) const;
  int IndexOfName(const std::string& Name) const;
  int IndexOfObject(TObject* AObject) const;
  // Same count and the same strings, case-sensitively.
  bool Equals(TStrings* Strings) const;

  void Assign(TPersistent* Source) override;
  // Streams the lines as the extra property "Strings" (a list of strings), written when the
  // list differs from the ancestor's (without one: when DiffersFromNew).
  void DefineProperties(TFiler* Filer) override;

  // "name=value" lines. Names(i) is the text before the first separator ("" without one);
  // SetValues with "" deletes the line.
  std::string Names(int Index) const;
  std::string Values(const std::string& Name) const;
  void SetValues(const std::string& Name, const std::string& Value);
  std::string ValueFromIndex(int Index) const;
  void SetValueFromIndex(int Index, const std::string& Value);
  void SetNameValueSeparator(char c) { nameValueSeparator_ = c; }

  // Lines ended by CR LF; setting accepts CR LF, LF or CR (and stops at a NUL).
  virtual std::string Text() const;
  virtual void SetText(const std::string& Value);
  // Items separated by Delimiter; items with blanks, quotes, delimiters or control characters
  // are quoted with QuoteChar (doubling inner quotes); a single empty item is "" quoted.
  std::string DelimitedText() const;
  void SetDelimitedText(const std::string& Value);
  std::string CommaText() const;
  void SetCommaText(const std::string& Value);
  char Delimiter() const { return delimiter_; }
  void SetDelimiter(char c) { delimiter_ = c; }
  char QuoteChar() const { return quoteChar_; }
  void SetQuoteChar(char c) { quoteChar_ = c; }

  // Update brackets: the list announces Changing when the first opens and Changed when the
  // last closes; changes in between announce nothing.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  virtual void LoadFromStream(TStream* Stream);
  virtual void SaveToStream(TStream* Stream) const;
  void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName) const;

 protected:
  virtual void SetUpdateState(bool Updating);
  // Whether the lines differ from those of a new list, so that a stream must hold them: any
  // line here. A list its owner fills on creation answers for that content, so that an
  // emptied list is written too and reads back empty.
  virtual bool DiffersFromNew() const { return GetCount() > 0; }
  // Compares two strings as IndexOf and sorting do.
  virtual int CompareStrings(const std::string& S1, const std::string& S2) const;
  [[noreturn]] void Error(const char* Msg, int Data) const;

 private:
  std::string Delimited(char delimiter, char quote) const;
  void SetDelimited(const std::string& value, char delimiter, char quote);
  int updateCount_ = 0;
  char delimiter_ = ',';
  char quoteChar_ = '"';
  char nameValueSeparator_ = '=';
};

// Replaces the contents of `List` with `Items` inside one update bracket; a null list is
// left alone.
void FillStrings(TStrings* List, const std::vector<std::string>& Items);

class TStringList;
using TStringListSortCompare = int (*)(TStringList* List, int Index1, int Index2);

class TStringList : public TStrings {
  ZYL_CLASS(TStringList, TStrings)
  TStringList() = default;
  ~TStringList() override;

  std::string Get(int Index) const override;
  int GetCount() const override { return items_.Size(); }
  TObject* GetObject(int Index) const override;
  void Put(int Index, const std::string& S) override;
  void PutObject(int Index, TObject* AObject) override;
  void Insert(int Index, const std::string& S) override;
  void Delete(int Index) override;
  void Clear() override;
  int Capacity() const override { return std::max(capacity_, items_.Size()); }
  void SetCapacity(int NewCapacity) override;

  // In a sorted list Add finds the place and applies Duplicates; Insert and Put raise
  // EStringListError "Operation not allowed on sorted list".
  int Add(const std::string& S) override;
  int AddObject(const std::string& S, TObject* AObject) override;
  void Exchange(int Index1, int Index2) override;
  int IndexOf(const std::string& S) const override;
  // Binary search of a sorted list: true when found; Index is the first match or the place
  // where S would go.
  virtual bool Find(const std::string& S, int& Index) const;
  virtual void Sort();
  virtual void CustomSort(TStringListSortCompare Compare);

  bool Sorted() const { return sorted_; }
  void SetSorted(bool Value);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates Value) { duplicates_ = Value; }
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool Value);

  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(const TNotifyEvent& Value) { onChange_ = Value; }
  const TNotifyEvent& OnChanging() const { return onChanging_; }
  void SetOnChanging(const TNotifyEvent& Value) { onChanging_ = Value; }

 protected:
  virtual void Changed();
  virtual void Changing();
  void SetUpdateState(bool Updating) override;
  int CompareStrings(const std::string& S1, const std::string& S2) const override;
  void InsertItem(int Index, const std::string& S, TObject* AObject);

 private:
  void CheckIndex(int Index) const;
  void QuickSort(int L, int R, TStringListSortCompare Compare);
  // Where Find stops in a run of items equal to S that starts at First.
  int FirstProbeInRun(int First, const std::string& S) const;
  TStringListItems items_;
  // What SetCapacity asked for (the blocks of items_ grow by themselves).
  int capacity_ = 0;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  TDuplicates duplicates_ = dupIgnore;
  TNotifyEvent onChange_;
  TNotifyEvent onChanging_;
};

}  // namespace vcl
