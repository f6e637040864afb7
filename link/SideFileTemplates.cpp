#include "link/SideFileTemplates.h"

#include "document/AtomicFile.h"

#include <sys/stat.h>

namespace merix {

std::string_view beforeFileTemplate()
{
    return ";if voice response is desired during upload,\r\n"
           ";delete the following line\r\n"
           "N050 0;turn voice responses off\r\n"
           "\r\n"
           ";enter the commands you want uploaded before the upload\r\n"
           ";of the generated command file here\r\n";
}

std::string_view afterFileTemplate()
{
    return ";if voice response is not desired after upload,\r\n"
           ";delete the following line\r\n"
           "N050 01;turn voice responses on\r\n"
           "\r\n"
           ";enter the commands you want uploaded after the upload\r\n"
           ";of the generated command file here\r\n";
}

std::string_view otherUploadFileTemplate()
{
    return ";enter the commands you want uploaded here\r\n";
}

bool createFileFromTemplate(const std::string& path, std::string_view templateText)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return true;
    return !path.empty() && writeFileAtomically(path, templateText).empty();
}

} // namespace merix
