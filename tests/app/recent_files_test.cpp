#include <gtest/gtest.h>

#include "app/recent_files.h"

using Files = std::vector<std::string>;

TEST(RecentFileList, KeepsFourNewestFirstEachFileOnce)
{
    RecentFileList list;
    for (const char* f : {"/a", "/b", "/c", "/d", "/e"})
        list.Add(f);
    EXPECT_EQ(list.Files(), (Files{"/e", "/d", "/c", "/b"}));
    list.Add("/c");
    EXPECT_EQ(list.Files(), (Files{"/c", "/e", "/d", "/b"}));
    list.Add("");
    EXPECT_EQ(list.Files().size(), 4u);
    list.Remove(1);
    EXPECT_EQ(list.Files(), (Files{"/c", "/d", "/b"}));
    list.Remove(7);
    EXPECT_EQ(list.Files().size(), 3u);
}

TEST(RecentFileList, StoredEntriesSkipBlanksAndRepeats)
{
    RecentFileList list;
    list.Assign({"", "/x", "/y", "/x", "", "/z", "/w", "/v"});
    EXPECT_EQ(list.Files(), (Files{"/x", "/y", "/z", "/w"}));
    list.Assign({});
    EXPECT_TRUE(list.Empty());
}

TEST(RecentFileList, MenuLabelsNumberTheEntriesAndShowPathsLiterally)
{
    RecentFileList list;
    list.Add("/home/ana/R&D\tnotes.txt");
    list.Add("/tmp/b");
    EXPECT_EQ(list.MenuLabel(0), "&1 /tmp/b");
    EXPECT_EQ(list.MenuLabel(1), "&2 /home/ana/R&&D notes.txt");
    EXPECT_EQ(list.MenuLabel(2), "");
}
