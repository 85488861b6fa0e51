#include "model/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

struct AtomicFileTest : ::testing::Test {
    fs::path dir;
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("gs_atomic_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    static std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }
};

TEST_F(AtomicFileTest, FailedRenameLeavesTheExistingTargetAndNoTemporaryFile) {
    // A folder in the target's place cannot be replaced by a file.
    fs::create_directories(dir / "a.god");
    std::string why;
    EXPECT_FALSE(gs::writeFileAtomically((dir / "a.god").string(), "x", &why));
    EXPECT_FALSE(why.empty());
    EXPECT_TRUE(fs::is_directory(dir / "a.god"));
    EXPECT_EQ(entries(), 1u);
}

// Lets the process write files of at most `bytes` bytes, so that a write
// fails half-way as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST_F(AtomicFileTest, WriteFailingHalfWayLeavesTheOldFileWhole) {
    const std::string path = (dir / "a.god").string();
    ASSERT_TRUE(gs::writeFileAtomically(path, "old\r\n", nullptr));
    std::string why;
    {
        FileSizeLimit limit(10);
        EXPECT_FALSE(gs::writeFileAtomically(path, std::string(100, 'x'), &why));
    }
    EXPECT_EQ(why, std::strerror(EFBIG));
    EXPECT_EQ(read(path), "old\r\n");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicFileTest, AppendFailingHalfWayIsTakenBack) {
    const std::string path = (dir / "GodList.txt").string();
    ASSERT_TRUE(gs::appendFileAtomically(path, "first\r\n", nullptr));
    std::string why;
    {
        FileSizeLimit limit(10);
        EXPECT_FALSE(gs::appendFileAtomically(path, "a much longer second line\r\n", &why));
        EXPECT_FALSE(gs::appendFileAtomically((dir / "new.txt").string(), std::string(100, 'x'), &why));
    }
    EXPECT_EQ(why, std::strerror(EFBIG));
    EXPECT_EQ(read(path), "first\r\n");
    EXPECT_EQ(entries(), 1u);
}

}  // namespace
