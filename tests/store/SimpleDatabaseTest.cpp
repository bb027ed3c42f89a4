#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "store/SimpleDatabase.h"

namespace qx {
namespace {

using Map = std::map<std::string, std::int32_t>;

Map Contents(const SimpleDatabase& db) {
    Map all;
    db.ForEach([&](const std::string& key, std::int32_t value) {
        EXPECT_TRUE(all.emplace(key, value).second) << "visited twice: " << key;
    });
    return all;
}

TEST(SimpleDatabase, EveryTwoByteKeyLandsInRowsAndColumnsUpTo26) {
    // Which bucket a byte folds to is the grid's own business; every key must land inside it.
    SimpleDatabase db;
    std::string key(2, '\0');
    for (int code = 0; code < 65536; ++code) {
        key[0] = static_cast<char>(code >> 8);
        key[1] = static_cast<char>(code & 0xFF);
        db.Set(key, 1);
    }
    EXPECT_EQ(db.Count(), 65536u);
    std::size_t total = 0;  // every key lies in a bucket ChainLength reaches, none in row or column 27
    for (int row = 0; row < SimpleDatabase::kSide; ++row) {
        for (int column = 0; column < SimpleDatabase::kSide; ++column) total += db.ChainLength({row, column});
        EXPECT_EQ(db.ChainLength({27, row}) + db.ChainLength({row, 27}), 0u);
    }
    EXPECT_EQ(total, 65536u);
    EXPECT_EQ(db.ChainLength({-1, 0}), 0u);
}

TEST(SimpleDatabase, KeysAreExactBytesSetReplacesAndAbsentKeysGetZero) {
    const std::vector<std::string> keys = {"Readme.txt", "readme.txt", "README.TXT", "readme.txt ",
                                           "\xDC" "bersicht", "\xFC" "bersicht", std::string("a\0b", 3), "a"};
    SimpleDatabase db;
    for (size_t i = 0; i < keys.size(); ++i) db.Set(keys[i], static_cast<std::int32_t>(i) + 1);
    db.Set("a", 99);
    EXPECT_EQ(db.Count(), keys.size());
    for (size_t i = 0; i + 1 < keys.size(); ++i) EXPECT_EQ(db.Get(keys[i]), static_cast<std::int32_t>(i) + 1) << keys[i];
    EXPECT_EQ(db.Get("a"), 99);
    EXPECT_EQ(db.Get("readme.tx"), 0);
    EXPECT_EQ(db.Get(std::string("a\0", 2)), 0);
    db.Set("", -2147483647 - 1);
    EXPECT_EQ(db.Get(""), -2147483647 - 1);
}

TEST(SimpleDatabase, DeleteUnlinksHeadMiddleAndTailOfAChainAndIgnoresAbsentKeys) {
    // All five share bucket (17, 17); each new key goes to the head, so the chain is e d c b a.
    for (const char* victim : {"a", "aac", "aae"}) {
        SimpleDatabase db;
        for (const char* key : {"a", "aa", "aac", "aad", "aae"}) db.Set(key, 1);
        for (const char* absent : {"AA", "aab", ""}) db.Delete(absent);
        db.Delete(victim);
        EXPECT_EQ(db.Get(victim), 0) << victim;
        EXPECT_EQ(db.ChainLength({17, 17}), 4u) << victim;
        EXPECT_EQ(Contents(db).size(), 4u) << victim;
        db.Set(victim, 3);
        EXPECT_EQ(db.Get(victim), 3);
    }
}

// The order ForEach visits in is the grid's own business: the program only diffs by Get.
TEST(SimpleDatabase, ClearEmptiesEveryBucket) {
    SimpleDatabase db;
    for (int i = 0; i < 500; ++i) db.Set("file" + std::to_string(i), i + 1);
    db.Clear();
    EXPECT_EQ(db.Count(), 0u);
    EXPECT_EQ(db.Get("file7"), 0);
    EXPECT_TRUE(Contents(db).empty());
}

TEST(SimpleDatabase, ChainNodesAreFreedWithoutRecursion) {
    // A million nodes would overflow the stack if each destructor freed its successor by nesting.
    DatabaseChain mate;
    for (int i = 0; i < 1000000; ++i) {
        auto node = std::make_unique<DatabaseNode>("k", i);
        node->next = std::move(mate.head);
        mate.head = std::move(node);
    }
    mate.head.reset();
}

}  // namespace
}  // namespace qx
