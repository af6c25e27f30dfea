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

void TIniText::Parse(const std::string& text) {
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
  bool found = false;
  ForKeys(section, [&](size_t i) {
    if (!SameIniName(lines_[i].Name, key)) return true;
    value = lines_[i].Value;
    found = true;
    return false;
  });
  return found;
}

void TIniText::Write(const std::string& section, const std::string& key, const std::string& value) {
  const std::string k = Trim(key);
  size_t hit = lines_.size();
  ForKeys(section, [&](size_t i) {
    if (!SameIniName(lines_[i].Name, k)) return true;
    hit = i;
    return false;
  });
  if (hit < lines_.size()) {
    TLine& l = lines_[hit];
    l.Raw = l.Name + "=" + value;
    l.Value = Trim(value);
    return;
  }
  TLine line;
  line.Kind = lkKey;
  line.Name = k;
  line.Value = Trim(value);
  line.Raw = k + "=" + value;
  // The section's first occurrence: insert after its last key, or right after its header.
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].Kind != lkSection || !SameIniName(lines_[i].Name, section)) continue;
    size_t at = i + 1;
    for (size_t j = i + 1; j < lines_.size() && lines_[j].Kind != lkSection; ++j)
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
  std::vector<std::string> r;
  for (const auto& l : lines_) {
    if (l.Kind != lkSection) continue;
    bool seen = false;
    for (const auto& s : r) seen = seen || SameIniName(s, l.Name);
    if (!seen) r.push_back(l.Name);
  }
  return r;
}

std::vector<std::pair<std::string, std::string>> TIniText::Values(const std::string& section) const {
  std::vector<std::pair<std::string, std::string>> r;
  ForKeys(section, [&](size_t i) {
    for (const auto& kv : r)
      if (SameIniName(kv.first, lines_[i].Name)) return true;
    r.emplace_back(lines_[i].Name, lines_[i].Value);
    return true;
  });
  return r;
}

std::vector<std::string> TIniText::Keys(const std::string& section) const {
  std::vector<std::string> r;
  for (auto& kv : Values(section)) r.push_back(std::move(kv.first));
  return r;
}

bool TIniText::HasSection(const std::string& section) const {
  for (const auto& l : lines_)
    if (l.Kind == lkSection && SameIniName(l.Name, section)) return true;
  return false;
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
  return erased;
}

bool TIniText::DeleteKey(const std::string& section, const std::string& key) {
  std::vector<size_t> hits;
  ForKeys(section, [&](size_t i) {
    if (SameIniName(lines_[i].Name, key)) hits.push_back(i);
    return true;
  });
  for (auto it = hits.rbegin(); it != hits.rend(); ++it)
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*it));
  return !hits.empty();
}

}  // namespace vcl
