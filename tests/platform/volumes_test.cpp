// The mounts table parser, the real-file-system rule, and the volumes of this machine.
#include "platform/volumes.h"

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "tempfolder.h"

TEST(Volumes, OctalEscapesAreDecoded) {
  EXPECT_EQ(DecodeMountField("/media/My\\040Disk"), "/media/My Disk");
  EXPECT_EQ(DecodeMountField("tab\\011and\\134backslash\\012"), "tab\tand\\backslash\n");
  EXPECT_EQ(DecodeMountField("\\101\\102"), "AB");
  // Not three octal digits: kept as written.
  EXPECT_EQ(DecodeMountField("a\\08b\\12"), "a\\08b\\12");
  EXPECT_EQ(DecodeMountField("end\\"), "end\\");
  EXPECT_EQ(DecodeMountField("\\777"), "\\777");  // beyond a byte
  EXPECT_EQ(DecodeMountField(""), "");
}

TEST(Volumes, MountsTableParsing) {
  auto entries = ParseMounts(
      "/dev/sda1 / ext4 rw,relatime 0 0\n"
      "\n"
      "garbage\n"
      "/dev/sdb1 /media/USB\\040Stick vfat rw 0 0\n"
      "proc /proc proc rw 0 0");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].device, "/dev/sda1");
  EXPECT_EQ(entries[0].mountPoint, "/");
  EXPECT_EQ(entries[0].type, "ext4");
  EXPECT_EQ(entries[1].mountPoint, "/media/USB Stick");
  EXPECT_EQ(entries[1].type, "vfat");
  EXPECT_EQ(entries[2].type, "proc");
}

TEST(Volumes, OnlyRealFileSystemsCount) {
  EXPECT_TRUE(IsRealFileSystem({"/", "/dev/vda", "ext4"}));
  EXPECT_TRUE(IsRealFileSystem({"/home", "pool/home", "zfs"}));
  EXPECT_TRUE(IsRealFileSystem({"/mnt/nas", "server:/export", "nfs4"}));
  EXPECT_TRUE(IsRealFileSystem({"/", "overlay", "overlay"}));
  EXPECT_FALSE(IsRealFileSystem({"/var/lib/docker/overlay2/x/merged", "overlay", "overlay"}));
  for (const char* type : {"proc", "sysfs", "tmpfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "squashfs"})
    EXPECT_FALSE(IsRealFileSystem({"/somewhere", type, type})) << type;
}

TEST(Volumes, RootIsListedWithItsFigures) {
  auto volumes = ListMountedVolumes();
  ASSERT_FALSE(volumes.empty());
  bool root = false;
  for (const VolumeInfo& v : volumes) {
    EXPECT_GT(v.size, 0) << v.mountPoint;
    EXPECT_GE(v.free, 0) << v.mountPoint;
    EXPECT_LE(v.free, v.size) << v.mountPoint;
    EXPECT_FALSE(v.type.empty());
    EXPECT_TRUE(IsRealFileSystem({v.mountPoint, v.device, v.type}));
    if (v.mountPoint == "/") root = true;
  }
  EXPECT_TRUE(root);
}

TEST(Volumes, VolumeOfAPath) {
  VolumeInfo root;
  ASSERT_TRUE(GetVolumeOfPath("/", root));
  EXPECT_EQ(root.mountPoint, "/");
  EXPECT_GT(root.size, 0);
  EXPECT_LE(root.free, root.size);

  // The test program lies on some mounted volume whose mount point holds it.
  VolumeInfo mine;
  ASSERT_TRUE(GetVolumeOfPath(AppDir(), mine));
  EXPECT_GT(mine.size, 0);
  EXPECT_EQ(AppDir().compare(0, mine.mountPoint.size(), mine.mountPoint), 0);

  VolumeInfo untouched;
  untouched.size = 123;
  EXPECT_FALSE(GetVolumeOfPath("/no/such/path/here", untouched));
  EXPECT_FALSE(GetVolumeOfPath("", untouched));
  EXPECT_EQ(untouched.size, 123);
}
