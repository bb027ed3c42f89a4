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

TTeDaConn::~TTeDaConn() {
    std::unique_ptr<TTeDaConn> rest = std::move(paTNext);
    // Each step detaches the successor before the node itself goes, so no destructor nests.
    while (rest) rest = std::move(rest->paTNext);
}

int TSimpleDatabase::FoldByte(unsigned char byte) { return kFold[byte]; }

TSimpleDatabase::Bucket TSimpleDatabase::BucketOf(std::string_view key) {
    if (key.empty()) return {1, 1};
    const auto first = static_cast<unsigned char>(key[0]);
    const auto second = key.size() > 1 ? static_cast<unsigned char>(key[1]) : first;
    return {kFold[first], kFold[second]};
}

TArrayMate& TSimpleDatabase::MateOf(std::string_view key) {
    const Bucket bucket = BucketOf(key);
    return buckets_[static_cast<std::size_t>(bucket.row * kSide + bucket.column)];
}

const TArrayMate& TSimpleDatabase::MateOf(std::string_view key) const {
    const Bucket bucket = BucketOf(key);
    return buckets_[static_cast<std::size_t>(bucket.row * kSide + bucket.column)];
}

void TSimpleDatabase::Set(std::string_view key, std::int32_t value) {
    TArrayMate& mate = MateOf(key);
    for (TTeDaConn* node = mate.head.get(); node; node = node->paTNext.get()) {
        if (node->paText == key) {
            node->paData = value;
            return;
        }
    }
    auto node = std::make_unique<TTeDaConn>(std::string(key), value);
    node->paTNext = std::move(mate.head);
    mate.head = std::move(node);
    ++count_;
}

std::int32_t TSimpleDatabase::Get(std::string_view key) const {
    for (const TTeDaConn* node = MateOf(key).head.get(); node; node = node->paTNext.get())
        if (node->paText == key) return node->paData;
    return 0;
}

void TSimpleDatabase::Delete(std::string_view key) {
    // link is the owning pointer that leads to the current node: the head, then each paTNext.
    for (std::unique_ptr<TTeDaConn>* link = &MateOf(key).head; *link; link = &(*link)->paTNext) {
        if ((*link)->paText == key) {
            *link = std::move((*link)->paTNext);
            --count_;
            return;
        }
    }
}

void TSimpleDatabase::Clear() {
    for (TArrayMate& mate : buckets_) mate.head.reset();
    count_ = 0;
}

void TSimpleDatabase::ForEach(const std::function<void(const std::string&, std::int32_t)>& visit) const {
    for (const TArrayMate& mate : buckets_)
        for (const TTeDaConn* node = mate.head.get(); node; node = node->paTNext.get())
            visit(node->paText, node->paData);
}

std::size_t TSimpleDatabase::ChainLength(Bucket bucket) const {
    if (bucket.row < 0 || bucket.row >= kSide || bucket.column < 0 || bucket.column >= kSide) return 0;
    std::size_t length = 0;
    for (const TTeDaConn* node = buckets_[static_cast<std::size_t>(bucket.row * kSide + bucket.column)].head.get();
         node; node = node->paTNext.get())
        ++length;
    return length;
}

}  // namespace qx
