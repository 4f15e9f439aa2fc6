// The written texts are refused, with the file and line, when the game's files cannot hold them.

#include "tools/content/DataRecords.h"
#include "tests/support/TempFolder.h"
#include "tools/content/TextSheet.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace zarle::content;
using zarle::testing::TempFolder;

namespace {

std::filesystem::path WriteSheet(const TempFolder& folder, const std::string& text) {
    const std::filesystem::path path = folder.Path() / "sheet.txt";
    std::ofstream(path) << text;
    return path;
}

std::string LoadError(const std::string& text) {
    TempFolder folder;
    try {
        TextStore(TextSheet::Load(WriteSheet(folder, text)));
    } catch (const ContentError& e) {
        return e.what();
    }
    return "";
}

TEST(TextSources, UnusableTextsAreRefusedWithTheirLine) {
    const std::string longest(100, 'x');
    struct Case {
        const char* what;
        std::string text;
        std::string error; // "" = accepted
    } cases[] = {
        {"notes and blank lines", "# a note\n\n1: Hello\r\n", ""},
        {"a full line", "1: " + longest + "\n", ""},
        {"one character too many", "# note\n1: " + longest + "x\n", "101 characters, at most 100"},
        {"no key", "1: fine\nno colon here\n", "sheet.txt:2: expected"},
        {"a key twice", "1: one\n1: again\n", "\"1\" given twice"},
        {"a letter outside ASCII", "1: caf\xc3\xa9\n", "sheet.txt:1: only plain ASCII"},
        {"a record number below 1", "0: nothing\n", "records start at 1"},
    };
    for (const Case& c : cases) {
        const std::string error = LoadError(c.text);
        if (c.error.empty()) {
            EXPECT_EQ(error, "") << c.what;
        } else {
            EXPECT_NE(error.find(c.error), std::string::npos) << c.what << ": " << error;
        }
    }
}

TEST(TextSources, APersonalityWithALineLeftOutIsRefused) {
    TempFolder folder;
    std::string text = "description: d\npicture: P.jpg\nanimation: 1\n";
    for (int n = 1; n <= 35; ++n)
        if (n != 28) text += std::to_string(n) + ": line\n";
    try {
        PersonalityFile("Zarle", TextSheet::Load(WriteSheet(folder, text)));
        FAIL() << "a missing line was accepted";
    } catch (const ContentError& e) {
        EXPECT_NE(std::string(e.what()).find("\"28\" is missing"), std::string::npos) << e.what();
    }
}

} // namespace
