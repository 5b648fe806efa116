// Our readers against TagLib, a peer reader, on the same files: every peer
// file of the corpus that TagLib reads, and generated ASF files (the corpus
// has none). Where both read a file, title and artist agree (TagLib's values
// joined as ours are; MP4's album artist standing in for a missing artist).
#include <gtest/gtest.h>

#include <taglib/fileref.h>
#include <taglib/tpropertymap.h>

#include <cstdlib>
#include <filesystem>

#include "tags/MetadataLimits.h"
#include "tags/SongTags.h"
#include "tags/UnicodeText.h"
#include "tests/support/FormatBuilder.h"

namespace plk::test {
namespace {

namespace fs = std::filesystem;

void expectAgreement(const std::string& path) {
    const SongTags ours = readContainerTags(path);
    TagLib::FileRef peer(path.c_str(), false);
    if (ours.refused || peer.isNull() || !peer.file()->isValid()) return;
    const TagLib::PropertyMap properties = peer.file()->properties();
    auto joined = [&](const char* key) { return properties[key].toString(" / ").to8Bit(true); };
    std::string artist = joined("ARTIST");
    if (artist.empty() && ours.format == SongFormat::kMp4) artist = joined("ALBUMARTIST");
    // Ours keeps the first kMaxValueBytes of a value.
    EXPECT_EQ(utf8FromUtf16(ours.title), joined("TITLE").substr(0, utf8FromUtf16(ours.title).size())) << path;
    EXPECT_GE(utf8FromUtf16(ours.title).size(), std::min<std::size_t>(joined("TITLE").size(), kMaxValueBytes)) << path;
    EXPECT_EQ(utf8FromUtf16(ours.artist), artist) << path;
}

TEST(SongFormatPeer, AgreesWithTagLibOnThePeerFiles) {
    const char* corpus = std::getenv("PLINKETY_CORPUS");
    const fs::path folder = corpus ? fs::path(corpus) / "formats" : fs::path();
    if (folder.empty() || !fs::is_directory(folder)) GTEST_SKIP() << "no corpus at PLINKETY_CORPUS";
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) expectAgreement(entry.path().string());
}

TEST(SongFormatPeer, AgreesWithTagLibOnAsfFiles) {
    for (const auto& [title, author] : {std::pair<std::u16string, std::u16string>{u"Дыхание", u"坂本龍一"},
                                        {u"Title only", u""}, {u"", u"Author \U0001F3B5"}}) {
        const Bytes bytes = asfFile(title, author);
        const fs::path path = fs::temp_directory_path() / "plinkety-peer.wma";
        FILE* out = std::fopen(path.string().c_str(), "wb");
        ASSERT_TRUE(out);
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
        TagLib::FileRef peer(path.string().c_str(), false);
        ASSERT_FALSE(peer.isNull());
        EXPECT_EQ(utf8FromUtf16(title), peer.tag()->title().to8Bit(true));
        EXPECT_EQ(utf8FromUtf16(author), peer.tag()->artist().to8Bit(true));
        expectAgreement(path.string());
        fs::remove(path);
    }
}

}  // namespace
}  // namespace plk::test
