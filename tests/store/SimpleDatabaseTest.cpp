#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "store/SimpleDatabase.h"

namespace qx {
namespace {

using Bucket = TSimpleDatabase::Bucket;

std::map<std::string, std::int32_t> Contents(const TSimpleDatabase& db) {
    std::map<std::string, std::int32_t> all;
    db.ForEach([&](const std::string& key, std::int32_t value) {
        EXPECT_TRUE(all.emplace(key, value).second) << "visited twice: " << key;
    });
    return all;
}

TEST(SimpleDatabase, FoldByte_SubtractsTenAtLeastOnceUntilAtMost26) {
    EXPECT_EQ(TSimpleDatabase::FoldByte('A'), 25);
    EXPECT_EQ(TSimpleDatabase::FoldByte('a'), 17);
    EXPECT_EQ(TSimpleDatabase::FoldByte('0'), 18);
    EXPECT_EQ(TSimpleDatabase::FoldByte(10), 0);
    EXPECT_EQ(TSimpleDatabase::FoldByte(36), 26);  // equal to 26 stops
    EXPECT_EQ(TSimpleDatabase::FoldByte(37), 17);  // 27 exceeds 26 and goes on
    EXPECT_EQ(TSimpleDatabase::FoldByte(26), 16);  // at least once, even when already small
    EXPECT_EQ(TSimpleDatabase::FoldByte(0), 26);   // wraps: 246, 236, ..., 36, 26
    EXPECT_EQ(TSimpleDatabase::FoldByte(9), 25);   // 255, 245, ..., 35, 25
    EXPECT_EQ(TSimpleDatabase::FoldByte(0xFC), 22);
    EXPECT_EQ(TSimpleDatabase::FoldByte(0xFF), 25);
}

TEST(SimpleDatabase, BucketOf_UsesTheFirstTwoBytes) {
    EXPECT_EQ(TSimpleDatabase::BucketOf(""), (Bucket{1, 1}));
    EXPECT_EQ(TSimpleDatabase::BucketOf("a"), (Bucket{17, 17}));
    EXPECT_EQ(TSimpleDatabase::BucketOf("aa"), TSimpleDatabase::BucketOf("a"));
    EXPECT_EQ(TSimpleDatabase::BucketOf("ab"), (Bucket{17, 18}));
    EXPECT_EQ(TSimpleDatabase::BucketOf("ax"), (Bucket{17, 20}));
    EXPECT_EQ(TSimpleDatabase::BucketOf("A0rest is ignored"), (Bucket{25, 18}));
    EXPECT_EQ(TSimpleDatabase::BucketOf("A0"), TSimpleDatabase::BucketOf("A0x"));
    // A lone byte 11 folds to 1, the same bucket as the empty key.
    EXPECT_EQ(TSimpleDatabase::BucketOf("\x0B"), TSimpleDatabase::BucketOf(""));
}

TEST(SimpleDatabase, Row27AndColumn27StayEmpty) {
    TSimpleDatabase db;
    std::string key(2, '\0');
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            key[0] = static_cast<char>(first);
            key[1] = static_cast<char>(second);
            db.Set(key, 1);
        }
    }
    db.Set("", 1);
    EXPECT_EQ(db.Count(), 65537u);
    for (int i = 0; i < TSimpleDatabase::kSide; ++i) {
        EXPECT_EQ(db.ChainLength({27, i}), 0u);
        EXPECT_EQ(db.ChainLength({i, 27}), 0u);
    }
    EXPECT_GT(db.ChainLength({26, 26}), 0u);
    EXPECT_EQ(db.ChainLength({28, 0}), 0u);
    EXPECT_EQ(db.ChainLength({-1, 0}), 0u);
}

TEST(SimpleDatabase, KeysAreExactBytes) {
    const std::vector<std::string> keys = {"Readme.txt", "readme.txt", "README.TXT", "readme.txt ", "\xDC" "bersicht",
                                           "\xFC" "bersicht", std::string("a\0b", 3), "a"};
    TSimpleDatabase db;
    for (size_t i = 0; i < keys.size(); ++i) db.Set(keys[i], static_cast<std::int32_t>(i) + 1);
    EXPECT_EQ(db.Count(), keys.size());
    for (size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(db.Get(keys[i]), static_cast<std::int32_t>(i) + 1) << keys[i];
    EXPECT_EQ(db.Get("readme.tx"), 0);
    EXPECT_EQ(db.Get(std::string("a\0", 2)), 0);
}

TEST(SimpleDatabase, SetReplacesTheValueOfAnExistingKeyAndAbsentKeysGetZero) {
    TSimpleDatabase db;
    EXPECT_EQ(db.Get("never set"), 0);
    db.Set("zero", 0);
    EXPECT_EQ(db.Get("zero"), 0);
    db.Delete("zero");
    db.Set("", -2147483647 - 1);
    EXPECT_EQ(db.Get(""), -2147483647 - 1);
    db.Delete("");
    db.Set("a", 1);
    db.Set("aa", 2);
    db.Set("a", 9);
    EXPECT_EQ(db.Count(), 2u);
    EXPECT_EQ(db.ChainLength(TSimpleDatabase::BucketOf("a")), 2u);
    EXPECT_EQ(Contents(db), (std::map<std::string, std::int32_t>{{"a", 9}, {"aa", 2}}));
}

TEST(SimpleDatabase, DeleteUnlinksHeadMiddleAndTailOfAChain) {
    // All five share bucket (17, 17); each new key goes to the head, so the chain is e d c b a.
    for (const char* victim : {"a", "aac", "aae"}) {
        TSimpleDatabase db;
        for (const char* key : {"a", "aa", "aac", "aad", "aae"}) db.Set(key, 1);
        ASSERT_EQ(db.ChainLength({17, 17}), 5u);
        db.Delete(victim);
        EXPECT_EQ(db.Get(victim), 0) << victim;
        EXPECT_EQ(db.Count(), 4u) << victim;
        EXPECT_EQ(db.ChainLength({17, 17}), 4u) << victim;
        int remaining = 0;
        for (const char* key : {"a", "aa", "aac", "aad", "aae"}) remaining += db.Get(key);
        EXPECT_EQ(remaining, 4) << victim;
        db.Set(victim, 3);
        EXPECT_EQ(db.Get(victim), 3);
        EXPECT_EQ(db.Count(), 5u);
    }
}

TEST(SimpleDatabase, DeleteOfAbsentKeyChangesNothing) {
    TSimpleDatabase db;
    db.Delete("x");
    db.Set("ab", 1);
    for (const char* absent : {"AB", "abc", "a", ""}) db.Delete(absent);
    EXPECT_EQ(Contents(db), (std::map<std::string, std::int32_t>{{"ab", 1}}));
}

TEST(SimpleDatabase, ClearRemovesEveryKeyAndTheMapStaysUsable) {
    TSimpleDatabase db;
    db.Clear();
    EXPECT_EQ(db.Count(), 0u);
    for (int i = 0; i < 500; ++i) db.Set("file" + std::to_string(i) + ".txt", i + 1);
    EXPECT_EQ(db.Count(), 500u);
    db.Clear();
    EXPECT_EQ(db.Count(), 0u);
    EXPECT_TRUE(Contents(db).empty());
    EXPECT_EQ(db.Get("file7.txt"), 0);
    db.Set("file7.txt", 70);
    EXPECT_EQ(Contents(db), (std::map<std::string, std::int32_t>{{"file7.txt", 70}}));
}

TEST(SimpleDatabase, ForEachVisitsBucketsInRowOrderAndChainsFromTheHead) {
    TSimpleDatabase db;
    db.Set("b", 1);   // (18, 18)
    db.Set("A0", 2);  // (25, 18)
    db.Set("a", 3);   // (17, 17)
    db.Set("aa", 4);  // (17, 17), now the head
    db.Set("", 5);    // (1, 1)
    std::string order;
    db.ForEach([&](const std::string& key, std::int32_t value) { order += key + "=" + std::to_string(value) + ";"; });
    EXPECT_EQ(order, "=5;aa=4;a=3;b=1;A0=2;");
}

TEST(SimpleDatabase, ChainNodesAreFreedWithoutRecursion) {
    // A million linked nodes would overflow the stack if each destructor freed its successor
    // by nesting.
    TArrayMate mate;
    for (int i = 0; i < 1000000; ++i) {
        auto node = std::make_unique<TTeDaConn>("k", i);
        node->paTNext = std::move(mate.head);
        mate.head = std::move(node);
    }
    EXPECT_EQ(mate.head->paData, 999999);
    mate.head.reset();
    EXPECT_EQ(mate.head, nullptr);
}

}  // namespace
}  // namespace qx
