// The pictures themselves: each class's picture built from the shapes of TZYLPaletteArt.
// Non-visual components sit on a raised tile; controls are drawn as they look on a form.
#include <string>
#include <vector>

#include "design/pZYLPaletteArt.h"

namespace zyl {

namespace {

using TArt = TZYLPaletteArt;

// A window with a navy title bar, its client area in Client.
void Window(TArt& a, int X0, int Y0, int X1, int Y1, char Client = '.') {
  a.Raised(X0, Y0, X1, Y1);
  a.Fill(X0 + 2, Y0 + 2, X1 - 2, Y0 + 5, 'n');
  a.Fill(X1 - 5, Y0 + 3, X1 - 3, Y0 + 4, '.');
  a.Fill(X0 + 2, Y0 + 6, X1 - 2, Y1 - 2, Client);
}
void Edit(TArt& a, int Y0 = 7, int Y1 = 16, int X1 = 22) { a.Sunken(1, Y0, X1, Y1); }
// A button at the right end of an edit, with its own picture drawn by the caller.
void EditButton(TArt& a, int Y0 = 7, int Y1 = 16) {
  Edit(a, Y0, Y1);
  a.Raised(14, Y0 + 2, 20, Y1 - 2);
}
void Combo(TArt& a) {
  EditButton(a);
  a.Arrow(15, 11, 0, 'k');
}
void List(TArt& a) {
  a.Sunken(1, 1, 22, 22);
  a.Raised(16, 3, 20, 20);
  a.Arrow(16, 4, 1, 'k');
  a.Arrow(16, 17, 0, 'k');
  a.Fill(3, 4, 14, 6, 'n');
  for (int y = 9; y <= 18; y += 3) a.Line(4, y, 13, y, 'g');
}
void Clock(TArt& a, int CX, int CY, int R) {
  a.Disc(CX, CY, R, 'w');
  a.Circle(CX, CY, R, 'k');
  a.Line(CX, CY, CX, CY - R + 2, 'k');
  a.Line(CX, CY, CX + R - 3, CY, 'R');
}
void Sheet(TArt& a, int X0, int Y0, int X1, int Y1) {
  a.Box(X0, Y0, X1, Y1, 'w', 'k');
  a.Line(X1 - 3, Y0, X1, Y0 + 3, 'g');
}
void Folder(TArt& a, int X, int Y) {
  a.Box(X, Y + 2, X + 9, Y + 8, 'Y', 'o');
  a.Fill(X + 1, Y, X + 4, Y + 1, 'o');
}
void Landscape(TArt& a, int X0, int Y0, int X1, int Y1) {
  a.Fill(X0, Y0, X1, Y1, 'c');
  a.Disc(X1 - 4, Y0 + 3, 2, 'Y');
  for (int x = X0; x <= X1; ++x) a.Line(x, Y1 - 2 - (x % 7 < 4 ? x % 7 : 7 - x % 7), x, Y1, 'G');
  a.Frame(X0, Y0, X1, Y1, 'k');
}
void Bands(TArt& a, int X0, int Y0, int X1, int Y1, const char* Colours) {
  const int n = static_cast<int>(std::char_traits<char>::length(Colours));
  for (int y = Y0; y <= Y1; ++y) a.Line(X0, y, X1, y, Colours[(y - Y0) * n / (Y1 - Y0 + 1)]);
}
void Wave(TArt& a, int X0, int X1, int CY, int Amp, char C) {
  static const int kSine[] = {0, 2, 3, 4, 3, 2, 0, -2, -3, -4, -3, -2};
  for (int x = X0; x < X1; ++x)
    a.Line(x, CY - kSine[x % 12] * Amp / 4, x + 1, CY - kSine[(x + 1) % 12] * Amp / 4, C);
}
void Check(TArt& a, int X, int Y, bool Ticked) {
  a.Sunken(X, Y, X + 8, Y + 8);
  if (Ticked) {
    a.Line(X + 2, Y + 4, X + 3, Y + 5, 'k');
    a.Line(X + 3, Y + 5, X + 6, Y + 2, 'k');
    a.Line(X + 2, Y + 5, X + 3, Y + 6, 'k');
    a.Line(X + 3, Y + 6, X + 6, Y + 3, 'k');
  }
}
void Radio(TArt& a, int CX, int CY, bool On) {
  a.Disc(CX, CY, 4, 'w');
  a.Circle(CX, CY, 4, 'g');
  if (On) a.Disc(CX, CY, 1, 'k');
}
void Group(TArt& a, const char* Caption) {
  a.Frame(1, 4, 22, 22, 'g');
  a.Frame(2, 5, 21, 21, 'w');
  a.Fill(3, 1, 4 + 4 * static_cast<int>(std::char_traits<char>::length(Caption)), 7, '.');
  a.Text(4, 2, Caption, 'k');
}
void PushButton(TArt& a, const char* Caption) {
  a.Frame(0, 4, 23, 19, 'k');
  a.Raised(1, 5, 22, 18);
  a.Text(12 - 2 * static_cast<int>(std::char_traits<char>::length(Caption)), 9, Caption, 'k');
}
void Dock(TArt& a) {
  for (int i = 0; i < 24; i += 2) {
    a.Pixel(i, 0, 'B');
    a.Pixel(i, 23, 'B');
    a.Pixel(0, i, 'B');
    a.Pixel(23, i, 'B');
  }
}
void Mouse(TArt& a, int X, int Y) {
  a.Box(X, Y, X + 6, Y + 9, 'w', 'k');
  a.Line(X, Y + 3, X + 6, Y + 3, 'k');
  a.Line(X + 3, Y, X + 3, Y + 3, 'k');
}
// The round yellow balloon of the hints; the caller draws its tail.
void Balloon(TArt& a) {
  a.Disc(11, 10, 7, 'Y');
  a.Circle(11, 10, 7, 'k');
}
void Strip(TArt& a, int X, int Y, const char* Colours) {
  for (int i = 0; Colours[i]; ++i) {
    a.Fill(X + i * 6, Y, X + i * 6 + 4, Y + 4, Colours[i]);
    a.Frame(X + i * 6, Y, X + i * 6 + 4, Y + 4, 'k');
  }
}
void Segment8(TArt& a, int X, int Y, char C) {
  a.Frame(X, Y, X + 4, Y + 8, C);
  a.Line(X, Y + 4, X + 4, Y + 4, C);
}

struct TPicture {
  const char* Class;
  void (*Draw)(TArt&);
};

const TPicture kPictures[] = {
    // Sys
    {"TZYLApplicationCtrl",
     [](TArt& a) {
       a.Tile();
       Window(a, 3, 3, 20, 20, 'w');
       a.Text(6, 12, "APP", 'n');
     }},
    {"TZYLTimerPool",
     [](TArt& a) {
       a.Tile();
       Clock(a, 7, 8, 4);
       Clock(a, 16, 8, 4);
       Clock(a, 11, 16, 4);
     }},
    {"TZYLIniCtrl",
     [](TArt& a) {
       a.Tile();
       Sheet(a, 4, 3, 19, 20);
       a.Text(6, 6, "INI", 'k');
       a.Line(6, 13, 17, 13, 'g');
       a.Line(6, 16, 15, 16, 'g');
     }},
    {"TZYLMRUList",
     [](TArt& a) {
       a.Tile();
       Sheet(a, 3, 3, 20, 20);
       a.Text(5, 5, "1", 'n');
       a.Text(5, 10, "2", 'n');
       a.Text(5, 15, "3", 'n');
       for (int y = 7; y <= 17; y += 5) a.Line(9, y, 17, y, 'k');
     }},
    {"TZYLOneInstance",
     [](TArt& a) {
       a.Tile();
       Window(a, 3, 3, 20, 20, 'w');
       a.BigLetter(9, 11, 'I', 'R');
     }},
    {"TZYLSysInfo",
     [](TArt& a) {
       a.Tile();
       a.Fill(4, 4, 19, 15, 'k');
       a.Fill(5, 5, 18, 14, 't');
       a.Fill(9, 16, 14, 18, 'g');
       a.Fill(6, 19, 17, 20, 'g');
       a.Text(10, 7, "I", 'w');
     }},
    {"TZYLHint",
     [](TArt& a) {
       a.Tile();
       a.Box(3, 7, 20, 16, 'Y', 'k');
       a.Text(6, 9, "HINT", 'k');
     }},
    {"TZYLShapeHint",
     [](TArt& a) {
       a.Tile();
       Balloon(a);
       a.Line(6, 15, 3, 20, 'k');
       a.Line(3, 20, 9, 16, 'k');
       a.Text(8, 8, "HI", 'k');
     }},
    {"TZYLMessageHint",
     [](TArt& a) {
       a.Tile();
       Balloon(a);
       a.Line(14, 16, 19, 20, 'k');
       a.BigLetter(9, 7, '!', 'R');
     }},
    {"TZYLFMDrop",
     [](TArt& a) {
       a.Tile();
       Sheet(a, 8, 3, 18, 15);
       a.Line(5, 13, 5, 19, 'G');
       a.Arrow(3, 17, 0, 'G');
       a.Fill(3, 20, 20, 20, 'g');
     }},
    {"TZYLTrayIcon",
     [](TArt& a) {
       a.Tile();
       a.Raised(2, 14, 21, 21);
       a.Sunken(9, 15, 20, 20, '.');
       a.Fill(10, 16, 12, 18, 'R');
       a.Fill(14, 16, 16, 18, 'B');
       a.Line(4, 8, 10, 14, 'n');
       a.Arrow(9, 12, 0, 'n');
     }},
    {"TZYLGlobalHotKey",
     [](TArt& a) {
       a.Tile();
       a.Raised(4, 5, 19, 18, 'w');
       a.Text(7, 9, "F1", 'k');
       a.Line(5, 17, 18, 17, 'g');
     }},
    {"TZYLMousePositioner",
     [](TArt& a) {
       a.Tile();
       Mouse(a, 12, 9);
       a.Line(3, 6, 11, 6, 'R');
       a.Line(7, 3, 7, 10, 'R');
     }},
    {"TZYLMouseFencer",
     [](TArt& a) {
       a.Tile();
       a.Frame(4, 4, 19, 19, 'R');
       a.Frame(5, 5, 18, 18, 'R');
       Mouse(a, 8, 7);
     }},
    {"TZYLStopWatch",
     [](TArt& a) {
       a.Tile();
       Clock(a, 11, 13, 7);
       a.Fill(10, 3, 12, 5, 'k');
       a.Text(9, 15, "S", 'B');
     }},
    // Cont
    {"TZYLContainerCtrl",
     [](TArt& a) {
       a.Tile();
       a.Box(3, 8, 20, 19, 'o', 'k');
       a.Line(3, 11, 20, 11, 'k');
       a.Fill(6, 4, 9, 8, 'R');
       a.Fill(12, 5, 16, 8, 'B');
     }},
    {"TZYLBitmapList",
     [](TArt& a) {
       a.Tile();
       Landscape(a, 9, 3, 20, 11);
       Landscape(a, 6, 7, 17, 15);
       Landscape(a, 3, 11, 14, 19);
     }},
    {"TZYLImageList",
     [](TArt& a) {
       a.Tile();
       Strip(a, 3, 9, "RGB");
     }},
    {"TZYLImageListConnector",
     [](TArt& a) {
       a.Tile();
       Strip(a, 3, 3, "RG");
       Strip(a, 9, 15, "BY");
       a.Line(8, 8, 8, 14, 'k');
       a.Line(8, 14, 11, 14, 'k');
     }},
    {"TZYLStringList",
     [](TArt& a) {
       a.Tile();
       Sheet(a, 4, 3, 19, 20);
       a.Text(6, 5, "ABC", 'k');
       a.Text(6, 11, "DE", 'k');
       a.Text(6, 16, "F", 'k');
     }},
    {"TZYLWaveComp",
     [](TArt& a) {
       a.Tile();
       a.Fill(3, 5, 20, 18, 'k');
       Wave(a, 3, 20, 11, 5, 'L');
     }},
    {"TZYLWaveList",
     [](TArt& a) {
       a.Tile();
       a.Fill(3, 3, 20, 20, 'k');
       Wave(a, 3, 20, 7, 3, 'L');
       Wave(a, 3, 20, 16, 3, 'Y');
       a.Line(3, 11, 20, 11, 'g');
     }},
    // Dlg
    {"TZYLAboutDlg",
     [](TArt& a) {
       Window(a, 0, 1, 23, 22);
       a.Disc(11, 14, 5, 'B');
       a.Fill(11, 11, 11, 11, 'w');
       a.Line(11, 13, 11, 17, 'w');
     }},
    {"TZYLBrowseDlg",
     [](TArt& a) {
       Window(a, 0, 1, 23, 22, 'w');
       Folder(a, 3, 8);
       a.Line(5, 17, 5, 20, 'g');
       a.Line(5, 20, 9, 20, 'g');
       a.Fill(10, 18, 15, 21, 'Y');
     }},
    {"TZYLDirDlg",
     [](TArt& a) {
       Window(a, 0, 1, 23, 22);
       Folder(a, 6, 10);
       a.Raised(3, 19, 20, 21);
     }},
    {"TZYLTipDlg",
     [](TArt& a) {
       Window(a, 0, 1, 23, 22);
       a.Disc(11, 12, 4, 'Y');
       a.Circle(11, 12, 4, 'k');
       a.Fill(10, 17, 12, 19, 'g');
     }},
    {"TZYLWindowListDlg",
     [](TArt& a) {
       Window(a, 0, 1, 23, 22, 'w');
       for (int y = 9; y <= 18; y += 4) {
         a.Frame(3, y, 7, y + 2, 'n');
         a.Line(9, y + 1, 19, y + 1, 'k');
       }
     }},
    {"TZYLMessageBoxDlg",
     [](TArt& a) {
       Window(a, 0, 1, 23, 22);
       a.BigLetter(3, 9, '!', 'R');
       a.Line(9, 10, 20, 10, 'k');
       a.Line(9, 12, 17, 12, 'k');
       a.Raised(11, 16, 20, 20);
     }},
    // Edit
    {"TZYLEdit",
     [](TArt& a) {
       Edit(a);
       a.BigLetter(3, 8, 'a', 'k');
       a.Caret(10, 9, 14);
     }},
    {"TZYLMemo",
     [](TArt& a) {
       a.Sunken(1, 1, 22, 22);
       a.Raised(17, 3, 20, 20);
       for (int y = 5; y <= 17; y += 4) a.Line(4, y, y > 15 ? 10 : 14, y, 'k');
       a.Caret(11, 15, 19);
     }},
    {"TZYLMaskEdit",
     [](TArt& a) {
       Edit(a);
       a.Text(3, 9, "12-3", 'k');
       a.Line(3, 15, 19, 15, 'g');
     }},
    {"TZYLSpinEdit",
     [](TArt& a) {
       Edit(a, 5, 18);
       a.Text(4, 9, "42", 'k');
       a.Raised(15, 7, 20, 11);
       a.Raised(15, 12, 20, 16);
       a.Arrow(16, 8, 1, 'k');
       a.Arrow(16, 13, 0, 'k');
     }},
    {"TZYLBrowseEdit",
     [](TArt& a) {
       EditButton(a);
       a.Text(4, 10, "C", 'k');
       a.Pixel(15, 13, 'k');
       a.Pixel(17, 13, 'k');
       a.Pixel(19, 13, 'k');
     }},
    {"TZYLColorEdit",
     [](TArt& a) {
       EditButton(a);
       a.Box(4, 10, 10, 13, 'R', 'k');
       a.Arrow(15, 11, 0, 'k');
     }},
    {"TZYLFileOpenEdit",
     [](TArt& a) {
       EditButton(a);
       a.Text(3, 10, "A", 'k');
       a.Fill(15, 11, 19, 14, 'Y');
       a.Fill(15, 10, 16, 10, 'o');
     }},
    {"TZYLFileSaveEdit",
     [](TArt& a) {
       EditButton(a);
       a.Text(3, 10, "A", 'k');
       a.Fill(15, 9, 19, 14, 'n');
       a.Fill(16, 9, 18, 10, 'w');
     }},
    // Ext
    {"TZYLAssist",
     [](TArt& a) {
       a.Raised(1, 1, 22, 22);
       a.Fill(3, 3, 8, 16, 'n');
       a.Sunken(9, 3, 20, 16, 'w');
       a.Raised(9, 18, 14, 21);
       a.Raised(15, 18, 20, 21);
       a.Arrow(11, 18, 3, 'k');
       a.Arrow(17, 18, 2, 'k');
     }},
    {"TZYLTrackBar",
     [](TArt& a) {
       a.Sunken(2, 9, 21, 12);
       a.Raised(9, 5, 13, 15);
       for (int x = 2; x <= 21; x += 3) a.Line(x, 18, x, 20, 'k');
     }},
    {"TZYLStatusBar",
     [](TArt& a) {
       Window(a, 0, 1, 23, 22, 'w');
       a.Fill(2, 16, 21, 20, '.');
       a.Sunken(2, 16, 11, 20, '.');
       a.Sunken(12, 16, 21, 20, '.');
     }},
    {"TZYLButtonPanel",
     [](TArt& a) {
       a.Raised(0, 5, 23, 18);
       a.Raised(2, 8, 7, 15);
       a.Raised(9, 8, 14, 15);
       a.Raised(16, 8, 21, 15);
       a.Fill(4, 11, 5, 12, 'G');
       a.Fill(11, 11, 12, 12, 'R');
       a.Fill(18, 11, 19, 12, 'B');
     }},
    {"TZYLScrollBox",
     [](TArt& a) {
       a.Sunken(1, 1, 22, 22);
       a.Raised(3, 4, 11, 10);
       a.Fill(18, 3, 20, 17, '.');
       a.Raised(18, 6, 20, 10);
       a.Fill(3, 18, 17, 20, '.');
       a.Raised(6, 18, 11, 20);
     }},
    {"TZYLFormDisplay",
     [](TArt& a) {
       a.Sunken(0, 0, 23, 23, 'g');
       Window(a, 3, 4, 20, 19);
     }},
    {"TZYLFormTabControl",
     [](TArt& a) {
       a.Raised(1, 6, 22, 22);
       a.Raised(2, 2, 9, 7);
       a.Raised(10, 3, 16, 7);
       a.Fill(3, 7, 8, 7, '.');
       Window(a, 4, 10, 19, 20);
     }},
    {"TZYLLImage", [](TArt& a) { Landscape(a, 1, 3, 22, 20); }},
    {"TZYLNImage",
     [](TArt& a) {
       Landscape(a, 1, 3, 22, 20);
       a.Fill(3, 5, 13, 11, 'w');
       a.Text(4, 6, "123", 'k');
     }},
    {"TZYLFill",
     [](TArt& a) {
       Bands(a, 1, 1, 22, 22, "cBBnnk");
       a.Frame(1, 1, 22, 22, 'k');
     }},
    {"TZYLPanelFill",
     [](TArt& a) {
       a.Raised(0, 0, 23, 23);
       Bands(a, 3, 3, 20, 20, "YoorR");
     }},
    {"TZYLShadowFill",
     [](TArt& a) {
       a.Fill(6, 6, 22, 22, 'g');
       Bands(a, 1, 1, 17, 17, "RrpnB");
       a.Frame(1, 1, 17, 17, 'k');
     }},
    {"TZYLProgressFill",
     [](TArt& a) {
       a.Sunken(1, 7, 22, 16, 'w');
       Bands(a, 3, 9, 14, 14, "cBn");
     }},
    {"TZYLTechnicalLine",
     [](TArt& a) {
       a.Line(2, 6, 2, 16, 'k');
       a.Line(21, 6, 21, 16, 'k');
       a.Line(3, 11, 20, 11, 'k');
       a.Arrow(3, 9, 3, 'k');
       a.Arrow(18, 9, 2, 'k');
       a.Text(8, 4, "50", 'B');
     }},
    {"TZYLClock",
     [](TArt& a) {
       Clock(a, 11, 11, 10);
       for (int i = 0; i < 4; ++i)
         a.Pixel(i % 2 ? (i == 1 ? 19 : 3) : 11, i % 2 ? 11 : (i == 0 ? 3 : 19), 'n');
     }},
    {"TZYLLEDLabel",
     [](TArt& a) {
       a.Fill(1, 5, 22, 18, 'k');
       Segment8(a, 4, 7, 'L');
       Segment8(a, 10, 7, 'L');
       Segment8(a, 16, 7, 'G');
     }},
    // Form
    {"TZYLForm",
     [](TArt& a) {
       Window(a, 0, 1, 23, 22);
       a.BigLetter(9, 11, 'E', 'n');
     }},
    {"TZYLBack",
     [](TArt& a) {
       Window(a, 0, 1, 23, 22);
       for (int y = 8; y <= 20; ++y)
         for (int x = 2; x <= 21; ++x) a.Pixel(x, y, (x / 3 + y / 3) % 2 ? 'o' : 'Y');
     }},
    {"TZYLFormFill",
     [](TArt& a) {
       Window(a, 0, 1, 23, 22);
       Bands(a, 2, 7, 21, 20, "cctBn");
     }},
    {"TZYLFormShadow",
     [](TArt& a) {
       a.Fill(4, 5, 23, 23, 'g');
       Window(a, 0, 1, 19, 19, 'w');
     }},
    {"TZYLFormStyler",
     [](TArt& a) {
       a.Raised(0, 3, 23, 20);
       for (int x = 2; x <= 21; ++x) a.Line(x, 5, x, 11, x < 8 ? 'n' : x < 14 ? 'B' : 'c');
       a.Raised(17, 6, 20, 10);
       a.Text(3, 6, "AB", 'w');
     }},
    // List
    {"TZYLListBox", [](TArt& a) { List(a); }},
    {"TZYLImageListBox",
     [](TArt& a) {
       List(a);
       a.Fill(3, 8, 5, 10, 'R');
       a.Fill(3, 11, 5, 13, 'G');
       a.Fill(3, 14, 5, 16, 'B');
     }},
    {"TZYLComboBox",
     [](TArt& a) {
       Combo(a);
       a.Text(3, 10, "AB", 'k');
     }},
    {"TZYLImageComboBox",
     [](TArt& a) {
       Combo(a);
       a.Box(4, 10, 7, 13, 'G', 'k');
       a.Text(9, 10, "A", 'k');
     }},
    {"TZYLColorComboBox",
     [](TArt& a) {
       Combo(a);
       a.Box(4, 10, 12, 13, 'B', 'k');
     }},
    {"TZYLFontComboBox",
     [](TArt& a) {
       Combo(a);
       a.BigLetter(3, 9, 'T', 'n');
       a.BigLetter(7, 9, 'T', 'g');
     }},
    {"TZYLFontSizeComboBox",
     [](TArt& a) {
       Combo(a);
       a.Text(3, 10, "12", 'k');
     }},
    {"TZYLPrinterComboBox",
     [](TArt& a) {
       Combo(a);
       a.Fill(5, 9, 9, 10, 'w');
       a.Fill(3, 11, 11, 14, 'g');
       a.Pixel(10, 12, 'L');
     }},
    {"TZYLDriveComboBox",
     [](TArt& a) {
       Combo(a);
       a.Fill(3, 10, 8, 13, 'g');
       a.Pixel(7, 12, 'L');
       a.Text(9, 10, "C", 'k');
     }},
    // MM
    {"TZYLLabelFill",
     [](TArt& a) {
       Bands(a, 1, 4, 22, 19, "YYorr");
       a.BigLetter(9, 8, 'A', 'w');
     }},
    {"TZYLGraphicLabel",
     [](TArt& a) {
       a.BigLetter(8, 6, 'A', 'g', 2);
       a.BigLetter(7, 5, 'A', 'R', 2);
       a.BigLetter(6, 4, 'A', 'Y', 2);
     }},
    {"TZYLScrollText",
     [](TArt& a) {
       a.Fill(1, 6, 22, 17, 'n');
       a.Text(6, 9, "ABC", 'Y');
       a.Arrow(1, 9, 3, 'w');
     }},
    {"TZYLMMButton",
     [](TArt& a) {
       a.Disc(11, 11, 10, 'g');
       a.Disc(11, 11, 8, 'w');
       a.Disc(11, 11, 7, '.');
       a.Arrow(9, 7, 2, 'G');
       a.Arrow(11, 9, 2, 'G');
     }},
    {"TZYLShapeButton",
     [](TArt& a) {
       a.Disc(11, 11, 9, 'k');
       a.Disc(10, 10, 8, 'w');
       a.Disc(11, 11, 7, 'R');
       a.Text(8, 9, "OK", 'w');
     }},
    {"TZYL3DEffectButton",
     [](TArt& a) {
       a.Raised(0, 3, 23, 20);
       a.Raised(2, 5, 21, 18, 'c');
       a.Text(6, 9, "3D", 'n');
     }},
    {"TZYLHiTimer",
     [](TArt& a) {
       a.Tile();
       Clock(a, 9, 11, 6);
       a.Text(14, 15, "HI", 'R');
     }},
    {"TZYLShapeControl",
     [](TArt& a) {
       a.Disc(7, 8, 5, 'B');
       a.Circle(7, 8, 5, 'k');
       for (int i = 0; i < 9; ++i) a.Line(12 + i, 21 - i / 1, 21, 21 - i, 'R');
       a.Box(3, 15, 9, 21, 'Y', 'k');
     }},
    {"TZYLRepeatedShape",
     [](TArt& a) {
       for (int i = 0; i < 4; ++i) {
         a.Disc(3 + i * 6, 11, 2, 'R');
         a.Circle(3 + i * 6, 11, 2, 'k');
       }
     }},
    {"TZYLAniCtrl",
     [](TArt& a) {
       a.Fill(0, 4, 23, 19, 'k');
       for (int x = 1; x < 23; x += 4) {
         a.Fill(x, 5, x + 1, 6, 'w');
         a.Fill(x, 17, x + 1, 18, 'w');
       }
       a.Fill(2, 8, 10, 15, 'c');
       a.Fill(13, 8, 21, 15, 'c');
       a.Disc(6, 12, 2, 'Y');
       a.Disc(18, 11, 2, 'Y');
     }},
    // Shell
    {"TZYLStarter",
     [](TArt& a) {
       a.Tile();
       Window(a, 3, 3, 16, 16, 'w');
       a.Fill(11, 15, 16, 16, 'G');
       a.Arrow(16, 13, 2, 'G');
       a.Line(11, 15, 11, 20, 'G');
     }},
    // Std
    {"TZYLSimpleLabel", [](TArt& a) { a.BigLetter(7, 5, 'A', 'k', 2); }},
    {"TZYLLabel",
     [](TArt& a) {
       a.BigLetter(2, 4, 'A', 'n', 2);
       a.BigLetter(13, 11, 'a', 'R');
       a.Line(2, 20, 21, 20, 'n');
     }},
    {"TZYLDockLabel",
     [](TArt& a) {
       Dock(a);
       a.BigLetter(7, 5, 'A', 'k', 2);
     }},
    {"TZYLGlyphLabel",
     [](TArt& a) {
       a.Box(2, 8, 8, 14, 'G', 'k');
       a.BigLetter(12, 8, 'A', 'k');
     }},
    {"TZYLInformationLabel",
     [](TArt& a) {
       a.Disc(6, 11, 4, 'B');
       a.Pixel(6, 9, 'w');
       a.Line(6, 11, 6, 13, 'w');
       a.Text(12, 6, "12", 'k');
       a.Text(12, 13, "AM", 'k');
     }},
    {"TZYLStaticText",
     [](TArt& a) {
       a.Sunken(1, 2, 22, 21, '.');
       a.BigLetter(7, 5, 'A', 'k', 2);
     }},
    {"TZYLSpeedButton",
     [](TArt& a) {
       a.Raised(2, 2, 21, 21);
       a.Arrow(9, 7, 2, 'G');
       a.Arrow(10, 7, 2, 'G');
       a.Arrow(11, 7, 2, 'G');
     }},
    {"TZYLDockSpeedButton",
     [](TArt& a) {
       Dock(a);
       a.Raised(3, 3, 20, 20);
       a.Arrow(10, 9, 2, 'G');
       a.Arrow(11, 9, 2, 'G');
     }},
    {"TZYLButton", [](TArt& a) { PushButton(a, "OK"); }},
    {"TZYLDockButton",
     [](TArt& a) {
       PushButton(a, "OK");
       Dock(a);
     }},
    {"TZYLSimplePanel",
     [](TArt& a) {
       a.Raised(0, 3, 23, 20);
       a.Sunken(3, 6, 20, 17, '.');
     }},
    {"TZYLBackPanel",
     [](TArt& a) {
       a.Raised(0, 3, 23, 20);
       Landscape(a, 3, 6, 20, 17);
     }},
    {"TZYLDrawEdge",
     [](TArt& a) {
       a.Frame(2, 2, 20, 20, 'g');
       a.Frame(3, 3, 21, 21, 'w');
       a.Line(2, 11, 20, 11, 'g');
       a.Line(2, 12, 20, 12, 'w');
     }},
    {"TZYLProgress",
     [](TArt& a) {
       a.Sunken(1, 7, 22, 16, '.');
       for (int x = 3; x <= 13; x += 4) a.Fill(x, 9, x + 2, 14, 'n');
     }},
    {"TZYLGroupBox", [](TArt& a) { Group(a, "AB"); }},
    {"TZYLCheckBox",
     [](TArt& a) {
       Check(a, 1, 7, true);
       a.Text(12, 9, "AB", 'k');
     }},
    {"TZYLRadioButton",
     [](TArt& a) {
       Radio(a, 5, 11, true);
       a.Text(12, 9, "AB", 'k');
     }},
    {"TZYLRadioGroup",
     [](TArt& a) {
       Group(a, "R");
       Radio(a, 8, 11, true);
       Radio(a, 8, 18, false);
       a.Line(14, 11, 19, 11, 'k');
       a.Line(14, 18, 19, 18, 'k');
     }},
    {"TZYLCheckGroup",
     [](TArt& a) {
       Group(a, "C");
       Check(a, 4, 8, true);
       Check(a, 4, 14, false);
       a.Line(15, 12, 19, 12, 'k');
       a.Line(15, 18, 19, 18, 'k');
     }},
    {"TZYLScrollBar",
     [](TArt& a) {
       a.Fill(1, 8, 22, 15, 'w');
       a.Raised(1, 8, 7, 15);
       a.Raised(16, 8, 22, 15);
       a.Raised(9, 8, 13, 15);
       a.Arrow(2, 9, 3, 'k');
       a.Arrow(18, 9, 2, 'k');
     }},
};

}  // namespace

std::vector<std::string> ZYLPalettePictureClasses() {
  std::vector<std::string> names;
  for (const TPicture& p : kPictures) names.emplace_back(p.Class);
  return names;
}

bool ZYLDrawPalettePicture(const std::string& ClassName, TZYLPaletteArt& Art) {
  for (const TPicture& p : kPictures)
    if (ClassName == p.Class) {
      p.Draw(Art);
      // The palette takes the transparent colour from the bottom-left pixel.
      Art.Pixel(0, TZYLPaletteArt::N - 1, '.');
      return true;
    }
  return false;
}

}  // namespace zyl
