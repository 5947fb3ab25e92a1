// The ownership and permission rules a root process applies before loading a plug-in.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>

#include <fstream>
#include <string>

#include "platform/linux/LibraryTrust.h"

namespace {

using corvo::platform::CheckLibraryTrust;

class LibraryTrustTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_folderPath = m_folder.path().toStdString();
        ASSERT_EQ(chmod(m_folderPath.c_str(), 0755), 0);
        m_file = m_folderPath + "/plugin.so";
        std::ofstream(m_file) << "not really a library";
        ASSERT_EQ(chmod(m_file.c_str(), 0644), 0);
    }

    corvo::platform::LibraryTrustCheck Check(const std::string& path, uid_t effective, uid_t invoking)
    {
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        EXPECT_GE(fd, 0) << path;
        const auto check = CheckLibraryTrust(fd, path, effective, invoking);
        close(fd);
        return check;
    }

    QTemporaryDir m_folder;
    std::string m_folderPath;
    std::string m_file;
};

TEST_F(LibraryTrustTest, OrdinaryUsersLoadAnything)
{
    ASSERT_EQ(chmod(m_file.c_str(), 0666), 0);
    EXPECT_TRUE(Check(m_file, 1000, 1000).trusted);
}

TEST_F(LibraryTrustTest, RootLoadsAFileOnlyItsOwnerCanWrite)
{
    const uid_t owner = getuid();
    const auto check = Check(m_file, 0, owner);
    EXPECT_TRUE(check.trusted) << check.reason;
}

struct ModeRow {
    mode_t fileMode;
    mode_t folderMode;
    const char* reason;
};

class LibraryTrustModeTest : public LibraryTrustTest, public ::testing::WithParamInterface<ModeRow> {};

TEST_P(LibraryTrustModeTest, RootRefusesWhatOthersCouldHaveWritten)
{
    ASSERT_EQ(chmod(m_file.c_str(), GetParam().fileMode), 0);
    ASSERT_EQ(chmod(m_folderPath.c_str(), GetParam().folderMode), 0);
    const auto check = Check(m_file, 0, getuid());
    EXPECT_FALSE(check.trusted);
    EXPECT_NE(check.reason.find(GetParam().reason), std::string::npos) << check.reason;
    ASSERT_EQ(chmod(m_folderPath.c_str(), 0755), 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, LibraryTrustModeTest,
                         ::testing::Values(ModeRow{0664, 0755, "is writable by group or others"},
                                           ModeRow{0646, 0755, "is writable by group or others"},
                                           ModeRow{0644, 0775, "its folder"},
                                           ModeRow{0644, 0757, "its folder"},
                                           ModeRow{0644, 01777, "its folder"}));

TEST_F(LibraryTrustTest, RootRefusesAFileOfAnotherUser)
{
    // The file belongs to the user running the test; call that user a stranger.
    const uid_t owner = getuid();
    if (owner == 0) {
        const auto check = Check(m_file, 0, 4242);
        EXPECT_TRUE(check.trusted) << "a file of root's own is fine: " << check.reason;
        ASSERT_EQ(chown(m_file.c_str(), 4343, 4343), 0);
    }
    const auto check = Check(m_file, 0, owner == 0 ? 4242 : owner + 1);
    EXPECT_FALSE(check.trusted);
    EXPECT_NE(check.reason.find("neither root nor the user who started the program"), std::string::npos)
        << check.reason;
}

TEST_F(LibraryTrustTest, RootFollowsALinkIntoAnOpenFolder)
{
    QTemporaryDir open;
    ASSERT_TRUE(open.isValid());
    const std::string openFolder = open.path().toStdString();
    ASSERT_EQ(chmod(openFolder.c_str(), 0777), 0);
    const std::string target = openFolder + "/real.so";
    std::ofstream(target) << "x";
    ASSERT_EQ(chmod(target.c_str(), 0644), 0);
    const std::string link = m_folderPath + "/linked.so";
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);

    const auto check = Check(link, 0, getuid());
    EXPECT_FALSE(check.trusted);
    EXPECT_NE(check.reason.find(openFolder), std::string::npos) << check.reason;
}

} // namespace
