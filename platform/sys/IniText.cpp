#include "platform/sys/IniText.h"

#include "platform/sys/RegStore.h"

namespace vcl {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

}  // namespace

bool SameIniName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && win::regstore::FoldCase(a) == win::regstore::FoldCase(b);
}

TIniText::TLine TIniText::Classify(const std::string& raw) {
  TLine l;
  l.Raw = raw;
  const std::string t = Trim(raw);
  if (t.empty()) return l;
  if (t[0] == ';') {
    l.Kind = lkComment;
  } else if (t[0] == '[') {
    const size_t close = t.find(']');
    if (close != std::string::npos) {
      l.Kind = lkSection;
      l.Name = Trim(t.substr(1, close - 1));
    }
  } else {
    const size_t eq = t.find('=');
    if (eq != std::string::npos) {
      l.Name = Trim(t.substr(0, eq));
      if (!l.Name.empty()) {
        l.Kind = lkKey;
        l.Value = Trim(t.substr(eq + 1));
      } else {
        l.Name.clear();
      }
    }
  }
  return l;
}

void TIniText::Clear() {
  lines_.clear();
  Changed();
}

void TIniText::Index() const {
  using win::regstore::FoldCase;
  if (!indexed_) {
    sections_.clear();
    byName_.clear();
    TSection* cur = nullptr;
    for (size_t i = 0; i < lines_.size(); ++i) {
      const TLine& l = lines_[i];
      if (l.Kind == lkSection) {
        auto [it, fresh] = byName_.try_emplace(FoldCase(l.Name), sections_.size());
        if (fresh) sections_.push_back(TSection{l.Name, i, {}, {}});
        cur = &sections_[it->second];
      } else if (cur && l.Kind == lkKey) {
        if (cur->ByKey.try_emplace(FoldCase(l.Name), i).second) cur->Keys.push_back(i);
      }
    }
    indexed_ = true;
  }
}

const TIniText::TSection* TIniText::Find(const std::string& section) const {
  Index();
  auto it = byName_.find(win::regstore::FoldCase(section));
  return it == byName_.end() ? nullptr : &sections_[it->second];
}

void TIniText::Parse(const std::string& text) {
  Changed();
  lines_.clear();
  size_t start = 0;
  const size_t n = text.size();
  while (start < n) {
    size_t end = start;
    while (end < n && text[end] != '\r' && text[end] != '\n') ++end;
    lines_.push_back(Classify(text.substr(start, end - start)));
    if (end < n && text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
}

std::string TIniText::Text() const {
  std::string out;
  for (const auto& l : lines_) {
    out += l.Raw;
    out += "\r\n";
  }
  return out;
}

std::vector<std::string> TIniText::Lines() const {
  std::vector<std::string> r;
  r.reserve(lines_.size());
  for (const auto& l : lines_) r.push_back(l.Raw);
  return r;
}

void TIniText::SetLines(const std::vector<std::string>& lines) {
  Changed();
  lines_.clear();
  for (const auto& raw : lines) {
    // A string holding several lines is split as a file would be.
    if (raw.find_first_of("\r\n") != std::string::npos) {
      TIniText part;
      part.Parse(raw);
      lines_.insert(lines_.end(), part.lines_.begin(), part.lines_.end());
    } else {
      lines_.push_back(Classify(raw));
    }
  }
}

template <class F>
void TIniText::ForKeys(const std::string& section, F f) const {
  bool in = false;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const TLine& l = lines_[i];
    if (l.Kind == lkSection) {
      in = SameIniName(l.Name, section);
    } else if (in && l.Kind == lkKey) {
      if (!f(i)) return;
    }
  }
}

bool TIniText::Read(const std::string& section, const std::string& key, std::string& value) const {
  const TSection* sec = Find(section);
  if (!sec) return false;
  auto it = sec->ByKey.find(win::regstore::FoldCase(key));
  if (it == sec->ByKey.end()) return false;
  value = lines_[it->second].Value;
  return true;
}

void TIniText::Write(const std::string& section, const std::string& key, const std::string& value) {
  const std::string k = Trim(key);
  const TSection* sec = Find(section);
  if (sec) {
    auto it = sec->ByKey.find(win::regstore::FoldCase(k));
    if (it != sec->ByKey.end()) {  // the lines keep their places: the index stays true
      TLine& l = lines_[it->second];
      l.Raw = l.Name + "=" + value;
      l.Value = Trim(value);
      return;
    }
  }
  TLine line;
  line.Kind = lkKey;
  line.Name = k;
  line.Value = Trim(value);
  line.Raw = k + "=" + value;
  Changed();
  // The section's first occurrence: insert after its last key, or right after its header.
  if (sec) {
    size_t at = sec->Header + 1;
    for (size_t j = at; j < lines_.size() && lines_[j].Kind != lkSection; ++j)
      if (lines_[j].Kind == lkKey) at = j + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
    return;
  }
  if (!lines_.empty() && !Trim(lines_.back().Raw).empty()) lines_.push_back(TLine{});
  TLine header;
  header.Kind = lkSection;
  header.Name = Trim(section);
  header.Raw = "[" + header.Name + "]";
  lines_.push_back(header);
  lines_.push_back(line);
}

std::vector<std::string> TIniText::Sections() const {
  Index();
  std::vector<std::string> r;
  r.reserve(sections_.size());
  for (const auto& s : sections_) r.push_back(s.Name);
  return r;
}

std::vector<std::pair<std::string, std::string>> TIniText::Values(const std::string& section) const {
  std::vector<std::pair<std::string, std::string>> r;
  if (const TSection* sec = Find(section))
    for (size_t i : sec->Keys) r.emplace_back(lines_[i].Name, lines_[i].Value);
  return r;
}

std::vector<std::string> TIniText::Keys(const std::string& section) const {
  std::vector<std::string> r;
  if (const TSection* sec = Find(section))
    for (size_t i : sec->Keys) r.push_back(lines_[i].Name);
  return r;
}

bool TIniText::HasSection(const std::string& section) const { return Find(section) != nullptr; }

size_t TIniText::KeyCount(const std::string& section) const {
  const TSection* sec = Find(section);
  return sec ? sec->Keys.size() : 0;
}

bool TIniText::EraseSection(const std::string& section) {
  bool erased = false, in = false;
  std::vector<TLine> kept;
  kept.reserve(lines_.size());
  for (auto& l : lines_) {
    if (l.Kind == lkSection) {
      in = SameIniName(l.Name, section);
      erased = erased || in;
    }
    if (!in) kept.push_back(std::move(l));
  }
  lines_ = std::move(kept);
  Changed();
  return erased;
}

bool TIniText::DeleteKey(const std::string& section, const std::string& key) {
  std::vector<size_t> hits;
  ForKeys(section, [&](size_t i) {
    if (SameIniName(lines_[i].Name, key)) hits.push_back(i);
    return true;
  });
  if (hits.empty()) return false;
  // One pass that drops the hit lines keeps this linear however many there are.
  std::vector<TLine> kept;
  kept.reserve(lines_.size() - hits.size());
  size_t h = 0;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (h < hits.size() && hits[h] == i) {
      ++h;
      continue;
    }
    kept.push_back(std::move(lines_[i]));
  }
  lines_ = std::move(kept);
  Changed();
  return true;
}

}  // namespace vcl
