#include "food/key_order.h"

#include <algorithm>
#include <string_view>
#include <utility>

// Why this gives the loop's order: the loop is a fixed sequence of compare-exchanges that never
// swaps equal keys, so each group of equal keys k can be followed alone, looking only at the
// entries with keys <= k in input order ("0" = a smaller key, "1" = a member). Each pass with a
// 0 left consumes one 0: a member at the front moves to the place of the first 0. Written as
// B0 0 B1 0 ... 0 Bm (Bt: runs of members), the members end in the order of C after
// C = B0; for t in 1..m: rotate C left by one when it is not empty, then append Bt.

namespace morvi {

namespace {

// Counts marked input positions before a position.
class FenwickTree {
  public:
    explicit FenwickTree(int size) : tree_(size + 1, 0) {}
    void mark(int position) {
        for (int i = position + 1; i < static_cast<int>(tree_.size()); i += i & -i) ++tree_[i];
    }
    int countBefore(int position) const {
        int sum = 0;
        for (int i = position; i > 0; i -= i & -i) sum += tree_[i];
        return sum;
    }

  private:
    std::vector<int> tree_;
};

// The members' running order C as a circular list over input positions, held by its last
// element, so both the rotation and the append are pointer steps.
class RotatingList {
  public:
    explicit RotatingList(std::vector<int>& next) : next_(next) {}
    void rotate(int steps) {
        if (size_ == 0) return;
        for (int s = steps % size_; s > 0; --s) tail_ = next_[tail_];
    }
    void append(int member) {
        if (size_ == 0) {
            next_[member] = member;
        } else {
            next_[member] = next_[tail_];
            next_[tail_] = member;
        }
        tail_ = member;
        ++size_;
    }
    void writeTo(std::vector<int>::iterator out) const {
        int at = next_[tail_];
        for (int s = 0; s < size_; ++s, at = next_[at]) *out++ = at;
    }

  private:
    std::vector<int>& next_;
    int tail_ = -1;
    int size_ = 0;
};

// The key as plain UTF-16 code units, whose ordering is the code-unit comparison.
std::u16string_view codeUnits(const QString& key) {
    return {QStringView(key).utf16(), static_cast<size_t>(key.size())};
}

}  // namespace

std::vector<int> exchangeSortOrder(std::span<const QString> keys) {
    const int n = static_cast<int>(keys.size());
    // Ascending by key, equal keys in input order; the views keep the comparisons cache-near.
    std::vector<std::pair<std::u16string_view, int>> ranked(n);
    for (int i = 0; i < n; ++i) ranked[i] = {codeUnits(keys[i]), i};
    // Ties broken by input position give the stable order without a merge sort's buffer.
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
        const int byKey = a.first.compare(b.first);
        return byKey < 0 || (byKey == 0 && a.second < b.second);
    });
    std::vector<int> byKey(n);
    for (int i = 0; i < n; ++i) byKey[i] = ranked[i].second;

    std::vector<int> order(n);
    std::vector<int> next(n);
    FenwickTree smaller(n);
    for (int first = 0; first < n;) {
        int end = first + 1;
        while (end < n && ranked[end].first == ranked[first].first) ++end;
        // Members in input order; `first` entries have smaller keys.
        RotatingList members(next);
        int zerosBefore = 0;
        for (int g = first; g < end; ++g) {
            const int zeros = smaller.countBefore(byKey[g]);
            members.rotate(zeros - zerosBefore);
            members.append(byKey[g]);
            zerosBefore = zeros;
        }
        members.rotate(first - zerosBefore);
        members.writeTo(order.begin() + first);
        for (int g = first; g < end; ++g) smaller.mark(byKey[g]);
        first = end;
    }
    return order;
}

}  // namespace morvi
