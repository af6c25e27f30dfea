// The collection editor a collection property opens, driven as a user drives it: its lines, its
// Add New, Delete, Move Up and Move Down, the chosen item edited through the object inspector,
// and what the designer hears of each change.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls/ExtCtrls.h"
#include "platform/controls/HeaderCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/designer/ColnEdit.h"
#include "platform/testkit/DialogScript.h"
#include "tests/platform/designer/DesignerTestSupport.h"
#include "tests/support/DesignerDrivers.h"

namespace vcl::dztest {
namespace {

using testkit::TInspectorDriver;
using Strings = std::vector<std::string>;

class CollectionEditorTest : public DesignerTest {
 protected:
  CollectionEditorTest() {
    header_ = Add<THeaderControl>("Header1");
    for (const char* text : {"A", "B", "C"}) header_->Sections()->Add()->SetText(text);
    designer_->SelectComponent(header_);
    designer_->ResetModified();
  }

  // Opens the editor of Sections through the inspector and runs Steps on it, then closes it with
  // its Close button.
  void Run(const std::function<void(TCollectionEditor*)>& Steps) {
    testkit::TDialogScript script;
    script.Do([&](TCustomForm* f) {
      auto* editor = dynamic_cast<TCollectionEditor*>(f);
      ASSERT_NE(editor, nullptr);
      Steps(editor);
    });
    script.Press("Close");
    TInspectorDriver(designer_, {header_}, "Sections").Edit();
    EXPECT_EQ(script.Pending(), 0u);
    shown_ = script.Shown();
  }

  static Strings Lines(TCollectionEditor* e) {
    Strings lines;
    for (int i = 0; i < e->ItemList->Items()->Count(); ++i)
      lines.push_back(e->ItemList->Items()->Strings(i));
    return lines;
  }
  // Which commands are enabled: Add New, Delete, Move Up, Move Down as "1" or "0".
  static std::string Commands(TCollectionEditor* e) {
    std::string s;
    for (TButton* b : {e->AddCmd, e->DeleteCmd, e->MoveUpCmd, e->MoveDownCmd})
      s += b->Enabled() ? "1" : "0";
    return s;
  }
  TPersistent* Selected() {
    TDesignerSelections selection;
    designer_->GetSelections(selection);
    return selection.Count() == 1 ? selection[0] : nullptr;
  }
  Strings Texts() {
    Strings texts;
    for (int i = 0; i < header_->Sections()->Count(); ++i)
      texts.push_back(header_->Sections()->Items(i)->Text());
    return texts;
  }

  THeaderControl* header_;
  std::vector<testkit::TShownDialog> shown_;
};

TEST_F(CollectionEditorTest, EachComponentOfTheLayoutIsTheFieldOfItsName) {
  Run([](TCollectionEditor* e) {
    const std::vector<std::pair<std::string, TComponent*>> fields = {
        {"ToolBar", e->ToolBar},         {"AddCmd", e->AddCmd},
        {"DeleteCmd", e->DeleteCmd},     {"MoveUpCmd", e->MoveUpCmd},
        {"MoveDownCmd", e->MoveDownCmd}, {"ItemList", e->ItemList},
        {"BottomPanel", e->BottomPanel}, {"CloseBtn", e->CloseBtn}};
    for (const auto& [name, field] : fields) {
      SCOPED_TRACE(name);
      ASSERT_NE(field, nullptr);
      EXPECT_EQ(field, e->FindComponent(name));
    }
    EXPECT_EQ(e->ComponentCount(), static_cast<int>(fields.size()));
  });
}

TEST_F(CollectionEditorTest, ACollectionPropertyOpensTheEditorListingItsItems) {
  TInspectorDriver inspect(designer_, {header_}, "Sections");
  EXPECT_EQ(std::string(inspect.EditorClass()->Name), "TCollectionProperty");
  EXPECT_EQ(inspect.AttributeBits(), 0x44);  // dialog, read-only
  EXPECT_EQ(inspect.Value(), "(THeaderSections)");
  Strings lines;
  std::string commands;
  int chosen = -2;
  Run([&](TCollectionEditor* e) {
    lines = Lines(e);
    commands = Commands(e);
    chosen = e->ItemList->ItemIndex();
  });
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].Caption, "Editing DzForm.Header1.Sections");
  EXPECT_EQ(lines, (Strings{"0 - A", "1 - B", "2 - C"}));
  EXPECT_EQ(chosen, -1);
  EXPECT_EQ(commands, "1000");
  // Looking changes nothing and reports nothing.
  EXPECT_EQ(designer_->ModifiedCount(), 0);
  EXPECT_EQ(Texts(), (Strings{"A", "B", "C"}));
  EXPECT_EQ(Selected(), header_);
}

// Each command works on the collection at once, reports one modification, and leaves the item
// it concerns chosen and selected in the designer.
TEST_F(CollectionEditorTest, EachCommandChangesTheCollectionAndReportsOneModification) {
  struct TStep {
    const char* Name;
    std::function<void(TCollectionEditor*)> Do;
    Strings Lines;
    int Chosen;
    std::string Commands;
  };
  const auto click = [](TButton* (*Of)(TCollectionEditor*)) {
    return [Of](TCollectionEditor* e) { testkit::ClickControl(Of(e)); };
  };
  const std::vector<TStep> steps = {
      {"choose B",
       [](TCollectionEditor* e) { testkit::ChooseListItem(e->ItemList, "1 - B"); },
       {"0 - A", "1 - B", "2 - C"},
       1,
       "1111"},
      {"move up",
       click([](TCollectionEditor* e) { return e->MoveUpCmd; }),
       {"0 - B", "1 - A", "2 - C"},
       0,
       "1101"},
      {"move down",
       click([](TCollectionEditor* e) { return e->MoveDownCmd; }),
       {"0 - A", "1 - B", "2 - C"},
       1,
       "1111"},
      {"choose C",
       [](TCollectionEditor* e) { testkit::ChooseListItem(e->ItemList, "2 - C"); },
       {"0 - A", "1 - B", "2 - C"},
       2,
       "1110"},
      {"move up again",
       click([](TCollectionEditor* e) { return e->MoveUpCmd; }),
       {"0 - A", "1 - C", "2 - B"},
       1,
       "1111"},
      {"add new",
       click([](TCollectionEditor* e) { return e->AddCmd; }),
       {"0 - A", "1 - C", "2 - B", "3 - THeaderSection"},
       3,
       "1110"},
      {"delete the last",
       click([](TCollectionEditor* e) { return e->DeleteCmd; }),
       {"0 - A", "1 - C", "2 - B"},
       2,
       "1110"},
      {"choose A",
       [](TCollectionEditor* e) { testkit::ChooseListItem(e->ItemList, "0 - A"); },
       {"0 - A", "1 - C", "2 - B"},
       0,
       "1101"},
      {"delete the first",
       click([](TCollectionEditor* e) { return e->DeleteCmd; }),
       {"0 - C", "1 - B"},
       0,
       "1101"},
  };
  const int reported[] = {0, 1, 2, 2, 3, 4, 5, 5, 6};
  Run([&](TCollectionEditor* e) {
    for (size_t i = 0; i < steps.size(); ++i) {
      const TStep& s = steps[i];
      SCOPED_TRACE(s.Name);
      s.Do(e);
      EXPECT_EQ(Lines(e), s.Lines);
      EXPECT_EQ(e->ItemList->ItemIndex(), s.Chosen);
      EXPECT_EQ(Commands(e), s.Commands);
      EXPECT_EQ(designer_->ModifiedCount(), reported[i]);
      EXPECT_EQ(Selected(), header_->Sections()->Items(s.Chosen));
    }
  });
  EXPECT_EQ(Texts(), (Strings{"C", "B"}));
  // Closed, the editor gives the selection back to the component.
  EXPECT_EQ(Selected(), header_);
}

// The chosen item is the inspector's: its properties are set there, the change is reported by
// the inspector once, and the item's line follows.
TEST_F(CollectionEditorTest, TheChosenItemIsEditedThroughTheInspector) {
  Strings lines;
  int chosen = -2;
  Run([&](TCollectionEditor* e) {
    testkit::ChooseListItem(e->ItemList, "1 - B");
    ASSERT_NE(Selected(), nullptr);
    TInspectorDriver text(designer_, {Selected()}, "Text");
    EXPECT_EQ(text.Value(), "B");
    text.SetValue("Bee");
    TInspectorDriver(designer_, {Selected()}, "Width").SetValue("77");
    lines = Lines(e);
    chosen = e->ItemList->ItemIndex();
  });
  EXPECT_EQ(lines, (Strings{"0 - A", "1 - Bee", "2 - C"}));
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(header_->Sections()->Items(1)->Text(), "Bee");
  EXPECT_EQ(header_->Sections()->Items(1)->Width(), 77);
  EXPECT_EQ(designer_->ModifiedCount(), 2);
  EXPECT_EQ(Selected(), header_);
}

// An empty collection: only Add New is offered; a collection property of something that is no
// component's, or no collection, opens nothing.
TEST_F(CollectionEditorTest, AnEmptyCollectionOffersOnlyAddNew) {
  while (header_->Sections()->Count() > 0) header_->Sections()->Delete(0);
  Strings lines{"x"};
  std::string commands;
  Run([&](TCollectionEditor* e) {
    lines = Lines(e);
    commands = Commands(e);
    // Delete and the moves with nothing chosen do nothing.
    e->DeleteClick(e);
    e->MoveUpClick(e);
    e->MoveDownClick(e);
  });
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(commands, "1000");
  EXPECT_EQ(designer_->ModifiedCount(), 0);
  EXPECT_THROW(ShowCollectionEditor(designer_, header_, nullptr, "Sections"), EPropertyError);
}

}  // namespace
}  // namespace vcl::dztest
