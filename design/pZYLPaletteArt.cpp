#include "design/pZYLPaletteArt.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "foundation/ZYLTextArt.h"
#include "platform/classes/Resources.h"

namespace zyl {

namespace {

// The classic 16 colours.
constexpr std::array<TZYLArtColor, 16> kPalette{{{'.', 0xC0, 0xC0, 0xC0},
                                                 {'k', 0x00, 0x00, 0x00},
                                                 {'w', 0xFF, 0xFF, 0xFF},
                                                 {'g', 0x80, 0x80, 0x80},
                                                 {'r', 0x80, 0x00, 0x00},
                                                 {'R', 0xFF, 0x00, 0x00},
                                                 {'G', 0x00, 0x80, 0x00},
                                                 {'L', 0x00, 0xFF, 0x00},
                                                 {'n', 0x00, 0x00, 0x80},
                                                 {'B', 0x00, 0x00, 0xFF},
                                                 {'o', 0x80, 0x80, 0x00},
                                                 {'Y', 0xFF, 0xFF, 0x00},
                                                 {'p', 0x80, 0x00, 0x80},
                                                 {'M', 0xFF, 0x00, 0xFF},
                                                 {'t', 0x00, 0x80, 0x80},
                                                 {'c', 0x00, 0xFF, 0xFF}}};

// 3 x 5 letters, row by row from the top.
struct TGlyph {
  char Key;
  const char* Rows;  // 15 characters, '#' set
};
constexpr TGlyph kFont[] = {
    {'A', ".#.#.#####.##.#"}, {'B', "##.#.###.#.###."}, {'C', ".###..#..#...##"},
    {'D', "##.#.##.##.###."}, {'E', "####..##.#..###"}, {'F', "####..##.#..#.."},
    {'G', ".###..#.##.#.##"}, {'H', "#.##.#####.##.#"}, {'I', "###.#..#..#.###"},
    {'J', "..#..#..##.#.#."}, {'K', "#.##.###.#.##.#"}, {'L', "#..#..#..#..###"},
    {'M', "#.########.##.#"}, {'N', "##.#.##.##.##.#"}, {'O', ".#.#.##.##.#.#."},
    {'P', "##.#.###.#..#.."}, {'Q', ".#.#.##.###..##"}, {'R', "##.#.###.#.##.#"},
    {'S', ".###...#...###."}, {'T', "###.#..#..#..#."}, {'U', "#.##.##.##.####"},
    {'V', "#.##.##.##.#.#."}, {'W', "#.##.########.#"}, {'X', "#.##.#.#.#.##.#"},
    {'Y', "#.##.#.#..#..#."}, {'Z', "###..#.#.#..###"}, {'0', "####.##.##.####"},
    {'1', ".#.##..#..#.###"}, {'2', "##...#.#.#..###"}, {'3', "###..#.##..####"},
    {'4', "#.##.####..#..#"}, {'5', "####..##...###."}, {'6', "####..####.####"},
    {'7', "###..#.#..#..#."}, {'8', "####.#####.####"}, {'9', "####.####..####"},
    {'+', "....#.###.#...."}, {'-', "......###......"}, {'.', ".............#."},
    {':', "....#.....#...."}, {'/', "..#..#.#.#..#.."}, {'?', "##...#.#.....#."},
    {'!', ".#..#..#.....#."}, {' ', "..............."}};

// 5 x 7 letters for the label pictures.
struct TBigGlyph {
  char Key;
  const char* Rows[7];
};
constexpr TBigGlyph kBigFont[] = {
    {'A', {"..#..", ".#.#.", "#...#", "#...#", "#####", "#...#", "#...#"}},
    {'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####"}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'?', {".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."}},
    {'!', {"..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."}}};

}  // namespace

TZYLPaletteArt::TZYLPaletteArt() { std::memset(px_, '.', sizeof px_); }

char TZYLPaletteArt::At(int X, int Y) const {
  return X < 0 || Y < 0 || X >= N || Y >= N ? '.' : px_[Y][X];
}

void TZYLPaletteArt::Pixel(int X, int Y, char C) {
  if (X >= 0 && Y >= 0 && X < N && Y < N) px_[Y][X] = C;
}

void TZYLPaletteArt::Fill(int X0, int Y0, int X1, int Y1, char C) {
  for (int y = Y0; y <= Y1; ++y)
    for (int x = X0; x <= X1; ++x) Pixel(x, y, C);
}

void TZYLPaletteArt::Frame(int X0, int Y0, int X1, int Y1, char C) {
  Line(X0, Y0, X1, Y0, C);
  Line(X0, Y1, X1, Y1, C);
  Line(X0, Y0, X0, Y1, C);
  Line(X1, Y0, X1, Y1, C);
}

void TZYLPaletteArt::Line(int X0, int Y0, int X1, int Y1, char C) {
  const int dx = std::abs(X1 - X0), sx = X0 < X1 ? 1 : -1;
  const int dy = -std::abs(Y1 - Y0), sy = Y0 < Y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Pixel(X0, Y0, C);
    if (X0 == X1 && Y0 == Y1) return;
    const int e2 = 2 * err;
    if (e2 >= dy) err += dy, X0 += sx;
    if (e2 <= dx) err += dx, Y0 += sy;
  }
}

void TZYLPaletteArt::Circle(int CX, int CY, int R, char C) {
  for (int y = -R; y <= R; ++y)
    for (int x = -R; x <= R; ++x) {
      const int d = x * x + y * y;
      if (d <= R * R + R && d > (R - 1) * (R - 1) + (R - 1)) Pixel(CX + x, CY + y, C);
    }
}

void TZYLPaletteArt::Disc(int CX, int CY, int R, char C) {
  for (int y = -R; y <= R; ++y)
    for (int x = -R; x <= R; ++x)
      if (x * x + y * y <= R * R + R) Pixel(CX + x, CY + y, C);
}

void TZYLPaletteArt::Raised(int X0, int Y0, int X1, int Y1, char Face) {
  Fill(X0, Y0, X1, Y1, Face);
  Line(X0, Y0, X1 - 1, Y0, 'w');
  Line(X0, Y0, X0, Y1 - 1, 'w');
  Line(X1, Y0, X1, Y1, 'k');
  Line(X0, Y1, X1, Y1, 'k');
  Line(X1 - 1, Y0 + 1, X1 - 1, Y1 - 1, 'g');
  Line(X0 + 1, Y1 - 1, X1 - 1, Y1 - 1, 'g');
}

void TZYLPaletteArt::Sunken(int X0, int Y0, int X1, int Y1, char Field) {
  Fill(X0, Y0, X1, Y1, Field);
  Line(X0, Y0, X1, Y0, 'g');
  Line(X0, Y0, X0, Y1, 'g');
  Line(X0 + 1, Y0 + 1, X1 - 1, Y0 + 1, 'k');
  Line(X0 + 1, Y0 + 1, X0 + 1, Y1 - 1, 'k');
  Line(X1, Y0, X1, Y1, 'w');
  Line(X0, Y1, X1, Y1, 'w');
}

void TZYLPaletteArt::Text(int X, int Y, const std::string& S, char C) {
  for (char ch : S) {
    const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    for (const TGlyph& g : kFont)
      if (g.Key == up)
        for (int i = 0; i < 15; ++i)
          if (g.Rows[i] == '#') Pixel(X + i % 3, Y + i / 3, C);
    X += 4;
  }
}

void TZYLPaletteArt::BigLetter(int X, int Y, char L, char C, int Scale) {
  for (const TBigGlyph& g : kBigFont)
    if (g.Key == L)
      for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 5; ++x)
          if (g.Rows[y][x] == '#')
            Fill(X + x * Scale, Y + y * Scale, X + x * Scale + Scale - 1, Y + y * Scale + Scale - 1,
                 C);
}

void TZYLPaletteArt::Arrow(int X, int Y, int Dir, char C) {
  for (int i = 0; i < 3; ++i) {
    switch (Dir) {
      case 0: Line(X + i, Y + i, X + 4 - i, Y + i, C); break;
      case 1: Line(X + i, Y + 2 - i, X + 4 - i, Y + 2 - i, C); break;
      case 2: Line(X + i, Y + i, X + i, Y + 4 - i, C); break;
      default: Line(X + 2 - i, Y + i, X + 2 - i, Y + 4 - i, C); break;
    }
  }
}

void TZYLPaletteArt::Tile(char Face) { Raised(1, 1, 22, 22, Face); }

std::string ZYLPaletteResourceName(const std::string& ClassName) {
  std::string s = ClassName;
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::vector<int32_t> ZYLPalettePicturePixels(const std::string& ClassName) {
  TZYLPaletteArt art;
  if (!ZYLDrawPalettePicture(ClassName, art)) return {};
  std::vector<int32_t> pixels;
  pixels.reserve(size_t(TZYLPaletteArt::N) * TZYLPaletteArt::N);
  for (int y = 0; y < TZYLPaletteArt::N; ++y)
    for (int x = 0; x < TZYLPaletteArt::N; ++x)
      pixels.push_back(ZYLTextArtColor(kPalette, ZYLTextArtIndex(kPalette, art.At(x, y))));
  return pixels;
}

void ZYLRegisterPalettePictures() {
  static const bool done = [] {
    for (const std::string& name : ZYLPalettePictureClasses()) {
      TZYLPaletteArt art;
      ZYLDrawPalettePicture(name, art);
      const std::vector<uint8_t> dib =
          ZYLTextArtDib(TZYLPaletteArt::N, TZYLPaletteArt::N, kPalette,
                        [&art](int X, int Y) { return ZYLTextArtIndex(kPalette, art.At(X, Y)); });
      vcl::RegisterResource(vcl::HInstance, vcl::RT_BITMAP, ZYLPaletteResourceName(name),
                            dib.data(), dib.size());
    }
    return true;
  }();
  (void)done;
}

}  // namespace zyl
