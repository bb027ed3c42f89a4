#include <gtest/gtest.h>

#include "controls/RowList.h"
#include "store/EntryLine.h"
#include "store/EntryRows.h"

namespace qx {
namespace {

// Ownership mistakes in these tests show under the sanitizers as leaks or double frees.
std::unique_ptr<RowData> MakeData(const std::string& name) {
    return std::make_unique<RowData>(ParseEntryLine(name));
}

TEST(RowList, SortsCaseInsensitivelyAndFindsTheFirstMatch) {
    RowList list;
    for (const char* s : {"b", "A", "c", "\xC4pfel", "a"}) list.Add(s);
    list.Sort();
    EXPECT_EQ(list.Strings(2), "b");
    EXPECT_EQ(list.Strings(4), "\xC4pfel");
    EXPECT_EQ(list.IndexOf("\xE4PFEL"), 4);
    EXPECT_EQ(list.IndexOf("d"), -1);
    list.SetString(1, "a");
    list.SetString(0, "A");
    EXPECT_EQ(list.IndexOf("a"), 0);
}

TEST(RowList, HooksRefuseAdditionsAndRemovalsAndClearKeepsRefusedItems) {
    RowList list;
    std::vector<std::string> added;
    list.SetAddedHook([&](const std::string& s) {
        added.push_back(s);
        return s != "no";
    });
    EXPECT_EQ(list.Add("keep"), 0);
    EXPECT_EQ(list.Add("no"), -1);
    for (const char* s : {"a", "b"}) list.AddObject(s, MakeData(s));  // only Add and Assign ask
    EXPECT_EQ(added, (std::vector<std::string>{"keep", "no"}));

    std::vector<std::string> seen;
    list.SetRemovalHook([&](int index, bool&) {
        seen.push_back(list.Strings(index));
        return list.Strings(index) != "keep";
    });
    EXPECT_FALSE(list.Delete(0));
    EXPECT_TRUE(list.Delete(1));
    list.Clear();
    EXPECT_EQ(seen, (std::vector<std::string>{"keep", "a", "keep", "b"}));
    ASSERT_EQ(list.Count(), 1);
    list.SetSkipEvents(true);
    EXPECT_TRUE(list.Delete(0));  // no hook asked
    EXPECT_EQ(seen.size(), 4u);
}

TEST(RowList, AssignSharesObjectsAndNeverFreesThem) {
    RowList source;
    source.AddObject("a", MakeData("a"));
    EXPECT_EQ(source.AddObject("b", MakeData("b")), 1);  // the index of the new row
    {
        RowList view;
        view.Add("old");
        view.SetAddedHook([](const std::string& s) { return s != "b"; });
        view.Assign(source);
        ASSERT_EQ(view.Count(), 1);
        EXPECT_EQ(view.Objects(0), source.Objects(0));
        EXPECT_FALSE(view.OwnsObject(0));
        EXPECT_EQ(view.AddObjectRef("b2", source.Objects(1)), 1);
        view.Clear();  // frees nothing of source's
    }
    source.InsertObject(0, "first", MakeData("f"));
    source.InsertObjectRef(1, "ref", source.Objects(2));
    EXPECT_TRUE(source.Delete(1));
    EXPECT_EQ(EntryAt(source, 2).Name(), "b");  // the owner still holds it
}

TEST(RowList, RevisionsGrowOnlyWhenItemsOrEntryTextsChange) {
    RowList list;
    std::uint64_t last = list.Revision();
    auto changed = [&] {
        const bool grew = list.Revision() > last;
        last = list.Revision();
        return grew;
    };
    list.Add("b");
    list.AddObjectRef("a", list.Objects(0));
    EXPECT_TRUE(changed());
    list.Sort();
    EXPECT_TRUE(changed());
    EXPECT_EQ(list.IndexOf("a"), 0);
    EXPECT_FALSE(list.Delete(5));
    EXPECT_FALSE(changed());
    list.Delete(0);
    EXPECT_TRUE(changed());
    const std::uint64_t text = Entry::TextRevision();
    EntryAt(list, 0).SetText(EntryText::SearchTerms, "new");
    EXPECT_GT(Entry::TextRevision(), text);
}

}  // namespace
}  // namespace qx
