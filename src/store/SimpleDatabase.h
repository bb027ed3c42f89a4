#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace qx {

// One chain node: a key and its value. Keys compare byte-wise, case-sensitively.
struct DatabaseNode {
    DatabaseNode(std::string text, std::int32_t data) : key(std::move(text)), value(data) {}
    // Frees the rest of the chain in a loop: the default destructor would recurse once per node.
    ~DatabaseNode();
    DatabaseNode(const DatabaseNode&) = delete;
    DatabaseNode& operator=(const DatabaseNode&) = delete;

    std::string key;
    std::int32_t value = 0;
    std::unique_ptr<DatabaseNode> next;
};

// One bucket: the head of its chain, empty when the bucket holds no key.
struct DatabaseChain {
    std::unique_ptr<DatabaseNode> head;
};

// Small map from text keys to 32-bit values over a fixed grid of 28 x 28 buckets chosen by the
// first two bytes of the key. Used to diff folder listings: names read from disk against names
// on display. Get of an absent key gives 0, so callers store 1 for "present".
class SimpleDatabase {
public:
    static constexpr int kSide = 28;
    static constexpr int kBucketCount = kSide * kSide;

    struct Bucket {
        int row;
        int column;
        bool operator==(const Bucket&) const = default;
    };

    SimpleDatabase() = default;
    SimpleDatabase(const SimpleDatabase&) = delete;
    SimpleDatabase& operator=(const SimpleDatabase&) = delete;

    // Stores value under key, inserting the key when absent.
    void Set(std::string_view key, std::int32_t value);
    // The stored value, or 0 when the key is absent.
    std::int32_t Get(std::string_view key) const;
    // Removes the key if present.
    void Delete(std::string_view key);
    // Removes every key; the buckets stay.
    void Clear();

    // Visits every key once, bucket by bucket (rows, then columns), each chain from its head.
    // The map must not be changed during the visit.
    void ForEach(const std::function<void(const std::string& key, std::int32_t value)>& visit) const;
    std::size_t Count() const { return count_; }

    // The bucket a key lands in: rows and columns 0..26, so row 27 and column 27 stay empty.
    static Bucket BucketOf(std::string_view key);
    // A byte folded into 0..26 by subtracting 10 modulo 256 at least once and until it is <= 26.
    static int FoldByte(unsigned char byte);
    std::size_t ChainLength(Bucket bucket) const;

private:
    DatabaseChain& ChainOf(std::string_view key);
    const DatabaseChain& ChainOf(std::string_view key) const;

    std::array<DatabaseChain, kBucketCount> buckets_;
    std::size_t count_ = 0;
};

}  // namespace qx
