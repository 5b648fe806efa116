#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include "library/IndexFile.h"
#include "library/IndexRewrite.h"

namespace plk {
namespace {

std::string recordBytes(std::int32_t number, const std::string& path, char tail = '\0') {
    std::string bytes(260, tail);
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(static_cast<std::uint32_t>(number) >> (8 * i));
    bytes[4] = static_cast<char>(path.size());
    bytes.replace(5, path.size(), path);
    return bytes;
}

class IndexFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/plk-index-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        path_ = folder_ + "/plkindex.dat";
    }
    void TearDown() override {
        std::remove(path_.c_str());
        rmdir(path_.c_str());
        rmdir(folder_.c_str());
    }
    void write(const std::string& bytes) {
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes;
    }
    std::string readBack() {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static TLibrary oneRecord(const std::string& path) {
        TLibrary library(1);
        library[0] = TLibraryRecord{};
        library[0].setPath(path);
        return library;
    }

    std::string folder_, path_;
};

TEST(LibraryRecord, LayoutIsNumberLengthAndPath) {
    TLibraryRecord record{};
    record.setNumber(0x01020304);
    record.setPath("C:\\a.mp3");
    const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
    EXPECT_EQ(bytes[0], 0x04);
    EXPECT_EQ(bytes[3], 0x01);
    EXPECT_EQ(bytes[4], 8);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes) + 5, 8), "C:\\a.mp3");
    record.setNumber(-2);
    EXPECT_EQ(record.number(), -2);
}

TEST(LibraryRecord, LongPathIsCutAndTheTailKeepsTheEarlierPath) {
    TLibraryRecord record{};
    record.setPath(std::string(258, 'x'));
    EXPECT_EQ(record.path(), std::string(255, 'x'));
    record.setPath("C:\\short");
    EXPECT_EQ(record.path(), "C:\\short");
    EXPECT_EQ(record.Path.chars[8], 'x');  // the writer's record keeps the old tail
    EXPECT_EQ(record.Path.chars[254], 'x');
}

TEST_F(IndexFileTest, MissingFileMeansNoLibraryAndLeavesTheListAlone) {
    TLibrary library = oneRecord("C:\\kept.mp3");
    bool noLibrary = false;
    reloadIndex(path_, library, noLibrary);
    EXPECT_TRUE(noLibrary);
    ASSERT_EQ(library.size(), 1u);
    EXPECT_EQ(library[0].path(), "C:\\kept.mp3");
}

TEST_F(IndexFileTest, AFolderOfThatNameCountsAsNoFile) {
    ASSERT_EQ(mkdir(path_.c_str(), 0755), 0);
    TLibrary library = oneRecord("C:\\kept.mp3");
    bool noLibrary = false;
    reloadIndex(path_, library, noLibrary);
    EXPECT_TRUE(noLibrary);
    EXPECT_EQ(library.size(), 1u);
}

TEST_F(IndexFileTest, EmptyFileGivesAnEmptyLibrary) {
    write("");
    TLibrary library = oneRecord("C:\\old.mp3");
    bool noLibrary = true;
    reloadIndex(path_, library, noLibrary);
    EXPECT_FALSE(noLibrary);
    EXPECT_TRUE(library.empty());
}

TEST_F(IndexFileTest, FragmentAloneOrAtTheEndIsIgnored) {
    write(std::string(259, 'z'));
    TLibrary library;
    ASSERT_TRUE(loadIndex(path_, library));
    EXPECT_TRUE(library.empty());

    write(recordBytes(1, "C:\\one.mp3") + recordBytes(2, "C:\\two.ogg") + std::string(100, 'q'));
    ASSERT_TRUE(loadIndex(path_, library));
    ASSERT_EQ(library.size(), 2u);
    EXPECT_EQ(library[0].path(), "C:\\one.mp3");
    EXPECT_EQ(library[1].path(), "C:\\two.ogg");
}

TEST_F(IndexFileTest, StaleTailAfterTheLengthIsNotPartOfThePath) {
    write(recordBytes(0, std::string(20, 'p'), 'T'));
    TLibrary library;
    ASSERT_TRUE(loadIndex(path_, library));
    ASSERT_EQ(library.size(), 1u);
    EXPECT_EQ(library[0].path(), std::string(20, 'p'));
    EXPECT_EQ(library[0].number(), 0);
}

TEST_F(IndexFileTest, ManyRecordsLoadInFileOrderAcrossReadChunks) {
    std::string bytes;
    const int count = 1000;  // several of the loader's multi-record reads
    for (int k = 0; k < count; ++k) bytes += recordBytes(k + 1, "C:\\Music\\" + std::to_string(k) + ".mp3");
    write(bytes);
    TLibrary library = oneRecord("C:\\old.mp3");
    ASSERT_TRUE(loadIndex(path_, library));
    ASSERT_EQ(library.size(), std::size_t(count));
    for (int k = 0; k < count; ++k) {
        ASSERT_EQ(library[k].path(), "C:\\Music\\" + std::to_string(k) + ".mp3");
        ASSERT_EQ(library[k].number(), k + 1);
    }
    // The records are the file's bytes exactly.
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(library.data()), bytes.size()), bytes);
}

TEST_F(IndexFileTest, TooManyRecordsAreRefusedAndTheLibraryStaysAsItWas) {
    write(recordBytes(1, "C:\\one.mp3") + recordBytes(2, "C:\\two.mp3") + recordBytes(3, "C:\\three.mp3"));
    TLibrary library = oneRecord("C:\\kept.mp3");
    try {
        loadIndex(path_, library, 2);
        FAIL() << "three records loaded where two are the most";
    } catch (const IndexTooLarge& error) {
        EXPECT_NE(std::string(error.what()).find(path_ + " is too large to load: it lists 3 songs, and at most 2 "),
                  std::string::npos) << error.what();
    }
    ASSERT_EQ(library.size(), 1u);
    EXPECT_EQ(library[0].path(), "C:\\kept.mp3");
    ASSERT_TRUE(loadIndex(path_, library, 3));
    EXPECT_EQ(library.size(), 3u);
}

TEST_F(IndexFileTest, AnIndexOfHundredsOfMegabytesIsRefusedUnread) {
    // Sparse: the file takes no room on disk, and is never read.
    write("");
    ASSERT_EQ(::truncate(path_.c_str(), off_t(kMaxIndexRecords + 1) * 260 + 17), 0);
    TLibrary library = oneRecord("C:\\kept.mp3");
    bool noLibrary = true;
    try {
        reloadIndex(path_, library, noLibrary);
        FAIL() << "a 260 MB index was loaded";
    } catch (const IndexTooLarge& error) {
        EXPECT_NE(std::string(error.what()).find("1,000,001 songs, and at most 1,000,000 can be loaded"),
                  std::string::npos) << error.what();
    }
    EXPECT_FALSE(noLibrary);
    EXPECT_EQ(library.size(), 1u);
}

TEST_F(IndexFileTest, RandomBytesLoadAsRecordsOfAtMost255Characters) {
    std::string bytes(260 * 40 + 3, '\0');
    std::uint32_t seed = 12345;
    for (char& c : bytes) c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
    write(bytes);
    TLibrary library;
    ASSERT_TRUE(loadIndex(path_, library));
    ASSERT_EQ(library.size(), 40u);
    for (std::size_t k = 0; k < library.size(); ++k)
        EXPECT_EQ(library[k].path(), bytes.substr(k * 260 + 5, static_cast<unsigned char>(bytes[k * 260 + 4])));
}

TEST_F(IndexFileTest, AnIndexCutShortDuringTheLoadGivesTheRecordsLeft) {
    write(recordBytes(1, "C:\\one.mp3") + recordBytes(2, "C:\\two.mp3") + recordBytes(3, "C:\\three.mp3"));
    File file(path_, File::Access::kRead);
    // Another rebuild, or a copy over it, between the size and the reads.
    write(recordBytes(7, "C:\\new.mp3") + "frag");
    TLibrary library;
    readRecords(file, 3, library);
    ASSERT_EQ(library.size(), 1u);
    EXPECT_EQ(library[0].path(), "C:\\new.mp3");
}

// A stream socket makes a read fail part-way: its peer sends three and a half
// records and then closes with data of its own unread, which resets the
// connection. The failure comes inside the loader's first multi-record read.
TEST(IndexRead, AFailedReadKeepsTheWholeRecordsBeforeIt) {
    int ends[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
    const std::string sent = recordBytes(1, "C:\\a.mp3") + recordBytes(2, "C:\\b.mp3") +
                             recordBytes(3, "C:\\c.mp3") + std::string(130, 'h');
    ASSERT_EQ(::write(ends[1], sent.data(), sent.size()), ssize_t(sent.size()));
    ASSERT_EQ(::write(ends[0], "?", 1), 1);
    ::close(ends[1]);
    File file = File::adopt(ends[0]);

    TLibrary library(5);
    EXPECT_THROW(readRecords(file, 10, library), FileError);
    ASSERT_EQ(library.size(), 3u);
    EXPECT_EQ(library[2].path(), "C:\\c.mp3");
}

TEST_F(IndexFileTest, ALoadThatCannotHaveTheMemoryLeavesTheLibraryAsItWas) {
    write(recordBytes(1, "C:\\new.mp3"));
    File file(path_, File::Access::kRead);
    TLibrary library = oneRecord("C:\\old.mp3");
    // More records than any address space holds: the allocation itself fails,
    // as a large index does in a fragmented 32-bit address space.
    EXPECT_ANY_THROW(readRecords(file, library.max_size() + 1, library));
    ASSERT_EQ(library.size(), 1u);
    EXPECT_EQ(library[0].path(), "C:\\old.mp3");
    // The same file with the memory to be had loads in full.
    readRecords(file, 1, library);
    ASSERT_EQ(library.size(), 1u);
    EXPECT_EQ(library[0].path(), "C:\\new.mp3");
}

TEST_F(IndexFileTest, ReloadAfterTheFileGoesKeepsTheOldRecords) {
    write(recordBytes(1, "C:\\one.mp3"));
    TLibrary library;
    bool noLibrary = true;
    reloadIndex(path_, library, noLibrary);
    ASSERT_FALSE(noLibrary);
    std::remove(path_.c_str());
    reloadIndex(path_, library, noLibrary);
    EXPECT_TRUE(noLibrary);
    EXPECT_EQ(library.size(), 1u);
}

TEST_F(IndexFileTest, WriterCreatesTruncatesAndAppendsWholeRecords) {
    write(recordBytes(9, "C:\\previous index.mp3"));
    IndexWriter::createEmpty(path_);
    EXPECT_EQ(readBack().size(), 0u);

    IndexWriter writer;
    writer.open(path_);
    ASSERT_TRUE(writer.isOpen());
    TLibraryRecord record{};  // one record reused for the whole run
    record.setNumber(1);
    record.setPath("C:\\Music\\a rather long name.mp3");
    writer.append(record);
    record.setNumber(2);
    record.setPath("C:\\b.ogg");
    writer.append(record);
    writer.close();

    const std::string bytes = readBack();
    ASSERT_EQ(bytes.size(), 520u);
    EXPECT_EQ(bytes.substr(0, 260), recordBytes(1, "C:\\Music\\a rather long name.mp3"));
    std::string second = recordBytes(2, "C:\\b.ogg");
    second.replace(5 + 8, 23, std::string("C:\\Music\\a rather long name.mp3").substr(8));
    EXPECT_EQ(bytes.substr(260), second);

    // Opening again appends at the end.
    writer.open(path_);
    writer.append(record);
    writer.close();
    EXPECT_EQ(readBack().size(), 780u);
}

TEST_F(IndexFileTest, RewriteRestoresTheExactBytesInTheSameFile) {
    // A trailing fragment and a stray tail byte are part of what comes back.
    const std::string before = recordBytes(1, "C:\\old.mp3", 'x') + "frag";
    write(before);
    const std::string link = folder_ + "/persisted.dat";
    ASSERT_EQ(::link(path_.c_str(), link.c_str()), 0);  // a package manager's hard link

    IndexRewrite rewrite;
    rewrite.hold(path_);
    rewrite.begin();
    EXPECT_EQ(readBack(), "");
    TLibraryRecord record{};
    record.setPath("C:\\new.mp3");
    rewrite.append(record);
    rewrite.append(record);
    EXPECT_EQ(readBack().size(), 520u);
    rewrite.restore();
    rewrite.release();

    EXPECT_EQ(readBack(), before);
    std::ifstream linked(link, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(linked), {}), before);
    std::remove(link.c_str());
}

TEST_F(IndexFileTest, RewriteBegunAgainKeepsWhatTheFileHoldsThen) {
    // A new Start while a stopped run still holds the index: the stopped
    // run's records are what a failure of the new run gives back.
    IndexRewrite rewrite;
    rewrite.hold(path_);  // creates the missing index
    rewrite.begin();
    EXPECT_TRUE(rewrite.kept().empty());
    TLibraryRecord record{};
    record.setPath("C:\\stopped.mp3");
    rewrite.append(record);
    rewrite.begin();
    EXPECT_EQ(rewrite.kept().size(), 260u);
    rewrite.restore();
    rewrite.release();
    EXPECT_FALSE(rewrite.held());
    EXPECT_EQ(readBack(), recordBytes(0, "C:\\stopped.mp3"));
}

}  // namespace
}  // namespace plk
