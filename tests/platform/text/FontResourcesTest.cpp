// Fonts removed and installed again while a program runs: the enumeration follows, substituted
// names go with the face they stand for, and a file the catalogue does not hold is refused.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/text/FontEngine.h"
#include "platform/text/Text.h"

namespace {

using namespace win;

int CALLBACK_Collect(const LOGFONTA* lf, const TEXTMETRICA*, DWORD, LPARAM data) {
  reinterpret_cast<std::set<std::string>*>(data)->insert(lf->lfFaceName);
  return 1;
}

std::set<std::string> ListedFaces() {
  std::set<std::string> names;
  EnumFontFamiliesA(nullptr, nullptr, &CALLBACK_Collect, reinterpret_cast<LPARAM>(&names));
  return names;
}

// The first face of the catalogue that some substituted name maps onto, with that name.
bool SubstitutedFace(fontengine::TCatalogFace& face, std::string& alias) {
  for (const auto& [from, to] : fontengine::SubstitutedNames())
    for (const fontengine::TCatalogFace& f : fontengine::CatalogFaces())
      if (f.FaceName == to && !f.File.empty()) {
        face = f;
        alias = from;
        return true;
      }
  return false;
}

class FontResources : public ::testing::Test {
 protected:
  ~FontResources() override { ResetFontResources(); }
};

TEST_F(FontResources, ARemovedFaceLeavesTheListWithItsSubstitutedNamesAndComesBack) {
  ASSERT_TRUE(fontengine::FontsAvailable());
  fontengine::TCatalogFace face;
  std::string alias;
  ASSERT_TRUE(SubstitutedFace(face, alias));
  const std::set<std::string> before = ListedFaces();
  ASSERT_TRUE(before.count(face.FaceName));
  ASSERT_TRUE(before.count(alias));

  ASSERT_TRUE(RemoveFontResourceA(face.File.c_str()));
  const std::set<std::string> removed = ListedFaces();
  // Only the face and the names standing for it went.
  std::set<std::string> gone{face.FaceName};
  for (const auto& [from, to] : fontengine::SubstitutedNames())
    if (to == face.FaceName) gone.insert(from);
  EXPECT_TRUE(gone.count(alias));
  std::set<std::string> expected;
  for (const std::string& name : before)
    if (!gone.count(name)) expected.insert(name);
  EXPECT_EQ(removed, expected);
  std::set<std::string> named;
  EnumFontFamiliesA(nullptr, face.FaceName.c_str(), &CALLBACK_Collect,
                    reinterpret_cast<LPARAM>(&named));
  EXPECT_TRUE(named.empty());

  EXPECT_EQ(AddFontResourceA(face.File.c_str()), 1);
  EXPECT_EQ(ListedFaces(), before);
}

TEST_F(FontResources, FilesOutsideTheCatalogueAreRefused) {
  const std::set<std::string> before = ListedFaces();
  for (const char* file : {"", "/no/such/font.ttf", "font.ttf"}) {
    SCOPED_TRACE(file);
    EXPECT_EQ(AddFontResourceA(file), 0);
    EXPECT_FALSE(RemoveFontResourceA(file));
  }
  EXPECT_EQ(AddFontResourceA(nullptr), 0);
  EXPECT_FALSE(RemoveFontResourceA(nullptr));
  EXPECT_EQ(ListedFaces(), before);
}

TEST_F(FontResources, AResetListsEveryFaceAgain) {
  const std::set<std::string> before = ListedFaces();
  for (const fontengine::TCatalogFace& f : fontengine::CatalogFaces())
    if (!f.File.empty()) RemoveFontResourceA(f.File.c_str());
  EXPECT_TRUE(ListedFaces().empty());
  ResetFontResources();
  EXPECT_EQ(ListedFaces(), before);
}

}  // namespace
