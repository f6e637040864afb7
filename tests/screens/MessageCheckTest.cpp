#include "screens/MessageCheck.h"
#include "screens/MessageCatalog.h"
#include "screens/MessageFieldRules.h"
#include "screens/MessageKinds.h"

#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "tests/document/LifecycleTestCatalogs.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace merix {
namespace {

constexpr auto passes = std::optional<TextSpan>();

TEST(MessageCheck, EveryWordMustBeInTheVocabulary) {
    const CaseFreeNames known({"HELLO", "WORLD", "LO"});
    const CaseFreeNames knownWithoutLo({"HELLO", "WORLD"});
    struct Case {
        const char* text;
        const CaseFreeNames& known;
        std::optional<TextSpan> offence;
    };
    const Case cases[] = {
        {"", known, passes},
        {"hello World", known, passes},
        {"  HELLO   WORLD ", known, passes},
        {"HELLO WOR", known, TextSpan{6, 3}},
        {"HELLO WOR WOR", known, TextSpan{6, 3}},
        // The word where it stands, not the same letters at the end of HELLO.
        {"HELLO LO", knownWithoutLo, TextSpan{6, 2}},
        {"  XX HELLO", known, TextSpan{2, 2}},
        {"HELLO\tWORLD", known, TextSpan{0, 11}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(firstUnknownWord(c.text, c.known), c.offence) << c.text;
}

TEST(MessageCheck, CwTextsTakeNamedSymbolsBlanksAndOneCharacterEntries) {
    // No P among the letters: " SPACE" still passes as one symbol, " space" does not.
    const CaseFreeNames letters =
        oneCharacterCwEntries({"A", "C", "D", "E", "M", "S", "W", "1", "/", " SPACE", " AR"});
    struct Case {
        const char* text;
        std::optional<TextSpan> offence;
    };
    const Case cases[] = {
        {"", passes},
        {"DE SPACE W1AW", passes},
        {"de SPACE w1aw", passes},
        {"DE  SPACE W1AW", passes}, // two blanks before the symbol, as a completion leaves
        {"DE SPACE  SPACE", passes},
        {"DE PAUSE AR", passes}, // named symbols need no entry of their own here
        {"DE INTERNAL_DVR_2", passes},
        {"DE space", TextSpan{4, 1}}, // lower case: a lone blank and the letters s, p, ...
        {"A ARM", passes},            // " AR" and then M
        {"AQ", TextSpan{1, 1}},
        {"A\xC3\x84", TextSpan{1, 2}}, // a character outside the list, whole
        {"DE SPACEX", TextSpan{8, 1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(firstUnknownCwCharacter(c.text, letters), c.offence) << c.text;
}

TEST(MessageKinds, TypesAndActionsReadWithoutRegardToCase) {
    const std::pair<const char*, MessageKind> types[] = {
        {"Voice", MessageKind::Voice},
        {"voice", MessageKind::Voice},
        {"POLITEVOICE", MessageKind::PoliteVoice},
        {"cw", MessageKind::Cw},
        {"DVR", MessageKind::Dvr},
        {"Speech", MessageKind::Dvr},
        {"", MessageKind::Dvr},
    };
    for (const auto& [text, kind] : types)
        EXPECT_EQ(messageKindOf(text), kind) << text;
    const std::pair<const char*, InterruptAction> actions[] = {
        {"NOCOMMAND", InterruptAction::CancelMessage},
        {"cw_id", InterruptAction::CwId},
        {"COMMAND", InterruptAction::Command},
        {"", InterruptAction::Command},
    };
    for (const auto& [text, action] : actions)
        EXPECT_EQ(interruptActionOf(text), action) << text;
    EXPECT_EQ(messageTypeName(MessageKind::PoliteVoice), "PoliteVoice");
    EXPECT_EQ(messageTypeName(MessageKind::Cw), "CW");
    EXPECT_EQ(interruptActionName(InterruptAction::CwId), "CW_ID");
    EXPECT_EQ(interruptActionName(InterruptAction::Command), "COMMAND");
}

TEST(MessageKinds, RowsShownByTypeAndInterruptAction) {
    struct Case {
        MessageKind kind;
        InterruptAction action;
        MessageRowsShown shown;
    };
    const Case cases[] = {
        {MessageKind::Voice, InterruptAction::Command, {false, false, false}},
        {MessageKind::PoliteVoice, InterruptAction::CancelMessage, {true, false, false}},
        {MessageKind::PoliteVoice, InterruptAction::CwId, {true, false, false}},
        {MessageKind::PoliteVoice, InterruptAction::Command, {true, true, false}},
        {MessageKind::Cw, InterruptAction::Command, {false, false, false}},
        {MessageKind::Dvr, InterruptAction::Command, {false, false, true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rowsShownFor(c.kind, c.action), c.shown)
            << static_cast<int>(c.kind) << '/' << static_cast<int>(c.action);
    EXPECT_EQ(dvrListLine("TRACK01", "Welcome"), "TRACK01 - Welcome");
    EXPECT_EQ(dvrListLine("TRACK01", ""), "TRACK01");
}

TEST(MessageFieldRules, TheCommandFieldTakesUpToThreeDigits) {
    const std::string tooLong = "Invalid entry!  Enter in a three digit command or macro number.";
    struct Case {
        std::u16string_view text;
        std::u16string_view result;
        int caret;
        std::string message;
    };
    const Case cases[] = {
        {u"", u"", -1, ""},
        {u"5", u"5", -1, ""}, // stored as typed, without leading zeros
        {u"012", u"012", -1, ""},
        {u"1234", u"", -1, tooLong},
        {u"12a", u"12", 2, ""},
        {u"a1234", u"1234", 0, ""}, // the letter first; the length is judged on the next change
        {u"1 2", u"12", 1, ""},
        {u"1\U0001F600"
         u"2",
         u"12", 1, ""}, // a character outside the basic plane, whole
    };
    for (const Case& c : cases) {
        const FieldEdit edit = commandFieldEdit(c.text);
        EXPECT_EQ(edit.text, c.result) << toUtf8(c.text);
        EXPECT_EQ(edit.caret, c.caret) << toUtf8(c.text);
        EXPECT_EQ(edit.message, c.message) << toUtf8(c.text);
    }
}

TEST(MessageFieldRules, DescriptionsLoseWhatTheDocumentFileCannotKeep) {
    const FieldEdit colon = dvrDescriptionEdit(u"Net: 7 pm; Sunday");
    EXPECT_EQ(colon.text, u"Net 7 pm; Sunday"); // one at a time, as typed
    EXPECT_EQ(colon.caret, 3);
    EXPECT_EQ(dvrDescriptionEdit(colon.text).text, u"Net 7 pm Sunday");
    const FieldEdit plain = dvrDescriptionEdit(u"Net at 7 pm, Sunday");
    EXPECT_EQ(plain.text, u"Net at 7 pm, Sunday");
    EXPECT_EQ(plain.caret, -1);
    EXPECT_TRUE(plain.message.empty());
}

TEST(MessageCatalog, UnreadableFilesGiveEmptyListsAndOneNoticeNamingThem) {
    struct Case {
        const char* name;
        std::vector<const char*> removed;
        std::vector<const char*> folders; // there under the file's name, but not a file
        std::string wordList;             // written over the catalog's own when not empty
        std::size_t words;
        std::size_t cwSymbols;
        bool wordsRead;
        bool cwRead;
        const char* messageName;
        std::string notice;
    };
    const Case cases[] = {
        {"all there", {}, {}, "", 2, 2, true, true, "ID Message", ""},
        {"no word list",
         {"wordlist.cfg"},
         {},
         "",
         0,
         2,
         false,
         true,
         "ID Message",
         "Unable to read wordlist.cfg in the catalog folder; the word list is empty."},
        {"a folder for the CW list",
         {"cw.cfg"},
         {"cw.cfg"},
         "",
         2,
         0,
         true,
         false,
         "ID Message",
         "Unable to read cw.cfg in the catalog folder; the CW list is empty."},
        {"a word list of no words",
         {},
         {},
         "MERIX words\r\n0\r\n",
         0,
         2,
         true,
         true,
         "ID Message",
         ""},
        {"none of the three",
         {"wordlist.cfg", "cw.cfg", "messages.cfg"},
         {},
         "",
         0,
         0,
         false,
         false,
         "",
         "Unable to read wordlist.cfg in the catalog folder; the word list is empty.  Unable to "
         "read cw.cfg in the catalog folder; the CW list is empty.  Unable to read messages.cfg "
         "in the catalog folder; its names and descriptions are shown empty."},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        test::writeTestCatalogs(dir.path());
        ConfigDocument doc;
        doc.setStartupDirectory(dir.path());
        test::RecordingPrompter prompter;
        ASSERT_TRUE(loadCatalogs(doc, prompter));
        for (const char* file : c.removed)
            std::filesystem::remove(dir.file(file));
        for (const char* file : c.folders)
            std::filesystem::create_directory(dir.file(file));
        if (!c.wordList.empty())
            test::writeWhole(dir.file("wordlist.cfg"), c.wordList);
        const MessageCatalog catalog = readMessageCatalog(doc);
        EXPECT_EQ(catalog.words.size(), c.words) << c.name;
        EXPECT_EQ(catalog.cwSymbols.size(), c.cwSymbols) << c.name;
        EXPECT_EQ(catalog.wordsRead, c.wordsRead) << c.name;
        EXPECT_EQ(catalog.cwRead, c.cwRead) << c.name;
        ASSERT_EQ(catalog.messages.size(), 1u) << c.name; // never a message lost
        EXPECT_EQ(catalog.messages[0].name, c.messageName) << c.name;
        EXPECT_EQ(catalog.notice, c.notice) << c.name;
    }
}

} // namespace
} // namespace merix
