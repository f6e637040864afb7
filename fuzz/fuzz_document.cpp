// A document file of any bytes, read over the tables the shipped catalogs built, then
// written again and fed to the command file generator, with the same bytes standing in
// for the reference copy the generator compares against.
#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/SideFiles.h"
#include "fuzz/FuzzSupport.h"
#include "generator/CommandFileGenerator.h"

#include <cstdint>
#include <string>

using namespace merix;

namespace {

const ConfigDocument& sampleDocument()
{
    static const ConfigDocument doc = [] {
        ConfigDocument d;
        d.setStartupDirectory(fuzz::copySampleCatalogs("startup"));
        fuzz::SilentPrompter prompter;
        if (!loadCatalogs(d, prompter) || prompter.informed != 0)
            fuzz::fail("the sample catalogs do not load");
        return d;
    }();
    return doc;
}

// What was read, written and read again must write the same text: a second save may
// never change a document that nobody edited.
void checkStable(const std::string& written)
{
    ConfigDocument again = sampleDocument();
    readDocumentFile(again, fuzz::writeScratchFile("again.mrx", written));
    if (documentText(again) != written)
        fuzz::fail("saving a document that was read back changes it");
}

void generate(ConfigDocument& doc, std::string_view input, UploadOption uploadOption) {
    fuzz::SilentPrompter prompter;
    doc.setDocumentPath(fuzz::scratchPath("out.mrx"));
    fuzz::writeScratchFile("out.REF", input);
    fuzz::writeScratchFile("out.INI", input);
    const CommandFileResult result = generateCommandFile(doc, uploadOption, prompter);
    if (!result.produced() || !result.message.empty())
        fuzz::fail("no complete command file from a readable document: " + result.message);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = fuzz::bytes(data, size);
    const std::string path = fuzz::writeScratchFile("in.mrx", input);
    isDocumentFile(path);

    ConfigDocument doc = sampleDocument();
    if (!readDocumentFile(doc, path))
        fuzz::fail("a document written a moment ago could not be read");
    const std::string text = documentText(doc);
    checkStable(text);

    const std::string error = writeDocumentFile(doc, fuzz::scratchPath("out.mrx"));
    if (!error.empty())
        fuzz::fail("the document writer failed: " + error);
    if (fuzz::readWholeFile(fuzz::scratchPath("out.mrx")) != text)
        fuzz::fail("the written file differs from the document text");

    generate(doc, input, static_cast<UploadOption>(size % 3));
    return 0;
}
