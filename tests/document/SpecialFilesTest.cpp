#include "document/DocumentFile.h"
#include "document/LineReader.h"
#include "document/LookupList.h"

#include <gtest/gtest.h>

using namespace merix;

// A device that never ends a line (picked by mistake in a file dialog) must not hang a reader.
TEST(SpecialFiles, EndlessDevicesAreNotReadAsText)
{
    EXPECT_FALSE(LineReader("/dev/zero").isOpen());
    EXPECT_FALSE(LineReader("/dev/urandom").isOpen());
    EXPECT_FALSE(isDocumentFile("/dev/zero"));
    EXPECT_FALSE(readLookupList("/dev/zero", 199).has_value());
    EXPECT_FALSE(LineReader("/tmp").isOpen());
}
