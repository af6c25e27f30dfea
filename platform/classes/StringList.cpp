#include "platform/classes/StringList.h"

#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/StrUtils.h"

namespace vcl {

ZYL_CLASS_IMPL(TStrings) {}
ZYL_CLASS_IMPL(TStringList) {}

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

// ---------------------------------------------------------------------------------------------
// TStrings

void TStrings::Error(const char* Msg, int Data) const {
  std::string m = Msg;
  const size_t at = m.find("%d");
  if (at != std::string::npos) m.replace(at, 2, std::to_string(Data));
  throw EStringListError(m);
}

TObject* TStrings::GetObject(int) const { return nullptr; }

void TStrings::Put(int Index, const std::string& S) {
  TObject* obj = GetObject(Index);
  Delete(Index);
  InsertObject(Index, S, obj);
}

void TStrings::PutObject(int, TObject*) {}

int TStrings::Add(const std::string& S) {
  const int index = GetCount();
  Insert(index, S);
  return index;
}

int TStrings::AddObject(const std::string& S, TObject* AObject) {
  const int index = Add(S);
  PutObject(index, AObject);
  return index;
}

void TStrings::AddStrings(TStrings* Strings) {
  if (!Strings) return;
  BeginUpdate();
  TFinally endUpdate([&] { EndUpdate(); });
  const int n = Strings->Count();  // fixed first: adding a list to itself doubles it once
  for (int i = 0; i < n; ++i) AddObject(Strings->Get(i), Strings->GetObject(i));
}

void TStrings::InsertObject(int Index, const std::string& S, TObject* AObject) {
  Insert(Index, S);
  PutObject(Index, AObject);
}

void TStrings::Exchange(int Index1, int Index2) {
  BeginUpdate();
  TFinally endUpdate([&] { EndUpdate(); });
  std::string s = Get(Index1);
  TObject* o = GetObject(Index1);
  Put(Index1, Get(Index2));
  PutObject(Index1, GetObject(Index2));
  Put(Index2, s);
  PutObject(Index2, o);
}

void TStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  BeginUpdate();
  TFinally endUpdate([&] { EndUpdate(); });
  std::string s = Get(CurIndex);
  TObject* o = GetObject(CurIndex);
  Delete(CurIndex);
  InsertObject(NewIndex, s, o);
}

int TStrings::CompareStrings(const std::string& S1, const std::string& S2) const {
  return AnsiCompareText(S1, S2);
}

int TStrings::IndexOf(const std::string& S) const {
  const int n = GetCount();
  for (int i = 0; i < n; ++i)
    if (CompareStrings(Get(i), S) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(const std::string& Name) const {
  const int n = GetCount();
  for (int i = 0; i < n; ++i) {
    const std::string s = Get(i);
    const size_t p = s.find(nameValueSeparator_);
    if (p != std::string::npos && CompareStrings(s.substr(0, p), Name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(TObject* AObject) const {
  const int n = GetCount();
  for (int i = 0; i < n; ++i)
    if (GetObject(i) == AObject) return i;
  return -1;
}

bool TStrings::Equals(TStrings* Strings) const {
  if (!Strings) return false;
  const int n = GetCount();
  if (n != Strings->GetCount()) return false;
  for (int i = 0; i < n; ++i)
    if (Get(i) != Strings->Get(i)) return false;
  return true;
}

void TStrings::Assign(TPersistent* Source) {
  if (auto* src = dynamic_cast<TStrings*>(Source)) {
    if (src == this) return;
    BeginUpdate();
    TFinally endUpdate([&] { EndUpdate(); });
    Clear();
    AddStrings(src);
    return;
  }
  inherited::Assign(Source);
}

void TStrings::DefineProperties(TFiler* Filer) {
  bool hasData;
  if (TPersistent* ancestor = Filer->Ancestor()) {
    auto* strings = dynamic_cast<TStrings*>(ancestor);
    hasData = strings ? !Equals(strings) : true;
  } else {
    hasData = DiffersFromNew();
  }
  Filer->DefineProperty(
      "Strings",
      [this](TReader* reader) {
        reader->ReadListBegin();
        BeginUpdate();
        {
          TFinally endUpdate([&] { EndUpdate(); });
          Clear();
          while (!reader->EndOfList()) Add(reader->ReadString());
        }
        reader->ReadListEnd();
      },
      [this](TWriter* writer) {
        writer->WriteListBegin();
        const int n = GetCount();
        for (int i = 0; i < n; ++i) writer->WriteString(Get(i));
        writer->WriteListEnd();
      },
      hasData);
}

std::string TStrings::Names(int Index) const {
  const std::string s = Get(Index);
  const size_t p = s.find(nameValueSeparator_);
  return p == std::string::npos ? std::string() : s.substr(0, p);
}

std::string TStrings::Values(const std::string& Name) const {
  const int i = IndexOfName(Name);
  if (i < 0) return std::string();
  const std::string s = Get(i);
  return s.size() > Name.size() + 1 ? s.substr(Name.size() + 1) : std::string();
}

void TStrings::SetValues(const std::string& Name, const std::string& Value) {
  int i = IndexOfName(Name);
  if (!Value.empty()) {
    if (i < 0) i = Add(std::string());
    Put(i, Name + nameValueSeparator_ + Value);
  } else if (i >= 0) {
    Delete(i);
  }
}

std::string TStrings::ValueFromIndex(int Index) const {
  if (Index < 0) return std::string();
  const std::string s = Get(Index);
  const size_t p = s.find(nameValueSeparator_);
  return p == std::string::npos ? std::string() : s.substr(p + 1);
}

void TStrings::SetValueFromIndex(int Index, const std::string& Value) {
  if (!Value.empty()) {
    if (Index < 0) Index = Add(std::string());
    Put(Index, Names(Index) + nameValueSeparator_ + Value);
  } else if (Index >= 0) {
    Delete(Index);
  }
}

std::string TStrings::Text() const {
  std::string r;
  const int n = GetCount();
  for (int i = 0; i < n; ++i) {
    r += Get(i);
    r += "\r\n";
  }
  return r;
}

void TStrings::SetText(const std::string& Value) {
  BeginUpdate();
  TFinally endUpdate([&] { EndUpdate(); });
  Clear();
  const char* p = Value.c_str();
  while (*p) {
    const char* start = p;
    while (*p && *p != '\n' && *p != '\r') ++p;
    Add(std::string(start, p));
    if (*p == '\r') ++p;
    if (*p == '\n') ++p;
  }
}

std::string TStrings::Delimited(char delimiter, char quote) const {
  const int n = GetCount();
  if (n == 1 && Get(0).empty()) return std::string(2, quote);
  std::string r;
  for (int i = 0; i < n; ++i) {
    std::string s = Get(i);
    // Quoted when a blank, control character, quote or delimiter comes before any NUL.
    bool quoteIt = false;
    for (char c : s) {
      if (c == '\0') break;
      if (IsBlankOrControl(c) || c == quote || c == delimiter) {
        quoteIt = true;
        break;
      }
    }
    if (quoteIt) s = AnsiQuotedStr(s, quote);
    if (i > 0) r += delimiter;
    r += s;
  }
  return r;
}

void TStrings::SetDelimited(const std::string& value, char delimiter, char quote) {
  BeginUpdate();
  TFinally endUpdate([&] { EndUpdate(); });
  Clear();
  const char* p = value.c_str();
  auto blank = [](char c) { return c != '\0' && IsBlankOrControl(c); };
  while (blank(*p)) ++p;
  while (*p) {
    std::string s;
    if (*p == quote) {
      s = AnsiExtractQuotedStr(p, quote);
    } else {
      const char* start = p;
      while (*p && !IsBlankOrControl(*p) && *p != delimiter) ++p;
      s.assign(start, p);
    }
    Add(s);
    while (blank(*p)) ++p;
    if (*p == delimiter) {
      if (p[1] == '\0') Add(std::string());
      do {
        ++p;
      } while (blank(*p));
    }
  }
}

std::string TStrings::DelimitedText() const { return Delimited(delimiter_, quoteChar_); }
void TStrings::SetDelimitedText(const std::string& Value) {
  SetDelimited(Value, delimiter_, quoteChar_);
}
std::string TStrings::CommaText() const { return Delimited(',', '"'); }
void TStrings::SetCommaText(const std::string& Value) { SetDelimited(Value, ',', '"'); }

void TStrings::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TStrings::EndUpdate() {
  if (updateCount_ <= 0) return;
  --updateCount_;
  if (updateCount_ == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::LoadFromStream(TStream* Stream) {
  BeginUpdate();
  TFinally endUpdate([&] { EndUpdate(); });
  const int64_t size = Stream->Size() - Stream->Position();
  std::string s;
  if (size > 0) {
    if (size > INT32_MAX) throw EReadError(SReadError);
    s.resize(static_cast<size_t>(size));
    Stream->ReadBuffer(s.data(), static_cast<int32_t>(size));
  }
  SetText(s);
}

void TStrings::SaveToStream(TStream* Stream) const {
  const std::string s = Text();
  if (s.size() > static_cast<size_t>(INT32_MAX)) throw EWriteError(SWriteError);
  Stream->WriteBuffer(s.data(), static_cast<int32_t>(s.size()));
}

void TStrings::LoadFromFile(const std::string& FileName) {
  TFileStream f(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&f);
}

void TStrings::SaveToFile(const std::string& FileName) const {
  TFileStream f(FileName, fmCreate);
  SaveToStream(&f);
}

// ---------------------------------------------------------------------------------------------
// TStringList

TStringList::~TStringList() {
  onChange_.Clear();
  onChanging_.Clear();
}

void TStringList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= GetCount()) Error(SListIndexError, Index);
}

void TStringList::Changed() {
  if (UpdateCount() == 0) onChange_(this);
}

void TStringList::Changing() {
  if (UpdateCount() == 0) onChanging_(this);
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating) Changing();
  else Changed();
}

std::string TStringList::Get(int Index) const {
  CheckIndex(Index);
  return items_.At(Index).S;
}

TObject* TStringList::GetObject(int Index) const {
  CheckIndex(Index);
  return items_.At(Index).Obj;
}

void TStringList::Put(int Index, const std::string& S) {
  if (sorted_) Error(SSortedListError, 0);
  CheckIndex(Index);
  Changing();
  items_.At(Index).S = S;
  Changed();
}

void TStringList::PutObject(int Index, TObject* AObject) {
  CheckIndex(Index);
  Changing();
  items_.At(Index).Obj = AObject;
  Changed();
}

void TStringList::InsertItem(int Index, const std::string& S, TObject* AObject) {
  Changing();
  items_.Insert(Index, TStringListItems::TItem{S, AObject});
  Changed();
}

void TStringList::Insert(int Index, const std::string& S) {
  if (sorted_) Error(SSortedListError, 0);
  if (Index < 0 || Index > GetCount()) Error(SListIndexError, Index);
  InsertItem(Index, S, nullptr);
}

void TStringList::Delete(int Index) {
  CheckIndex(Index);
  Changing();
  items_.Erase(Index);
  Changed();
}

void TStringList::Clear() {
  if (items_.Empty()) return;
  Changing();
  items_.Clear();
  capacity_ = 0;
  Changed();
}

void TStringList::SetCapacity(int NewCapacity) {
  if (NewCapacity < GetCount()) Error(SListCapacityError, NewCapacity);
  capacity_ = NewCapacity;
}

int TStringList::Add(const std::string& S) { return AddObject(S, nullptr); }

int TStringList::AddObject(const std::string& S, TObject* AObject) {
  int index = GetCount();
  if (sorted_ && Find(S, index)) {
    if (duplicates_ == dupIgnore) return index;
    if (duplicates_ == dupError) Error(SDuplicateString, 0);
  }
  InsertItem(index, S, AObject);
  return index;
}

void TStringList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  Changing();
  std::swap(items_.At(Index1), items_.At(Index2));
  Changed();
}

int TStringList::CompareStrings(const std::string& S1, const std::string& S2) const {
  return caseSensitive_ ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

bool TStringList::Find(const std::string& S, int& Index) const {
  const TStringListItems::TItem* item = nullptr;
  const int first = items_.LowerBound(
      [&](const TStringListItems::TItem& it) { return CompareStrings(it.S, S) < 0; }, item);
  Index = first;
  if (!item || CompareStrings(item->S, S) != 0) return false;
  if (duplicates_ != dupAccept) Index = FirstProbeInRun(first, S);
  return true;
}

int TStringList::FirstProbeInRun(int First, const std::string& S) const {
  // A list that ignores duplicates answers the first equal item a bisection of the indices
  // meets: the run of equal items [First, last] settles where that is.
  int last = First;
  while (last + 1 < GetCount() && CompareStrings(items_.At(last + 1).S, S) == 0) ++last;
  int l = 0, h = GetCount() - 1;
  while (true) {
    const int i = (l + h) >> 1;
    if (i < First) {
      l = i + 1;
    } else if (i > last) {
      h = i - 1;
    } else {
      return i;
    }
  }
}

int TStringList::IndexOf(const std::string& S) const {
  if (!sorted_) return inherited::IndexOf(S);
  int index;
  return Find(S, index) ? index : -1;
}

void TStringList::QuickSort(int L, int R, TStringListSortCompare Compare) {
  int i;
  do {
    i = L;
    int j = R;
    int p = (L + R) >> 1;
    do {
      while (i < R && Compare(this, i, p) < 0) ++i;
      while (j > L && Compare(this, j, p) > 0) --j;
      if (i <= j) {
        std::swap(items_.At(i), items_.At(j));
        if (p == i) p = j;
        else if (p == j) p = i;
        ++i;
        --j;
      }
    } while (i <= j);
    if (L < j) QuickSort(L, j, Compare);
    L = i;
  } while (i < R);
}

void TStringList::CustomSort(TStringListSortCompare Compare) {
  if (!sorted_ && GetCount() > 1 && Compare) {
    Changing();
    // The sort reaches the items by index in one block, then they are cut into blocks again
    // (also when a comparison throws).
    items_.Gather();
    {
      TFinally spread([&] { items_.Spread(); });
      QuickSort(0, GetCount() - 1, Compare);
    }
    Changed();
  }
}

void TStringList::Sort() {
  CustomSort([](TStringList* list, int a, int b) {
    return list->CompareStrings(list->items_.At(a).S, list->items_.At(b).S);
  });
}

void TStringList::SetSorted(bool Value) {
  if (sorted_ == Value) return;
  if (Value) Sort();
  sorted_ = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (caseSensitive_ == Value) return;
  caseSensitive_ = Value;
  if (sorted_) {
    sorted_ = false;
    Sort();
    sorted_ = true;
  }
}

void FillStrings(TStrings* List, const std::vector<std::string>& Items) {
  if (!List) return;
  List->BeginUpdate();
  TFinally endUpdate([&] { List->EndUpdate(); });
  List->Clear();
  for (const auto& i : Items) List->Add(i);
}

}  // namespace vcl
