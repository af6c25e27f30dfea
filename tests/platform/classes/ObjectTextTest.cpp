#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Streams.h"
#include "tests/platform/classes/FilerTestSupport.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

using namespace vcl;
using filertest::TFormBytes;

using testsupport::ErrorOf;

namespace {

std::string ToText(const std::string& binary) { return ObjectBinaryToTextString(binary); }
std::string ToBinary(const std::string& text) { return ObjectTextToBinaryString(text); }

// The bytes of a file of tests/platform/classes/data/.
std::string ClassesData(const std::string& name) {
  return testsupport::SourceFile("tests/platform/classes/data/" + name);
}

// One property of a root component holding `value` (the bytes of one tagged value).
std::string OneProperty(const std::string& value) {
  TFormBytes b;
  b.Signature().Header("TThing", "Thing1").Prop("P").Raw(value).End().End();
  return b.Bytes();
}

// The text of the value of property P in a converted one-property form.
std::string ValueText(const std::string& value) {
  const std::string text = ToText(OneProperty(value));
  const std::string head = "object Thing1: TThing\r\n  P = ";
  EXPECT_EQ(text.compare(0, head.size(), head), 0) << text;
  const std::string tail = "\r\nend\r\n";
  EXPECT_GE(text.size(), head.size() + tail.size());
  return text.substr(head.size(), text.size() - head.size() - tail.size());
}

void ExpectRoundTrip(const std::string& binary) {
  const std::string text = ToText(binary);
  EXPECT_EQ(ToBinary(text), binary) << text;
}

}  // namespace

TEST(ObjectText, HandWrittenStreamGivesTheFrameworkText) {
  TFormBytes b;
  b.Signature().Header("TForm1", "Form1");
  b.Prop("Left").Int8(12).Prop("Width").Int16(400).Prop("Tag").Int32(100000);
  b.Prop("Caption").Str("Hello").Prop("Visible").Value(vaFalse);
  b.Prop("Font.Style").Value(vaSet).Short("fsBold").Short("fsItalic").Short("");
  b.Prop("Align").Ident("alClient").Prop("PopupMenu").Value(vaNil);
  b.Prop("Items.Strings").Value(vaList).Str("a").Str("b").End();
  b.Prop("Panels").Value(vaCollection);
  b.Value(vaList).Prop("Width").Int8(50).End();
  b.Int8(3).Value(vaList).Prop("Text").Str("x").End();
  b.End();
  b.End();  // end of properties
  b.Byte(0xF0 | 2 | 1).Int8(1).Header("TButton", "Button1").Prop("OnClick").Ident("Button1Click").End().End();
  b.Header("TPanel", "").End().End();
  b.End();  // end of children
  const std::string expected =
      "object Form1: TForm1\r\n"
      "  Left = 12\r\n"
      "  Width = 400\r\n"
      "  Tag = 100000\r\n"
      "  Caption = 'Hello'\r\n"
      "  Visible = False\r\n"
      "  Font.Style = [fsBold, fsItalic]\r\n"
      "  Align = alClient\r\n"
      "  PopupMenu = nil\r\n"
      "  Items.Strings = (\r\n"
      "    'a'\r\n"
      "    'b')\r\n"
      "  Panels = <\r\n"
      "    item\r\n"
      "      Width = 50\r\n"
      "    end\r\n"
      "    item [3]\r\n"
      "      Text = 'x'\r\n"
      "    end>\r\n"
      "  inherited Button1: TButton [1]\r\n"
      "    OnClick = Button1Click\r\n"
      "  end\r\n"
      "  object TPanel\r\n"
      "  end\r\n"
      "end\r\n";
  EXPECT_EQ(ToText(b), expected);
  EXPECT_EQ(ToBinary(expected), b.Bytes());
}

TEST(ObjectText, IntegersUseTheSmallestEncodingBackFromText) {
  EXPECT_EQ(ValueText(TFormBytes().Int8(-128)), "-128");
  EXPECT_EQ(ValueText(TFormBytes().Int16(-32768)), "-32768");
  EXPECT_EQ(ValueText(TFormBytes().Int32(INT32_MIN)), "-2147483648");
  EXPECT_EQ(ValueText(TFormBytes().Int64(INT64_MIN)), "-9223372036854775808");
  for (int64_t v : {int64_t{0}, int64_t{127}, int64_t{128}, int64_t{-129}, int64_t{32767}, int64_t{32768},
                    int64_t{INT32_MAX}, int64_t{INT32_MAX} + 1, int64_t{INT64_MAX}}) {
    TFormBytes b;
    if (v >= -128 && v <= 127) b.Int8(static_cast<int8_t>(v));
    else if (v >= -32768 && v <= 32767) b.Int16(static_cast<int16_t>(v));
    else if (v >= INT32_MIN && v <= INT32_MAX) b.Int32(static_cast<int32_t>(v));
    else b.Int64(v);
    ExpectRoundTrip(OneProperty(b));
  }
  // Hex integers of the text form.
  EXPECT_EQ(ToBinary("object A: TA\r\n  P = $FF\r\nend"),
            TFormBytes().Signature().Header("TA", "A").Prop("P").Int16(255).End().End().Bytes());
  EXPECT_THROW(ToBinary("object A: TA\r\n  P = 99999999999999999999\r\nend"), EParserError);
}

TEST(ObjectText, FloatsKeepEveryBitThroughText) {
  EXPECT_EQ(ValueText(TFormBytes().Extended(1.5)), "1.5");
  EXPECT_EQ(ValueText(TFormBytes().Extended(1.0)), "1.0");  // must not come back as an integer
  EXPECT_EQ(ValueText(TFormBytes().Extended(-0.0)), "-0.0");
  EXPECT_EQ(ValueText(TFormBytes().Extended(1e20)), "1E20");
  EXPECT_EQ(ValueText(TFormBytes().Extended(1.5e-10L)), "1.5E-10");
  EXPECT_EQ(ValueText(TFormBytes().Extended(0.0001L)), "0.0001");
  // The extended value nearest to 0.1 is written as 0.1; a double's 0.1 widened is another
  // extended value and gets the digits that tell it apart.
  EXPECT_EQ(ValueText(TFormBytes().Value(vaExtended).Le(0xCCCCCCCCCCCCCCCDull, 8).Le(0x3FFB, 2)),
            "0.1");
  EXPECT_EQ(ValueText(TFormBytes().Value(vaExtended).Le(0xCCCCCCCCCCCCD000ull, 8).Le(0x3FFB, 2)),
            "0.10000000000000000555");
  EXPECT_EQ(ValueText(TFormBytes().Single(0.1f)), "0.100000001490116s");
  EXPECT_EQ(ValueText(TFormBytes().Date(36526.5)), "36526.5d");
  EXPECT_EQ(ValueText(TFormBytes().Currency(15000)), "15000c");
  EXPECT_EQ(ValueText(TFormBytes().Extended(INFINITY)), "+INF");
  EXPECT_EQ(ValueText(TFormBytes().Extended(-INFINITY)), "-INF");
  const double samples[] = {0.1, 1.0 / 3, 123456789012345678.0, 5e-324, 2.2250738585072014e-308,
                            1.7976931348623157e308, -2.5, 3.0, 1e15, 1e-5};
  for (double v : samples) {
    ExpectRoundTrip(OneProperty(TFormBytes().Extended(v)));
    ExpectRoundTrip(OneProperty(TFormBytes().Date(v)));
    ExpectRoundTrip(OneProperty(TFormBytes().Single(static_cast<float>(v))));
  }
  ExpectRoundTrip(OneProperty(TFormBytes().Single(std::numeric_limits<float>::denorm_min())));
  ExpectRoundTrip(OneProperty(TFormBytes().Extended(INFINITY)));
  ExpectRoundTrip(OneProperty(TFormBytes().Date(-INFINITY)));
  ExpectRoundTrip(OneProperty(TFormBytes().Currency(INT64_MIN)));
  ExpectRoundTrip(OneProperty(TFormBytes().Currency(INT64_MAX)));
  // Extended values beyond double: the largest and the smallest denormal, kept exactly.
  ExpectRoundTrip(OneProperty(TFormBytes().Value(vaExtended).Le(~0ull, 8).Le(0x7FFE, 2)));
  ExpectRoundTrip(OneProperty(TFormBytes().Value(vaExtended).Le(1, 8).Le(0, 2)));
  ExpectRoundTrip(OneProperty(TFormBytes().Value(vaExtended).Le(0xC000000000000000ull, 8).Le(0xFFFF, 2)));
  // Typed by hand beyond a double's range: still the extended value.
  const std::string big = ToBinary("object A: TA\r\n  P = 1E400\r\nend");
  TExtended10 x;
  std::memcpy(x.Bytes, big.data() + big.size() - 12, 10);
  EXPECT_EQ(x.Bytes[9] & 0x7F, 0x45);  // exponent 0x4530 for 2^1328
  EXPECT_TRUE(std::isfinite(ExtendedToLongDouble(x)));
  // Currency written as a float is rounded to whole ten-thousandths, halves to even.
  EXPECT_EQ(ToBinary("object A: TA\r\n  P = 2.5c\r\nend"),
            TFormBytes().Signature().Header("TA", "A").Prop("P").Currency(2).End().End().Bytes());
}

TEST(ObjectText, ExtendedConversionsToDouble) {
  const double values[] = {0.0, -0.0, 1.0, -1.5, 0.1, 5e-324, 1.7976931348623157e308, INFINITY, -INFINITY};
  for (double v : values) {
    const double back = ExtendedToDouble(DoubleToExtended(v));
    EXPECT_EQ(std::memcmp(&back, &v, sizeof v), 0) << v;
  }
  EXPECT_TRUE(std::isnan(ExtendedToDouble(DoubleToExtended(NAN))));
  // Too large for a double: infinity; too small: zero; the integer bit is explicit.
  TExtended10 big;
  std::memset(big.Bytes, 0xFF, 8);
  big.Bytes[8] = 0xFE;
  big.Bytes[9] = 0x7F;
  EXPECT_TRUE(std::isinf(ExtendedToDouble(big)));
  TExtended10 tiny;
  tiny.Bytes[0] = 1;
  EXPECT_EQ(ExtendedToDouble(tiny), 0.0);
  const TExtended10 one = DoubleToExtended(1.0);
  const uint8_t expectedOne[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
  EXPECT_EQ(std::memcmp(one.Bytes, expectedOne, 10), 0);
}

TEST(ObjectText, StringsAreQuotedAndSplitAsTheFrameworkDoes) {
  EXPECT_EQ(ValueText(TFormBytes().Str("")), "''");
  EXPECT_EQ(ValueText(TFormBytes().Str("It's")), "'It'#39's'");
  EXPECT_EQ(ValueText(TFormBytes().Str("a\r\nb")), "'a'#13#10'b'");
  EXPECT_EQ(ValueText(TFormBytes().Str("\xE4"
                                       "x")),
            "'\xE4x'");
  // Longer than 64 characters: starts on its own line, pieces of 64 joined with " +".
  const std::string s70(70, 'x');
  EXPECT_EQ(ValueText(TFormBytes().Str(s70)),
            "\r\n    '" + std::string(64, 'x') + "' +\r\n    'xxxxxx'");
  // Exactly 64: one piece on the property's line.
  EXPECT_EQ(ValueText(TFormBytes().Str(std::string(64, 'y'))), "'" + std::string(64, 'y') + "'");
  // Character codes count towards the 64 of a line too.
  const std::string coded(66, '\x01');
  const std::string text = ValueText(TFormBytes().Str(coded));
  EXPECT_EQ(text.substr(0, 8), "\r\n    #1");
  EXPECT_EQ(text.substr(text.size() - 12), " +\r\n    #1#1");
  ExpectRoundTrip(OneProperty(TFormBytes().Str(coded)));
  // A string over 255 characters becomes a long string.
  std::string longText;
  for (int i = 0; i < 300; ++i) longText += static_cast<char>(i % 256);
  ExpectRoundTrip(OneProperty(TFormBytes().LStr(longText)));
  ExpectRoundTrip(OneProperty(TFormBytes().Str(std::string(255, '\''))));
  // Wide strings: code units above 255 as #nnnn.
  EXPECT_EQ(ValueText(TFormBytes().WStr(u"A\u20AC")), "'A'#8364");
  ExpectRoundTrip(OneProperty(TFormBytes().WStr(u"\u0100xyz'\u4E2D")));
}

TEST(ObjectText, TextPiecesAndCodesJoinIntoOneString) {
  const std::string text =
      "object A: TA\r\n"
      "  P = 'ab' +\r\n"
      "    'c'#$41#66''''\r\n"
      "  Q = #8364 + 'x'\r\n"
      "end\r\n";
  TFormBytes expected;
  expected.Signature().Header("TA", "A").Prop("P").Str("abcAB'").Prop("Q").WStr(u"\u20ACx").End().End();
  EXPECT_EQ(ToBinary(text), expected.Bytes());
}

TEST(ObjectText, BinaryIsHexInLinesOf64Digits) {
  std::string bytes;
  for (int i = 0; i < 40; ++i) bytes += static_cast<char>(i * 7);
  const std::string text = ValueText(TFormBytes().Binary(bytes));
  EXPECT_EQ(text.substr(0, 3), "{\r\n");
  const size_t firstLine = text.find("\r\n", 3);
  EXPECT_EQ(firstLine - 3, 4u + 64u);  // indent + 32 bytes
  EXPECT_EQ(text.substr(3, 12), "    00070E15");
  EXPECT_EQ(text.back(), '}');
  ExpectRoundTrip(OneProperty(TFormBytes().Binary(bytes)));
  EXPECT_EQ(ValueText(TFormBytes().Binary("")), "{}");
  ExpectRoundTrip(OneProperty(TFormBytes().Binary("")));
  EXPECT_THROW(ToBinary("object A: TA\r\n  P = {ABC}\r\nend"), EParserError);
  EXPECT_THROW(ToBinary("object A: TA\r\n  P = {ABXY}\r\nend"), EParserError);
  EXPECT_THROW(ToBinary("object A: TA\r\n  P = {AB"), EParserError);
}

TEST(ObjectText, IdentifiersReferencesAndSpecialNames) {
  EXPECT_EQ(ValueText(TFormBytes().Value(vaTrue)), "True");
  EXPECT_EQ(ValueText(TFormBytes().Value(vaNull)), "Null");
  EXPECT_EQ(ValueText(TFormBytes().Ident("Form2.Edit1")), "Form2.Edit1");
  ExpectRoundTrip(OneProperty(TFormBytes().Ident("Form2.Edit1")));
  ExpectRoundTrip(OneProperty(TFormBytes().Value(vaNull)));
  ExpectRoundTrip(OneProperty(TFormBytes().Value(vaSet).Short("")));
  ExpectRoundTrip(OneProperty(TFormBytes().Value(vaList).End()));
  ExpectRoundTrip(OneProperty(TFormBytes().Value(vaCollection).End()));
  // Nested lists and collections inside collections.
  ExpectRoundTrip(OneProperty(TFormBytes()
                                  .Value(vaCollection)
                                  .Int16(1000)
                                  .Value(vaList)
                                  .Prop("Sub")
                                  .Value(vaCollection)
                                  .Value(vaList)
                                  .Prop("L")
                                  .Value(vaList)
                                  .Value(vaList)
                                  .End()
                                  .Str("z")
                                  .End()
                                  .End()
                                  .End()
                                  .End()
                                  .End()));
}

TEST(ObjectText, StreamVersionsConvertOneComponentAndDetectTheFormat) {
  TFormBytes b;
  b.Signature().Header("TA", "A").End().End();
  TMemoryStream in, out, back;
  in.WriteBuffer(b.Bytes().data(), static_cast<int32_t>(b.Bytes().size()));
  in.WriteBuffer("tail", 4);
  in.SetPosition(0);
  EXPECT_EQ(TestStreamFormat(&in), sofBinary);
  EXPECT_EQ(in.Position(), 0);
  ObjectBinaryToText(&in, &out);
  EXPECT_EQ(in.Position(), static_cast<int64_t>(b.Bytes().size()));  // left after the component
  out.SetPosition(0);
  EXPECT_EQ(TestStreamFormat(&out), sofText);
  ObjectTextToBinary(&out, &back);
  std::string bytes(static_cast<size_t>(back.Size()), '\0');
  back.SetPosition(0);
  back.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  EXPECT_EQ(bytes, b.Bytes());
  // Two text components in one stream are read one after the other.
  TStringStream texts("object A: TA\r\nend\r\n  object B: TB\r\nend\r\n");
  TStringStream first, second;
  ObjectTextToBinary(&texts, &first);
  EXPECT_EQ(texts.Position(), 21);
  ObjectTextToBinary(&texts, &second);
  EXPECT_EQ(first.DataString(), TFormBytes().Signature().Header("TA", "A").End().End().Bytes());
  EXPECT_EQ(second.DataString(), TFormBytes().Signature().Header("TB", "B").End().End().Bytes());
  EXPECT_EQ(TestStreamFormatString("  \r\n inherited X: TX"), sofText);
  EXPECT_EQ(TestStreamFormatString("objects"), sofUnknown);
  EXPECT_EQ(TestStreamFormatString("TPF"), sofUnknown);
}

TEST(ObjectText, CorruptBinaryRaisesReadErrors) {
  TFormBytes b;
  b.Signature().Header("TForm1", "Form1").Prop("Caption").Str("Hello").Prop("Data").Binary("abc");
  b.Prop("L").Value(vaList).Int32(5).Extended(2.5).End().End();
  b.Header("TButton", "B").End().End().End();
  // Every truncation is a read error, never an over-read.
  for (size_t n = 0; n < b.Bytes().size(); ++n)
    EXPECT_THROW(ToText(b.Bytes().substr(0, n)), EReadError) << n;
  EXPECT_NO_THROW(ToText(b));
  EXPECT_EQ(ErrorOf<EReadError>([&] { ToText("TPF1"); }), "Invalid stream format");
  EXPECT_EQ(ErrorOf<EReadError>([&] { ToText(OneProperty(std::string(1, '\x7F'))); }),
            "Invalid property value");
  // Lengths far beyond the data are refused before anything is allocated.
  EXPECT_THROW(ToText(OneProperty(TFormBytes().Value(vaBinary).Le(0xFFFFFFFF, 4))), EReadError);
  EXPECT_THROW(ToText(OneProperty(TFormBytes().Value(vaLString).Le(0xFFFFFFF0, 4))), EReadError);
  EXPECT_THROW(ToText(OneProperty(TFormBytes().Value(vaWString).Le(0x7FFFFFFF, 4))), EReadError);
  // Deep nesting is refused instead of exhausting the stack.
  TFormBytes deep;
  deep.Signature().Header("TA", "A").Prop("P");
  for (int i = 0; i < 100000; ++i) deep.Value(vaList);
  EXPECT_THROW(ToText(deep), EReadError);
  TFormBytes deepObjects;
  deepObjects.Signature();
  for (int i = 0; i < 100000; ++i) deepObjects.Header("TA", "").End();
  EXPECT_THROW(ToText(deepObjects), EReadError);
  // An item of a collection must be a list.
  EXPECT_THROW(ToText(OneProperty(TFormBytes().Value(vaCollection).Int8(1).Int8(2))), EReadError);
}

TEST(ObjectText, MalformedTextRaisesParserErrorsWithTheLine) {
  EXPECT_EQ(ErrorOf<EParserError>(
                [&] { ToBinary("object A: TA\r\n  Left = 1\r\n  Top 2\r\nend\r\n"); }),
            "'=' expected on line 3");
  const std::string malformed[] = {
      "",
      "thing A: TA\r\nend",
      "object A: TA\r\n  P = 'abc\r\nend",
      "object A: TA\r\n  P = (1 2",
      "object A: TA\r\n  P = [a b]\r\nend",
      "object A: TA\r\n  P = <item\r\n",
      "object A: TA\r\n  P = #70000\r\nend",
      "object A: TA\r\n  P = 1.2.3\r\nend",
      "object A: TA\r\n  P = -\r\nend",
      "object A: TA\r\n  P = )\r\nend",
      "object A: TA\r\n  P = (1 Null 2)\r\nend",
      "object A: TA [x]\r\nend",
      "object A: TA\r\n  " + std::string(256, 'N') + " = 1\r\nend",
  };
  for (const std::string& text : malformed) EXPECT_THROW(ToBinary(text), EParserError) << text;
  std::string deep = "object A: TA\r\n  P = ";
  for (int i = 0; i < 100000; ++i) deep += '(';
  EXPECT_THROW(ToBinary(deep), EParserError);
}

TEST(ObjectText, InlineAndKeywordsInAnyCase) {
  TFormBytes b;
  b.Signature().Header("TForm1", "Form1").End();
  b.Byte(0xF4).Header("TFrame1", "Frame1").Prop("Tag").Int8(1).End();
  b.Byte(0xF6).Int16(-300).Header("TButton", "B").End().End();
  b.End();
  b.End();
  const std::string text = ToText(b);
  EXPECT_NE(text.find("  inline Frame1: TFrame1\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("    inline B: TButton [-300]\r\n"), std::string::npos) << text;
  EXPECT_EQ(ToBinary(text), b.Bytes());
  EXPECT_EQ(ToBinary("OBJECT Form1: TForm1\n  INLINE Frame1: TFrame1\n  Tag = 1\n  End\nEND"),
            TFormBytes().Signature().Header("TForm1", "Form1").End().Byte(0xF4).Header("TFrame1", "Frame1")
                .Prop("Tag").Int8(1).End().End().End().Bytes());
}

TEST(ObjectText, TheSampleFormPairMatches) {
  const std::string text = ClassesData("format_sample.txt");
  const std::string binary = ClassesData("format_sample.dfm");
  EXPECT_EQ(TestStreamFormatString(binary), sofBinary);
  EXPECT_EQ(TestStreamFormatString(text), sofText);
  EXPECT_EQ(ObjectTextToBinaryString(text), binary);
  EXPECT_EQ(ObjectBinaryToTextString(binary), text);
}

namespace {

// Random well-formed binary forms in the writer's canonical encodings.
class TRandomForm {
 public:
  explicit TRandomForm(uint32_t seed) : rng_(seed) {}

  std::string Make() {
    TFormBytes b;
    b.Signature();
    Component(b, 0);
    return b.Bytes();
  }

 private:
  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }

  std::string Ident() {
    static const char first[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_";
    static const char rest[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_0123456789";
    for (;;) {
      std::string s(1, first[Pick(sizeof first - 1)]);
      const size_t n = Pick(12);
      for (size_t i = 0; i < n; ++i) s += rest[Pick(sizeof rest - 1)];
      // Names the text form reads as keywords or special values are avoided.
      std::string lower = s;
      for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (lower != "true" && lower != "false" && lower != "nil" && lower != "null" && lower != "end" &&
          lower != "object" && lower != "inherited" && lower != "inline" && lower != "item")
        return s;
    }
  }

  std::string Bytes(size_t n) {
    std::string s(n, '\0');
    for (char& c : s) c = static_cast<char>(Pick(4) == 0 ? Pick(256) : 32 + Pick(95));
    return s;
  }

  void Integer(TFormBytes& b, int64_t v) {
    if (v >= -128 && v <= 127) b.Int8(static_cast<int8_t>(v));
    else if (v >= -32768 && v <= 32767) b.Int16(static_cast<int16_t>(v));
    else if (v >= INT32_MIN && v <= INT32_MAX) b.Int32(static_cast<int32_t>(v));
    else b.Int64(v);
  }

  uint64_t Bits64() { return (static_cast<uint64_t>(rng_()) << 32) | rng_(); }

  // A Null inside a list would end the list: only property values may be Null.
  void Value(TFormBytes& b, int depth, bool inList = false) {
    switch (Pick(depth > 3 ? 15 : 18)) {
      case 0: Integer(b, static_cast<int8_t>(rng_())); break;
      case 1: Integer(b, static_cast<int32_t>(rng_()) >> Pick(32)); break;
      case 2: Integer(b, static_cast<int64_t>(Bits64())); break;
      case 3: {  // any canonical extended, from raw bits
        TExtended10 x;
        const uint64_t m = Bits64();
        std::memcpy(x.Bytes, &m, 8);
        x.Bytes[8] = static_cast<uint8_t>(rng_());
        x.Bytes[9] = static_cast<uint8_t>(rng_());
        const TExtended10 c = LongDoubleToExtended(ExtendedToLongDouble(x));
        b.Value(vaExtended).Raw(std::string(reinterpret_cast<const char*>(c.Bytes), 10));
        break;
      }
      case 4: b.Extended(std::ldexp(static_cast<double>(rng_()), static_cast<int>(Pick(80)) - 40)); break;
      case 5: {
        uint32_t bits = rng_();
        float f;
        std::memcpy(&f, &bits, 4);
        b.Single(std::isnan(f) ? 1.0f : f);
        break;
      }
      case 6: {
        const uint64_t bits = Bits64();
        double d;
        std::memcpy(&d, &bits, 8);
        b.Date(std::isnan(d) ? 0.5 : d);
        break;
      }
      case 7: b.Currency(static_cast<int64_t>(Bits64()) >> Pick(64)); break;
      case 8: b.Str(Bytes(Pick(140))); break;
      case 9: b.LStr(Bytes(256 + Pick(300))); break;
      case 10: {
        std::u16string w(1 + Pick(80), u'x');
        for (char16_t& c : w) c = static_cast<char16_t>(Pick(3) == 0 ? 256 + Pick(65000) : 32 + Pick(95));
        w[Pick(w.size())] = u'\u0394';
        b.WStr(w);
        break;
      }
      case 11: {
        std::string name = Ident();
        if (Pick(3) == 0) name += "." + Ident();
        b.Ident(name);
        break;
      }
      case 12: b.Value(static_cast<TValueType>(vaFalse + Pick(2))); break;
      case 13: b.Value(Pick(2) || inList ? vaNil : vaNull); break;
      case 14: {
        b.Value(vaSet);
        for (size_t i = Pick(5); i > 0; --i) b.Short(Ident());
        b.Short("");
        break;
      }
      case 15: b.Binary(Bytes(Pick(100))); break;
      case 16:
        b.Value(vaList);
        for (size_t i = Pick(4); i > 0; --i) Value(b, depth + 1, true);
        b.End();
        break;
      default:
        b.Value(vaCollection);
        for (size_t i = Pick(3); i > 0; --i) {
          if (Pick(2)) Integer(b, static_cast<int16_t>(rng_()));
          b.Value(vaList);
          for (size_t k = Pick(3); k > 0; --k) {
            b.Prop(Ident());
            Value(b, depth + 1);
          }
          b.End();
        }
        b.End();
    }
  }

  void Component(TFormBytes& b, int depth) {
    static const uint8_t prefixes[] = {0, 0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF6};
    const uint8_t prefix = prefixes[Pick(sizeof prefixes)];
    if (prefix) {
      b.Byte(prefix);
      if (prefix & 2) Integer(b, static_cast<int16_t>(rng_()));
    }
    b.Header("T" + Ident(), Pick(5) ? Ident() : "");
    for (size_t i = Pick(6); i > 0; --i) {
      std::string name = Ident();
      if (Pick(4) == 0) name += "." + Ident();
      b.Prop(name);
      Value(b, 0);
    }
    b.End();
    for (size_t i = depth < 3 ? Pick(3) : 0; i > 0; --i) Component(b, depth + 1);
    b.End();
  }

  std::mt19937 rng_;
};

}  // namespace

TEST(ObjectText, RandomWellFormedFormsRoundTripByteForByte) {
  TRandomForm forms(424242);
  for (int i = 0; i < 500; ++i) {
    const std::string binary = forms.Make();
    std::string text;
    ASSERT_NO_THROW(text = ToText(binary)) << i;
    std::string back;
    ASSERT_NO_THROW(back = ToBinary(text)) << text;
    ASSERT_EQ(back, binary) << text;
  }
}

namespace {

// Values as the IDE writes them in form texts, the bytes its rules give and the text written back.
struct TIdeValue {
  const char* Text;
  std::string Bytes;
  const char* TextBack;
};

std::string Ext(uint64_t mantissa, uint16_t exponent) {
  return TFormBytes().Value(vaExtended).Le(mantissa, 8).Le(exponent, 2);
}

std::string ResourceHeader(const std::string& name, size_t size) {
  return TFormBytes().Byte(0xFF).Byte(0x0A).Byte(0).Raw(name).Byte(0).Byte(0x30).Byte(0x10).Le(size,
                                                                                               4);
}

}  // namespace

TEST(ObjectText, ValuesAsTheIdeWritesThem) {
  const std::string line32(32, 'b');
  const TIdeValue cases[] = {
      // Decimal texts are the nearest extended value, not a double's.
      {"6.4", Ext(0xCCCCCCCCCCCCCCCDull, 0x4001), "6.4"},
      {"0.005000000000000000", Ext(0xA3D70A3D70A3D70Aull, 0x3FF7), "0.005"},
      // Binary data shorter than a line stays on the property's line.
      {"{0754FF}", TFormBytes().Binary("\x07\x54\xFF"), "{0754FF}"},
      // Characters of the code page stand between the quotes.
      {"'Caf\xE9 \xA0\xFF'", TFormBytes().Str("Caf\xE9 \xA0\xFF"), "'Caf\xE9 \xA0\xFF'"},
      {"'a'#127", TFormBytes().Str("a\x7F"), "'a'#127"},
  };
  for (const TIdeValue& c : cases) {
    SCOPED_TRACE(c.Text);
    EXPECT_EQ(ToBinary(std::string("object Thing1: TThing\r\n  P = ") + c.Text + "\r\nend\r\n"),
              OneProperty(c.Bytes));
    EXPECT_EQ(ValueText(c.Bytes), c.TextBack);
  }
  std::string hex32;
  for (int i = 0; i < 32; ++i) hex32 += "62";
  EXPECT_EQ(ValueText(TFormBytes().Binary(line32)), "{\r\n    " + hex32 + "}");
}

TEST(ObjectText, FormFilesWithTheResourceHeaderReadLikeBareStreams) {
  const std::string bare = OneProperty(TFormBytes().Int8(5));
  const std::string file = ResourceHeader("TTHING", bare.size()) + bare;
  EXPECT_EQ(BinaryFormFile(bare), file);
  EXPECT_EQ(TestStreamFormatString(file), sofBinary);
  EXPECT_EQ(ToText(file), ToText(bare));
  // Damaged headers: another resource type, a size beyond the data, a name without its end.
  const std::string damaged[] = {
      TFormBytes()
          .Byte(0xFF)
          .Byte(0x0B)
          .Byte(0)
          .Raw("A")
          .Byte(0)
          .Byte(0x30)
          .Byte(0x10)
          .Le(bare.size(), 4)
          .Raw(bare),
      ResourceHeader("THING1", bare.size() + 1) + bare,
      ResourceHeader("THING1", bare.size()).substr(0, 9),
      "\xFF\x0A" + std::string(1, '\0') + std::string(300, 'N'),
  };
  for (const std::string& d : damaged) {
    EXPECT_THROW(ToText(d), EReadError);
    TStringStream stream(d);
    EXPECT_THROW(TReader(&stream).ReadRootComponent(nullptr), EReadError);
  }
}

TEST(ObjectText, TheResourceIsNamedAfterTheRootsClassInUpperCase) {
  struct TCase {
    std::string Root;  // the stream from its signature to the root's name
    std::string Resource;
  };
  const TCase cases[] = {
      {TFormBytes().Signature().Header("TFormBmp", "FormBmp").Bytes(), "TFORMBMP"},
      {TFormBytes().Signature().Header("TFormBmp", "MainWindow").Bytes(), "TFORMBMP"},
      {TFormBytes().Signature().Header("TForm_2b", "").Bytes(), "TFORM_2B"},
      // An inherited root (flags and child position before the class) keeps its class's name.
      {TFormBytes().Signature().Byte(0xF3).Int8(4).Header("TChildForm", "Child").Bytes(),
       "TCHILDFORM"},
  };
  for (const TCase& c : cases) {
    const std::string stream = c.Root + TFormBytes().End().End().Bytes();
    SCOPED_TRACE(c.Resource);
    EXPECT_EQ(BinaryFormFile(stream), ResourceHeader(c.Resource, stream.size()) + stream);
  }
}

TEST(ObjectText, BinaryFormFilesReadAndWrittenBackAreTheSameBytes) {
  const std::string sample = ClassesData("format_sample.dfm");
  const std::string files[] = {
      ClassesData("formbmp.dfm"),  // as the IDE writes a form of class TFormBmp
      ResourceHeader("TSAMPLEFORM", sample.size()) + sample,
  };
  for (const std::string& file : files) {
    const std::string text = ToText(file);
    SCOPED_TRACE(text);
    EXPECT_EQ(BinaryFormFile(ObjectTextToBinaryString(text)), file);
  }
}

TEST(ObjectText, NamesTheTextCannotHoldAreRefused) {
  auto form = [](const std::string& cls, const std::string& name, const std::string& prop,
                 const std::string& value) {
    return TFormBytes().Signature().Header(cls, name).Prop(prop).Raw(value).End().End().Bytes();
  };
  const std::string good = TFormBytes().Int8(1);
  EXPECT_NO_THROW(ToText(form("TThing", "", "Font.Size", TFormBytes().Ident("Form2.Edit1"))));
  const std::string refused[] = {
      form("T Thing", "A", "P", good),
      form("TThing", "1A", "P", good),
      form("TThing", "A", "P Q", good),
      form("TThing", "A", "Font..Size", good),
      form("TThing", "A", "end", good),
      form("TThing", "A", "P", TFormBytes().Ident("a b")),
      form("TThing", "A", "P", TFormBytes().Ident("True")),
      form("TThing", "A", "P", TFormBytes().Value(vaSet).Short("x-y").Short("")),
  };
  for (const std::string& r : refused) EXPECT_THROW(ToText(r), EReadError) << r;
}
