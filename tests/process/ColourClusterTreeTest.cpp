#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "process/ColourClusterTree.h"

namespace turnpixa {
namespace {

using Cluster = ColourClusterTree::Cluster;

std::vector<std::int64_t> counts(const ColourClusterTree& tree) {
    std::vector<std::int64_t> out;
    for (const Cluster& c : tree.clusters()) out.push_back(c.count);
    return out;
}

TEST(ColourClusterTree, ColourCodeInterleavesChannelBits) {
    EXPECT_EQ(ColourClusterTree::colourCode(0, 0, 0), 0u);
    EXPECT_EQ(ColourClusterTree::colourCode(0, 0, 1), 1u);
    EXPECT_EQ(ColourClusterTree::colourCode(0, 1, 0), 2u);
    EXPECT_EQ(ColourClusterTree::colourCode(1, 0, 0), 4u);
    EXPECT_EQ(ColourClusterTree::colourCode(128, 0, 0), 1u << 23);
    EXPECT_EQ(ColourClusterTree::colourCode(0, 0, 128), 1u << 21);
    EXPECT_EQ(ColourClusterTree::colourCode(255, 255, 255), 0xFFFFFFu);
    // red 0b10 green 0b01 blue 0b11: bit 1 -> r g b = 1 0 1, bit 0 -> 0 1 1
    EXPECT_EQ(ColourClusterTree::colourCode(2, 1, 3), 0b101011u);
}

TEST(ColourClusterTree, FewColoursAreKeptApartAndCounted) {
    ColourClusterTree tree(16);
    const int sequence[][3] = {{10, 20, 30}, {10, 20, 30}, {200, 0, 0}, {10, 20, 30}, {0, 0, 255}};
    for (const auto& p : sequence) tree.feed(p[0], p[1], p[2]);
    tree.finish();
    const auto clusters = tree.clusters();
    ASSERT_EQ(clusters.size(), 3u);
    // Slot order is ascending colour code: the dark grey (no top bits), blue
    // (top bit of blue), red (top bit of red).
    EXPECT_EQ(clusters[0].mean, packColour(10, 20, 30));
    EXPECT_EQ(clusters[0].count, 3);
    EXPECT_EQ(clusters[1].mean, packColour(0, 0, 255));
    EXPECT_EQ(clusters[2].mean, packColour(200, 0, 0));
    for (const Cluster& c : clusters) EXPECT_EQ(c.depth, 8);
    PackedColour winner = 0;
    ASSERT_TRUE(tree.winner(winner));
    EXPECT_EQ(winner, packColour(10, 20, 30));
}

TEST(ColourClusterTree, NothingFedHasNoWinner) {
    ColourClusterTree tree(16);
    tree.finish();
    PackedColour winner = 0;
    EXPECT_FALSE(tree.winner(winner));
}

TEST(ColourClusterTree, EqualCountsGoToTheSmallerColourCode) {
    ColourClusterTree tree(16);
    tree.insertRun(packColour(255, 0, 0), 50);
    tree.insertRun(packColour(0, 0, 255), 50);
    tree.finish();
    PackedColour winner = 0;
    ASSERT_TRUE(tree.winner(winner));
    EXPECT_EQ(winner, packColour(0, 0, 255));
}

// 17 colours for 16 leaves: the one pair that shares its deepest node is
// merged, and together it outweighs a colour that beats each of its halves.
TEST(ColourClusterTree, NeighbouringColoursMergeAndOutweighASingleColour) {
    ColourClusterTree tree(16);
    for (int i = 0; i < 14; ++i) tree.insertRun(packColour(16 * i, 2 * i, 255 - 16 * i), 1 + i % 3);
    tree.insertRun(packColour(8, 100, 8), 8);      // most frequent single colour
    tree.insertRun(packColour(201, 201, 201), 5);  // these two differ only in bit 0
    tree.insertRun(packColour(200, 200, 200), 4);
    tree.finish();
    EXPECT_EQ(tree.leafCount(), 16);
    PackedColour winner = 0;
    ASSERT_TRUE(tree.winner(winner));
    // trunc((5 * 201 + 4 * 200) / 9) = trunc(200.56) = 200 in every channel.
    EXPECT_EQ(winner, packColour(200, 200, 200));
    const auto clusters = tree.clusters();
    const auto merged = std::find_if(clusters.begin(), clusters.end(),
                                     [](const Cluster& c) { return c.count == 9; });
    ASSERT_NE(merged, clusters.end());
    EXPECT_EQ(merged->depth, 7);
}

// One deepest node with leaves in slots 0, 1, 2 and 4 (colours differing
// only in bit 0) and room for two leaves: two of the four children are
// merged into their nearest siblings, the node stays.
TEST(ColourClusterTree, PartialMergeUsesTheNearestSibling) {
    ColourClusterTree tree(2);
    tree.insertRun(packColour(100, 100, 100), 5);  // slot 0
    tree.insertRun(packColour(100, 100, 101), 1);  // slot 1
    tree.insertRun(packColour(100, 101, 100), 3);  // slot 2
    tree.insertRun(packColour(101, 100, 100), 2);  // slot 4
    tree.finish();
    // Slot 1 (count 1) goes one slot after, into slot 2 (now 4); then slot 4
    // (count 2) finds slots 5, 3, 6 empty and goes two before, into slot 2.
    EXPECT_EQ(counts(tree), (std::vector<std::int64_t>{5, 6}));
    for (const Cluster& c : tree.clusters()) EXPECT_EQ(c.depth, 8);
}

TEST(ColourClusterTree, PartialMergeLooksOneBeforeWhenOneAfterIsEmpty) {
    ColourClusterTree tree(2);
    tree.insertRun(packColour(100, 100, 100), 9);  // slot 0
    tree.insertRun(packColour(100, 101, 100), 4);  // slot 2
    tree.insertRun(packColour(100, 101, 101), 1);  // slot 3: slot 4 empty, slot 2 next
    tree.insertRun(packColour(101, 101, 101), 7);  // slot 7
    tree.finish();
    // Slot 3 (1) finds slot 4 empty and goes one before, into slot 2 (5);
    // then slot 2 (5, the smallest) finds slots 3, 1 and 4 empty and goes two
    // before, into slot 0.
    EXPECT_EQ(counts(tree), (std::vector<std::int64_t>{14, 7}));
}

TEST(ColourClusterTree, TooManyChildrenForAPartialMergeBecomeOneLeaf) {
    ColourClusterTree tree(1);
    tree.insertRun(packColour(100, 100, 100), 2);
    tree.insertRun(packColour(100, 100, 101), 3);
    tree.insertRun(packColour(101, 101, 101), 4);
    tree.finish();
    // excess 2 is not below children - 1 = 2: the node becomes one leaf.
    const auto clusters = tree.clusters();
    ASSERT_EQ(clusters.size(), 1u);
    EXPECT_EQ(clusters[0].count, 9);
    EXPECT_EQ(clusters[0].depth, 7);
    // red and green (100 * 5 + 101 * 4) / 9 = 100.44, blue (100 * 2 + 101 * 7) / 9 = 100.78
    EXPECT_EQ(clusters[0].mean, packColour(100, 100, 100));
}

// Two deepest nodes of two leaves each and room for three leaves: the node
// with the smaller count is reduced first.
TEST(ColourClusterTree, SmallerNodesAreReducedFirst) {
    ColourClusterTree tree(3);
    tree.insertRun(packColour(200, 200, 200), 2);  // node B: 2 + 2 + 2 = 6
    tree.insertRun(packColour(200, 200, 201), 2);
    tree.insertRun(packColour(0, 0, 0), 1);  // node A: 1 + 1 + 1 = 3
    tree.insertRun(packColour(0, 0, 1), 1);
    tree.finish();
    const auto clusters = tree.clusters();
    ASSERT_EQ(clusters.size(), 3u);
    EXPECT_EQ(clusters[0].count, 2);
    EXPECT_EQ(clusters[0].depth, 7);
    EXPECT_EQ(clusters[1].depth, 8);
    EXPECT_EQ(clusters[2].depth, 8);
}

// Equal depth and count: the node that was put into the list last goes
// first.
TEST(ColourClusterTree, AmongEqualNodesTheLatestPlacedIsReducedFirst) {
    {
        ColourClusterTree tree(3);
        tree.insertRun(packColour(0, 0, 0), 1);        // A
        tree.insertRun(packColour(0, 0, 1), 1);        // A
        tree.insertRun(packColour(200, 200, 200), 1);  // B
        tree.insertRun(packColour(200, 200, 201), 1);  // B, placed last
        tree.finish();
        const auto c = tree.clusters();
        ASSERT_EQ(c.size(), 3u);
        EXPECT_EQ(c[0].depth, 8);
        EXPECT_EQ(c[2].depth, 7);
        EXPECT_EQ(c[2].count, 2);
    }
    {
        ColourClusterTree tree(3);
        tree.insertRun(packColour(0, 0, 0), 1);        // A
        tree.insertRun(packColour(200, 200, 200), 1);  // B
        tree.insertRun(packColour(200, 200, 201), 1);  // B
        tree.insertRun(packColour(0, 0, 1), 1);        // A, placed last
        tree.finish();
        const auto c = tree.clusters();
        ASSERT_EQ(c.size(), 3u);
        EXPECT_EQ(c[0].depth, 7);
        EXPECT_EQ(c[0].count, 2);
        EXPECT_EQ(c[1].depth, 8);
    }
}

TEST(ColourClusterTree, RunsOfFedPixelsAddUp) {
    ColourClusterTree tree(16);
    for (int i = 0; i < 1000; ++i) tree.feed(i % 7 == 0 ? 50 : 60, 0, 0);
    tree.finish();
    EXPECT_EQ(counts(tree), (std::vector<std::int64_t>{143, 857}));
}

// Many colours, reduced to 16: the clusters still account for every pixel.
TEST(ColourClusterTree, ReductionKeepsEveryPixel) {
    ColourClusterTree tree(16);
    std::int64_t total = 0;
    for (int i = 0; i < 5000; ++i) {
        tree.feed((i * 37) % 256, (i * 91) % 256, (i * 13) % 256);
        ++total;
    }
    tree.finish();
    EXPECT_LE(tree.leafCount(), 16);
    std::int64_t sum = 0;
    for (const Cluster& c : tree.clusters()) sum += c.count;
    EXPECT_EQ(sum, total);
    EXPECT_EQ(static_cast<int>(tree.clusters().size()), tree.leafCount());
}

}  // namespace
}  // namespace turnpixa
