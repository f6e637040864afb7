#pragma once

class QWidget;

namespace merix {

class BusyIndicator;
class ConfigDocument;
class Prompter;

// File, Review Command File: what Upload Command File would send for the document as it
// stands, with the upload settings saved beside it, explained in the Review window.
void runCommandFileReview(const ConfigDocument& doc, Prompter& prompter, BusyIndicator* busy,
                          QWidget* parent);

} // namespace merix
