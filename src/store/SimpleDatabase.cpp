#include "store/SimpleDatabase.h"

namespace qx {

namespace {

constexpr std::array<unsigned char, 256> MakeFoldTable() {
    std::array<unsigned char, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        int folded = byte;
        do {
            folded = (folded + 256 - 10) % 256;
        } while (folded > 26);
        table[byte] = static_cast<unsigned char>(folded);
    }
    return table;
}

constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

static_assert(kFold['A'] == 25 && kFold['a'] == 17 && kFold['0'] == 18);

}  // namespace

DatabaseNode::~DatabaseNode() {
    std::unique_ptr<DatabaseNode> rest = std::move(next);
    // Each step detaches the successor before the node itself goes, so no destructor nests.
    while (rest) rest = std::move(rest->next);
}

int SimpleDatabase::FoldByte(unsigned char byte) { return kFold[byte]; }

SimpleDatabase::Bucket SimpleDatabase::BucketOf(std::string_view key) {
    if (key.empty()) return {1, 1};
    const auto first = static_cast<unsigned char>(key[0]);
    const auto second = key.size() > 1 ? static_cast<unsigned char>(key[1]) : first;
    return {kFold[first], kFold[second]};
}

DatabaseChain& SimpleDatabase::ChainOf(std::string_view key) {
    const Bucket bucket = BucketOf(key);
    return buckets_[static_cast<std::size_t>(bucket.row * kSide + bucket.column)];
}

const DatabaseChain& SimpleDatabase::ChainOf(std::string_view key) const {
    const Bucket bucket = BucketOf(key);
    return buckets_[static_cast<std::size_t>(bucket.row * kSide + bucket.column)];
}

void SimpleDatabase::Set(std::string_view key, std::int32_t value) {
    DatabaseChain& mate = ChainOf(key);
    for (DatabaseNode* node = mate.head.get(); node; node = node->next.get()) {
        if (node->key == key) {
            node->value = value;
            return;
        }
    }
    auto node = std::make_unique<DatabaseNode>(std::string(key), value);
    node->next = std::move(mate.head);
    mate.head = std::move(node);
    ++count_;
}

std::int32_t SimpleDatabase::Get(std::string_view key) const {
    for (const DatabaseNode* node = ChainOf(key).head.get(); node; node = node->next.get())
        if (node->key == key) return node->value;
    return 0;
}

void SimpleDatabase::Delete(std::string_view key) {
    // link is the owning pointer that leads to the current node: the head, then each next.
    for (std::unique_ptr<DatabaseNode>* link = &ChainOf(key).head; *link; link = &(*link)->next) {
        if ((*link)->key == key) {
            *link = std::move((*link)->next);
            --count_;
            return;
        }
    }
}

void SimpleDatabase::Clear() {
    for (DatabaseChain& mate : buckets_) mate.head.reset();
    count_ = 0;
}

void SimpleDatabase::ForEach(const std::function<void(const std::string&, std::int32_t)>& visit) const {
    for (const DatabaseChain& mate : buckets_)
        for (const DatabaseNode* node = mate.head.get(); node; node = node->next.get())
            visit(node->key, node->value);
}

std::size_t SimpleDatabase::ChainLength(Bucket bucket) const {
    if (bucket.row < 0 || bucket.row >= kSide || bucket.column < 0 || bucket.column >= kSide) return 0;
    std::size_t length = 0;
    for (const DatabaseNode* node = buckets_[static_cast<std::size_t>(bucket.row * kSide + bucket.column)].head.get();
         node; node = node->next.get())
        ++length;
    return length;
}

}  // namespace qx
