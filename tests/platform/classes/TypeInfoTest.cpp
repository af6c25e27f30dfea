#include "platform/classes/TypeInfo.h"

#include <gtest/gtest.h>

using namespace vcl;

namespace ti_test {

ZYL_ENUM(TShade, shLight, shMedium, shDark)
enum TEdge : uint8_t { edLeft, edTop, edRight, edBottom };
ZYL_ENUM_INFO(TEdge, edLeft, edTop, edRight, edBottom)
using TEdges = TSet<TEdge>;

class TGadget : public TObject {
  ZYL_CLASS(TGadget, TObject)
  int32_t Width() const { return width_; }
  void SetWidth(int32_t v) { width_ = v; }
  TShade Shade() const { return shade_; }
  void SetShade(TShade v) { shade_ = v; }
  TEdges Edges() const { return edges_; }
  void SetEdges(TEdges v) { edges_ = v; }
  double Ratio() const { return ratio_; }
  void SetRatio(double v) { ratio_ = v; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v) { caption_ = v; }
  char Letter() const { return letter_; }
  void SetLetter(char c) { letter_ = c; }
  int64_t Big() const { return big_; }
  void SetBig(int64_t v) { big_ = v; }
  TGadget* Buddy() const { return buddy_; }
  void SetBuddy(TGadget* g) { buddy_ = g; }
  TNotifyEvent OnPing() const { return onPing_; }
  void SetOnPing(TNotifyEvent e) { onPing_ = e; }
  bool GetFlag(int index) const { return (flags_ >> index) & 1; }
  void SetFlag(int index, bool v) { flags_ = v ? flags_ | (1 << index) : flags_ & ~(1 << index); }
  bool IsCaptionStored() const { return caption_ != "skip"; }
  int32_t Version() const { return 7; }

  int32_t width_ = 10;
  TShade shade_ = shMedium;
  TEdges edges_ = {edLeft, edTop};
  double ratio_ = 0;
  std::string caption_;
  char letter_ = 'a';
  int64_t big_ = 0;
  TGadget* buddy_ = nullptr;
  TNotifyEvent onPing_;
  int flags_ = 0;
  int32_t counter_ = 3;
};

class TBigGadget : public TGadget {
  ZYL_CLASS(TBigGadget, TGadget)
  std::string Extra() const { return extra_; }
  void SetExtra(std::string s) { extra_ = std::move(s); }
  void Ping(TObject* sender) { pinged = sender; }
  void SetLevel(int32_t v) { level_ = v; }
  int32_t Mask() const { return mask_; }
  void SetMask(int32_t v) { mask_ = v; }
  int32_t mask_ = static_cast<int32_t>(0x8000000F);
  std::string extra_;
  TObject* pinged = nullptr;
  int32_t level_ = 0;
};

bool ShadeToIdent(int32_t v, std::string& s) {
  if (v != 255) return false;
  s = "maxShade";
  return true;
}
bool IdentToShade(const std::string& s, int32_t& v) {
  if (s != "maxShade") return false;
  v = 255;
  return true;
}
const TTypeInfo* LevelTypeInfo() {
  static const TTypeInfo* t = [] {
    const TTypeInfo* level = MakeIntegerTypeInfo("TLevel", 0, 255);
    RegisterIntegerConsts(level, &IdentToShade, &ShadeToIdent);
    return level;
  }();
  return t;
}

ZYL_CLASS_IMPL(TGadget) {
  b.Prop("Width", &TGadget::Width, &TGadget::SetWidth).Default(10)
   .Prop("Shade", &TGadget::Shade, &TGadget::SetShade).Default(shMedium)
   .Prop("Edges", &TGadget::Edges, &TGadget::SetEdges).Default(TEdges{edLeft, edTop})
   .Prop("Ratio", &TGadget::Ratio, &TGadget::SetRatio)
   .Prop("Caption", &TGadget::Caption, &TGadget::SetCaption).Stored(&TGadget::IsCaptionStored)
   .Prop("Letter", &TGadget::Letter, &TGadget::SetLetter)
   .Prop("Big", &TGadget::Big, &TGadget::SetBig)
   .Prop("Buddy", &TGadget::Buddy, &TGadget::SetBuddy)
   .Prop("OnPing", &TGadget::OnPing, &TGadget::SetOnPing)
   .Prop("Visible", &TGadget::GetFlag, &TGadget::SetFlag).Index(0).Default(false)
   .Prop("Locked", &TGadget::GetFlag, &TGadget::SetFlag).Index(2).Default(false)
   .Prop("Version", &TGadget::Version, nullptr).Stored(false)
   .Prop("Counter", &TGadget::counter_, nullptr);
}

ZYL_CLASS_IMPL(TBigGadget) {
  b.Prop("Extra", &TBigGadget::Extra, &TBigGadget::SetExtra)
   .Prop("Width", &TGadget::Width, &TGadget::SetWidth).Default(50)  // redeclared default
   .Method("Ping", &TBigGadget::Ping)
   .Prop("Level", &TBigGadget::level_, &TBigGadget::SetLevel, LevelTypeInfo())
   .Prop("Mask", &TBigGadget::Mask, &TBigGadget::SetMask).Default(0x8000000F);
}

// A base that describes properties without publishing them, and descendants that publish them
// by name (one with a default and a stored rule of its own, one naming a property nobody has).
class TPlainBase : public TObject {
  ZYL_CLASS(TPlainBase, TObject)
  int32_t Size() const { return size_; }
  void SetSize(int32_t v) { size_ = v; }
  int32_t Mask() const { return mask_; }
  void SetMask(int32_t v) { mask_ = v; }
  bool GetFlag(int index) const { return (flags_ >> index) & 1; }
  void SetFlag(int index, bool v) { flags_ = v ? flags_ | (1 << index) : flags_ & ~(1 << index); }
  bool IsSizeStored() const { return size_ != 99; }
  int32_t size_ = 4, mask_ = 0;
  int flags_ = 0;
};
class TShowing : public TPlainBase {
  ZYL_CLASS(TShowing, TPlainBase)
  bool NeverSeven() const { return size_ != 7; }
};
class TShowingMore : public TShowing {
  ZYL_CLASS(TShowingMore, TShowing)
};
class TMisnamed : public TPlainBase {
  ZYL_CLASS(TMisnamed, TPlainBase)
};
ZYL_CLASS_IMPL(TPlainBase) {
  b.Declare("Size", &TPlainBase::Size, &TPlainBase::SetSize).Default(4).Stored(&TPlainBase::IsSizeStored)
   .Declare("Mask", &TPlainBase::Mask, &TPlainBase::SetMask).Default(0x8000000F)
   .Declare("Hidden", &TPlainBase::GetFlag, &TPlainBase::SetFlag).Index(1).Default(false);
}
ZYL_CLASS_IMPL(TShowing) { b.Publish({"Hidden", "Size"}); }
ZYL_CLASS_IMPL(TShowingMore) {
  b.Publish("Mask").Default(0x8000000F).Publish("Size").Default(8).Stored(&TShowing::NeverSeven);
}
ZYL_CLASS_IMPL(TMisnamed) { b.Publish("Sise"); }

}  // namespace ti_test

using namespace ti_test;

TEST(TypeInfo, PublishingAnAncestorsPropertyByName) {
  // Described but unpublished: not in the list, not found by name.
  EXPECT_TRUE(GetPropList(TPlainBase::StaticClass()).empty());
  EXPECT_EQ(GetPropInfo(TPlainBase::StaticClass(), "Size"), nullptr);

  TShowingMore obj;
  auto names = [](TClass c) {
    std::string s;
    for (const TPropInfo* p : GetPropList(c)) s += p->Name + " ";
    return s;
  };
  EXPECT_EQ(names(TShowing::StaticClass()), "Hidden Size ");
  // A republished property keeps its place; a newly published one comes last.
  EXPECT_EQ(names(TShowingMore::StaticClass()), "Hidden Size Mask ");
  // The ancestor's accessors, index, default and stored rule.
  const TPropInfo* hidden = GetPropInfo(&obj, "Hidden");
  EXPECT_EQ(hidden->Index, 1);
  SetOrdProp(&obj, hidden, 1);
  EXPECT_EQ(obj.flags_, 2);
  const TPropInfo* size = GetPropInfo(TShowing::StaticClass(), "Size");
  EXPECT_EQ(size->Default, 4);
  obj.size_ = 99;
  EXPECT_FALSE(IsStoredProp(&obj, size));
  // Modifiers change the descendant's copy only; a default is read as the getter's type.
  const TPropInfo* own = GetPropInfo(&obj, "Size");
  EXPECT_EQ(own->Default, 8);
  EXPECT_TRUE(IsStoredProp(&obj, own));
  obj.size_ = 7;
  EXPECT_FALSE(IsStoredProp(&obj, own));
  EXPECT_EQ(GetPropInfo(&obj, "Mask")->Default, static_cast<int32_t>(0x8000000F));
  // A name no ancestor has is refused when the class is described.
  EXPECT_THROW(TMisnamed::StaticClass(), EInvalidOperation);
}

TEST(TypeInfo, ClassNamesAndInheritance) {
  TBigGadget g;
  EXPECT_EQ(g.ClassName(), "TBigGadget");
  EXPECT_EQ(g.ClassParent(), TGadget::StaticClass());
  EXPECT_TRUE(g.InheritsFrom(TObject::StaticClass()));
  EXPECT_TRUE(g.InheritsFrom(TGadget::StaticClass()));
  EXPECT_FALSE(TGadget::StaticClass()->InheritsFrom(TBigGadget::StaticClass()));
  EXPECT_TRUE(g.ClassNameIs("tbiggadget"));
  EXPECT_EQ(TObject::StaticClass()->ClassName(), "TObject");
  EXPECT_EQ(TGadget::StaticClass()->ClassTypeInfo(), TypeInfoOf<TGadget*>());
  EXPECT_EQ(TypeInfoOf<TGadget*>()->Name(), "TGadget");
  EXPECT_EQ(TypeInfoOf<TGadget*>()->ClassType(), TGadget::StaticClass());
  // Plain classes get a factory without arguments.
  TObject* made = TBigGadget::StaticClass()->CreateInstance();
  EXPECT_EQ(made->ClassName(), "TBigGadget");
  delete made;
  EXPECT_THROW(TBigGadget::StaticClass()->Create(nullptr), EInvalidOperation);
}

TEST(TypeInfo, EnumerationAndSetNames) {
  const TTypeInfo* shade = TypeInfoOf<TShade>();
  EXPECT_EQ(shade->Kind, tkEnumeration);
  EXPECT_EQ(shade->Name(), "TShade");
  ASSERT_EQ(shade->Names.size(), 3u);
  EXPECT_EQ(GetEnumName(shade, 2), "shDark");
  EXPECT_EQ(GetEnumName(shade, 3), "");
  EXPECT_EQ(GetEnumName(shade, -1), "");
  EXPECT_EQ(GetEnumValue(shade, "SHMEDIUM"), 1);
  EXPECT_EQ(GetEnumValue(shade, "shNone"), -1);
  const TTypeInfo* boolean = TypeInfoOf<bool>();
  EXPECT_EQ(boolean->Kind, tkEnumeration);
  EXPECT_EQ(GetEnumName(boolean, 1), "True");
  EXPECT_EQ(GetEnumValue(boolean, "false"), 0);
  const TTypeInfo* edges = TypeInfoOf<TEdges>();
  EXPECT_EQ(edges->Kind, tkSet);
  EXPECT_EQ(edges->CompType, TypeInfoOf<TEdge>());
  EXPECT_EQ(edges->Name(), "TEdges");
  EXPECT_EQ(SetToString(edges, 0b1010, true), "[edTop,edBottom]");
  EXPECT_EQ(SetToString(edges, 0, true), "[]");
  EXPECT_EQ(StringToSet(edges, " [ edBottom , edLeft ] "), 0b1001u);
  EXPECT_EQ(StringToSet(edges, "edRight"), 0b0100u);
  EXPECT_EQ(StringToSet(edges, "[]"), 0u);
  EXPECT_THROW(StringToSet(edges, "[edLeft,edNowhere]"), EPropertyError);
  EXPECT_THROW(StringToSet(edges, "[edLeft"), EPropertyError);
  EXPECT_THROW(StringToSet(edges, "edLeft,,edTop"), EPropertyError);
}

TEST(TypeInfo, PropListOrderAndKinds) {
  std::vector<const TPropInfo*> list = GetPropList(TBigGadget::StaticClass());
  std::vector<std::string> names;
  for (auto* p : list) names.push_back(p->Name);
  std::vector<std::string> expected = {"Width", "Shade", "Edges", "Ratio", "Caption",
                                       "Letter", "Big", "Buddy", "OnPing", "Visible",
                                       "Locked", "Version", "Counter", "Extra", "Level", "Mask"};
  EXPECT_EQ(names, expected);
  EXPECT_EQ(list[0]->OwnerClass, TBigGadget::StaticClass());  // the redeclaration wins
  EXPECT_EQ(list[0]->Default, 50);
  TBigGadget g;
  EXPECT_EQ(PropType(&g, "width"), tkInteger);
  EXPECT_EQ(PropType(&g, "Shade"), tkEnumeration);
  EXPECT_EQ(PropType(&g, "Edges"), tkSet);
  EXPECT_EQ(PropType(&g, "Ratio"), tkFloat);
  EXPECT_EQ(PropType(&g, "Caption"), tkLString);
  EXPECT_EQ(PropType(&g, "Letter"), tkChar);
  EXPECT_EQ(PropType(&g, "Big"), tkInt64);
  EXPECT_EQ(PropType(&g, "Buddy"), tkClass);
  EXPECT_EQ(PropType(&g, "OnPing"), tkMethod);
  EXPECT_EQ(PropType(&g, "Visible"), tkEnumeration);
  EXPECT_EQ(GetPropInfo(&g, "Visible")->Index, 0);
  EXPECT_FALSE(IsPublishedProp(&g, "Nothing"));
  EXPECT_THROW(GetOrdProp(&g, "Nothing"), EPropertyError);
  auto methods = GetPropList(TBigGadget::StaticClass(), TSet<TTypeKind>{tkMethod});
  ASSERT_EQ(methods.size(), 1u);
  EXPECT_EQ(methods[0]->Name, "OnPing");
}

TEST(TypeInfo, GetAndSetEveryKind) {
  TBigGadget g, other;
  SetOrdProp(&g, "Width", 42);
  EXPECT_EQ(g.Width(), 42);
  EXPECT_EQ(GetOrdProp(&g, "Width"), 42);
  SetEnumProp(&g, "Shade", "shDark");
  EXPECT_EQ(g.Shade(), shDark);
  EXPECT_EQ(GetEnumProp(&g, "Shade"), "shDark");
  EXPECT_THROW(SetEnumProp(&g, "Shade", "shBlack"), EPropertyError);
  SetSetProp(&g, "Edges", "[edRight]");
  EXPECT_EQ(g.Edges(), TEdges{edRight});
  EXPECT_EQ(GetSetProp(&g, "Edges", true), "[edRight]");
  SetOrdProp(&g, "Edges", TEdges{edLeft, edBottom}.Bits());
  EXPECT_EQ(GetSetProp(&g, "Edges"), "edLeft,edBottom");
  SetFloatProp(&g, "Ratio", 2.5);
  EXPECT_DOUBLE_EQ(GetFloatProp(&g, "Ratio"), 2.5);
  SetStrProp(&g, "Caption", "Hello");
  EXPECT_EQ(GetStrProp(&g, "Caption"), "Hello");
  SetStrProp(&g, "Extra", "x");
  EXPECT_EQ(g.Extra(), "x");
  SetOrdProp(&g, "Letter", 'Q');
  EXPECT_EQ(g.Letter(), 'Q');
  SetInt64Prop(&g, "Big", int64_t{1} << 40);
  EXPECT_EQ(GetInt64Prop(&g, "Big"), int64_t{1} << 40);
  SetObjectProp(&g, "Buddy", &other);
  EXPECT_EQ(g.Buddy(), &other);
  EXPECT_EQ(GetObjectProp(&g, "Buddy"), &other);
  TObject plain;
  EXPECT_THROW(SetObjectProp(&g, "Buddy", &plain), EInvalidCast);
  SetObjectProp(&g, "Buddy", nullptr);
  EXPECT_EQ(g.Buddy(), nullptr);
  // Indexed properties share one getter and setter.
  SetOrdProp(&g, "Locked", 1);
  EXPECT_EQ(g.flags_, 4);
  EXPECT_EQ(GetOrdProp(&g, "Visible"), 0);
  SetEnumProp(&g, "Visible", "True");
  EXPECT_EQ(g.flags_, 5);
  // Read-only properties, including a data member getter.
  EXPECT_EQ(GetOrdProp(&g, "Version"), 7);
  EXPECT_EQ(GetOrdProp(&g, "Counter"), 3);
  EXPECT_FALSE(GetPropInfo(&g, "Counter")->IsWritable());
  EXPECT_THROW(SetOrdProp(&g, "Version", 1), EPropertyError);
  // Wrong kind for the call.
  EXPECT_THROW(GetStrProp(&g, "Width"), EPropertyError);
  EXPECT_THROW(GetOrdProp(&g, "Caption"), EPropertyError);
  EXPECT_THROW(GetFloatProp(&g, "Width"), EPropertyError);
  EXPECT_THROW(GetMethodProp(&g, "Width"), EPropertyError);
}

// An enumeration takes only the ordinals it names and a set only the bits of its elements: any
// other is refused with the property error, and the property keeps its value.
struct TOrdinalBeyond {
  const char* Prop;
  int64_t Value;
};
class OrdinalBeyondTheType : public ::testing::TestWithParam<TOrdinalBeyond> {};

TEST_P(OrdinalBeyondTheType, IsRefusedAndChangesNothing) {
  TBigGadget g;
  const int64_t before = GetOrdProp(&g, GetParam().Prop);
  try {
    SetOrdProp(&g, GetParam().Prop, GetParam().Value);
    ADD_FAILURE() << "taken";
  } catch (const EPropertyError& e) {
    EXPECT_EQ(e.Message(), "Invalid property value");
  }
  EXPECT_EQ(GetOrdProp(&g, GetParam().Prop), before);
}

INSTANTIATE_TEST_SUITE_P(
    Values, OrdinalBeyondTheType,
    ::testing::Values(TOrdinalBeyond{"Shade", 3}, TOrdinalBeyond{"Shade", 255},
                      TOrdinalBeyond{"Shade", 256}, TOrdinalBeyond{"Shade", -1},
                      TOrdinalBeyond{"Shade", INT64_MAX}, TOrdinalBeyond{"Shade", INT64_MIN},
                      TOrdinalBeyond{"Locked", 2}, TOrdinalBeyond{"Locked", -1},
                      TOrdinalBeyond{"Edges", 1 << 4}, TOrdinalBeyond{"Edges", 0x1F},
                      TOrdinalBeyond{"Edges", -1}, TOrdinalBeyond{"Edges", INT64_MIN}));

TEST(TypeInfo, OrdinalsAtTheEdgesOfTheTypeAreTaken) {
  TBigGadget g;
  SetOrdProp(&g, "Shade", shLight);
  EXPECT_EQ(g.Shade(), shLight);
  SetOrdProp(&g, "Shade", shDark);
  EXPECT_EQ(g.Shade(), shDark);
  SetOrdProp(&g, "Edges", 0xF);
  EXPECT_EQ(g.Edges(), (TEdges{edLeft, edTop, edRight, edBottom}));
  SetOrdProp(&g, "Edges", 0);
  EXPECT_TRUE(g.Edges().empty());
}

TEST(TypeInfo, MethodPropertiesAndPublishedMethods) {
  TBigGadget g, handler;
  const TMethodCode* code = handler.MethodAddress("ping");
  ASSERT_NE(code, nullptr);
  EXPECT_EQ(handler.MethodName(code), "Ping");
  EXPECT_EQ(handler.MethodAddress("Pong"), nullptr);
  EXPECT_EQ(handler.MethodName(nullptr), "");
  SetMethodProp(&g, "OnPing", TMethod{code, &handler});
  ASSERT_TRUE(g.OnPing().Assigned());
  g.OnPing()(&g);
  EXPECT_EQ(handler.pinged, &g);
  // Binding directly gives the same code entry as the published name.
  TNotifyEvent direct(&handler, &TBigGadget::Ping);
  EXPECT_EQ(direct, g.OnPing());
  EXPECT_EQ(GetMethodProp(&g, "OnPing").Code, code);
  SetMethodProp(&g, "OnPing", TMethod{});
  EXPECT_FALSE(g.OnPing().Assigned());
}

TEST(TypeInfo, StoredAndDefaultRules) {
  TBigGadget g;
  auto prop = [&](const char* n) { return GetPropInfo(&g, n); };
  EXPECT_TRUE(IsDefaultPropValue(&g, prop("Shade")));
  EXPECT_TRUE(IsDefaultPropValue(&g, prop("Edges")));
  EXPECT_FALSE(IsDefaultPropValue(&g, prop("Width")));  // 10, the redeclared default is 50
  g.SetWidth(50);
  EXPECT_TRUE(IsDefaultPropValue(&g, prop("Width")));
  EXPECT_FALSE(IsDefaultPropValue(&g, prop("Letter")));  // no default: always written
  EXPECT_TRUE(IsDefaultPropValue(&g, prop("Caption")));
  EXPECT_TRUE(IsDefaultPropValue(&g, prop("Ratio")));
  EXPECT_TRUE(IsDefaultPropValue(&g, prop("Big")));
  EXPECT_TRUE(IsDefaultPropValue(&g, prop("Buddy")));
  EXPECT_TRUE(IsDefaultPropValue(&g, prop("OnPing")));
  g.SetShade(shLight);
  g.SetRatio(0.5);
  g.SetCaption("x");
  EXPECT_FALSE(IsDefaultPropValue(&g, prop("Shade")));
  EXPECT_FALSE(IsDefaultPropValue(&g, prop("Ratio")));
  EXPECT_FALSE(IsDefaultPropValue(&g, prop("Caption")));
  EXPECT_TRUE(IsStoredProp(&g, "Caption"));
  g.SetCaption("skip");
  EXPECT_FALSE(IsStoredProp(&g, "Caption"));
  EXPECT_FALSE(IsStoredProp(&g, "Version"));
  EXPECT_TRUE(IsStoredProp(&g, "Width"));
  // A default given as an unsigned literal compares as the property's own type reads it.
  EXPECT_TRUE(IsDefaultPropValue(&g, prop("Mask")));
  EXPECT_EQ(prop("Mask")->Default, static_cast<int32_t>(0x8000000F));
}

TEST(TypeInfo, NamedIntegerTypesAndIdentifierMaps) {
  const TTypeInfo* level = LevelTypeInfo();
  EXPECT_EQ(level->Kind, tkInteger);
  EXPECT_EQ(level->Name(), "TLevel");
  EXPECT_EQ(FindIntToIdent(MakeIntegerTypeInfo("TOther")), nullptr);
  TBigGadget g;
  EXPECT_EQ(GetPropInfo(&g, "Level")->PropType, level);
  std::string name;
  ASSERT_NE(FindIntToIdent(level), nullptr);
  EXPECT_TRUE(FindIntToIdent(level)(255, name));
  EXPECT_EQ(name, "maxShade");
  int32_t v = 0;
  EXPECT_TRUE(FindIdentToInt(level)("maxShade", v));
  EXPECT_EQ(v, 255);
  EXPECT_EQ(FindIdentToInt(TypeInfoOf<int32_t>()), nullptr);
}

TEST(TypeInfo, ValuesAsText) {
  TBigGadget g;
  EXPECT_EQ(GetPropValue(&g, "Width"), "10");
  EXPECT_EQ(GetPropValue(&g, "Shade"), "shMedium");
  EXPECT_EQ(GetPropValue(&g, "Edges"), "[edLeft,edTop]");
  EXPECT_EQ(GetPropValue(&g, "Letter"), "a");
  EXPECT_EQ(GetPropValue(&g, "Visible"), "False");
  SetPropValue(&g, "Width", "-7");
  EXPECT_EQ(g.Width(), -7);
  SetPropValue(&g, "Width", "$10");
  EXPECT_EQ(g.Width(), 16);
  EXPECT_THROW(SetPropValue(&g, "Width", "ten"), EConvertError);
  SetPropValue(&g, "Shade", "shdark");
  EXPECT_EQ(g.Shade(), shDark);
  SetPropValue(&g, "Shade", "0");  // a number in range
  EXPECT_EQ(g.Shade(), shLight);
  EXPECT_THROW(SetPropValue(&g, "Shade", "3"), EPropertyError);
  SetPropValue(&g, "Edges", "[edBottom]");
  EXPECT_EQ(g.Edges(), TEdges{edBottom});
  SetPropValue(&g, "Ratio", "0.25");
  EXPECT_DOUBLE_EQ(g.Ratio(), 0.25);
  EXPECT_EQ(GetPropValue(&g, "Ratio"), "0.25");
  SetPropValue(&g, "Big", "1099511627776");
  EXPECT_EQ(g.Big(), int64_t{1} << 40);
  SetPropValue(&g, "Visible", "true");
  EXPECT_EQ(g.flags_, 1);
  SetPropValue(&g, "Letter", "Z");
  EXPECT_EQ(g.Letter(), 'Z');
  EXPECT_THROW(SetPropValue(&g, "Letter", "ZZ"), EPropertyError);
  SetPropValue(&g, "Caption", "  spaced  ");
  EXPECT_EQ(GetPropValue(&g, "Caption"), "  spaced  ");
  EXPECT_THROW(GetPropValue(&g, "Buddy"), EPropertyError);
  EXPECT_THROW(SetPropValue(&g, "OnPing", "Ping"), EPropertyError);
  // Named integer types take their identifiers too.
  SetPropValue(&g, "Level", "maxShade");
  EXPECT_EQ(g.level_, 255);
  SetPropValue(&g, "Level", "12");
  EXPECT_EQ(GetPropValue(&g, "Level"), "12");
}

TEST(TypeInfo, MisusedPropertyInformationIsRefused) {
  TGadget small;
  TBigGadget big;
  const TPropInfo* extra = GetPropInfo(&big, "Extra");
  ASSERT_NE(extra, nullptr);
  EXPECT_THROW(GetStrProp(&small, extra), EPropertyError);  // not a TBigGadget
  EXPECT_THROW(SetStrProp(&small, extra, "x"), EPropertyError);
  EXPECT_THROW(GetStrProp(nullptr, extra), EPropertyError);
  EXPECT_THROW(GetOrdProp(&small, static_cast<const TPropInfo*>(nullptr)), EPropertyError);
  EXPECT_THROW(IsStoredProp(&small, GetPropInfo(&big, "Nothing")), EPropertyError);
  const TPropInfo* caption = GetPropInfo(&small, "Caption");
  EXPECT_THROW(IsStoredProp(nullptr, caption), EPropertyError);  // its rule asks the object
  EXPECT_EQ(GetPropInfo(static_cast<TObject*>(nullptr), "Width"), nullptr);
  EXPECT_TRUE(GetPropList(static_cast<TClass>(nullptr)).empty());
}
