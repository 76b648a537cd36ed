#include "process/ColourClusterTree.h"

#include <algorithm>

namespace turnpixa {

namespace {

int childSlot(std::uint32_t code, int level) {
    return static_cast<int>((code >> (21 - 3 * level)) & 7u);
}

int channelMean(double sum, std::int64_t count) {
    return static_cast<int>(sum / static_cast<double>(count));
}

}  // namespace

ColourClusterTree::ColourClusterTree(int maxLeaves) : maxLeaves_(std::max(1, maxLeaves)) {
    nodes_.reserve(4096);
    nodes_.push_back(Node{});
}

std::uint32_t ColourClusterTree::colourCode(int red, int green, int blue) {
    std::uint32_t code = 0;
    for (int k = 0; k < 8; ++k) {
        code |= static_cast<std::uint32_t>((red >> k) & 1) << (3 * k + 2);
        code |= static_cast<std::uint32_t>((green >> k) & 1) << (3 * k + 1);
        code |= static_cast<std::uint32_t>((blue >> k) & 1) << (3 * k);
    }
    return code;
}

void ColourClusterTree::feed(int red, int green, int blue) {
    const PackedColour c = packColour(red, green, blue);
    if (runPending_ && c == runColour_) {
        ++runCount_;
        return;
    }
    if (runPending_) insertRun(runColour_, runCount_);
    runPending_ = true;
    runColour_ = c;
    runCount_ = 1;
}

void ColourClusterTree::finish() {
    if (runPending_) insertRun(runColour_, runCount_);
    runPending_ = false;
    reduce();
}

int ColourClusterTree::newNode(bool leaf, int depth) {
    Node node;
    node.leaf = leaf;
    node.depth = depth;
    if (!freeNodes_.empty()) {
        const int index = freeNodes_.back();
        freeNodes_.pop_back();
        at(index) = node;
        return index;
    }
    nodes_.push_back(node);
    return static_cast<int>(nodes_.size() - 1);
}

void ColourClusterTree::freeNode(int index) {
    at(index) = Node{};
    at(index).depth = -1;  // marks a discarded node
    freeNodes_.push_back(index);
}

// The reduction list orders inner nodes by depth (deepest first), then count
// (smallest first), and a node put in goes before the nodes equal to it. So
// the list at any moment is the order of (depth, count, latest placement);
// recording the placement is enough, and the list is built when reducing.
void ColourClusterTree::place(int index) {
    at(index).placed = ++placements_;
}

void ColourClusterTree::insertRun(PackedColour colour, std::int64_t count) {
    if (count <= 0) return;
    const std::uint32_t code = colourCode(redOf(colour), greenOf(colour), blueOf(colour));
    int node = 0;
    int leaf = -1;
    for (int depth = 1; leaf < 0; ++depth) {
        at(node).count += count;
        if (node != 0) place(node);
        const int slot = childSlot(code, depth - 1);
        const int child = at(node).children[static_cast<std::size_t>(slot)];
        if (child >= 0) {
            if (at(child).leaf)
                leaf = child;
            else
                node = child;
            continue;
        }
        if (depth <= 7) {
            const int inner = newNode(false, depth);
            at(inner).count = count;
            place(inner);
            at(node).children[static_cast<std::size_t>(slot)] = inner;
            node = inner;
        } else {
            leaf = newNode(true, 8);
            at(node).children[static_cast<std::size_t>(slot)] = leaf;
            ++leafCount_;
        }
    }
    Node& l = at(leaf);
    l.count += count;
    const double n = static_cast<double>(count);
    l.red += redOf(colour) * n;
    l.green += greenOf(colour) * n;
    l.blue += blueOf(colour) * n;
}

int ColourClusterTree::childCount(const Node& node) const {
    return static_cast<int>(
        std::count_if(node.children.begin(), node.children.end(), [](int c) { return c >= 0; }));
}

// A merged leaf holds the pixels of both: sums and counts add up.
void ColourClusterTree::addPixels(Node& into, const Node& from) {
    into.red += from.red;
    into.green += from.green;
    into.blue += from.blue;
    into.count += from.count;
}

void ColourClusterTree::mergeLeaf(int from, int into) {
    addPixels(at(into), at(from));
    freeNode(from);
    --leafCount_;
}

void ColourClusterTree::reduce() {
    if (leafCount_ <= maxLeaves_) return;
    auto before = [this](int a, int b) {
        const Node& x = at(a);
        const Node& y = at(b);
        if (x.depth != y.depth) return x.depth > y.depth;
        if (x.count != y.count) return x.count < y.count;
        return x.placed > y.placed;
    };
    std::vector<int> list;
    for (std::size_t i = 1; i < nodes_.size(); ++i)
        if (nodes_[i].depth > 0 && !nodes_[i].leaf) list.push_back(static_cast<int>(i));
    std::sort(list.begin(), list.end(), before);

    // Deeper nodes go first, so every node taken here has only leaves below it.
    std::size_t next = 0;
    while (leafCount_ > maxLeaves_ && next < list.size()) {
        const int index = list[next++];
        Node& node = at(index);
        const int k = childCount(node);
        const int excess = leafCount_ - maxLeaves_;
        if (excess < 8 && excess < k - 1) {
            partialMerge(node, excess);
            place(index);
            const auto where = std::lower_bound(list.begin() + static_cast<std::ptrdiff_t>(next),
                                                list.end(), index, before);
            list.insert(where, index);
        } else {
            fullMerge(index);
        }
    }
}

void ColourClusterTree::partialMerge(Node& node, int merges) {
    for (int m = 0; m < merges; ++m) {
        int smallest = -1;
        for (int s = 0; s < 8; ++s) {
            const int c = node.children[static_cast<std::size_t>(s)];
            if (c < 0) continue;
            if (smallest < 0 ||
                at(c).count < at(node.children[static_cast<std::size_t>(smallest)]).count)
                smallest = s;
        }
        int sibling = -1;
        for (int distance = 1; distance < 8 && sibling < 0; ++distance) {
            for (const int s : {smallest + distance, smallest - distance})
                if (s >= 0 && s < 8 && node.children[static_cast<std::size_t>(s)] >= 0) {
                    sibling = s;
                    break;
                }
        }
        if (sibling < 0) return;
        mergeLeaf(node.children[static_cast<std::size_t>(smallest)],
                  node.children[static_cast<std::size_t>(sibling)]);
        node.children[static_cast<std::size_t>(smallest)] = -1;
    }
}

void ColourClusterTree::fullMerge(int index) {
    const Node node = at(index);
    Node merged;
    merged.leaf = true;
    merged.depth = node.depth;
    for (const int c : node.children) {
        if (c < 0) continue;
        addPixels(merged, at(c));
        freeNode(c);
        --leafCount_;
    }
    // The node's own slot becomes the new leaf.
    at(index) = merged;
    ++leafCount_;
}

void ColourClusterTree::collect(int index, std::vector<Cluster>& out) const {
    const Node& node = at(index);
    if (node.leaf) {
        out.push_back(
            {packColour(channelMean(node.red, node.count), channelMean(node.green, node.count),
                        channelMean(node.blue, node.count)),
             node.count, node.depth});
        return;
    }
    for (const int c : node.children)
        if (c >= 0) collect(c, out);
}

std::vector<ColourClusterTree::Cluster> ColourClusterTree::clusters() const {
    std::vector<Cluster> out;
    collect(0, out);
    return out;
}

bool ColourClusterTree::winner(PackedColour& mean) const {
    const std::vector<Cluster> all = clusters();
    const Cluster* best = nullptr;
    for (const Cluster& c : all)
        if (!best || c.count > best->count) best = &c;
    if (!best) return false;
    mean = best->mean;
    return true;
}

}  // namespace turnpixa
