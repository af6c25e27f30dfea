// Corrupted form streams: every damaged input either converts / reads, or raises an error of
// the form-stream family; never a crash, hang or over-read (run under the sanitizers too).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Streams.h"
#include "tests/platform/classes/FilerTestClasses.h"
#include "tests/platform/classes/FilerTestSupport.h"
#include "tests/support/TempDir.h"

using namespace vcl;
using namespace filertest;

namespace {

std::string SampleStream() {
  TStreamForm form(nullptr);
  form.SetName("Form1");
  form.SetTag2(-5);
  auto* w = new TStreamWidget(&form);
  w->SetName("Widget1");
  w->SetWidth(1234);
  w->SetLook(lkRaised);
  w->SetSides({sdTop, sdRight});
  w->SetRatio(3.25);
  w->SetScale(0.5f);
  w->SetCaption("caption " + std::string(300, 'c'));
  w->SetBig(-(int64_t{1} << 50));
  w->SetColor(clTestRed);
  w->SetOnClick(TNotifyEvent(&form, &TStreamForm::WidgetClick));
  w->internal_ = "x";
  w->blob_ = "0123456789";
  auto* panel = new TStreamWidget(&form);
  panel->SetName("Panel");
  auto* child = new TStreamWidget(&form);
  child->SetName("Child");
  child->SetParentWidget(panel);
  child->SetBuddy(w);
  w->SetBuddy(child);
  auto* tab = static_cast<TStreamTab*>(panel->Tabs()->Add());
  tab->SetText("tab");
  tab->SetTarget(child);
  auto* holder = new TLabeledStreamWidget(&form);
  holder->SetName("Holder");
  holder->Label()->SetCaption("sub");
  auto* frame = new TStreamFrame(&form);
  frame->SetName("Frame");
  frame->SetInline(true);
  auto* inner = new TStreamWidget(frame);
  inner->SetName("Inner");
  inner->SetBuddy(w);
  w->SetBuddy(inner);
  return WriteRoot(&form);
}

std::string EveryValueStream() {
  TFormBytes b;
  b.Signature().Byte(0xF7).Int16(300).Header("TThing", "T");
  b.Prop("a").Value(vaList).Int8(1).Int16(2).Int32(3).Int64(4).Extended(5.5).Single(6.5f).Date(7.5).Currency(80000).End();
  b.Prop("b").Str("s").Prop("c").LStr(std::string(400, 'l')).Prop("d").WStr(u"w\u0101").Prop("e").Ident("id");
  b.Prop("f").Value(vaFalse).Prop("g").Value(vaTrue).Prop("h").Value(vaNil).Prop("i").Value(vaNull);
  b.Prop("j").Binary("bin").Prop("k").Value(vaSet).Short("x").Short("y").Short("");
  b.Prop("l").Value(vaCollection).Int8(2).Value(vaList).Prop("m").Int8(1).End().Value(vaList).End().End();
  b.End().Header("TChild", "C").End().End().End();
  return b.Bytes();
}

std::string Mutate(const std::string& base, std::mt19937& rng) {
  std::string s = base;
  auto pick = [&](size_t n) { return n == 0 ? size_t{0} : std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
  const int edits = 1 + static_cast<int>(pick(4));
  for (int e = 0; e < edits && !s.empty(); ++e) {
    switch (pick(7)) {
      case 0: s.resize(pick(s.size())); break;                           // truncate
      case 1: s[pick(s.size())] = static_cast<char>(pick(256)); break;  // random byte
      case 2: s[pick(s.size())] = static_cast<char>(pick(21)); break;   // a value tag
      case 3: s[pick(s.size())] = static_cast<char>(0xF0 | pick(16)); break;  // a prefix
      case 4: {                                                          // a huge length
        const size_t at = pick(s.size());
        for (size_t i = at; i < at + 4 && i < s.size(); ++i) s[i] = '\xFF';
        break;
      }
      case 5: {  // duplicate a slice
        const size_t at = pick(s.size()), len = pick(std::min<size_t>(64, s.size() - at) + 1);
        s.insert(at, s.substr(at, len));
        break;
      }
      default: s.erase(pick(s.size()), 1 + pick(8)); break;  // cut a piece out
    }
  }
  return s;
}

}  // namespace

TEST(FilerFuzz, CorruptBinaryToTextRaisesOnlyReadErrors) {
  std::mt19937 rng(20261206);
  const std::string bases[] = {SampleStream(), EveryValueStream()};
  int converted = 0, refused = 0;
  for (int i = 0; i < 4000; ++i) {
    const std::string input = Mutate(bases[i % 2], rng);
    try {
      const std::string text = ObjectBinaryToTextString(input);
      ++converted;
      // What the converter writes, the text parser reads.
      EXPECT_NO_THROW(ObjectTextToBinaryString(text)) << text;
    } catch (const EReadError&) {
      ++refused;
    }
  }
  EXPECT_GT(converted, 0);
  EXPECT_GT(refused, 0);
}

TEST(FilerFuzz, CorruptStreamsReadIntoComponentsRaiseOnlyFilerErrors) {
  RegisterFilerTestClasses();
  std::mt19937 rng(7);
  const std::string base = SampleStream();
  {
    std::unique_ptr<TComponent> intact(ReadRoot(base));
    ASSERT_NE(intact, nullptr);
  }
  int read = 0, refused = 0;
  for (int i = 0; i < 3000; ++i) {
    const std::string input = Mutate(base, rng);
    try {
      TComponent* root = ReadRoot(input);
      RemoveFixups(root);
      delete root;
      ++read;
    } catch (const EFilerError&) {
      ++refused;
    }
    // With an error handler that lets reading go on: values and components are skipped.
    if (i % 3 == 0) {
      TStringStream stream(input);
      TReader reader(&stream, 16);
      reader.OnError = [](TReader*, const std::string&, bool& handled) { handled = true; };
      TStreamForm target(nullptr);
      try {
        reader.ReadRootComponent(&target);
      } catch (const EFilerError&) {
      }
      RemoveFixups(&target);
    }
    // Existing roots are read over as well.
    if (i % 10 == 0) {
      TStreamForm target(nullptr);
      try {
        ReadRoot(input, &target);
      } catch (const EFilerError&) {
      }
      RemoveFixups(&target);
    }
  }
  EXPECT_GT(read, 0);
  EXPECT_GT(refused, 0);
  RemoveFixupReferences(nullptr, std::string());
}

TEST(FilerFuzz, CorruptTextRaisesOnlyParserErrors) {
  std::mt19937 rng(99);
  const std::string text = ObjectBinaryToTextString(EveryValueStream()) + ObjectBinaryToTextString(SampleStream());
  int converted = 0;
  for (int i = 0; i < 3000; ++i) {
    const std::string input = Mutate(text, rng);
    try {
      const std::string binary = ObjectTextToBinaryString(input);
      ++converted;
      // What the text parser accepts is a well-formed binary form.
      EXPECT_NO_THROW(ObjectBinaryToTextString(binary));
    } catch (const EParserError&) {
    }
  }
  EXPECT_GT(converted, 0);
}

// The inputs kept from earlier faults: binary ones convert to a text that reads back the same
// way, or raise a read error; text ones become binaries that convert again.
TEST(FilerFuzz, KeptInputsConvertBothWaysOrRaiseTheReadersErrors) {
  const std::string root = testsupport::SourceDir() + "/tests/fuzz/";
  for (const char* target : {"form_binary", "form_text"}) {
    for (const auto& entry : std::filesystem::directory_iterator(root + target + "/regress")) {
      std::ifstream in(entry.path(), std::ios::binary);
      const std::string input((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
      SCOPED_TRACE(entry.path().string());
      const bool binary = std::string(target) == "form_binary";
      std::string text;
      try {
        text = ObjectBinaryToTextString(binary ? input : ObjectTextToBinaryString(input));
      } catch (const EReadError&) {
        continue;
      } catch (const EParserError&) {
        EXPECT_FALSE(binary);
        continue;
      }
      EXPECT_EQ(ObjectBinaryToTextString(ObjectTextToBinaryString(text)), text);
    }
  }
}
