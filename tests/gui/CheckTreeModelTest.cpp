#include "controls/CheckTreeModel.h"

#include <gtest/gtest.h>

#include <random>

namespace tarvelo {
namespace {

constexpr int U = CheckTreeModel::kUnchecked;
constexpr int C = CheckTreeModel::kChecked;
constexpr int P = CheckTreeModel::kPartly;

// root
//   folder
//     a
//     b
//     sub
//       c
//   x
struct Fixture {
    CheckTreeModel model;
    CheckTreeId root, folder, a, b, sub, c, x;
    Fixture() {
        model.checkBoxes = true;
        model.propagateChecks = true;
        root = model.Add(kNoCheckTreeItem);
        folder = model.Add(root);
        a = model.Add(folder);
        b = model.Add(folder);
        sub = model.Add(folder);
        c = model.Add(sub);
        x = model.Add(root);
    }
};

// The counts of every item, recomputed by brute force from the leaves' flags.
void ExpectCountsConsistent(const CheckTreeModel& model) {
    std::vector<int> descendants(model.Size() + 1, 0), checked(model.Size() + 1, 0);
    for (CheckTreeId id = 1; id <= model.Size(); ++id) {
        const bool on = model.Record(id).checked;
        for (CheckTreeId a = model.Parent(id); a != kNoCheckTreeItem; a = model.Parent(a)) {
            descendants[a] += 1;
            checked[a] += on ? 1 : 0;
        }
    }
    for (CheckTreeId id = 1; id <= model.Size(); ++id) {
        const CHECKTREEDATA d = model.Record(id);
        ASSERT_EQ(d.descendantCount, descendants[id]) << "item " << id;
        ASSERT_EQ(d.checkedDescendantCount, checked[id]) << "item " << id;
        if (d.descendantCount > 0) {
            ASSERT_EQ(d.checked, d.checkedDescendantCount == d.descendantCount) << "item " << id;
        }
    }
}

TEST(CheckTreeModel, CheckingAFolderChecksItsSubtreeAndShowsAncestorsPartly) {
    Fixture f;
    EXPECT_EQ(f.model.Record(f.root).descendantCount, 6);
    f.model.SetCheck(f.folder, true);
    for (CheckTreeId id : {f.folder, f.a, f.b, f.sub, f.c})
        EXPECT_EQ(f.model.GetCheck(id), 1) << id;
    EXPECT_EQ(f.model.Picture(f.folder), C);
    EXPECT_EQ(f.model.Picture(f.root), P);
    EXPECT_EQ(f.model.GetCheck(f.root), 0);
    f.model.SetCheck(f.x, true);
    EXPECT_EQ(f.model.Picture(f.root), C);
    EXPECT_EQ(f.model.GetCheck(f.root), 1);
    ExpectCountsConsistent(f.model);
}

TEST(CheckTreeModel, UncheckingOneFileUnderACheckedTreeMakesEveryAncestorPartly) {
    Fixture f;
    f.model.SetCheck(f.root, true);
    f.model.SetCheck(f.c, false);
    for (CheckTreeId id : {f.sub, f.folder, f.root}) {
        EXPECT_EQ(f.model.Picture(id), id == f.sub ? U : P) << id; // sub's only child is unchecked
        EXPECT_EQ(f.model.GetCheck(id), 0) << id;
    }
    EXPECT_EQ(f.model.GetCheck(f.a), 1);
    ExpectCountsConsistent(f.model);
}

TEST(CheckTreeModel, AddingAnUncheckedItemUnderACheckedFolderMakesCheckedAncestorsPartly) {
    Fixture f;
    f.model.SetCheck(f.root, true);
    const CheckTreeId d = f.model.Add(f.sub);
    EXPECT_EQ(f.model.Picture(d), U);
    EXPECT_EQ(f.model.Picture(f.sub), P);
    EXPECT_EQ(f.model.Picture(f.folder), P);
    EXPECT_EQ(f.model.Picture(f.root), P);
    EXPECT_EQ(f.model.Record(f.root).checkedDescendantCount, 4); // a, b, c, x
    ExpectCountsConsistent(f.model);
}

TEST(CheckTreeModel, TogglingAPartlyCheckedItemChecksItsWholeSubtree) {
    Fixture f;
    f.model.SetCheck(f.a, true);
    ASSERT_EQ(f.model.Picture(f.folder), P);
    ASSERT_FALSE(f.model.Record(f.folder).checked);
    f.model.SetCheck(f.folder, !f.model.Record(f.folder).checked);
    EXPECT_EQ(f.model.Picture(f.folder), C);
    for (CheckTreeId id : {f.a, f.b, f.sub, f.c})
        EXPECT_EQ(f.model.GetCheck(id), 1);
    ExpectCountsConsistent(f.model);
}

TEST(CheckTreeModel, IgnoredCallsChangeNothingAndUnknownItemsAnswerZero) {
    Fixture f;
    EXPECT_FALSE(f.model.SetCheck(kNoCheckTreeItem, true));
    EXPECT_FALSE(f.model.SetCheck(999, true));
    EXPECT_EQ(f.model.GetCheck(999), 0);
    EXPECT_EQ(f.model.GetCheck(kNoCheckTreeItem), 0);
    f.model.clearing = true;
    EXPECT_FALSE(f.model.SetCheck(f.a, true));
    f.model.clearing = false;
    f.model.checkBoxes = false;
    EXPECT_FALSE(f.model.SetCheck(f.a, true));
    EXPECT_EQ(f.model.GetCheck(f.a), 0);
    f.model.checkBoxes = true;
    EXPECT_EQ(f.model.GetCheck(f.a), 0);
    // Setting the same value again is not ignored (the caller still notifies) but changes nothing.
    EXPECT_TRUE(f.model.SetCheck(f.a, false));
    EXPECT_EQ(f.model.Record(f.folder).checkedDescendantCount, 0);
}

TEST(CheckTreeModel, WithoutPropagationOnlyTheItemsOwnFlagCounts) {
    CheckTreeModel model;
    model.checkBoxes = true;
    const CheckTreeId root = model.Add(kNoCheckTreeItem);
    const CheckTreeId leaf = model.Add(root);
    EXPECT_EQ(model.Record(root).descendantCount, 0);
    model.SetCheck(root, true);
    EXPECT_EQ(model.GetCheck(root), 1);
    EXPECT_EQ(model.GetCheck(leaf), 0);
}

TEST(CheckTreeModel, RandomOperationsKeepTheCountsEqualToARecount) {
    std::mt19937 random(7);
    CheckTreeModel model;
    model.checkBoxes = true;
    model.propagateChecks = true;
    std::vector<CheckTreeId> refreshed;
    model.SetRefreshHook([&](CheckTreeId id) { refreshed.push_back(id); });
    model.Add(kNoCheckTreeItem);
    for (int step = 0; step < 3000; ++step) {
        const auto pick = static_cast<CheckTreeId>(1 + random() % model.Size());
        if (random() % 3 == 0)
            model.Add(random() % 20 == 0 ? kNoCheckTreeItem : pick);
        else
            model.SetCheck(pick, random() % 2 == 0);
    }
    EXPECT_FALSE(refreshed.empty());
    ExpectCountsConsistent(model);
    model.Clear();
    EXPECT_EQ(model.Size(), 0u);
    EXPECT_EQ(model.Add(kNoCheckTreeItem), 1u);
}

} // namespace
} // namespace tarvelo
