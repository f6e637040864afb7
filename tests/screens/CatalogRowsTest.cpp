#include "screens/CatalogRows.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

using test::TempDir;

// Three entries the document knows; the catalog on disk may say otherwise.
TEST(CatalogRows, OneRowPerDocumentEntryWhateverTheFileHolds) {
    struct Case {
        const char* name;
        const char* text; // nullptr: no file
        std::vector<std::string> labels;
        std::string notice;
    };
    const Case cases[] = {
        {"complete",
         "T\r\n3\r\nk1,One,d1\r\nk2,Two,d2\r\nk3,Three,d3\r\n",
         {"One", "Two", "Three"},
         ""},
        {"more than the document",
         "T\n4\nk1,One,d\nk2,Two,d\nk3,Three,d\nk4,Four,d\n",
         {"One", "Two", "Three"},
         ""},
        {"count says three, file ends after two",
         "T\n3\nk1,One,d\nk2,Two,d\n",
         {"One", "Two", ""},
         "macros.cfg describes 2 of the 3 entries of the document; the others are shown without "
         "names and descriptions."},
        {"count of one",
         "T\n1\nk1,One,d\nk2,Two,d\n",
         {"One", "", ""},
         "macros.cfg describes 1 of the 3 entries of the document; the others are shown without "
         "names and descriptions."},
        {"missing",
         nullptr,
         {"", "", ""},
         "Unable to read macros.cfg in the catalog folder; its names and descriptions are shown "
         "empty."},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (c.text)
            test::writeWhole(dir.file("macros.cfg"), c.text);
        const CatalogRows catalog =
            readCatalogRows(dir.file("macros.cfg"), "macros.cfg", macrosLayout(), 3);
        ASSERT_EQ(catalog.rows.size(), 3u) << c.name;
        for (std::size_t i = 0; i < 3; ++i) {
            ASSERT_EQ(catalog.rows[i].size(), MacroFields::Count) << c.name;
            EXPECT_EQ(catalog.rows[i][MacroFields::Label], c.labels[i]) << c.name << " row " << i;
        }
        EXPECT_EQ(catalog.notice, c.notice) << c.name;
    }
}

} // namespace
} // namespace merix
