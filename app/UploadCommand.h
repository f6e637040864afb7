#pragma once

namespace merix {

class BusyIndicator;
class CVeskDoc;
class Prompter;

// The main screen's Upload Command File, as far as this version goes.
void runUploadCommand(CVeskDoc& doc, Prompter& prompter, BusyIndicator* busy);

} // namespace merix
