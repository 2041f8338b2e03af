// The desktop scan on the fake platform over a real folder: rows, image
// keys, the item table and the main window's captions and pictures, odd
// names and sizes, 101 files, and the scan's texts.

#include "common/path_text.h"
#include "desktopitems/scan_text.h"
#include "started_app.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>

namespace {

using namespace orvela;
namespace fs = std::filesystem;
using desktopitems::ItemField;

// A desktop folder of the test's own.
class Desktop {
public:
    Desktop() { fs::create_directories(dir_); }
    ~Desktop() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string path() const { return dir_.string(); }
    void file(const std::string& name, const std::string& bytes = "text") const {
        std::ofstream(dir_ / fs::u8path(name), std::ios::binary) << bytes;
    }
    // An .exe: a Windows program with a PE header, or an MS-DOS one without.
    void program(const std::string& name, bool windows) const {
        std::string bytes(0x80, '\0');
        bytes[0] = 'M';
        bytes[1] = 'Z';
        if (windows) {
            bytes[0x3C] = 0x40;
            bytes.replace(0x40, 4, std::string("PE\0\0", 4));
        }
        file(name, bytes);
    }

private:
    fs::path dir_ =
        fs::temp_directory_path() / ("orvela-desktop-" + std::to_string(std::random_device{}()));
};

test::AppOptions on(const Desktop& desktop) {
    test::AppOptions o;
    o.desktop = desktop.path();
    return o;
}

TEST(DesktopScan, AnOrdinaryDocumentsIconIsExtractedOncePerExtension) {
    Desktop d;
    for (int i = 0; i < 40; ++i)
        d.file("Note " + std::to_string(i) + (i % 2 ? ".txt" : ".doc"));
    d.file("README");
    d.file("LICENSE");
    d.program("Edit.exe", true);
    d.program("Paint.exe", true);
    d.file("Home.lnk");
    d.file("Work.lnk");
    fs::create_directory(d.path() + "/One");
    fs::create_directory(d.path() + "/Two");
    test::StartedApp app(on(d));
    std::map<std::string, int> extracted; // by what follows the file's last dot
    for (const std::string& call : app.fake().takeCalls())
        if (call.rfind("call ExtractAssociatedIconA", 0) == 0) {
            const std::string path = call.substr(call.find('"') + 1);
            const std::string name = path.substr(path.rfind('/') + 1);
            const std::size_t dot = name.rfind('.');
            ++extracted[dot == std::string::npos ? name.substr(0, name.find('"'))
                                                 : name.substr(dot, name.find('"') - dot)];
        }
    // Documents share their type's icon; programs, shortcuts and folders
    // keep one of their own.
    EXPECT_EQ(extracted, (std::map<std::string, int>{{".doc", 1},
                                                     {".exe", 2},
                                                     {".lnk", 2},
                                                     {".txt", 1},
                                                     {"One", 1},
                                                     {"Two", 1},
                                                     {"LICENSE", 1}}));
    // Every document of a type shows that type's one picture.
    std::map<std::string, std::set<std::string>> shown; // extension -> pictures
    for (int n = 1; n <= 50; ++n) {
        const std::string name = app.items().get(ItemField::FileName, n);
        if (name.size() > 4 && name.find(".doc") + 4 == name.size())
            shown[".doc"].insert(app.c("Image3", n).picture().describe());
        if (name.size() > 4 && name.find(".txt") + 4 == name.size())
            shown[".txt"].insert(app.c("Image3", n).picture().describe());
    }
    EXPECT_EQ(shown[".doc"].size(), 1u);
    EXPECT_EQ(shown[".txt"].size(), 1u);
}

TEST(DesktopScan, RowsImagesTableAndCaptions) {
    Desktop d;
    d.file("b.txt", std::string(999, 'x'));
    d.file("a.txt", std::string(1500, 'x'));
    d.file("Readme.First.txt");
    d.program("Edit.exe", true);
    d.program("Paint.exe", true);
    d.file("Home.lnk");
    for (const char* dos : {"dos1.exe", "dos2.exe", "dos3.exe"})
        d.program(dos, false);
    fs::create_directory(d.path() + "/Folder");
    test::StartedApp app(on(d));

    // Sorted as the fake enumerates: by name, "." and ".." first and left out.
    const std::map<std::string, std::pair<std::string, std::string>> expected = {
        {"edit.exe", {"application", "Edit.exe"}},
        {"folder", {"file folder", "file folder"}},
        {"home.lnk", {"shortcut", "Home.lnk"}},
        {"paint.exe", {"application", "Paint.exe"}},
        {"readme.first.txt", {"txt file", "txt file"}},
        {"a.txt", {"txt file", "txt file"}},
        {"b.txt", {"txt file", "txt file"}},
        {"dos1.exe", {"application", "DOSExeIcon"}},
        {"dos2.exe", {"application", "DOSExeIcon"}},
        {"dos3.exe", {"application", "DOSExeIcon"}}};
    const forms::Control& list = app.form1().control("ListView1");
    ASSERT_EQ(list.rows().size(), expected.size());
    for (const forms::ListRow& row : list.rows()) {
        SCOPED_TRACE(row.text);
        ASSERT_TRUE(expected.count(row.text));
        EXPECT_EQ(row.subItems.at(1), expected.at(row.text).first);
        EXPECT_EQ(row.iconKey, expected.at(row.text).second);
    }
    std::vector<std::string> keys;
    for (const auto& [key, picture] : app.form1().control("ImageList1").images())
        keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"dummy", "Edit.exe", "file folder", "Home.lnk",
                                              "Paint.exe", "txt file", "DOSExeIcon"}));
    EXPECT_EQ(app.form1().control("LbIconCount").caption(),
              "The ImageList for this target file type view contains 6 different images.");
    EXPECT_EQ(app.form1().control("LbItemCount").caption(), "10 files");
    EXPECT_EQ(app.form1().control("itco").caption(), "10");

    // Slot 5 is Readme.First.txt; slots follow the enumeration.
    EXPECT_EQ(app.items().get(ItemField::DisplayName, 5), "Readme");
    EXPECT_EQ(app.items().get(ItemField::FileName, 5), "Readme.First.txt");
    EXPECT_EQ(app.items().get(ItemField::FullPath, 5), d.path() + "/Readme.First.txt");
    EXPECT_EQ(app.items().get(ItemField::Size, 6), "2kb"); // a.txt, 1500 bytes
    EXPECT_EQ(app.items().get(ItemField::Size, 7), "1kb"); // b.txt, 999 bytes
    EXPECT_EQ(app.c("Label6", 5).caption(), "Readme");
    EXPECT_EQ(app.c("Image3", 5).picture().describe(), "icon:" + d.path() + "/Readme.First.txt");
    EXPECT_EQ(app.c("Image4", 5).picture(), app.c("Image3", 5).picture());
    EXPECT_EQ(app.c("Label6", 0).caption(), "10");
    EXPECT_EQ(app.c("Label2").caption(), "application"); // the last file's
}

TEST(DesktopScan, OddNamesGetDefinedRows) {
    Desktop d;
    d.file(".hidden");
    d.file("README");
    d.file("Отчёт.txt");
    d.file(std::string(200, 'n') + ".txt");
    fs::create_symlink(d.path() + "/missing.exe", d.path() + "/broken.lnk");
    test::StartedApp app(on(d));
    std::map<std::string, forms::ListRow> rows;
    for (const forms::ListRow& row : app.form1().control("ListView1").rows())
        rows[row.text] = row;
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows.at(".hidden").subItems.at(1), "hidden file");
    EXPECT_EQ(rows.at("readme").subItems.at(1), "file");
    EXPECT_EQ(rows.at("отчёт.txt").iconKey, "txt file");
    EXPECT_EQ(rows.at("broken.lnk").iconKey, "dummy");         // no type, no image: the placeholder
    EXPECT_EQ(app.items().get(ItemField::DisplayName, 1), ""); // ".hidden"
    EXPECT_TRUE(app.c("Image3", 3).picture().isNone());        // broken.lnk has no icon
}

TEST(DesktopScan, A101stFileIsListedButGetsNoSlot) {
    Desktop d;
    for (int i = 0; i < 101; ++i)
        d.file("f" + std::to_string(1000 + i) + ".txt");
    test::StartedApp app(on(d));
    EXPECT_EQ(app.form1().control("ListView1").rows().size(), 101u);
    EXPECT_EQ(app.form1().control("LbItemCount").caption(), "101 files");
    EXPECT_EQ(app.items().get(ItemField::FileName, 100), "f1099.txt");
    EXPECT_EQ(app.c("Label6", 0).caption(), "100");
    EXPECT_EQ(app.c("Label6", 100).caption(), "f1099");
    EXPECT_TRUE(app.c("Image3", 101).picture().isNone());
}

TEST(ScanText, SizesNamesPathsAndLowerCase) {
    using namespace desktopitems;
    for (auto [bytes, text] : {std::pair<std::uint64_t, const char*>{0, "1kb"},
                               {499, "1kb"},
                               {999, "1kb"},
                               {1500, "2kb"},
                               {1234000, "1,235kb"},
                               {5000000000ULL, "5,000,001kb"}})
        EXPECT_EQ(formatFileSize(bytes), text) << bytes;
    EXPECT_EQ(displayNameOf("Readme.First.txt"), "Readme");
    EXPECT_EQ(displayNameOf("README"), "README");
    EXPECT_EQ(common::qualifyPath("C:\\Data"), "C:\\Data\\");
    EXPECT_EQ(common::qualifyPath("D:\\"), "D:\\");
    EXPECT_EQ(common::trimNull(std::string("abc\0def", 7)), "abc");
    EXPECT_EQ(lowerCase("ПРИЛОЖЕНИЕ Ярлык ÀÉ Ξ"), "приложение ярлык àé ξ");
}

TEST(ScanText, SizesPastTwoToThe53BytesAreExact) {
    using desktopitems::formatFileSize;
    for (auto [bytes, text] :
         {std::pair<std::uint64_t, const char*>{9999999999999999ULL, "10,000,000,000,000kb"},
          {9007199254740992999ULL, "9,007,199,254,740,993kb"},
          {18446744073709551615ULL, "18,446,744,073,709,552kb"}})
        EXPECT_EQ(formatFileSize(bytes), text) << bytes;
}

TEST(ScanText, LowerCaseCopiesBytesThatAreNoCharacter) {
    using desktopitems::lowerCase;
    // Overlong forms of "A", "." and NUL, a lone continuation byte, a cut
    // sequence, a surrogate and a 4-byte emoji stay as they are; the
    // well-formed letters around them are lowered.
    const std::pair<std::string, std::string> cases[] = {
        {"A\xC1\x81Z", "a\xC1\x81z"},
        {"x\xC0\xAElnk", "x\xC0\xAElnk"},
        {"\xE0\x80\x80\xE0\x81\x81", "\xE0\x80\x80\xE0\x81\x81"},
        {"\x80\xD0\x90\xD0", "\x80\xD0\xB0\xD0"},
        {"\xED\xA0\x80\xF0\x9F\x93\x81", "\xED\xA0\x80\xF0\x9F\x93\x81"},
    };
    for (const auto& [text, lower] : cases)
        EXPECT_EQ(lowerCase(text), lower) << text;
}

TEST(ScanText, ExtensionIsAfterTheLastDotInLowerCase) {
    for (auto [name, ext] : {std::pair<const char*, const char*>{"Notes.TXT", "txt"},
                             {"Readme.First.LNK", "lnk"},
                             {"README", ""},
                             {".hidden", "hidden"},
                             {"trailing.", ""},
                             {"Отчёт.ДОК", "док"}})
        EXPECT_EQ(desktopitems::extensionOf(name), ext) << name;
}

} // namespace
