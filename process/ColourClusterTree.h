#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "image/PackedColour.h"

namespace turnpixa {

// Octree colour quantiser that finds the dominant colour of a set of pixels.
// Pixels are fed one by one; equal colours in a row are gathered into runs.
// finish() inserts the last run and reduces the tree to at most maxLeaves
// clusters; the clusters are then read in slot order (ascending colour code).
class ColourClusterTree {
public:
    struct Cluster {
        PackedColour mean = 0;  // each channel trunc(sum / count)
        std::int64_t count = 0;
        int depth = 0;  // 8 for a leaf made by insertion, less after merging
    };

    explicit ColourClusterTree(int maxLeaves);

    // Interleaves the channel bits, most significant first: bit k of red,
    // green, blue goes to code bits 3k + 2, 3k + 1, 3k.
    static std::uint32_t colourCode(int red, int green, int blue);

    void feed(int red, int green, int blue);
    // Inserts a run of `count` pixels of one colour directly.
    void insertRun(PackedColour colour, std::int64_t count);
    // Inserts the pending run and reduces to the maximum number of leaves.
    void finish();

    int leafCount() const { return leafCount_; }
    std::vector<Cluster> clusters() const;
    // The cluster with the largest count; the first in slot order on ties.
    // False when nothing was fed.
    bool winner(PackedColour& mean) const;

private:
    struct Node {
        bool leaf = false;
        int depth = 0;
        std::array<int, 8> children{-1, -1, -1, -1, -1, -1, -1, -1};
        std::int64_t count = 0;
        // Inner nodes: when the node was last put into the reduction list.
        std::uint64_t placed = 0;
        double red = 0, green = 0, blue = 0;  // leaves: channel sums
    };

    Node& at(int index) { return nodes_[static_cast<std::size_t>(index)]; }
    const Node& at(int index) const { return nodes_[static_cast<std::size_t>(index)]; }
    int newNode(bool leaf, int depth);
    void freeNode(int index);
    void place(int index);  // (re)positions an inner node in the reduction list
    static void addPixels(Node& into, const Node& from);
    void mergeLeaf(int from, int into);
    int childCount(const Node& node) const;
    void reduce();
    void partialMerge(Node& node, int merges);
    void fullMerge(int index);
    void collect(int index, std::vector<Cluster>& out) const;

    int maxLeaves_;
    int leafCount_ = 0;
    std::vector<Node> nodes_;  // index 0 is the root
    std::vector<int> freeNodes_;
    std::uint64_t placements_ = 0;
    bool runPending_ = false;
    PackedColour runColour_ = 0;
    std::int64_t runCount_ = 0;
};

}  // namespace turnpixa
