// The palette pictures of the package's components: one 24 x 24 picture of 16 colours per
// class, drawn here in code, carried as a bitmap resource named after the class in upper case
// ("TZYLABOUTDLG"). The light grey of the background is the transparent colour the palette
// takes from the picture's bottom-left pixel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zyl {

constexpr int ZYLPalettePictureSize = 24;
// clSilver: the background of every picture.
constexpr int32_t ZYLPaletteBackColor = 0xC0C0C0;

// The class names that have a picture, in the order they are drawn.
std::vector<std::string> ZYLPalettePictureClasses();
// The picture's pixels (TColor values, row by row from the top); empty for a class without one.
std::vector<int32_t> ZYLPalettePicturePixels(const std::string& ClassName);
// The resource name of a class's picture: the class name in upper case.
std::string ZYLPaletteResourceName(const std::string& ClassName);
// Puts every picture into the program's resources (RT_BITMAP); later calls do nothing.
void ZYLRegisterPalettePictures();

// The drawing surface of one picture: palette indices over a 24 x 24 grid, with the few
// shapes the pictures are made of. Colours are keys of the 16-colour palette:
// '.' light grey, 'k' black, 'w' white, 'g' dark grey, 'r' maroon, 'R' red, 'G' green,
// 'L' lime, 'n' navy, 'B' blue, 'o' olive, 'Y' yellow, 'p' purple, 'M' magenta, 't' teal,
// 'c' cyan.
class TZYLPaletteArt {
 public:
  static constexpr int N = ZYLPalettePictureSize;
  TZYLPaletteArt();

  char At(int X, int Y) const;
  void Pixel(int X, int Y, char C);
  // Rectangles take both corners inclusive.
  void Fill(int X0, int Y0, int X1, int Y1, char C);
  void Frame(int X0, int Y0, int X1, int Y1, char C);
  // A filled rectangle with a border of its own colour.
  void Box(int X0, int Y0, int X1, int Y1, char Inside, char Border = 'k') {
    Fill(X0, Y0, X1, Y1, Inside);
    Frame(X0, Y0, X1, Y1, Border);
  }
  void Line(int X0, int Y0, int X1, int Y1, char C);
  void Circle(int CX, int CY, int R, char C);
  void Disc(int CX, int CY, int R, char C);
  // A raised grey face (white top-left, dark grey and black bottom-right); a sunken field.
  void Raised(int X0, int Y0, int X1, int Y1, char Face = '.');
  void Sunken(int X0, int Y0, int X1, int Y1, char Field = 'w');
  // Text in a 3 x 5 pixel font (capitals, digits and "+-.:/?!"), one column between letters.
  void Text(int X, int Y, const std::string& S, char C);
  // A large letter (5 x 7, the few the pictures need: "A", "a", "E", "T", "I", "?", "!").
  // Scale 2 draws each pixel as a 2 x 2 block.
  void BigLetter(int X, int Y, char L, char C, int Scale = 1);
  // Small pictures used by several classes.
  void Arrow(int X, int Y, int Dir, char C);  // a 5-wide triangle; 0 down, 1 up, 2 right, 3 left
  void Caret(int X, int Y0, int Y1) { Line(X, Y0, X, Y1, 'k'); }
  void Tile(char Face = '.');  // the raised tile non-visual components sit on

 private:
  char px_[N][N];
};

// The picture of a class, drawn onto a cleared surface; false when the class has none.
bool ZYLDrawPalettePicture(const std::string& ClassName, TZYLPaletteArt& Art);

}  // namespace zyl
