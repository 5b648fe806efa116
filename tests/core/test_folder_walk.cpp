// The walk's order and its stop rules, against an in-memory folder tree.
#include "library/FolderWalk.h"

#include <gtest/gtest.h>

#include "library/PassedOverText.h"
#include "library/StartFolder.h"

#include <cctype>
#include <map>
#include <optional>

#include "platform/FileAttributes.h"

namespace plk {
namespace {

using namespace FileAttribute;

// Wildcard match as the Windows listing does it: '*' and '?', no case, and
// "*.*" matching every name.
bool matches(const char* wild, const char* name) {
    if (*wild == '\0') return *name == '\0';
    if (*wild == '*') return matches(wild + 1, name) || (*name && matches(wild, name + 1));
    if (*name == '\0') return false;
    if (*wild != '?' && std::tolower(static_cast<unsigned char>(*wild)) !=
                            std::tolower(static_cast<unsigned char>(*name)))
        return false;
    return matches(wild + 1, name + 1);
}

class FakeTree : public FolderLister {
public:
    void add(const std::string& folder, const std::string& name, std::uint32_t attributes = 0,
             const std::string& shortName = "") {
        auto& entries = folders_[folder];
        if (entries.empty() && folder.size() > 3) {
            entries.push_back({".", "", kDirectory});
            entries.push_back({"..", "", kDirectory});
        }
        entries.push_back({name, shortName, attributes});
    }
    // A folder link (a junction, a symbolic link): every path through link
    // lists target instead. The link shows in its parent as a plain folder.
    void link(const std::string& parent, const std::string& name, const std::string& target) {
        add(parent, name, kDirectory);
        links_[parent + name + "\\"] = target;
    }
    std::optional<ListingError> list(const std::string& pattern,
                                     const std::function<bool(const FolderEntry&)>& visit) override {
        listed.push_back(pattern);
        const std::size_t cut = pattern.find_last_of('\\') + 1;
        const std::string wild = pattern.substr(cut);
        const std::string at = resolved(pattern.substr(0, cut));
        for (const std::string& lost : gone)
            if (at.compare(0, lost.size(), lost) == 0) return ListingError{"The device is not ready."};
        const auto folder = folders_.find(at);
        if (folder == folders_.end()) return std::nullopt;
        for (const FolderEntry& entry : folder->second)
            if ((wild == "*.*" || matches(wild.c_str(), entry.name.c_str())) && !visit(entry)) break;
        return std::nullopt;
    }
    std::string shortPath(const std::string& folder) override {
        const auto known = shortPaths.find(folder);
        return known == shortPaths.end() ? folder : known->second;
    }
    std::optional<FolderIdentity> identity(const std::string& folder) override {
        if (identify) return identify(resolved(folder));
        return FolderIdentity{7, std::hash<std::string>()(resolved(folder))};
    }
    std::map<std::string, std::string> shortPaths;
    std::vector<std::string> listed;
    // Folders (and all below them) whose listing fails as a drive gone does.
    std::vector<std::string> gone;
    // Replaces the identity of every folder, by the folder it leads to.
    std::function<std::optional<FolderIdentity>(const std::string&)> identify;

private:
    // The folder a path leads to through the links on its way.
    std::string resolved(std::string folder) const {
        for (bool again = true; again;) {
            again = false;
            for (const auto& [from, to] : links_) {
                if (folder.compare(0, from.size(), from) == 0) {
                    folder = to + folder.substr(from.size());
                    again = true;
                }
            }
        }
        return folder;
    }
    std::map<std::string, std::vector<FolderEntry>> folders_;
    std::map<std::string, std::string> links_;
};

class Recorder : public FolderWalk::Events {
public:
    bool stopRequested() override { return stop; }
    bool abandoned() override { return abandon; }
    void folderEntered(const std::string& folder) override { steps.push_back("enter " + folder); }
    void fileFound(const std::string& path) override {
        steps.push_back(path);
        if (onFile) onFile(path);
    }
    void listingFailed(const std::string& folder, const ListingError& error) override {
        steps.push_back("failed " + folder + ": " + error.message);
    }
    bool stop = false;
    bool abandon = false;
    std::function<void(const std::string&)> onFile;
    std::vector<std::string> steps;
};

const std::vector<std::string> kDefaultPatterns{"*.mp3", "*.wmv", "*.flac", "*.ogg"};

class FolderWalkTest : public ::testing::Test {
protected:
    std::vector<std::string> walk(const std::string& folder, const std::vector<std::string>& patterns) {
        FolderWalk(tree, events).searchFolder(folder, patterns);
        return events.steps;
    }
    FakeTree tree;
    Recorder events;
};

TEST_F(FolderWalkTest, OwnFilesByPatternThenSubFoldersDepthFirst) {
    tree.add("M:\\", "b.ogg");
    tree.add("M:\\", "a.mp3");
    tree.add("M:\\", "Rock", kDirectory);
    tree.add("M:\\", "c.MP3");
    tree.add("M:\\", "Jazz", kDirectory);
    tree.add("M:\\Rock\\", "r.flac");
    tree.add("M:\\Rock\\", "Live", kDirectory);
    tree.add("M:\\Rock\\Live\\", "l.mp3");
    tree.add("M:\\Jazz\\", "j.wmv");
    tree.add("M:\\Jazz\\", "notes.txt");
    EXPECT_EQ(walk("M:\\", kDefaultPatterns),
              (std::vector<std::string>{"enter M:\\", "M:\\a.mp3", "M:\\c.MP3", "M:\\b.ogg", "enter M:\\Rock\\",
                                        "M:\\Rock\\r.flac", "enter M:\\Rock\\Live\\", "M:\\Rock\\Live\\l.mp3",
                                        "enter M:\\Jazz\\", "M:\\Jazz\\j.wmv"}));
}

TEST_F(FolderWalkTest, PatternsAreAppendedUnchangedSoOverlapsIndexTwice) {
    tree.add("M:\\", "a.mp3");
    tree.add("M:\\", "b.txt");
    EXPECT_EQ(walk("M:\\", {"*.mp3", "*.*"}),
              (std::vector<std::string>{"enter M:\\", "M:\\a.mp3", "M:\\a.mp3", "M:\\b.txt"}));
    EXPECT_EQ(tree.listed, (std::vector<std::string>{"M:\\*.mp3", "M:\\*.*", "M:\\*.*"}));
}

TEST_F(FolderWalkTest, EmptyPatternListStillWalksEveryFolder) {
    tree.add("M:\\", "a.mp3");
    tree.add("M:\\", "Sub", kDirectory);
    tree.add("M:\\Sub\\", "b.mp3");
    EXPECT_EQ(walk("M:\\", {}), (std::vector<std::string>{"enter M:\\", "enter M:\\Sub\\"}));
}

TEST_F(FolderWalkTest, HiddenAndSystemFilesIndexedButSuchFoldersNotEntered) {
    tree.add("M:\\", "hidden.mp3", kHidden);
    tree.add("M:\\", "system.mp3", kSystem | kReadOnly);
    tree.add("M:\\", "Secret", kDirectory | kHidden);
    tree.add("M:\\", "Sys", kDirectory | kSystem);
    tree.add("M:\\", "Open", kDirectory | kReadOnly);
    tree.add("M:\\Secret\\", "s.mp3");
    tree.add("M:\\Sys\\", "y.mp3");
    tree.add("M:\\Open\\", "o.mp3");
    EXPECT_EQ(walk("M:\\", {"*.mp3"}), (std::vector<std::string>{"enter M:\\", "M:\\hidden.mp3",
                                                                  "M:\\system.mp3", "enter M:\\Open\\",
                                                                  "M:\\Open\\o.mp3"}));
}

TEST_F(FolderWalkTest, FolderNamedLikeMusicIsEnteredNotIndexed) {
    tree.add("M:\\", "Album.mp3", kDirectory);
    tree.add("M:\\Album.mp3\\", "t.mp3");
    EXPECT_EQ(walk("M:\\", {"*.mp3"}),
              (std::vector<std::string>{"enter M:\\", "enter M:\\Album.mp3\\", "M:\\Album.mp3\\t.mp3"}));
}

TEST_F(FolderWalkTest, DotEntriesAreNotEntered) {
    tree.add("M:\\Deep\\", "x.mp3");
    EXPECT_EQ(walk("M:\\Deep\\", {"*.mp3"}), (std::vector<std::string>{"enter M:\\Deep\\", "M:\\Deep\\x.mp3"}));
}

TEST_F(FolderWalkTest, StopFinishesTheCurrentFolderAndEntersNoOther) {
    tree.add("M:\\", "1.mp3");
    tree.add("M:\\", "2.mp3");
    tree.add("M:\\", "3.ogg");
    tree.add("M:\\", "Sub", kDirectory);
    tree.add("M:\\Sub\\", "4.mp3");
    events.onFile = [&](const std::string&) { events.stop = true; };
    EXPECT_EQ(walk("M:\\", kDefaultPatterns),
              (std::vector<std::string>{"enter M:\\", "M:\\1.mp3", "M:\\2.mp3", "M:\\3.ogg"}));
}

TEST_F(FolderWalkTest, AbandonEndsTheWalkAtOnce) {
    tree.add("M:\\", "1.mp3");
    tree.add("M:\\", "2.mp3");
    tree.add("M:\\", "3.ogg");
    tree.add("M:\\", "Sub", kDirectory);
    events.onFile = [&](const std::string&) { events.abandon = true; };
    EXPECT_EQ(walk("M:\\", kDefaultPatterns), (std::vector<std::string>{"enter M:\\", "M:\\1.mp3"}));
    EXPECT_EQ(tree.listed, std::vector<std::string>{"M:\\*.mp3"});
}

TEST_F(FolderWalkTest, StopBeforeStartEntersNothing) {
    tree.add("M:\\", "1.mp3");
    events.stop = true;
    EXPECT_TRUE(walk("M:\\", kDefaultPatterns).empty());
}

TEST_F(FolderWalkTest, FolderThatCannotBeListedContributesNothing) {
    tree.add("M:\\", "Gone", kDirectory);  // listed in its parent, but has no listing of its own
    tree.add("M:\\", "Next", kDirectory);
    tree.add("M:\\Next\\", "n.mp3");
    EXPECT_EQ(walk("M:\\", {"*.mp3"}), (std::vector<std::string>{"enter M:\\", "enter M:\\Gone\\",
                                                                  "enter M:\\Next\\", "M:\\Next\\n.mp3"}));
}

TEST_F(FolderWalkTest, NamesTheCodePageCannotSpellGoByTheirShortNames) {
    // The listing puts '?' for each character it cannot spell.
    tree.add("M:\\", "? ???.mp3", 0, "____~PUY.MP3");
    tree.add("M:\\", "?? ?.mp3");  // no short name: passed over
    tree.add("M:\\", "????", kDirectory, "____~1");
    tree.add("M:\\", "??", kDirectory);  // not entered
    tree.add("M:\\____~1\\", "plain.mp3");
    tree.add("M:\\____~1\\", "???.ogg", 0, "___~1.OGG");
    tree.add("M:\\??\\", "lost.mp3");
    EXPECT_EQ(walk("M:\\", kDefaultPatterns),
              (std::vector<std::string>{"enter M:\\", "M:\\____~PUY.MP3", "enter M:\\____~1\\",
                                        "M:\\____~1\\plain.mp3", "M:\\____~1\\___~1.OGG"}));
}

TEST_F(FolderWalkTest, APathTooLongForARecordGoesByItsShortForm) {
    const std::string part(120, 'f');
    const std::string start = "M:\\" + part + "\\";
    const std::string sub = start + part + "\\";  // 245 characters
    const std::string shortSub = "M:\\FFFFFF~1\\FFFFFF~1\\";
    tree.shortPaths[start] = "M:\\FFFFFF~1\\";
    tree.add(start, part, kDirectory, "FFFFFF~1");
    tree.add(sub, "a.mp3");  // 250 characters: kept as it is
    tree.add(sub, "track1.mp3", 0, "TRACK1~1.MP3");  // 255 characters, the most a record holds: kept
    tree.add(sub, "song-with-a-long-name.mp3", 0, "SONG-W~1.MP3");
    tree.add(sub, std::string(240, 'n') + ".mp3");  // too long even by a short form: cut
    tree.add(sub, part, kDirectory, "FFFFFF~1");
    // A folder beyond a record's length is listed by its short form.
    tree.add(shortSub + "FFFFFF~1\\", "b.mp3");
    EXPECT_EQ(walk(start, {"*.mp3"}),
              (std::vector<std::string>{"enter " + start, "enter " + sub, sub + "a.mp3", sub + "track1.mp3",
                                        shortSub + "SONG-W~1.MP3",
                                        sub + std::string(240, 'n') + ".mp3", "enter " + sub + part + "\\",
                                        shortSub + "FFFFFF~1\\b.mp3"}));
}

TEST_F(FolderWalkTest, ALinkBackToAFolderAboveIsPassedOverSoEachFileComesOnce) {
    tree.add("M\\", "a.mp3");
    tree.add("M\\", "Sub", kDirectory);
    tree.add("M\\Sub\\", "b.mp3");
    tree.link("M\\Sub\\", "Up", "M\\");
    EXPECT_EQ(walk("M\\", {"*.mp3"}),
              (std::vector<std::string>{"enter M\\", "M\\a.mp3", "enter M\\Sub\\", "M\\Sub\\b.mp3"}));
}

TEST_F(FolderWalkTest, TwoLinksToEachOtherWalkEachFolderOnce) {
    tree.add("M\\", "A", kDirectory);
    tree.add("M\\", "B", kDirectory);
    tree.add("M\\A\\", "a.mp3");
    tree.add("M\\B\\", "b.mp3");
    tree.link("M\\A\\", "ToB", "M\\B\\");
    tree.link("M\\B\\", "ToA", "M\\A\\");
    const std::vector<std::string> steps = walk("M\\", {"*.mp3"});
    EXPECT_EQ(steps, (std::vector<std::string>{"enter M\\", "enter M\\A\\", "M\\A\\a.mp3",
                                               "enter M\\A\\ToB\\", "M\\A\\ToB\\b.mp3"}));
    // A second search walks them all again.
    events.steps.clear();
    EXPECT_EQ(walk("M\\", {"*.mp3"}), steps);
}

TEST_F(FolderWalkTest, LinksToOtherPlacesAreWalkedAsTheirOwnFolders) {
    // A music folder made of links to other drives.
    tree.add("M\\", "local.mp3");
    tree.link("M\\", "Disc1", "D:\\Albums\\");
    tree.link("M\\", "Disc2", "E:\\");
    tree.add("D:\\Albums\\", "d.mp3");
    tree.add("E:\\", "e.mp3");
    EXPECT_EQ(walk("M\\", {"*.mp3"}),
              (std::vector<std::string>{"enter M\\", "M\\local.mp3", "enter M\\Disc1\\", "M\\Disc1\\d.mp3",
                                        "enter M\\Disc2\\", "M\\Disc2\\e.mp3"}));
}

TEST_F(FolderWalkTest, ADriveLostDuringTheWalkFailsIt) {
    // The walk is on one drive; after the first file the drive goes.
    tree.add("M:\\", "a.mp3");
    tree.add("M:\\", "b.mp3");
    tree.add("M:\\", "Sub", kDirectory);
    tree.add("M:\\Sub\\", "c.mp3");
    events.onFile = [&](const std::string&) { tree.gone = {"M:\\"}; };
    EXPECT_EQ(walk("M:\\", kDefaultPatterns),
              (std::vector<std::string>{"enter M:\\", "M:\\a.mp3", "M:\\b.mp3",
                                        "failed M:\\: The device is not ready."}));
}

TEST_F(FolderWalkTest, AFailureWhileTheFolderAboveStillListsIsThatFolderAlone) {
    // Disc1 links to a drive that is not plugged in; the share behind Disc2
    // drops while the walk is inside it.
    tree.add("M:\\", "Disc1", kDirectory);
    tree.link("M:\\", "Disc2", "N:\\");
    tree.add("M:\\", "Local", kDirectory);
    tree.add("M:\\Local\\", "l.mp3");
    tree.add("N:\\", "Album", kDirectory);
    tree.add("N:\\Album\\", "n.mp3");
    tree.gone = {"M:\\Disc1\\"};
    events.onFile = [&](const std::string& path) {
        if (path == "M:\\Disc2\\Album\\n.mp3") tree.gone.push_back("N:\\");
    };
    EXPECT_EQ(walk("M:\\", {"*.mp3"}),
              (std::vector<std::string>{"enter M:\\", "enter M:\\Disc1\\", "enter M:\\Disc2\\",
                                        "enter M:\\Disc2\\Album\\", "M:\\Disc2\\Album\\n.mp3",
                                        "failed M:\\Disc2\\Album\\: The device is not ready."}));
}

TEST_F(FolderWalkTest, StartFolderThatFailsToListFailsTheWalk) {
    tree.add("M:\\", "a.mp3");
    tree.gone = {"M:\\"};
    EXPECT_EQ(walk("M:\\", {"*.mp3"}),
              (std::vector<std::string>{"enter M:\\", "failed M:\\: The device is not ready."}));
}

TEST_F(FolderWalkTest, NamesThatCannotBeSpelledAreCounted) {
    tree.add("M:\\", "?.mp3");                        // matches, no short name
    tree.add("M:\\", "??.mp3", 0, "AB~1.MP3");        // indexed by its short name
    tree.add("M:\\", "???.txt");                      // matches no pattern: not seen
    tree.add("M:\\", "????", kDirectory);             // cannot be entered
    tree.add("M:\\", "?????", kDirectory | kHidden);  // would not be entered anyway
    FolderWalk walker(tree, events);
    walker.searchFolder("M:\\", {"*.mp3"});
    EXPECT_EQ(events.steps, (std::vector<std::string>{"enter M:\\", "M:\\AB~1.MP3"}));
    EXPECT_EQ(walker.passedOver().files, 1);
    EXPECT_EQ(walker.passedOver().folders, 1);
    // A second search counts afresh.
    walker.searchFolder("M:\\", {"*.mp3", "*.MP3"});
    EXPECT_EQ(walker.passedOver().files, 2);
}

TEST_F(FolderWalkTest, FolderIdentitiesDecideOnlyWhatIsWalkedAgain) {
    // Two links to the roots of two drives whose root folders have the same
    // index on their own volumes, and a lister that cannot tell identities.
    tree.link("M\\", "D", "D:\\");
    tree.link("M\\", "E", "E:\\");
    tree.add("D:\\", "Sub", kDirectory);
    tree.add("D:\\Sub\\", "d.mp3");
    tree.add("E:\\", "e.mp3");
    const std::vector<std::string> both{"enter M\\",      "enter M\\D\\", "enter M\\D\\Sub\\",
                                        "M\\D\\Sub\\d.mp3", "enter M\\E\\", "M\\E\\e.mp3"};
    tree.identify = [](const std::string& folder) {
        return FolderIdentity{std::uint64_t(folder[0]), folder.size() <= 3 ? 5u : 6u + folder.size()};
    };
    EXPECT_EQ(walk("M\\", {"*.mp3"}), both);
    events.steps.clear();
    tree.identify = [](const std::string&) { return std::optional<FolderIdentity>(); };
    EXPECT_EQ(walk("M\\", {"*.mp3"}), both);
}

TEST(PassedOverText, CountsFilesAndFoldersInOneParagraph) {
    const std::string why = " passed over: their names have letters that the language for non-Unicode programs set "
                            "in Windows cannot spell, and their drive keeps no short names for them.";
    const struct { int files, folders; std::string text; } cases[] = {
        {0, 0, ""},
        {1, 0, "\r\n\r\n1 music file was passed over: its name has letters that the language for non-Unicode "
               "programs set in Windows cannot spell, and its drive keeps no short name for it."},
        {0, 2, "\r\n\r\n2 folders were" + why},
        {3, 1, "\r\n\r\n3 music files and 1 folder were" + why},
    };
    for (const auto& c : cases)
        EXPECT_EQ(passedOverParagraph({c.files, c.folders}), c.text) << c.files << " " << c.folders;
}

TEST(StartFolder, GetsOneTrailingBackslash) {
    EXPECT_EQ(startFolderOf("C:\\Music"), "C:\\Music\\");
    EXPECT_EQ(startFolderOf("C:\\Music\\"), "C:\\Music\\");
    EXPECT_EQ(startFolderOf("D:"), "D:\\");
    EXPECT_EQ(startFolderOf(" Music "), " Music \\");
    EXPECT_EQ(startFolderOf("C:/Music/"), "C:/Music/\\");
    EXPECT_EQ(startFolderOf(std::wstring(L"D:")), L"D:\\");
}

TEST(StartFolder, QuotesAndBlanksAroundTheTextGo) {
    const struct { const wchar_t* typed; const wchar_t* folder; } cases[] = {
        {L"\"D:\\Music\"", L"D:\\Music"},               // Explorer's "Copy as path"
        {L"  \"D:\\My Music\"\r\n", L"D:\\My Music"},  // pasted with a line break
        {L"\tD:\\Music ", L"D:\\Music"},
        {L"\"D:\\Music", L"D:\\Music"},                  // a quote left unpaired
        {L"D:\\My  Music", L"D:\\My  Music"},             // blanks inside stay
        {L"Music", L"Music"},
        {L"\" \"", L""},
        {L"", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(unquotedFolderText(c.typed), c.folder) << c.typed;
}

}  // namespace
}  // namespace plk
