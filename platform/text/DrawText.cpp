// Formatted text: DrawText and DrawTextEx.
//
// The text is first freed of its prefix characters, then cut into lines (at CR LF, LF or CR,
// and with DT_WORDBREAK at blanks where a line would pass the right edge), then each line that
// is too wide gets its ellipsis, and finally the lines are measured (DT_CALCRECT) or painted
// one below the other, tmHeight (+ external leading) apart.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "platform/text/Text.h"
#include "platform/text/TextCore.h"

namespace win {

using fontengine::TFontMetrics;
using fontengine::TRealizedFont;

namespace {

// Longest text accepted; longer counts are refused rather than trusted.
constexpr int kMaxText = 1 << 20;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

class TLayout {
 public:
  TLayout(TRealizedFont& font, int charExtra, bool expandTabs, int tabWidth)
      : font_(font), extra_(charExtra), expandTabs_(expandTabs), tabWidth_(tabWidth) {}

  // Width of a character that starts x pixels after the line start.
  int CharWidth(char c, int x) const {
    if (expandTabs_ && c == '\t') {
      if (tabWidth_ <= 0) return 0;
      return tabWidth_ - (x % tabWidth_ + tabWidth_) % tabWidth_;
    }
    return textcore::Clamped(int64_t(font_.Advance(static_cast<uint8_t>(c))) + extra_);
  }
  int Width(const std::string& s) const {
    int x = 0;
    for (char c : s) x = textcore::Clamped(int64_t(x) + CharWidth(c, x));
    return x;
  }
  // Steps from each character to the next, for painting.
  std::vector<int> Steps(const std::string& s) const {
    std::vector<int> d(s.size());
    int x = 0;
    for (size_t i = 0; i < s.size(); ++i) {
      d[i] = CharWidth(s[i], x);
      x = textcore::Clamped(int64_t(x) + d[i]);
    }
    return d;
  }
  bool ExpandTabs() const { return expandTabs_; }

 private:
  TRealizedFont& font_;
  int extra_;
  bool expandTabs_;
  int tabWidth_;
};

struct TLine {
  std::string Text;
  int Prefix = -1;  // index of the underlined character in Text
  int Width = 0;
  bool Shortened = false;
};

// Removes the prefix characters: "&x" underlines x (the last such character wins), "&&"
// stands for "&", a lone "&" at the end vanishes.
std::string StripPrefixes(const char* text, int count, int& prefixPos) {
  std::string s;
  s.reserve(size_t(count));
  prefixPos = -1;
  for (int i = 0; i < count; ++i) {
    char c = text[i];
    if (c == '&') {
      if (i + 1 >= count) break;
      if (text[i + 1] == '&') {
        s += '&';
        ++i;
        continue;
      }
      prefixPos = static_cast<int>(s.size());
      continue;
    }
    s += c;
  }
  return s;
}

void WrapParagraph(const std::string& s, int a, int b, int maxWidth, bool editControl, const TLayout& layout,
                   std::vector<std::pair<int, int>>& out) {
  if (a == b) {
    out.emplace_back(a, b);
    return;
  }
  int pos = a;
  while (pos < b) {
    int x = 0, i = pos, lastBlank = -1;
    while (i < b) {
      int w = layout.CharWidth(s[size_t(i)], x);
      if (int64_t(x) + w > maxWidth && i > pos) break;
      x = textcore::Clamped(int64_t(x) + w);
      if (IsBlank(s[size_t(i)])) lastBlank = i;
      ++i;
    }
    if (i >= b) {
      out.emplace_back(pos, b);
      break;
    }
    int end, next;
    if (IsBlank(s[size_t(i)])) {
      end = next = i;
    } else if (lastBlank >= pos) {
      end = next = lastBlank;
    } else if (editControl) {
      end = next = i;  // a word wider than the line is broken at the edge
    } else {
      end = i;  // a word wider than the line stays whole and is clipped
      while (end < b && !IsBlank(s[size_t(end)])) ++end;
      next = end;
    }
    int trimmed = end;
    while (trimmed > pos && IsBlank(s[size_t(trimmed) - 1])) --trimmed;
    while (next < b && IsBlank(s[size_t(next)])) ++next;
    out.emplace_back(pos, trimmed);
    pos = next;
  }
}

const char kEllipsis[] = "...";

// Widths of the prefixes of s: w[k] = width of the first k characters.
std::vector<int> PrefixWidths(const std::string& s, const TLayout& layout) {
  std::vector<int> w(s.size() + 1, 0);
  for (size_t i = 0; i < s.size(); ++i) w[i + 1] = textcore::Clamped(int64_t(w[i]) + layout.CharWidth(s[i], w[i]));
  return w;
}

int DotsWidth(const TLayout& layout) { return textcore::Clamped(3 * int64_t(layout.CharWidth('.', 0))); }

// Longest k (at most limit) with w[k] + dots <= maxWidth, or 0.
size_t FitCount(const std::vector<int>& w, size_t limit, int room) {
  size_t k = std::min(limit, w.size() - 1);
  while (k > 0 && w[k] > room) --k;
  return k;
}

void EndEllipsis(TLine& line, int maxWidth, const TLayout& layout) {
  std::vector<int> w = PrefixWidths(line.Text, layout);
  size_t k = FitCount(w, line.Text.size(), maxWidth - DotsWidth(layout));
  if (line.Prefix >= static_cast<int>(k)) line.Prefix = -1;
  line.Text = line.Text.substr(0, k) + kEllipsis;
}

void WordEllipsis(TLine& line, int maxWidth, const TLayout& layout) {
  std::vector<int> w = PrefixWidths(line.Text, layout);
  int room = maxWidth - DotsWidth(layout);
  // The longest run of whole words (cut at a blank, blanks before the cut dropped).
  size_t best = 0;
  for (size_t i = 1; i < line.Text.size(); ++i) {
    if (!IsBlank(line.Text[i]) || IsBlank(line.Text[i - 1])) continue;
    if (w[i] <= room) best = i;
    else break;
  }
  if (best == 0) {
    EndEllipsis(line, maxWidth, layout);
    return;
  }
  if (line.Prefix >= static_cast<int>(best)) line.Prefix = -1;
  line.Text = line.Text.substr(0, best) + kEllipsis;
}

void PathEllipsis(TLine& line, int maxWidth, bool alsoEnd, const TLayout& layout) {
  size_t sep = line.Text.find_last_of("\\/");
  if (sep == std::string::npos) {
    EndEllipsis(line, maxWidth, layout);
    return;
  }
  std::string tail = line.Text.substr(sep);
  std::vector<int> w = PrefixWidths(line.Text, layout);
  int tailWidth = layout.Width(tail);
  size_t k = FitCount(w, sep, maxWidth - DotsWidth(layout) - tailWidth);
  // Tabs in the tail measure differently at their new place: shorten until it really fits.
  std::string text = line.Text.substr(0, k) + kEllipsis + tail;
  for (int guard = 0; k > 0 && guard < 64 && layout.Width(text) > maxWidth; ++guard)
    text = line.Text.substr(0, --k) + kEllipsis + tail;
  int prefix = line.Prefix;
  if (prefix >= 0) {
    if (prefix >= static_cast<int>(sep))
      prefix = prefix - static_cast<int>(sep) + static_cast<int>(k) + 3;
    else if (prefix >= static_cast<int>(k))
      prefix = -1;
  }
  line.Text = text;
  line.Prefix = prefix;
  if (alsoEnd && layout.Width(line.Text) > maxWidth) EndEllipsis(line, maxWidth, layout);
}

int DrawTextImpl(HDC dc, const char* text, int count, LPRECT rect, UINT format, LPDRAWTEXTPARAMS params,
                 char* modifiable) {
  auto lock = fontengine::Lock();
  gdi::DCObj* d = gdi::LookupDC(dc);
  if (!d || !rect) return 0;
  if (count == -1) count = text ? static_cast<int>(strnlen(text, size_t(kMaxText) + 1)) : 0;
  if (count < 0 || count > kMaxText || (count > 0 && !text)) return 0;
  if (params && params->cbSize != sizeof(DRAWTEXTPARAMS)) return 0;

  int tabLength = 8;
  if (format & DT_TABSTOP) {
    tabLength = static_cast<int>((format >> 8) & 0xFF);
    format &= ~0xFF00u;
  }
  if (params && params->iTabLength > 0) tabLength = params->iTabLength;
  if (tabLength <= 0) tabLength = 8;
  int leftMargin = params ? params->iLeftMargin : 0;
  int rightMargin = params ? params->iRightMargin : 0;
  if (params) params->uiLengthDrawn = static_cast<UINT>(count);

  TRealizedFont& font = textcore::FontOf(*d);
  const TFontMetrics& m = font.Metrics();
  int lineHeight = m.Height + ((format & DT_EXTERNALLEADING) ? m.ExternalLeading : 0);
  TLayout layout(font, d->S.CharExtra, (format & DT_EXPANDTABS) != 0,
                 textcore::Clamped(int64_t(tabLength) * m.AveCharWidth));

  bool calc = (format & DT_CALCRECT) != 0;
  bool single = (format & DT_SINGLELINE) != 0;
  if (count == 0) {
    if (calc) {
      rect->Right = rect->Left;
      rect->Bottom = rect->Top;
    }
    return 0;
  }

  int prefixPos = -1;
  std::string s = (format & DT_NOPREFIX) ? std::string(text, size_t(count)) : StripPrefixes(text, count, prefixPos);
  // Coordinates are worked out in 64 bits and kept within +-2^30 (see textcore::Clamped).
  using textcore::Clamped;
  int left = Clamped(int64_t(rect->Left) + leftMargin), right = Clamped(int64_t(rect->Right) - rightMargin);
  int maxWidth = Clamped(int64_t(right) - left);

  // Lines as ranges of s.
  std::vector<std::pair<int, int>> ranges;
  int len = static_cast<int>(s.size());
  if (single) {
    ranges.emplace_back(0, len);
  } else {
    int p = 0;
    while (true) {
      int e = p;
      while (e < len && s[size_t(e)] != '\r' && s[size_t(e)] != '\n') ++e;
      if (format & DT_WORDBREAK)
        WrapParagraph(s, p, e, maxWidth, (format & DT_EDITCONTROL) != 0, layout, ranges);
      else
        ranges.emplace_back(p, e);
      if (e >= len) break;
      e += (s[size_t(e)] == '\r' && e + 1 < len && s[size_t(e) + 1] == '\n') ? 2 : 1;
      if (e >= len) break;  // a final line break adds no empty line
      p = e;
    }
  }

  std::vector<TLine> lines;
  lines.reserve(ranges.size());
  UINT ellipsis = format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS);
  for (size_t i = 0; i < ranges.size(); ++i) {
    auto [a, b] = ranges[i];
    TLine line;
    line.Text = s.substr(size_t(a), size_t(b - a));
    if (prefixPos >= a && prefixPos < b) line.Prefix = prefixPos - a;
    line.Width = layout.Width(line.Text);
    // The end ellipsis only shortens the line that ends the text; a too wide word elsewhere
    // is clipped. The word and path ellipses shorten any line that is too wide.
    bool applies = (format & (DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS)) || i + 1 == ranges.size();
    if (ellipsis && applies && line.Width > maxWidth) {
      if (format & DT_PATH_ELLIPSIS)
        PathEllipsis(line, maxWidth, (format & DT_END_ELLIPSIS) != 0, layout);
      else if (format & DT_END_ELLIPSIS)
        EndEllipsis(line, maxWidth, layout);
      else
        WordEllipsis(line, maxWidth, layout);
      line.Width = layout.Width(line.Text);
      line.Shortened = true;
    }
    lines.push_back(std::move(line));
  }

  if (modifiable && (format & DT_MODIFYSTRING) && lines.size() == 1 && lines[0].Shortened) {
    // The buffer holds count characters plus room for the ellipsis (the caller's contract).
    size_t n = std::min(lines[0].Text.size(), size_t(count) + 3);
    std::memcpy(modifiable, lines[0].Text.data(), n);
    modifiable[n] = 0;
  }

  int totalHeight = Clamped(int64_t(lines.size()) * lineHeight);
  int y = rect->Top;
  if (single) {
    if (format & DT_VCENTER)
      y = Clamped(rect->Top + (int64_t(rect->Bottom) - rect->Top - lineHeight) / 2);
    else if (format & DT_BOTTOM)
      y = Clamped(int64_t(rect->Bottom) - lineHeight);
  }
  int result = Clamped(int64_t(y) - rect->Top + totalHeight);

  if (calc) {
    int widest = 0;
    for (const TLine& l : lines) widest = std::max(widest, l.Width);
    rect->Right = Clamped(int64_t(rect->Left) + leftMargin + widest + rightMargin);
    rect->Bottom = Clamped(int64_t(rect->Top) + totalHeight);
    return result;
  }

  if (!d->Target()) return result;
  gdi::DrawScope scope(*d);
  TRect clip = textcore::SurfaceRect(*d, *rect);
  bool clipped = !(format & DT_NOCLIP);
  bool showPrefix = !(format & DT_HIDEPREFIX);
  double angle = font.Escapement() * std::numbers::pi / 1800.0;
  double cs = std::cos(angle), sn = std::sin(angle);
  for (size_t i = 0; i < lines.size() && y < (1 << 30); ++i, y = Clamped(int64_t(y) + lineHeight)) {
    const TLine& line = lines[i];
    if ((format & DT_EDITCONTROL) && i > 0 && int64_t(y) + lineHeight > rect->Bottom) break;
    if (line.Text.empty()) continue;
    int x = left;
    if (format & DT_CENTER)
      x = Clamped((int64_t(left) + right - line.Width) / 2);
    else if (format & DT_RIGHT)
      x = Clamped(int64_t(right) - line.Width);
    std::vector<int> steps = layout.Steps(line.Text);
    textcore::TRunPaint run;
    run.Text = line.Text.data();
    run.Count = static_cast<int>(line.Text.size());
    run.Dx = steps.data();
    // Lines are laid out as for level text; a rotated font turns each line about its top-left
    // reference point, as text output does with TA_TOP.
    run.BaselineX = Clamped(textcore::SurfaceX(*d, x) + std::llround(m.Ascent * sn));
    run.BaselineY = Clamped(textcore::SurfaceY(*d, y) + std::llround(m.Ascent * cs));
    run.Clip = clipped ? &clip : nullptr;
    run.Opaque = d->S.BkMode == OPAQUE;
    run.TextColor = d->S.TextColor;
    run.BkColor = d->S.BkColor;
    run.SkipTabs = layout.ExpandTabs();
    run.PrefixIndex = showPrefix ? line.Prefix : -1;
    run.PrefixOnly = (format & DT_PREFIXONLY) != 0;
    textcore::PaintRun(*d, font, run);
  }
  return result;
}

}  // namespace

int DrawTextA(HDC dc, LPCSTR text, int count, LPRECT rect, UINT format) {
  return DrawTextImpl(dc, text, count, rect, format, nullptr, nullptr);
}

int DrawTextExA(HDC dc, LPSTR text, int count, LPRECT rect, UINT format, LPDRAWTEXTPARAMS params) {
  return DrawTextImpl(dc, text, count, rect, format, params, text);
}

}  // namespace win
