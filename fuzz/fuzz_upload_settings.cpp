// The upload settings file beside a document, of any bytes. What was read must write a
// file that reads back to the same settings.
#include "fuzz/FuzzSupport.h"
#include "link/UploadSettings.h"

#include <cstdint>
#include <string>

using namespace merix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string startup = fuzz::scratchDir();
    const std::string document = fuzz::scratchPath("doc.mrx");
    fuzz::writeScratchFile("doc.SER", fuzz::bytes(data, size));

    UploadSettings settings;
    loadUploadSettings(settings, document, startup);
    const std::string text = uploadSettingsText(settings);

    const std::string error = saveUploadSettings(settings, document);
    if (!error.empty())
        fuzz::fail("the settings writer failed: " + error);
    UploadSettings again;
    if (!loadUploadSettings(again, document, startup))
        fuzz::fail("a settings file just written could not be read");
    if (uploadSettingsText(again) != text)
        fuzz::fail("settings read back from their own file differ");
    return 0;
}
